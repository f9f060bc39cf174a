// The commands of the main window and the one rule that says when each may
// be used. The menu, the accelerators and the tool bar all come through Run.
#include "CGameFrame.h"

#include <array>

namespace brinox {

const CGameFrame::CommandRule& CGameFrame::RuleOf(Command command) {
    // In the order of Command.
    static const std::array<CommandRule, kCommandCount> rules = {{
        {&CGameFrame::StartStopGame, &CGameFrame::Always},
        {&CGameFrame::TogglePause, &CGameFrame::GameInProgress},
        {&CGameFrame::OpenOptions, &CGameFrame::NotYetAvailable},
        {&CGameFrame::UseNormalSize, &CGameFrame::Always},
        {&CGameFrame::UseBigSize, &CGameFrame::Always},
        {&CGameFrame::UseAutomaticSize, &CGameFrame::Always},
        {&CGameFrame::SaveGameAs, &CGameFrame::NotYetAvailable},
        {&CGameFrame::LoadGame, &CGameFrame::NotYetAvailable},
        {&CGameFrame::ConfirmQuit, &CGameFrame::Always},
        {&CGameFrame::ShowChampions2000, &CGameFrame::NotYetAvailable},
        {&CGameFrame::ShowChampions2001, &CGameFrame::NotYetAvailable},
        {&CGameFrame::ShowHelpIndex, &CGameFrame::NotYetAvailable},
        {&CGameFrame::OpenHomepage, &CGameFrame::NotYetAvailable},
        {&CGameFrame::ShowAboutCathedral, &CGameFrame::NotYetAvailable},
        {&CGameFrame::ShowAbout, &CGameFrame::NotYetAvailable},
        {&CGameFrame::ShowLocalBestScores, &CGameFrame::NotYetAvailable},
        {&CGameFrame::ShowWorldTop10, &CGameFrame::NotYetAvailable},
        {&CGameFrame::OpenChampionshipHomepage, &CGameFrame::NotYetAvailable},
    }};
    return rules[static_cast<std::size_t>(command)];
}

void CGameFrame::Run(Command command) {
    if (Enabled(command)) {
        (this->*RuleOf(command).run)();
    }
}

bool CGameFrame::Enabled(Command command) const {
    return (this->*RuleOf(command).enabled)();
}

void CGameFrame::UpdateMenu() {
    menu->Update(game.flags, options, windowSizeSetting,
                 [this](Command command) { return Enabled(command); });
}

bool CGameFrame::GameInProgress() const {
    return game.flags.gameInProgress != 0;
}

bool CGameFrame::SaveAllowed() const {
    return game.flags.gameInProgress != 0 && options.gameMode != WorldChampionship;
}

// ---- Game ---------------------------------------------------------------

void CGameFrame::StartStopGame() {
    game.StartStopCommand();
}

void CGameFrame::TogglePause() {
    game.PauseCommand();
    // A menu item flips its own check mark; the game decides what it shows.
    UpdateMenu();
}

void CGameFrame::OpenOptions() {}

// ---- Saved games ----------------------------------------------------------

void CGameFrame::SaveGameAs() {}

void CGameFrame::LoadGame() {}

// ---- Best scores ----------------------------------------------------------

void CGameFrame::ShowLocalBestScores() {}

void CGameFrame::ShowWorldTop10() {}

// ---- Help, links and information --------------------------------------------

void CGameFrame::ShowHelpIndex() {}

void CGameFrame::OpenHomepage() {}

void CGameFrame::OpenChampionshipHomepage() {}

void CGameFrame::ShowAbout() {}

void CGameFrame::ShowAboutCathedral() {}

void CGameFrame::ShowChampions2000() {}

void CGameFrame::ShowChampions2001() {}

} // namespace brinox
