// Checks the game directory written by the asset generator: every picture
// in the geometry the window draws it with, valid sounds, the help file.
#include "ui/AssetFiles.h"
#include "ui/DibImage.h"

#include "engine/FileNames.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace brinox {
namespace {

const std::string kGame = BRINOX_GAME_DIR;

struct Geometry {
    std::string name;
    int cellWidth;
    int cellHeight;
    int images;
    bool stacked = false;
};

std::vector<Geometry> AllPictures() {
    std::vector<Geometry> all = {
        {"graph/back.bmp", 483, 404, 1},       {"graph/backb.bmp", 602, 590, 1},
        {"graph/back1.bmp", 200, 360, 1},      {"graph/back1b.bmp", 300, 540, 1},
        {"graph/back2.bmp", 200, 360, 1},      {"graph/back2b.bmp", 300, 540, 1},
        {"graph/back3.bmp", 200, 360, 1},      {"graph/back3b.bmp", 300, 540, 1},
        {"graph/back4.bmp", 200, 360, 1},      {"graph/back4b.bmp", 300, 540, 1},
        {"graph/expl.bmp", 20, 20, 5},         {"graph/explb.bmp", 30, 30, 5},
        {"graph/toolbar.bmp", 110, 123, 1},    {"graph/nextbar.bmp", 110, 73, 1},
        {"graph/tdigits.bmp", 5, 9, 12},       {"graph/bstart.bmp", 108, 19, 3},
        {"graph/bstop.bmp", 108, 19, 3},       {"graph/bpauseof.bmp", 108, 19, 3},
        {"graph/bpauseon.bmp", 108, 19, 3},    {"graph/bpausex.bmp", 108, 19, 1},
        {"graph/boptions.bmp", 108, 19, 3},    {"graph/bsave.bmp", 54, 19, 3},
        {"graph/bsavex.bmp", 54, 19, 1},       {"graph/bload.bmp", 54, 19, 3},
        {"graph/btable.bmp", 54, 19, 3},       {"graph/bwwwtbl.bmp", 54, 19, 3},
        {"graph/bhelp.bmp", 54, 19, 3},        {"graph/bexit.bmp", 54, 19, 3},
        {"graph/btypes.bmp", 24, 23, 3},       {"graph/btypesx.bmp", 24, 23, 1},
        {"graph/bmodes.bmp", 24, 23, 3},       {"graph/bmodesx.bmp", 24, 23, 3},
        {"graph/bbombs.bmp", 24, 23, 3},       {"graph/bbombsx.bmp", 24, 23, 1},
        {"graph/types.bmp", 86, 23, 2},        {"graph/modes.bmp", 86, 23, 4},
        {"graph/bombs.bmp", 86, 23, 2},        {"graph/blogo.bmp", 75, 32, 3},
        {"graph/bbarmin.bmp", 11, 11, 3},      {"graph/bbarplus.bmp", 11, 11, 3},
        {"graph/bmin.bmp", 18, 17, 3},         {"graph/bplus.bmp", 18, 17, 3},
        {"graph/help.bmp", 414, 15, 26, true}, {"graph/stat.bmp", 460, 17, 1},
    };
    // The counter digits: ten digits and a blank cell of 16, then a 7-pixel colon.
    for (const char* digits : {"graph/digits.bmp", "graph/digits2.bmp", "graph/digits3.bmp"}) {
        all.push_back({digits, 183, 21, 1});
    }
    for (int set = 0; set < 14; ++set) {
        all.push_back({assets::BlockPicture(set, 0), 20, 20, 19});
        all.push_back({assets::BlockPicture(set, 1), 30, 30, 19});
        all.push_back({assets::RemovalPicture(set, 0), 20, 20, 80});
        all.push_back({assets::RemovalPicture(set, 1), 30, 30, 80});
    }
    return all;
}

TEST(GameDirectory, EveryPictureLoadsWithItsDrawingGeometry) {
    for (const Geometry& g : AllPictures()) {
        const DibImage image = LoadPicture(kGame, g.name);
        ASSERT_FALSE(image.Empty()) << g.name;
        EXPECT_EQ(image.Width(), g.stacked ? g.cellWidth : g.cellWidth * g.images) << g.name;
        EXPECT_EQ(image.Height(), g.stacked ? g.cellHeight * g.images : g.cellHeight) << g.name;
        EXPECT_TRUE(image.BitCount() == 24 || image.BitCount() == 8) << g.name;
    }
}

TEST(GameDirectory, TheTableAboveCoversEveryCheckedPictureAndNothingIsMissing) {
    std::set<std::string> described;
    for (const Geometry& g : AllPictures()) {
        described.insert(g.name);
    }
    std::set<std::string> checked;
    for (const std::string& name : assets::CheckList()) {
        if (name.rfind("graph/", 0) == 0) {
            checked.insert(name);
        }
    }
    EXPECT_EQ(described, checked);
    EXPECT_EQ(described.size(), 103u);
    EXPECT_TRUE(assets::MissingAssetFiles(kGame).empty());
}

// ---- sounds ----

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = v << 8 | b[at + static_cast<std::size_t>(i)];
    }
    return v;
}

TEST(GameDirectory, SoundsAreDistinctShortMonoPcmWithoutClicks) {
    std::set<std::string> contents;
    for (std::string_view name : files::kDefaultSounds) {
        const auto b = ReadAll(kGame + std::string(name));
        contents.emplace(b.begin(), b.end());
        ASSERT_GT(b.size(), 4044u) << name;
        // The generator writes the canonical 44-byte header: fmt, then data.
        EXPECT_EQ(std::string(b.begin(), b.begin() + 16),
                  "RIFF" + std::string(b.begin() + 4, b.begin() + 8) + "WAVEfmt ");
        EXPECT_EQ(Le(b, 20, 2), 1u) << name << " PCM";
        EXPECT_EQ(Le(b, 22, 2), 1u) << name << " mono";
        EXPECT_EQ(Le(b, 24, 4), 44100u) << name;
        EXPECT_EQ(Le(b, 34, 2), 16u) << name;
        EXPECT_EQ(Le(b, 40, 4), b.size() - 44) << name;
        const bool jingle = name == "snd/gameover.wav" || name == "snd/gamewin.wav";
        EXPECT_LT(b.size() - 44, (jingle ? 3u : 2u) * 88200u) << name;
        // Faded in and out, and never clipped.
        const auto sample = [&](std::size_t i) {
            return static_cast<std::int16_t>(Le(b, 44 + 2 * i, 2));
        };
        const std::size_t count = (b.size() - 44) / 2;
        EXPECT_LT(std::abs(sample(0)), 200) << name;
        EXPECT_LT(std::abs(sample(count - 1)), 200) << name;
        int peak = 0;
        for (std::size_t i = 0; i < count; ++i) {
            peak = std::max(peak, std::abs(static_cast<int>(sample(i))));
        }
        EXPECT_GT(peak, 8000) << name;
        EXPECT_LT(peak, 32000) << name;
    }
    EXPECT_EQ(contents.size(), files::kDefaultSounds.size());
}

// ---- help file ----

TEST(HelpFile, HasTheIndexAndMainWindowTopicsAndNoBrokenLinks) {
    const auto bytes = ReadAll(kGame + std::string(files::kHelp));
    const std::string text(bytes.begin(), bytes.end());
    ASSERT_EQ(text.rfind("BRINOX-HELP 1\n", 0), 0u) << "signature line";
    std::map<int, std::string> topics;
    std::istringstream lines(text);
    const std::regex topic(R"(@topic (\d+) (.+))");
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (std::regex_match(line, m, topic)) {
            const int number = std::stoi(m[1]);
            EXPECT_FALSE(topics.count(number)) << "topic " << number << " twice";
            topics[number] = m[2];
        }
    }
    ASSERT_TRUE(topics.count(1));
    ASSERT_TRUE(topics.count(10));
    EXPECT_GE(topics.size(), 10u);
    const std::regex link(R"(\[\[(\d+)\|[^\]]+\]\])");
    int links = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), link);
         it != std::sregex_iterator(); ++it, ++links) {
        EXPECT_TRUE(topics.count(std::stoi((*it)[1]))) << (*it)[0];
    }
    EXPECT_GE(links, static_cast<int>(topics.size()) - 1) << "the index links every topic";
}

} // namespace
} // namespace brinox
