// Every command of the main window. The menu items, their accelerators and
// the tool-bar buttons name a command; CGameFrame::Run carries it out when
// CGameFrame::Enabled allows it at that moment, so the three ways in always
// agree on what a command does and when it may be used.
#pragma once

#include <cstdint>

namespace brinox {

enum class Command : std::int32_t {
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
};

// ChampionshipHomepage stays last: it fixes the count.
inline constexpr std::int32_t kCommandCount =
    static_cast<std::int32_t>(Command::ChampionshipHomepage) + 1;

} // namespace brinox
