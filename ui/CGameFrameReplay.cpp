// Watching a replay in the main window: the window hands the replay to the
// session, beats it on its tick, steers it with its own keys (Pause, 1, 2, 4,
// Escape) and shows its state in the title. The player's game keys and the
// pad's movements still go to the session's idle game, never to the replay.
#include "CGameFrame.h"

#include "platform/MessageBox.h"

#include <QApplication>
#include <QKeyEvent>

namespace brinox {

void CGameFrame::WatchReplay(const std::vector<std::uint8_t>& bytes) {
    const std::optional<std::string> problem = session.Watch(bytes, {this, &sounds, this});
    if (!problem) {
        ShowInformation(this,
                        tr("Attention! You can watch a replay only when no game is in progress"));
    } else if (!problem->empty()) {
        ShowWarning(this, QString::fromStdString(*problem));
    } else {
        ShowWatchingState();
        RedrawAll();
    }
}

void CGameFrame::WatchingBeat() {
    // Like a game, the replay stands still under a dialog of the window and
    // while the player is in another program.
    if (QApplication::activeModalWidget() != nullptr || !session.AppActive() ||
        session.ReplayBeat()) {
        return;
    }
    StopWatching();
    if (const std::string& problem = session.Viewer().Problem(); !problem.empty()) {
        ShowWarning(this, tr("The replay stopped early: %1.").arg(QString::fromStdString(problem)));
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
        session.SetReplaySpeed(event.key() - Qt::Key_0);
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

// Watching has ended: the title animation and the idle game come back.
void CGameFrame::StopWatching() {
    session.LeaveReplay();
    StartTitle();
    RedrawAll();
}

} // namespace brinox
