// Every command of the main window. The menu items, their accelerators, the
// tool-bar buttons, the bar toggles, the selectors and the gamepad name a
// command; CGameFrame::Run carries it out when the session's Enabled allows
// it at that moment, so every way in agrees on what a command does and when
// it may be used.
#pragma once

#include <cstdint>

namespace brinox {

enum class Command : std::int32_t {
    // The menu's commands, in the order of its table's check.
    StartStop,
    Pause,
    Options,
    SizeNormal,
    SizeBig,
    SizeAutomatic,
    Save,
    Load,
    Exit,
    Champions2000,
    Champions2001,
    HelpIndex,
    Homepage,
    AboutCathedral,
    About,
    LocalBestScores,
    WorldTop10,
    ChampionshipHomepage,
    // The tool bar's own: the three bar toggles and the selectors of the next game.
    ToggleNextBar,
    ToggleToolBar,
    ToggleStatusBar,
    NextGameType,
    NextGameMode,
    ToggleBombs,
};

// ChampionshipHomepage ends the menu's commands, ToggleBombs all of them.
inline constexpr std::int32_t kMenuCommandCount =
    static_cast<std::int32_t>(Command::ChampionshipHomepage) + 1;
inline constexpr std::int32_t kCommandCount = static_cast<std::int32_t>(Command::ToggleBombs) + 1;

} // namespace brinox
