// The yardstick for the game's window costs: a bare Qt main window with a
// menu bar that shows the same animated title at the same moments (woken only
// when a step is due), and with --playing also runs a 20 ms timer that does
// nothing; with --still it shows the fixed title of the animation switched
// off and runs no timer at all. What it costs on a machine is what the window
// system and Qt charge for what the game shows, before any game code runs.
#include "ui/TitleAnimation.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>

int main(int argc, char** argv) {
    qputenv("QT_NO_GLIB", "1"); // as the game does
    QApplication app(argc, argv);
    const bool playing = app.arguments().contains(QStringLiteral("--playing"));
    const bool animate = !app.arguments().contains(QStringLiteral("--still"));
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Game"));
    window.setFixedSize(483, 424);

    QElapsedTimer clock;
    clock.start();
    const auto now = [&clock] { return static_cast<std::uint32_t>(clock.elapsed()); };
    brinox::TitleAnimation title;
    window.setWindowTitle(QString::fromStdString(title.Start(animate, now())));

    QTimer step;
    step.setTimerType(Qt::PreciseTimer);
    QObject::connect(&step, &QTimer::timeout, [&] {
        if (const auto text = title.Step(animate, now())) {
            window.setWindowTitle(QString::fromStdString(*text));
        }
        if (!playing) {
            step.start(
                static_cast<int>(std::max<std::int64_t>(1, title.WaitForNextStep(now(), 20))));
        }
    });
    if (animate || playing) {
        step.start(20);
    }
    window.show();
    return app.exec();
}
