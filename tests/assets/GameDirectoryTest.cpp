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

// Keeps test listings readable: the file name, not the struct's bytes.
void PrintTo(const Geometry& geometry, std::ostream* out) { *out << geometry.name; }

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

class GeneratedPicture : public ::testing::TestWithParam<Geometry> {};

TEST_P(GeneratedPicture, LoadsWithItsDrawingGeometry) {
    const Geometry& g = GetParam();
    const DibImage image = LoadPicture(kGame, g.name);
    ASSERT_FALSE(image.Empty()) << g.name;
    EXPECT_EQ(image.Width(), g.stacked ? g.cellWidth : g.cellWidth * g.images);
    EXPECT_EQ(image.Height(), g.stacked ? g.cellHeight * g.images : g.cellHeight);
    EXPECT_TRUE(image.BitCount() == 24 || image.BitCount() == 8);
}

INSTANTIATE_TEST_SUITE_P(Graph, GeneratedPicture, ::testing::ValuesIn(AllPictures()),
                         [](const ::testing::TestParamInfo<Geometry>& info) {
                             std::string name = info.param.name.substr(6);
                             return name.substr(0, name.size() - 4);
                         });

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

struct Wav {
    std::uint32_t format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<std::int16_t> samples;
};

// Walks the RIFF chunks; fails the test on a malformed file.
Wav ParseWav(const std::vector<std::uint8_t>& b) {
    Wav wav;
    EXPECT_GE(b.size(), 44u);
    if (b.size() < 44) {
        return wav;
    }
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 12), "WAVE");
    EXPECT_EQ(Le(b, 4, 4), b.size() - 8);
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id(b.begin() + static_cast<std::ptrdiff_t>(at),
                             b.begin() + static_cast<std::ptrdiff_t>(at + 4));
        const std::uint32_t size = Le(b, at + 4, 4);
        EXPECT_LE(at + 8 + size, b.size()) << id;
        if (id == "fmt ") {
            wav.format = Le(b, at + 8, 2);
            wav.channels = Le(b, at + 10, 2);
            wav.rate = Le(b, at + 12, 4);
            EXPECT_EQ(Le(b, at + 16, 4), wav.rate * 2) << "byte rate";
            EXPECT_EQ(Le(b, at + 20, 2), 2u) << "block align";
            wav.bits = Le(b, at + 22, 2);
        } else if (id == "data" && at + 8 + size <= b.size()) {
            for (std::size_t i = 0; i + 1 < size; i += 2) {
                wav.samples.push_back(static_cast<std::int16_t>(Le(b, at + 8 + i, 2)));
            }
        }
        at += 8 + size + (size & 1);
    }
    return wav;
}

class GeneratedSound : public ::testing::TestWithParam<std::string_view> {};

TEST_P(GeneratedSound, IsShortCleanMonoPcm) {
    const std::string name(GetParam());
    const Wav wav = ParseWav(ReadAll(kGame + name));
    EXPECT_EQ(wav.format, 1u);
    EXPECT_EQ(wav.channels, 1u);
    EXPECT_EQ(wav.rate, 44100u);
    EXPECT_EQ(wav.bits, 16u);
    ASSERT_GT(wav.samples.size(), 2000u) << "audible length";
    const double seconds = static_cast<double>(wav.samples.size()) / 44100.0;
    const bool jingle = name == "snd/gameover.wav" || name == "snd/gamewin.wav";
    EXPECT_LT(seconds, jingle ? 3.0 : 1.5);
    // Faded in and out: no click at either end, and never clipped.
    EXPECT_LT(std::abs(wav.samples.front()), 200);
    EXPECT_LT(std::abs(wav.samples.back()), 200);
    int peak = 0;
    for (std::int16_t s : wav.samples) {
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    EXPECT_GT(peak, 8000) << "loud enough to hear";
    EXPECT_LT(peak, 32000) << "headroom";
}

INSTANTIATE_TEST_SUITE_P(Snd, GeneratedSound, ::testing::ValuesIn(files::kDefaultSounds),
                         [](const ::testing::TestParamInfo<std::string_view>& info) {
                             return std::string(info.param.substr(4, info.param.size() - 8));
                         });

TEST(GameDirectory, SoundsAreDistinct) {
    std::set<std::string> contents;
    for (std::string_view name : files::kDefaultSounds) {
        const auto bytes = ReadAll(kGame + std::string(name));
        contents.emplace(bytes.begin(), bytes.end());
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
