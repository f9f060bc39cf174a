// Our own words for the player: the 26 status-bar lines, the words of the
// idle picture and the help file brinox.hlp (format described in
// tools/README.md).
#pragma once

#include <QStringList>

#include <string>

namespace brinox::art {

class HelpText {
public:
    static QStringList StatusLines();
    // Title, subtitle, the game types and the game modes. The idle picture
    // is shown with no game, while paused and while the window is inactive,
    // and no key does one thing in all three: it names none.
    static QStringList IdleWords();
    static std::string HelpFile();
};

} // namespace brinox::art
