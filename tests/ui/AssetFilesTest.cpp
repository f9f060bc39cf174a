#include "ui/AssetFiles.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace brinox::test {
namespace {

// The names of a space-separated list of stems, as "graph/<stem>.bmp".
std::vector<std::string> Pictures(const std::string& stems) {
    std::vector<std::string> names;
    std::istringstream in(stems);
    for (std::string stem; in >> stem;) {
        names.push_back("graph/" + stem + ".bmp");
    }
    return names;
}

std::string Numbered(const std::string& stem, const std::string& suffix) {
    std::string list;
    for (int set = 0; set < 14; ++set) {
        list += " " + stem + std::to_string(set) + suffix;
    }
    return list;
}

TEST(AssetCheckList, HelpSoundsThenPicturesInTheOrderOfTheWarning) {
    std::vector<std::string> expected = {"brinox.hlp"};
    for (const char* sound : {"add", "bomb", "bombout", "button", "drop", "gameover", "gamewin",
                              "level", "line", "start", "time"}) {
        expected.push_back(std::string("snd/") + sound + ".wav");
    }
    const std::vector<std::string> pictures = Pictures(
        "back backb back1 back1b back2 back2b back3 back3b back4 back4b bbarmin bbarplus bbombs "
        "bbombsx bexit bhelp bload blogo bmin bplus stat help bmodes bmodesx bombs boptions "
        "bpauseof bpauseon bpausex bsave bsavex bstart bstop btable btypes btypesx bwwwtbl digits "
        "digits2 digits3 expl explb" +
        Numbered("ianim", "") + Numbered("ianim", "b") + Numbered("items", "") +
        Numbered("items", "b") + " modes nextbar toolbar types tdigits");
    expected.insert(expected.end(), pictures.begin(), pictures.end());
    EXPECT_EQ(assets::CheckList(), expected);
}

} // namespace
} // namespace brinox::test
