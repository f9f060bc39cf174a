// The player's help file brinox.hlp read into topics ready to show. The file
// is our own plain-text format (tools/README.md): a signature line, then
// topics by number, each with a title, paragraphs, bullet lists and
// [[N|text]] links. A topic's body is turned into rich text here once, its
// links as anchors "#N", so a viewer only has to display it.
#pragma once

#include <QString>

#include <map>

namespace brinox {

struct HelpTopic {
    QString title;
    QString html; // title heading, paragraphs, lists; links are <a href="#N">
};

class HelpFile {
public:
    // Reads the whole file; false (and no topics) when it cannot be read or
    // does not begin with the signature of format 1.
    bool Load(const QString& path);
    // Parses text that is already in memory, as Load does.
    bool Parse(const QString& text);
    // The topic with this number, or nullptr.
    const HelpTopic* Topic(int number) const;
    // The topic number a link anchor "#N" opens, or 0 for anything else.
    static int LinkTarget(const QString& anchor);

private:
    std::map<int, HelpTopic> topics;
};

} // namespace brinox
