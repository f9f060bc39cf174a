// The application object: creates the main window, watches every key event
// of the program for the game keys before anything else sees them, runs the
// message loop and tears the window down before the application ends, so the
// window's closing work (running time, options, window size) always happens.
// It speaks the desktop's language (UiLanguage) from before the window is made.
// Given a replay file to watch, it plays it in the window once the window is
// shown (a bundle's row chosen first); a file without a replay is reported
// and the game runs as usual.
#pragma once

#include "UiLanguage.h"

#include "platform/QtClock.h"
#include "scores/FtpChampionshipExchange.h"
#include "ui/GameKeyFilter.h"

#include <QApplication>

#include <memory>
#include <optional>

namespace brinox {

class CGameFrame;

class CGameApp : public QApplication {
    Q_OBJECT

public:
    CGameApp(int& argc, char** argv);
    ~CGameApp() override;

    // Creates and shows the window, watches the replay file given, and runs
    // until the program ends; the exit status.
    int Run(const std::optional<QString>& watchFile = std::nullopt);

private:
    void ReportFirstFrame() const;
    void WatchAtStart(const QString& path);

    // Before the window, whose menus take their texts when it is made.
    UiLanguage language;
    GameKeyFilter keyFilter;
    // SEND and UPDATE of the best-scores dialog; outlives the window.
    QtClock exchangeClock;
    FtpChampionshipExchange championship{exchangeClock};
    std::unique_ptr<CGameFrame> frame;
};

} // namespace brinox
