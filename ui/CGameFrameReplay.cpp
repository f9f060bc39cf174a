// Watching a replay in the main window: the window hands the replay to the
// session's viewer, beats it on its tick, steers it with its own keys (Pause,
// 1, 2, 4, Escape) and shows its state in the title. The player's game keys
// and the pad's movements still go to the session's idle game, never to the
// replay.
#include "CGameFrame.h"

#include "platform/MessageBox.h"

#include <QApplication>
#include <QKeyEvent>

namespace brinox {

void CGameFrame::WatchReplay(const std::vector<std::uint8_t>& bytes) {
    if (GameInProgress()) {
        ShowInformation(this, QStringLiteral("Attention! You can watch a replay only when no "
                                             "game is in progress"));
        return;
    }
    const std::string problem = session.Viewer().Watch(bytes, options, {this, &sounds, this});
    if (!problem.empty()) {
        ShowWarning(this, QString::fromStdString(problem));
        return;
    }
    ShowWatchingState();
    RedrawAll();
}

void CGameFrame::WatchingBeat() {
    // Like a game, the replay stands still under a dialog of the window and
    // while the player is in another program.
    if (QApplication::activeModalWidget() != nullptr || game.Flags().appActive == 0) {
        return;
    }
    if (session.Viewer().Beat()) {
        return;
    }
    StopWatching();
    if (const std::string& problem = session.Viewer().Problem(); !problem.empty()) {
        ShowWarning(
            this,
            QStringLiteral("The replay stopped early: %1.").arg(QString::fromStdString(problem)));
    }
}

bool CGameFrame::WatchingKey(const QKeyEvent& event) {
    if (event.isAutoRepeat() || (event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    switch (event.key()) {
    case Qt::Key_Escape:
        StopWatching();
        return true;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_4:
        session.Viewer().SetSpeed(event.key() - Qt::Key_0);
        ShowWatchingState();
        return true;
    default:
        return false;
    }
}

void CGameFrame::ShowWatchingState() {
    setWindowTitle(QString::fromUtf8(TitleAnimation::kPlainTitle) + QStringLiteral(" - ") +
                   QString::fromStdString(session.Viewer().StateText()));
    UpdateMenu();
    RedrawButtons();
}

void CGameFrame::StopWatching() {
    session.Viewer().Leave();
    setWindowTitle(
        QString::fromStdString(title.Start(options.animateTitle != 0, clock.Milliseconds())));
    RedrawAll();
}

} // namespace brinox
