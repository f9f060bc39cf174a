#include "GameSession.h"

#include "EnumTable.h"

#include "engine/Clock.h"
#include "engine/GameSelectors.h"
#include "engine/GameTypes.h"
#include "scores/TableId.h"
#include "settings/SavedGame.h"

#include <array>

namespace brinox {

namespace {

struct CommandRule {
    Command command;
    bool (GameSession::*enabled)() const;
};

// Copies one page's group of the chosen options; true when it differed.
template <class Group> bool TakeGroup(Options& options, const Options& chosen) {
    Group& group = options;
    const Group& wanted = chosen;
    if (group == wanted) {
        return false;
    }
    group = wanted;
    return true;
}

void Flip(std::int32_t& setting) {
    setting = setting != 0 ? 0 : 1;
}

} // namespace

GameSession::GameSession(GameHost host)
    : clock(host.clock), recorder(host, options, random), game(options, random, recorder.Host()),
      files(options, host.clock) {
    windowRandom.Seed(static_cast<std::uint32_t>(host.clock.CalendarSeconds()));
}

ProgramFiles::Start GameSession::OpenFiles() {
    options.SetDefaults();
    const ProgramFiles::Start start = files.Open();
    game.SetAppDirectory(files.Directory());
    return start;
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
        {Command::ToggleNextBar, &S::NotWatching},
        {Command::ToggleToolBar, &S::NotWatching},
        {Command::ToggleStatusBar, &S::NotWatching},
        {Command::NextGameType, &S::NextGameChoosable},
        {Command::NextGameMode, &S::NextGameChoosable},
        {Command::ToggleBombs, &S::BombsChoosable},
    }};
    static_assert(RowsInEnumOrder(kRules, &CommandRule::command));
    return (this->*kRules[IndexOf(command)].enabled)();
}

// The championship is played without bombs, so its switch stays as it is.
bool GameSession::BombsChoosable() const {
    return NextGameChoosable() && options.gameMode != WorldChampionship;
}

Command GameSession::CommandOf(ToolButton button) {
    switch (button) {
    case ToolButton::NextBarToggle:
        return Command::ToggleNextBar;
    case ToolButton::ToolBarToggle:
        return Command::ToggleToolBar;
    case ToolButton::StatusBarToggle:
        return Command::ToggleStatusBar;
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
    case ToolButton::GameType:
        return Command::NextGameType;
    case ToolButton::GameMode:
        return Command::NextGameMode;
    case ToolButton::Bombs:
        return Command::ToggleBombs;
    case ToolButton::Logo:
        return Command::Homepage;
    }
    return Command::Homepage;
}

bool GameSession::ButtonEnabled(ToolButton button) const {
    // The bar toggles, the selectors and the logo stay where they are when the tool bar is hidden.
    const bool onToolBar = button >= ToolButton::StartStop && button <= ToolButton::Exit;
    return (!onToolBar || options.showToolBar != 0) && Enabled(CommandOf(button));
}

bool GameSession::Carry(Command command) {
    switch (command) {
    case Command::ToggleNextBar:
        Flip(options.showNextBar);
        return true;
    case Command::ToggleToolBar:
        Flip(options.showToolBar);
        return true;
    case Command::ToggleStatusBar:
        Flip(options.showStatusBar);
        return true;
    case Command::NextGameType:
        game.SelectNextGameType();
        return true;
    case Command::NextGameMode:
        game.SelectNextGameMode();
        return true;
    case Command::ToggleBombs:
        Flip(options.bombsOn);
        return true;
    default:
        return false;
    }
}

bool GameSession::StartStop() {
    if (Watching()) {
        viewer.Leave();
        return true;
    }
    game.StartStopCommand();
    return false;
}

void GameSession::Pause() {
    if (Watching()) {
        viewer.TogglePause();
    } else {
        game.PauseCommand();
    }
}

GameFlags GameSession::ShownFlags() const {
    GameFlags flags = ShownGame().Flags();
    if (Watching() && viewer.Paused()) {
        flags.gameRunning = 0;
    }
    return flags;
}

GameSession::OptionChanges GameSession::TakeOptions(const Options& chosen) {
    OptionChanges changes;
    TakeGroup<GameOptions>(options, chosen);
    const InterfaceOptions before = options;
    if (TakeGroup<InterfaceOptions>(options, chosen)) {
        changes.animateTitle = options.animateTitle != before.animateTitle;
        changes.blockSet = options.blockSet != before.blockSet;
        changes.digitSet = options.digitSet != before.digitSet;
    }
    TakeGroup<ControlOptions>(options, chosen);
    changes.sounds = TakeGroup<SoundOptions>(options, chosen);
    return changes;
}

SavedGame GameSession::CurrentGame() const {
    return {game.CurrentBoard(), game.State(),     game.Flags().gameInProgress,
            options.gameType,    options.gameMode, options.bombsOn};
}

bool GameSession::SaveGame(const std::string& path) {
    return WriteSavedGame(path, CurrentGame(), windowRandom, clock.CalendarSeconds());
}

GameSession::LoadOutcome GameSession::LoadGame(const std::string& path,
                                               const std::function<bool()>& confirmCancel) {
    if (InGame() && !confirmCancel()) {
        return LoadOutcome::Declined;
    }
    // The fields a file does not hold stay as they are.
    SavedGame loaded = CurrentGame();
    switch (ReadSavedGame(path, loaded)) {
    case SavedGameLoad::CannotOpen:
        return LoadOutcome::CannotOpen;
    case SavedGameLoad::Incorrect:
        return LoadOutcome::Incorrect;
    case SavedGameLoad::Ok:
        break;
    }
    options.gameType = loaded.gameType;
    options.gameMode = loaded.gameMode;
    options.bombsOn = loaded.bombsOn;
    game.Restore(loaded.board, loaded.state, loaded.gameInProgress);
    files.SaveOptions();
    return LoadOutcome::Loaded;
}

std::pair<std::int32_t, std::int32_t> GameSession::TableOf(Command command) {
    // The local tables open at Quadel Classic; the world's is the Top 10.
    return {Quadel, command == Command::WorldTop10 ? kTop10Mode : Classic};
}

std::optional<std::string> GameSession::Watch(const std::vector<std::uint8_t>& bytes,
                                              ReplayOutput output) {
    if (InGame()) {
        return std::nullopt;
    }
    return viewer.Watch(bytes, options, output);
}

} // namespace brinox
