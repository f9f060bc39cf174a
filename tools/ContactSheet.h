// A labelled overview of every generated picture, plus both window sizes
// composed from the pictures the way the game draws them, for a quick look
// at the whole set.
#pragma once

#include <QImage>
#include <QString>

#include <map>
#include <string>
#include <vector>

namespace brinox::art {

struct Picture {
    std::string name; // relative to the game directory, e.g. "graph/back.bmp"
    QImage image;
    int cellWidth;  // width of one image of a strip
    int cellHeight; // height of one image (help.bmp: one line)
};

class ContactSheet {
public:
    static QImage Build(const std::vector<Picture>& pictures);
    // The Normal or Big window as the game would show it during a game.
    static QImage WindowPreview(const std::map<std::string, QImage>& byName, int sizeIndex,
                                bool playing);
};

} // namespace brinox::art
