// The window's own tool bar: the pointer lights the enabled button under it
// and picks the status line, the left button presses a button and its
// release carries out the action. Tool-bar buttons run the same commands as
// the menu; the bar toggles and the selectors edit the settings directly.
#include "CGameFrame.h"
#include "FrameView.h"
#include "PointerAreas.h"

#include "engine/GameTypes.h"

#include <optional>

namespace brinox {

namespace {

constexpr ToolButton ButtonAt(std::int32_t index) {
    return static_cast<ToolButton>(index);
}

// The menu command a tool-bar button or the logo runs; none for the bar
// toggles and the selectors, which edit the settings themselves. Every
// button is listed, so a new one does not compile until it is placed here.
std::optional<Command> CommandOf(ToolButton button) {
    switch (button) {
    case ToolButton::StartStop:
        return Command::StartStop;
    case ToolButton::Pause:
        return Command::Pause;
    case ToolButton::Options:
        return Command::Options;
    case ToolButton::Save:
        return Command::Save;
    case ToolButton::Load:
        return Command::Load;
    case ToolButton::LocalBestScores:
        return Command::LocalBestScores;
    case ToolButton::WorldTop10:
        return Command::WorldTop10;
    case ToolButton::Help:
        return Command::HelpIndex;
    case ToolButton::Exit:
        return Command::Exit;
    case ToolButton::Logo:
        return Command::Homepage;
    case ToolButton::NextBarToggle:
    case ToolButton::ToolBarToggle:
    case ToolButton::StatusBarToggle:
    case ToolButton::GameType:
    case ToolButton::GameMode:
    case ToolButton::Bombs:
        return std::nullopt;
    }
    return std::nullopt;
}

void Flip(std::int32_t& setting) {
    setting = setting != 0 ? 0 : 1;
}

} // namespace

bool CGameFrame::ButtonEnabled(ToolButton button) const {
    const bool inGame = game.Flags().gameInProgress != 0;
    switch (button) {
    case ToolButton::StartStop:
    case ToolButton::Pause:
    case ToolButton::Options:
    case ToolButton::Save:
    case ToolButton::Load:
    case ToolButton::LocalBestScores:
    case ToolButton::WorldTop10:
    case ToolButton::Help:
    case ToolButton::Exit:
        return options.showToolBar != 0 && Enabled(*CommandOf(button));
    case ToolButton::GameType:
    case ToolButton::GameMode:
        return !inGame && session.SettingsEditable();
    case ToolButton::Bombs:
        return !inGame && session.SettingsEditable() && options.gameMode != WorldChampionship;
    case ToolButton::NextBarToggle:
    case ToolButton::ToolBarToggle:
    case ToolButton::StatusBarToggle:
        return session.SettingsEditable();
    case ToolButton::Logo:
        return true;
    }
    return false;
}

void CGameFrame::PointerMoved(QPoint at) {
    const std::int32_t oldLine = buttons.statusMessage;
    bool changed = false;
    bool overButton = false;
    for (std::int32_t b = 0; b < kToolButtonCount; ++b) {
        const ToolButton button = ButtonAt(b);
        if (!ButtonEnabled(button)) {
            continue;
        }
        std::int32_t& state = buttons[button];
        if (PointerOver(layout, button, at)) {
            overButton = true;
            changed = changed || state == 0;
            state = state == 0 ? 1 : state;
        } else if (state != 0) {
            state = 0;
            changed = true;
        }
    }
    if (overButton != handPointer) {
        handPointer = overButton;
        if (overButton) {
            view->setCursor(Qt::PointingHandCursor);
        } else {
            view->unsetCursor();
        }
    }
    buttons.statusMessage = StatusLineAt(layout, at);
    if (changed || buttons.statusMessage != oldLine) {
        RedrawButtons();
    }
}

void CGameFrame::LeftPressed(QPoint at) {
    for (std::int32_t b = 0; b < kToolButtonCount; ++b) {
        const ToolButton button = ButtonAt(b);
        if (button == ToolButton::Logo || !ButtonEnabled(button) ||
            !PointerOver(layout, button, at)) {
            continue;
        }
        game.PlaySound(SoundEvent::ButtonPress);
        buttons[button] = 2;
        RedrawButtons();
    }
}

void CGameFrame::LeftReleased(QPoint at) {
    // Each button's rule is read at its turn: the toggles come first and may
    // hide or show the tool bar below them.
    for (std::int32_t b = 0; b < kToolButtonCount; ++b) {
        const ToolButton button = ButtonAt(b);
        if (!ButtonEnabled(button) || !PointerOver(layout, button, at)) {
            continue;
        }
        if (!ReleaseButton(button)) {
            return;
        }
    }
}

void CGameFrame::ClickButton(ToolButton button) {
    if (!ButtonEnabled(button)) {
        return;
    }
    if (button != ToolButton::Logo) {
        game.PlaySound(SoundEvent::ButtonPress);
    }
    ReleaseButton(button);
}

bool CGameFrame::ReleaseButton(ToolButton button) {
    switch (button) {
    case ToolButton::Logo:
        Run(Command::Homepage);
        return true;
    case ToolButton::StartStop: {
        const bool stopping = game.Flags().gameInProgress != 0;
        Run(Command::StartStop);
        buttons[button] = 1;
        RedrawAll();
        // A game cancelled here ends the click.
        return !(stopping && !game.Flags().gameInProgress);
    }
    case ToolButton::NextBarToggle:
        Flip(options.showNextBar);
        break;
    case ToolButton::ToolBarToggle:
        Flip(options.showToolBar);
        break;
    case ToolButton::StatusBarToggle:
        Flip(options.showStatusBar);
        break;
    case ToolButton::GameType:
        game.SelectNextGameType();
        break;
    case ToolButton::GameMode:
        game.SelectNextGameMode();
        break;
    case ToolButton::Bombs:
        Flip(options.bombsOn);
        break;
    case ToolButton::Pause:
    case ToolButton::Options:
    case ToolButton::Save:
    case ToolButton::Load:
    case ToolButton::LocalBestScores:
    case ToolButton::WorldTop10:
    case ToolButton::Help:
    case ToolButton::Exit:
        Run(*CommandOf(button));
        break;
    }
    buttons[button] = 1;
    RedrawAll();
    return true;
}

} // namespace brinox
