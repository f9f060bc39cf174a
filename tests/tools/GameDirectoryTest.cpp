// Checks the game directory written by the asset generator: every picture
// in the geometry the window draws it with, the wording of the help file, and
// the status lines drawn into help.bmp.
#include "ui/AssetFiles.h"
#include "ui/DibImage.h"

#include "engine/FileNames.h"
#include "tools/HelpText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace brinox::test {
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
    // clang-format off
    std::vector<Geometry> all = { // the stems of graph/*.bmp
        {"back", 483, 404, 1}, {"backb", 602, 590, 1}, {"back1", 200, 360, 1},
        {"back1b", 300, 540, 1}, {"back2", 200, 360, 1}, {"back2b", 300, 540, 1},
        {"back3", 200, 360, 1}, {"back3b", 300, 540, 1}, {"back4", 200, 360, 1},
        {"back4b", 300, 540, 1}, {"expl", 20, 20, 5}, {"explb", 30, 30, 5}, {"stat", 460, 17, 1},
        {"toolbar", 110, 123, 1}, {"nextbar", 110, 73, 1}, {"tdigits", 5, 9, 12},
        {"bstart", 108, 19, 3}, {"bstop", 108, 19, 3}, {"bpauseof", 108, 19, 3},
        {"bpauseon", 108, 19, 3}, {"bpausex", 108, 19, 1}, {"boptions", 108, 19, 3},
        {"bsave", 54, 19, 3}, {"bsavex", 54, 19, 1}, {"bload", 54, 19, 3}, {"btable", 54, 19, 3},
        {"bwwwtbl", 54, 19, 3}, {"bhelp", 54, 19, 3}, {"bexit", 54, 19, 3}, {"btypes", 24, 23, 3},
        {"btypesx", 24, 23, 1}, {"bmodes", 24, 23, 3}, {"bmodesx", 24, 23, 3},
        {"bbombs", 24, 23, 3}, {"bbombsx", 24, 23, 1}, {"types", 86, 23, 2}, {"modes", 86, 23, 4},
        {"bombs", 86, 23, 2}, {"blogo", 75, 32, 3}, {"bmin", 18, 17, 3}, {"bbarmin", 11, 11, 3},
        {"bbarplus", 11, 11, 3}, {"bplus", 18, 17, 3}, {"help", 414, 15, 26, true}};
    // clang-format on
    for (Geometry& g : all) {
        g.name = "graph/" + g.name + ".bmp";
    }
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

TEST(GameDirectory, EveryCheckedPictureLoadsWithItsDrawingGeometryAndNothingIsMissing) {
    std::set<std::string> described, checked;
    for (const Geometry& g : AllPictures()) {
        described.insert(g.name);
        const DibImage image = LoadPicture(kGame, g.name);
        ASSERT_FALSE(image.Empty()) << g.name;
        EXPECT_EQ(image.Width(), g.stacked ? g.cellWidth : g.cellWidth * g.images) << g.name;
        EXPECT_EQ(image.Height(), g.stacked ? g.cellHeight * g.images : g.cellHeight) << g.name;
        EXPECT_TRUE(image.BitCount() == 24 || image.BitCount() == 8) << g.name;
    }
    for (const std::string& name : assets::CheckList()) {
        if (name.rfind("graph/", 0) == 0) {
            checked.insert(name);
        }
    }
    EXPECT_EQ(described, checked);
    EXPECT_TRUE(assets::MissingAssetFiles(kGame).empty());
}

// Topics are numbered once, the index and the window's context help find
// theirs, and a link's words are found in the title of the topic it opens.
TEST(HelpFile, TopicsAreUniqueAndEachLinkNamesItsTopic) {
    std::ifstream in(kGame + std::string(files::kHelp), std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(in), {});
    ASSERT_EQ(text.rfind("BRINOX-HELP 1\n", 0), 0u) << "signature line";
    std::map<int, std::string> topics; // lower-case titles
    const std::regex topic(R"(\n@topic (\d+) (.+))"), link(R"(\[\[(\d+)\|([^\]]+)\]\])");
    const auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        return s;
    };
    for (auto it = std::sregex_iterator(text.begin(), text.end(), topic);
         it != std::sregex_iterator(); ++it) {
        EXPECT_TRUE(topics.emplace(std::stoi((*it)[1]), lower((*it)[2])).second) << (*it)[0];
    }
    EXPECT_TRUE(topics.count(1) && topics[10] == "the main window");
    int links = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), link);
         it != std::sregex_iterator(); ++it, ++links) {
        EXPECT_NE(topics[std::stoi((*it)[1])].find(lower((*it)[2])), std::string::npos) << (*it)[0];
    }
    EXPECT_GE(links, static_cast<int>(topics.size()) - 1) << "the index links every topic";
}

// Each of the 26 status lines speaks of the area whose number it carries
// (the pointer areas' numbers) and names that command's key where it has one.
TEST(StatusLines, EachLineSpeaksOfItsArea) {
    const char* const words[] = {
        "Fill",          "Start|(F2)",    "Pause|(Pause key)", "Options|(F3)",
        "Save|(Ctrl+S)", "Load|(Ctrl+L)", "best scores|(F4)",  "Top 10|(F5)",
        "Help|(F1)",     "Quit|(Ctrl+X)", "Game type",         "Game mode",
        "Bombs",         "home page",     "tool bar",          "next-piece bar",
        "status bar",    "next piece:",   "Status bar:",       "Level",
        "to clear",      "Score:",        "cleared",           "Countdown",
        "Rising",        "Best score"};
    const QStringList lines = art::HelpText::StatusLines();
    ASSERT_EQ(lines.size(), 26);
    for (int line = 0; line < 26; ++line) {
        for (const QString& word : QString::fromLatin1(words[line]).split('|')) {
            EXPECT_TRUE(lines[line].contains(word)) << line << ": " << word.toStdString();
        }
    }
}

} // namespace
} // namespace brinox::test
