// The program's command line, read before the application object exists so
// that --help and --version answer without a display. Qt's own window
// options (-platform, -display, -style and the like) pass through to the
// application object, which takes them out itself; any other option, a
// missing value or a stray argument is refused with the usage.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace brinox {

struct CommandLine {
    // Status of a command line the program does not understand.
    static constexpr int kUsageStatus = 2;

    // Reads the arguments, the program's own name first.
    static CommandLine Parse(const QStringList& arguments);

    // Set: the program prints `text` (to standard output when the status is
    // 0, otherwise to standard error) and ends with it, without a window.
    std::optional<int> exitStatus;
    QString text;
    // --watch FILE: the replay file to play once the window is shown.
    std::optional<QString> watchFile;
};

} // namespace brinox
