#include "GameSession.h"

#include "EnumTable.h"

#include "engine/Clock.h"
#include "settings/SavedGame.h"

#include <array>

namespace brinox {

namespace {

struct CommandRule {
    Command command;
    bool (GameSession::*enabled)() const;
};

} // namespace

GameSession::GameSession(GameHost host)
    : recorder(host, options, random), game(options, random, recorder.Host()) {
    windowRandom.Seed(static_cast<std::uint32_t>(host.clock.CalendarSeconds()));
}

bool GameSession::Enabled(Command command) const {
    using S = GameSession;
    static constexpr std::array<CommandRule, kCommandCount> kRules = {{
        {Command::StartStop, &S::Always},
        {Command::Pause, &S::PauseAllowed},
        {Command::Options, &S::NotWatching},
        {Command::SizeNormal, &S::NotWatching},
        {Command::SizeBig, &S::NotWatching},
        {Command::SizeAutomatic, &S::NotWatching},
        {Command::Save, &S::SaveAllowed},
        {Command::Load, &S::NotWatching},
        {Command::Exit, &S::Always},
        {Command::Champions2000, &S::Always},
        {Command::Champions2001, &S::Always},
        {Command::HelpIndex, &S::Always},
        {Command::Homepage, &S::Always},
        {Command::AboutCathedral, &S::Always},
        {Command::About, &S::Always},
        {Command::LocalBestScores, &S::NotWatching},
        {Command::WorldTop10, &S::NotWatching},
        {Command::ChampionshipHomepage, &S::Always},
    }};
    static_assert(RowsInEnumOrder(kRules, &CommandRule::command));
    return (this->*kRules[IndexOf(command)].enabled)();
}

GameFlags GameSession::ShownFlags() const {
    GameFlags flags = ShownGame().Flags();
    if (Watching() && viewer.Paused()) {
        flags.gameRunning = 0;
    }
    return flags;
}

SavedGame GameSession::CurrentGame() const {
    return {game.CurrentBoard(), game.State(),     game.Flags().gameInProgress,
            options.gameType,    options.gameMode, options.bombsOn};
}

void GameSession::TakeLoadedGame(const SavedGame& loaded) {
    options.gameType = loaded.gameType;
    options.gameMode = loaded.gameMode;
    options.bombsOn = loaded.bombsOn;
    game.Restore(loaded.board, loaded.state, loaded.gameInProgress);
}

} // namespace brinox
