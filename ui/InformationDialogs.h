// The shell's information dialogs as the window sees them: the application
// hands over one maker per dialog, and the window's commands run what they
// make with the game standing still. So the window opens the About, About
// Cathedral and Champions dialogs without knowing the classes above it. A
// maker left empty makes its command do nothing.
#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace brinox {

struct InformationDialogs {
    // A new dialog over parent, reading its links and pictures from appDirectory.
    using Maker =
        std::function<std::unique_ptr<QDialog>(QWidget* parent, const std::string& appDirectory)>;

    Maker about;
    Maker aboutCathedral;
    Maker champions2000;
    Maker champions2001;
};

} // namespace brinox
