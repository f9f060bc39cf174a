#include "ReplayWatch.h"

#include "TitleAnimation.h"

#include "platform/MessageBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>

namespace brinox {

ReplayWatch::ReplayWatch(QWidget& window, GameSession& session, Links links)
    : window(window), session(session), links(std::move(links)) {}

void ReplayWatch::Watch(const std::vector<std::uint8_t>& bytes, ReplayOutput output) {
    const std::optional<std::string> problem = session.Watch(bytes, output);
    if (!problem) {
        ShowInformation(&window,
                        QCoreApplication::translate(
                            "CGameFrame",
                            "Attention! You can watch a replay only when no game is in progress"));
    } else if (!problem->empty()) {
        ShowWarning(&window, QString::fromStdString(*problem));
    } else {
        ShowState();
        links.redrawAll();
    }
}

void ReplayWatch::Beat() {
    // Like a game, the replay stands still under a dialog of the window and
    // while the player is in another program.
    if (QApplication::activeModalWidget() != nullptr || !session.AppActive() ||
        session.ReplayBeat()) {
        return;
    }
    Stop();
    if (const std::string& problem = session.Viewer().Problem(); !problem.empty()) {
        ShowWarning(&window,
                    QCoreApplication::translate("CGameFrame", "The replay stopped early: %1.")
                        .arg(QString::fromStdString(problem)));
    }
}

bool ReplayWatch::Key(const QKeyEvent& event) {
    if (event.isAutoRepeat() || (event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    if (event.key() == Qt::Key_Escape) {
        Stop();
        return true;
    }
    // A digit is a speed in ticks a beat when the viewer plays that speed.
    if (event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9 &&
        session.SetReplaySpeed(event.key() - Qt::Key_0)) {
        ShowState();
        return true;
    }
    return false;
}

// "Replay", "Replay 2x", "Replay (paused)", "Replay 4x (paused)" in the player's language.
void ReplayWatch::ShowState() {
    const ReplayViewer& viewer = session.Viewer();
    static constexpr const char* kStates[2][2] = {
        {QT_TRANSLATE_NOOP("CGameFrame", "Replay"), QT_TRANSLATE_NOOP("CGameFrame", "Replay %1x")},
        {QT_TRANSLATE_NOOP("CGameFrame", "Replay (paused)"),
         QT_TRANSLATE_NOOP("CGameFrame", "Replay %1x (paused)")}};
    QString state = QCoreApplication::translate(
        "CGameFrame", kStates[viewer.Paused() ? 1 : 0][viewer.Speed() != 1 ? 1 : 0]);
    if (viewer.Speed() != 1) {
        state = state.arg(viewer.Speed());
    }
    links.setTitle(QString::fromUtf8(TitleAnimation::kPlainTitle) + QStringLiteral(" - ") + state);
    links.stateShown();
}

void ReplayWatch::Stop() {
    session.LeaveReplay();
    links.startTitle();
    links.redrawAll();
}

} // namespace brinox
