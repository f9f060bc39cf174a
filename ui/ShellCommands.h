// The shell's commands of the main window: the help index and the help
// beside the game, the information dialogs the application hands over
// (About, About Cathedral, the two Champions dialogs) and the two web pages.
// It keeps the window's one help viewer, made on first use beside the window
// and sized for the window's size each time it is shown; while the viewer is
// the active window the game stands still, as in another program.
#pragma once

#include "Command.h"
#include "InformationDialogs.h"

#include <functional>
#include <string>

class QWidget;

namespace brinox {

class HelpViewer;

class ShellCommands {
public:
    // Runs a dialog with the game standing still.
    using Suspended = std::function<void(const std::function<void()>&)>;
    struct Links {
        std::function<std::string()> appDirectory;
        std::function<bool()> large;          // the window is in its Big size
        std::function<void(bool)> helpActive; // the help viewer became active or not
        Suspended suspended;
    };

    ShellCommands(QWidget& window, Links links);
    void SetDialogs(InformationDialogs made) { dialogs = std::move(made); }

    // Carries out a shell command; false for the others.
    bool Carry(Command command);
    // Help at the main window's topic, beside the running game.
    void ShowContextHelp();

private:
    HelpViewer& Help();
    void ShowDialog(const InformationDialogs::Maker& make);

    QWidget& window;
    Links links;
    InformationDialogs dialogs;
    HelpViewer* help = nullptr; // a child of the window
};

} // namespace brinox
