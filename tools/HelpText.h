// Our own words for the player: the 26 status-bar lines and the help file
// brinox.hlp (format described in tools/README.md).
#pragma once

#include <QStringList>

#include <string>

namespace brinox::art {

class HelpText {
public:
    static QStringList StatusLines();
    static std::string HelpFile();
};

} // namespace brinox::art
