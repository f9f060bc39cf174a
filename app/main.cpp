#include "CGameApp.h"
#include "CommandLine.h"

#include <cstdio>

int main(int argc, char** argv) {
    // Before the application object, which needs a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const brinox::CommandLine line = brinox::CommandLine::Parse(arguments);
    if (line.exitStatus) {
        std::fputs(line.text.toLocal8Bit().constData(), *line.exitStatus == 0 ? stdout : stderr);
        return *line.exitStatus;
    }
    // Qt's own event loop wakes with fewer system calls than GLib's, and an
    // idle or playing game is mostly wake-ups: its cost is their cost.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) {
        qputenv("QT_NO_GLIB", "1");
    }
    // Pixel art scales by whole factors only: a 1.25 screen gets 1, a 1.75 screen 2.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    brinox::CGameApp app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(BRINOX_APP_ID));
    return app.Run(line.watchFile);
}
