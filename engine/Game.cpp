#include "Game.h"

#include "Clock.h"
#include "DateTimeText.h"
#include "GameSelectors.h"
#include "LevelTable.h"
#include "PieceShape.h"

#include <algorithm>
#include <limits>

namespace brinox {

namespace {

constexpr std::int32_t kMoveScore = 7;
constexpr std::int32_t kMaxTimerSeconds = 3599;
constexpr std::int32_t kMaxDropSteps = Board::kRows;
constexpr std::int32_t kBottomRow = Board::kRows - 1;
constexpr std::int32_t kLastColumn = Board::kColumns - 1;
constexpr std::int32_t kMaxStartRows = 18;
constexpr std::int32_t kLastLevel = LevelTable::kLevels;

constexpr std::int32_t kRowScores[] = {0, 200, 500, 1000, 2000};
constexpr std::int32_t kTimerBonus[] = {0, 3, 6, 10, 15};
constexpr std::int32_t kRisingChange[] = {-1, 1, 2, 4, 6};

// Score and rows grow only while below the limit; the last step may pass it.
void GrowCapped(std::int32_t& value, std::int32_t amount) {
    if (value < kGrowthLimit) {
        value += amount;
    }
}

// Additions to values a damaged saved game may have set to anything.
std::int32_t AddClamped(std::int32_t value, std::int64_t amount) {
    const std::int64_t sum = static_cast<std::int64_t>(value) + amount;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// True when more than `period` ms lie between `since` and `now` on the wrapping clock.
bool MoreThan(std::uint32_t now, std::uint32_t since, std::int64_t period) {
    return static_cast<std::int64_t>(static_cast<std::uint32_t>(now - since)) > period;
}

std::int32_t RowsIndex(std::int32_t rows) {
    return std::clamp(rows, 0, 4);
}

} // namespace

Game::Game(Options& options, Random& random, GameHost host)
    : options(options), random(random), host(host) {}

// ---------------------------------------------------------------- game loop

void Game::Tick() {
    const InputScope input(*this, GameInput::Tick);
    if (flags.Playing()) {
        PlayStep();
    }
    if (!flags.gameRunning) {
        keys.ClearAll();
    }
}

bool Game::PlayStep() {
    if (!Gravity()) {
        return false;
    }
    const std::uint32_t now = host.clock.Milliseconds();
    if (!SideKey(GameKey::Left, -1, now) || !SideKey(GameKey::Right, +1, now) || !DropKey(now) ||
        !SoftDropKey(now)) {
        return false;
    }
    if (KeyDue(GameKey::Rotate, now)) {
        TryMove(0, 0, ((state.rotation & 3) + 1) & 3);
    }
    if (!Countdown()) {
        return false;
    }
    CountPlayedTime();
    return true;
}

bool Game::Gravity() {
    std::uint32_t now = host.clock.Milliseconds();
    state.lastStepTime = now;
    if (!MoreThan(now, state.lastFallTime, state.fallPeriodMs)) {
        return true;
    }
    now = host.clock.Milliseconds();
    state.lastFallTime = state.lastStepTime = now;
    if (TryMove(0, 1, state.rotation)) {
        return true;
    }
    return LandAfterRefusedMove(0, 1);
}

bool Game::KeyDue(GameKey key, std::uint32_t now) {
    if (!flags.gameInProgress || !keys[key].pressed) {
        return false;
    }
    return keys.Step(key, now, KeyWatcher::SensitivityOf(key, options));
}

bool Game::SideKey(GameKey key, std::int32_t dx, std::uint32_t now) {
    if (!KeyDue(key, now) || TryMove(dx, 0, state.rotation)) {
        return flags.gameInProgress != 0;
    }
    if (IsBomb(state.currentKind)) {
        return LandAfterRefusedMove(dx, 0);
    }
    return true;
}

bool Game::DropKey(std::uint32_t now) {
    if (!KeyDue(GameKey::Drop, now)) {
        return flags.gameInProgress != 0;
    }
    for (std::int32_t step = 0; step < kMaxDropSteps; ++step) {
        if (TryMove(0, 1, state.rotation)) {
            GrowCapped(state.score, kMoveScore);
            continue;
        }
        if (!LandAfterRefusedMove(0, 1)) {
            return false;
        }
        break;
    }
    host.display.RedrawCounters();
    return true;
}

bool Game::SoftDropKey(std::uint32_t now) {
    if (!KeyDue(GameKey::SoftDrop, now)) {
        return flags.gameInProgress != 0;
    }
    if (TryMove(0, 1, state.rotation)) {
        GrowCapped(state.score, kMoveScore);
        host.display.RedrawCounters();
        return true;
    }
    return LandAfterRefusedMove(0, 1);
}

bool Game::Countdown() {
    if (!flags.gameInProgress) {
        return false;
    }
    if (state.timerSeconds == -1) {
        return true;
    }
    const std::uint32_t now = host.clock.Milliseconds();
    if (!state.clockRefsValid) {
        state.timerRefTime = now;
    }
    if (MoreThan(now, state.timerRefTime, 1000)) {
        const std::uint32_t passed = now - state.timerRefTime;
        state.timerSeconds =
            AddClamped(state.timerSeconds, -static_cast<std::int64_t>(passed / 1000));
        state.timerRefTime = now;
        host.display.RedrawCounters();
        if (state.timerSeconds <= 10) {
            PlaySound(SoundEvent::Timer);
        }
    }
    if (state.timerSeconds < 0) {
        state.timerSeconds = 0;
        host.display.RedrawAll();
        EndGameLost();
        return false;
    }
    return true;
}

void Game::CountPlayedTime() {
    const std::uint32_t now = host.clock.Milliseconds();
    if (!state.clockRefsValid) {
        state.elapsedRefTime = now;
        state.clockRefsValid = 1;
    }
    if (MoreThan(now, state.elapsedRefTime, 1000)) {
        const std::uint32_t passed = now - state.elapsedRefTime;
        state.gameSeconds = AddClamped(state.gameSeconds, passed / 1000);
        state.elapsedRefTime = now;
    }
}

// ---------------------------------------------------------------- input

void Game::KeyDown(std::int32_t code) {
    const InputScope input(*this, GameInput::KeyDown, code);
    keys.KeyDown(code, options, flags.Playing());
}

void Game::KeyUp(std::int32_t code) {
    const InputScope input(*this, GameInput::KeyUp, code);
    keys.KeyUp(code, options, flags.Playing());
}

void Game::SetAppActive(bool active) {
    const InputScope input(*this, GameInput::AppActive, active ? 1 : 0);
    flags.appActive = active ? 1 : 0;
    if (!active) {
        state.clockRefsValid = 0;
        keys.ClearAll();
    }
    host.display.RedrawAll();
}

// ---------------------------------------------------------------- moves

bool Game::TryMove(std::int32_t dx, std::int32_t dy, std::int32_t newRotation) {
    const std::int32_t kind = state.currentKind;
    const std::int32_t cells = PieceShape::CellCount(kind);
    for (std::int32_t i = 0; i < cells; ++i) {
        const CellOffset offset = PieceShape::Offset(kind, newRotation, i);
        const std::int32_t c = state.column + dx + offset.dx;
        const std::int32_t r = state.row + dy + offset.dy;
        if (!Board::Inside(c, r) || !board.IsEmpty(c, r)) {
            return false;
        }
    }
    state.drawnKind = kind;
    state.drawnRotation = state.rotation;
    state.drawnColumn = state.column;
    state.drawnRow = state.row;
    state.column += dx;
    state.row += dy;
    state.rotation = newRotation & 3;
    host.display.RedrawFallingPiece();
    return true;
}

bool Game::LandAfterRefusedMove(std::int32_t dx, std::int32_t dy) {
    if (IsBomb(state.currentKind)) {
        state.column += dx;
        state.row += dy;
    }
    return LandPiece();
}

// ---------------------------------------------------------------- landing

bool Game::LandPiece() {
    if (IsBomb(state.currentKind)) {
        return LandBomb();
    }
    // A kind outside 0..15 can only come from a damaged file; lock it as kind 0.
    const std::int32_t block =
        state.currentKind >= 0 && state.currentKind < kSmallBomb ? state.currentKind : 0;
    state.pieces = AddClamped(state.pieces, 1);
    bool inSpawnZone = false;
    const std::int32_t cells = PieceShape::CellCount(state.currentKind);
    for (std::int32_t i = 0; i < cells; ++i) {
        const CellOffset offset = PieceShape::Offset(state.currentKind, state.rotation, i);
        const std::int32_t c = state.column + offset.dx;
        const std::int32_t r = state.row + offset.dy;
        if (Board::Inside(c, r)) {
            board.At(c, r) = block;
        }
        inSpawnZone = inSpawnZone || r < Board::kSpawnRows;
    }
    host.display.RedrawAll();
    PlaySound(SoundEvent::BlockDrop);
    if (inSpawnZone) {
        EndGameLost();
        return false;
    }

    const std::int32_t rows = ClearFullRows();
    const bool bombsAllowed = options.bombsOn != 0 && !ChampionshipMode();
    if (bombsAllowed && rows >= 2) {
        // The next-piece bar keeps its piece: it comes after the bomb.
        PlaceAtStart(kSmallBomb + rows - 2);
    } else {
        SpawnNextPiece();
    }
    ScoreRowsOnTimer(rows);
    ScoreRowsOnRisingCounter(rows);
    // Also after a rising row has ended the game: the dialog is gone by now
    // and the final position is shown once more.
    host.display.RedrawAll();
    if (flags.gameInProgress && rows > 0 && state.linesLeft <= 0) {
        FinishLevel();
    }
    return flags.gameInProgress != 0;
}

void Game::ScoreRowsOnTimer(std::int32_t rows) {
    if (state.timerSeconds == -1) {
        return;
    }
    state.timerSeconds =
        std::min(AddClamped(state.timerSeconds, kTimerBonus[RowsIndex(rows)]), kMaxTimerSeconds);
    if (rows > 0) {
        host.display.RedrawAll();
    }
}

void Game::ScoreRowsOnRisingCounter(std::int32_t rows) {
    if (state.risingCounter == -1) {
        return;
    }
    state.risingCounter = std::min(AddClamped(state.risingCounter, kRisingChange[RowsIndex(rows)]),
                                   state.risingPeriod);
    if (state.risingCounter <= 0) {
        state.risingCounter = state.risingPeriod;
        AddRisingRow();
    }
}

void Game::FinishLevel() {
    if (state.level >= kLastLevel) {
        EndGameWon();
        return;
    }
    PlaySound(SoundEvent::LevelFinished);
    AdvanceLevel();
    host.display.RedrawAll();
    state.clockRefsValid = 0;
    PlayFieldAnimation(FieldAnimationKind::LevelFinished);
}

std::int32_t Game::ClearFullRows() {
    const std::int32_t dropSeconds =
        AddClamped(state.gameSeconds, -static_cast<std::int64_t>(state.pieceStartSecond));
    state.maxDropSeconds = std::max(state.maxDropSeconds, dropSeconds);
    state.minDropSeconds = std::min(state.minDropSeconds, dropSeconds);
    state.avgDropSeconds = AddClamped(state.avgDropSeconds, dropSeconds); // a sum until the end

    std::array<bool, Board::kRows> full{};
    std::int32_t rows = 0;
    for (std::int32_t r = 0; r < Board::kRows; ++r) {
        full[r] = true;
        for (std::int32_t c = 0; c < Board::kColumns && full[r]; ++c) {
            full[r] = !board.IsEmpty(c, r);
        }
        if (full[r]) {
            ++rows;
            for (std::int32_t c = 0; c < Board::kColumns; ++c) {
                board.At(c, r) += Board::kRemovalMark;
            }
        }
    }
    if (rows == 0) {
        return 0;
    }
    PlaySound(SoundEvent::BlockRemoved);
    host.animations.RowRemoval();

    // Collapse from the bottom up; the spawn rows never move.
    std::int32_t passed = 0;
    for (std::int32_t r = kBottomRow; r >= Board::kSpawnRows; --r) {
        if (full[r]) {
            ++passed;
        } else if (passed > 0) {
            for (std::int32_t c = 0; c < Board::kColumns; ++c) {
                board.At(c, r + passed) = board.At(c, r);
                board.At(c, r) = Board::kEmpty;
            }
        }
    }
    for (std::int32_t& cell : board.cells) {
        if (cell >= Board::kRemovalMark && cell < Board::kEmpty) {
            cell = Board::kEmpty;
        }
    }

    GrowCapped(state.lines, rows);
    GrowCapped(state.score, kRowScores[RowsIndex(rows)]);
    state.linesLeft = std::max(AddClamped(state.linesLeft, -rows), 0);
    return rows;
}

void Game::SpawnNextPiece() {
    if (!flags.gameInProgress) {
        SeedFromCalendar();
        state.nextKind = DrawPieceKind();
    }
    state.pieceStartSecond = state.gameSeconds;
    const std::int32_t kind = state.nextKind;
    state.nextKind = DrawPieceKind();
    PlaceAtStart(kind);
}

void Game::PlaceAtStart(std::int32_t kind) {
    state.currentKind = kind;
    state.rotation = 0;
    state.column = PieceShape::StartColumn(kind);
    state.row = PieceShape::StartRow(kind);
    state.drawnKind = kind;
    state.drawnRotation = 0;
    state.drawnColumn = state.column;
    state.drawnRow = state.row;
    state.lastFallTime = state.lastStepTime = host.clock.Milliseconds();
}

std::int32_t Game::DrawPieceKind() {
    return random.Next() % (options.gameType == Quinel ? 16 : 7);
}

void Game::SeedFromCalendar() {
    random.Seed(static_cast<std::uint32_t>(host.clock.CalendarSeconds()));
}

// ---------------------------------------------------------------- levels

void Game::AdvanceLevel() {
    const std::int32_t from = std::max(state.level, 0);
    if (from >= kLastLevel) {
        return;
    }
    const std::int32_t to = from + 1;
    const bool championship = ChampionshipMode();
    state.level = to;
    state.fallPeriodMs = LevelTable::FallPeriodMs(to, championship);
    state.linesLeft = LevelTable::RowsToClear(to, championship);
    const bool start = from == 0;

    switch (options.gameMode) {
    case Timer:
        if (start) {
            state.timerSeconds = LevelTable::kTimerStartSeconds;
            state.risingCounter = state.risingPeriod = -1;
        } else {
            state.timerSeconds = AddClamped(state.timerSeconds, LevelTable::kLevelUpSeconds);
        }
        break;
    case Rising:
        if (start) {
            state.timerSeconds = -1;
        }
        state.risingCounter = state.risingPeriod = LevelTable::RisingPeriod(to, false);
        break;
    case WorldChampionship:
        if (start) {
            state.timerSeconds = state.risingCounter = state.risingPeriod = -1;
        }
        if (to == LevelTable::kChampionshipCountdownLevel) {
            state.timerSeconds = LevelTable::kChampionshipCountdownSeconds;
        } else if (to > LevelTable::kChampionshipCountdownLevel) {
            state.timerSeconds = AddClamped(state.timerSeconds, LevelTable::kLevelUpSeconds);
        }
        if (LevelTable::RisingPeriod(to, true) != -1) {
            state.risingCounter = state.risingPeriod = LevelTable::RisingPeriod(to, true);
        }
        break;
    default: // Classic, and any mode a foreign options file may hold
        if (start) {
            state.timerSeconds = state.risingCounter = state.risingPeriod = -1;
        }
        break;
    }
}

std::array<std::int32_t, Board::kColumns> Game::RandomRow() {
    std::array<std::int32_t, Board::kColumns> cells{};
    bool gap = false;
    for (std::int32_t& cell : cells) {
        cell = DrawPieceKind();
        if (random.Next() % 3 == 2) {
            cell = Board::kEmpty;
            gap = true;
        }
    }
    if (!gap) {
        cells[random.Next() % Board::kColumns] = Board::kEmpty;
    }
    return cells;
}

void Game::AddRisingRow() {
    PlaySound(SoundEvent::RowAdded);
    SeedFromCalendar();
    const auto cells = RandomRow();
    for (std::int32_t c = 0; c < Board::kColumns; ++c) {
        for (std::int32_t r = 0; r < kBottomRow; ++r) {
            board.At(c, r) = board.At(c, r + 1);
        }
        board.At(c, kBottomRow) = cells[c];
    }
    host.display.RedrawAll();
    for (std::int32_t c = 0; c < Board::kColumns; ++c) {
        for (std::int32_t r = 0; r < Board::kSpawnRows; ++r) {
            if (!board.IsEmpty(c, r)) {
                EndGameLost();
                return;
            }
        }
    }
}

// ---------------------------------------------------------------- bombs

bool Game::LandBomb() {
    state.bombs = AddClamped(state.bombs, 1);
    if (state.row <= kBottomRow && state.column >= 0 && state.column <= kLastColumn) {
        host.display.RedrawAll();
        PlaySound(SoundEvent::BombExplosion);
        DetonateBomb(state.currentKind);
    } else {
        PlaySound(SoundEvent::BombDisappears);
    }
    SpawnNextPiece();
    host.display.RedrawAll();
    return true;
}

void Game::DetonateBomb(std::int32_t kind) {
    const std::int32_t reach = kind == kLargeBomb ? 2 : kind == kMediumBomb ? 1 : 0;
    const std::int32_t depth = kind == kSmallBomb ? 0 : 1;
    BlastRect blast{std::max(state.column - reach, 0), std::min(state.column + reach, kLastColumn),
                    std::max(state.row, 0), std::min(state.row + depth, kBottomRow)};
    if (blast.firstColumn > blast.lastColumn || blast.firstRow > blast.lastRow) {
        return; // nowhere on the board
    }
    host.animations.Explosion(blast);
    for (std::int32_t c = blast.firstColumn; c <= blast.lastColumn; ++c) {
        for (std::int32_t r = blast.firstRow; r <= blast.lastRow; ++r) {
            board.At(c, r) = Board::kEmpty;
        }
    }
}

// ---------------------------------------------------------------- start and end

void Game::NewGame() {
    board.Clear();
    state.bombsBeforeChampionship = options.bombsOn;
    state.level = std::clamp(options.startLevel, 0, kMaxStartLevel);
    state.score = 0;
    state.bestScorePending = 1;
    state.lines = state.linesLeft = state.timerSeconds = state.risingCounter = 0;
    state.startTime = DateTimeText(host.clock.Now());
    state.elapsedRefTime = host.clock.Milliseconds();
    state.gameSeconds = state.pieces = state.bombs = 0;
    state.maxDropSeconds = 0;
    state.minDropSeconds = 1000;
    state.avgDropSeconds = 0;
    keys.ClearAll();
    state.bestScore = host.results.BestScore(CurrentTable());
    ApplyModePresets();
    SpawnNextPiece();
    AdvanceLevel();
    FillStartRows();
    PlaySound(SoundEvent::StartOfGame);
    PlayFieldAnimation(FieldAnimationKind::NewGame);
    flags.gameInProgress = 1;
    host.display.RedrawAll();
}

void Game::ApplyModePresets() {
    state.timerSeconds = state.risingCounter = state.risingPeriod = -1;
    switch (options.gameMode) {
    case Timer:
        state.timerSeconds = LevelTable::kTimerStartSeconds;
        break;
    case Rising:
        state.risingCounter = state.risingPeriod = LevelTable::RisingPeriod(1, false);
        break;
    case WorldChampionship:
        // A game started beyond the first championship levels gets the
        // countdown and rising rows those levels would have started.
        if (state.level >= LevelTable::kChampionshipCountdownLevel - 1) {
            state.timerSeconds = LevelTable::kChampionshipCountdownSeconds;
        }
        if (state.level >= LevelTable::kChampionshipRisingLevel - 1) {
            state.risingCounter = state.risingPeriod =
                LevelTable::RisingPeriod(LevelTable::kChampionshipRisingLevel, true);
        }
        break;
    default:
        break;
    }
}

void Game::FillStartRows() {
    const std::int32_t height = options.startHeight;
    if (height > kMaxStartRows) {
        return;
    }
    SeedFromCalendar();
    for (std::int32_t i = 0; i < height; ++i) {
        const auto cells = RandomRow();
        for (std::int32_t c = 0; c < Board::kColumns; ++c) {
            board.At(c, kBottomRow - i) = cells[c];
        }
    }
}

void Game::EndGameLost() {
    EndGame(SoundEvent::GameOver, FieldAnimationKind::Lost, false);
}

void Game::EndGameWon() {
    EndGame(SoundEvent::YouWin, FieldAnimationKind::Won, true);
}

void Game::EndGame(SoundEvent sound, FieldAnimationKind animation, bool won) {
    host.display.RedrawAll();
    state.endTime = DateTimeText(host.clock.Now());
    if (state.pieces > 0) {
        state.avgDropSeconds /= state.pieces; // the sum of the drop times becomes their average
    }
    PlaySound(sound);
    PlayFieldAnimation(animation);
    // Before the dialog opens, so that its nested ticks and keys stay idle.
    flags.gameInProgress = 0;
    host.display.RedrawAll();
    if (won) {
        host.prompts.ShowWinner();
    }
    host.results.GameFinished(Result());
    host.display.RedrawAll();
}

void Game::PlayFieldAnimation(FieldAnimationKind kind) {
    // The animation's time is not played time, nor is anything its frames let run.
    state.clockRefsValid = 0;
    host.animations.FieldAnimation(kind);
    state.clockRefsValid = 0;
}

// ---------------------------------------------------------------- saved games and selectors

void Game::Restore(const Board& loadedBoard, const GameState& loadedState,
                   std::int32_t gameInProgress) {
    const InputScope input(*this, GameInput::Restore);
    // Not in a saved game: whether the best-score sound is still due stays as it was.
    const std::int32_t pending = state.bestScorePending;
    board = loadedBoard;
    state = loadedState;
    state.bestScorePending = pending;
    flags.gameInProgress = gameInProgress;
    keys.ClearAll();
    if (options.gameType == Quadel || options.gameMode != WorldChampionship) {
        state.bestScore = host.results.BestScore(TableOf(options.gameType, options.gameMode));
    }
    SeedFromCalendar();
}

bool Game::SaveAllowed() const {
    return flags.gameInProgress != 0 && !ChampionshipMode();
}

void Game::SelectNextGameType() {
    NextGameType(options, state.bombsBeforeChampionship);
}

void Game::SelectNextGameMode() {
    NextGameMode(options, state.bombsBeforeChampionship);
}

// ---------------------------------------------------------------- commands

void Game::StartStopCommand() {
    if (!flags.gameInProgress) {
        const InputScope input(*this, GameInput::NewGame, flags.appActive);
        NewGame();
        host.display.RedrawAll();
        return;
    }
    const InputScope input(*this, GameInput::StartStop);
    Suspension suspension(*this, false);
    if (host.prompts.ConfirmCancelGame()) {
        suspension.Keep();
        EndGameLost();
        flags.gameRunning = 1;
        host.display.RedrawAll();
    }
}

void Game::PauseCommand() {
    const InputScope input(*this, GameInput::Pause);
    if (!flags.gameInProgress) {
        return;
    }
    if (flags.gameRunning) {
        state.clockRefsValid = 0;
        flags.gameRunning = 0;
    } else {
        flags.gameRunning = 1;
    }
    host.display.RedrawAll();
}

Game::InputScope::InputScope(const Game& game, GameInput input, std::int32_t value)
    : journal(game.host.journal) {
    if (journal != nullptr) {
        journal->Enter(input, value);
    }
}

Game::InputScope::~InputScope() {
    if (journal != nullptr) {
        journal->Leave();
    }
}

Game::Suspension::Suspension(Game& game, bool fromOutside)
    : game(game), wasRunning(game.flags.gameRunning), fromOutside(fromOutside) {
    if (fromOutside) {
        const InputScope input(game, GameInput::Suspend);
    }
    game.flags.gameRunning = 0;
    game.state.clockRefsValid = 0;
    game.host.display.RedrawAll();
}

Game::Suspension::~Suspension() {
    if (fromOutside) {
        const InputScope input(game, kept ? GameInput::KeepStopped : GameInput::Resume);
    }
    if (kept) {
        return;
    }
    game.flags.gameRunning = wasRunning;
    game.host.display.RedrawAll();
}

// ---------------------------------------------------------------- score display and sound

void Game::CheckBestScore() {
    if (flags.gameInProgress && state.bestScorePending && state.score > state.bestScore) {
        state.bestScorePending = 0;
        PlaySound(SoundEvent::BestScoreReached);
    }
}

std::int32_t Game::ShownBestScore() const {
    return std::max(state.score, state.bestScore);
}

void Game::PlaySound(SoundEvent event) {
    const auto index = static_cast<std::size_t>(event);
    if (index < options.soundEnabled.size() && options.soundOn && options.soundEnabled[index]) {
        host.sounds.Play(event, options.soundFile[index]);
    }
}

std::int32_t Game::CurrentTable() const {
    const std::int32_t type = std::clamp(options.gameType, 0, 1);
    const std::int32_t mode = std::clamp(options.gameMode, 0, 3);
    return std::min(TableOf(type, mode), TableOf(Quinel, Rising));
}

GameResult Game::Result() const {
    GameResult result;
    result.gameType = options.gameType;
    result.gameMode = options.gameMode;
    static_cast<GameStatistics&>(result) = state;
    result.bombsOn = options.bombsOn;
    result.finishedGame = true;
    result.appDirectory = appDirectory;
    return result;
}

} // namespace brinox
