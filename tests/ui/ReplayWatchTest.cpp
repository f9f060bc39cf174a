// Watching a recorded game in the window: a short game recorded by the
// engine's test game is handed to the window as its replay file and played
// on the window's beat.
#include "WindowFixture.h"

#include "FileTestSupport.h"
#include "TestGame.h"

#include "engine/PieceShape.h"
#include "engine/replay/ReplayFile.h"
#include "ui/AssetFiles.h"

#include <algorithm>

namespace brinox::test {
namespace {

std::vector<SoundEvent> SortedEvents(const FakeHost& host) {
    std::vector<SoundEvent> events;
    for (const auto& sound : host.sounds) {
        events.push_back(sound.first);
    }
    std::ranges::sort(events);
    return events;
}

class ReplayWatchTest : public WindowFixture {
protected:
    void SetUp() override {
        Record();
        WindowFixture::SetUp();
        Activate();
        Tick();
        frame->WatchReplay(replay);
        ASSERT_TRUE(frame->Viewer().Watching());
    }
    // Pieces moved, turned and dropped onto twelve start rows until the game is
    // lost; the best score is checked after each tick as the window's counters do.
    void Record() {
        TestGame t;
        t.options.startHeight = 12;
        t.game.StartStopCommand();
        const std::int32_t keys[] = {t.options.keyLeft, t.options.keyRotate, t.options.keyDrop};
        for (std::int32_t step = 0; t.game.Flags().gameInProgress && step < 5000; ++step) {
            t.game.KeyDown(keys[step / 4 % 3]);
            t.Tick();
            t.game.KeyUp(keys[step / 4 % 3]);
            t.game.CheckBestScore();
            playedTicks.push_back(t.game.State());
        }
        replay = t.fake.results.at(0).replay;
        recordedSounds = SortedEvents(t.fake);
    }
    const Game& Shown() const { return frame->Viewer().ShownGame(); }
    QImage Strip() const { return Frame().copy(frame->CurrentLayout().messageStrip); }
    // Status line 0, shown when the pointer is over nothing in particular.
    QImage FirstStatusLine() const {
        return LoadedPicture(assets::File(Picture::StatusLines))
            .copy(QRect(QPoint(), frame->CurrentLayout().messageStrip.size()));
    }

    std::vector<std::uint8_t> replay;
    std::vector<GameState> playedTicks; // the state after each tick of play
    std::vector<SoundEvent> recordedSounds;
};

TEST_F(ReplayWatchTest, WindowShowsAndSoundsTheRecordedGameWhateverGameKeysThePlayerHolds) {
    Press(Qt::Key_Left);
    Press(Qt::Key_Space);
    const QImage blocks = BlockPicture(WindowSize::Normal);
    for (std::size_t tick = 0; tick < playedTicks.size(); ++tick) {
        Tick();
        const GameState& s = Shown().State();
        ASSERT_EQ(s, playedTicks[tick]) << "tick " << tick;
        const CellOffset cell = PieceShape::Offset(s.currentKind, s.rotation, 0);
        if (Shown().Flags().Playing() && s.row + cell.dy >= Board::kSpawnRows) {
            ASSERT_EQ(CellColour(s.column + cell.dx, s.row + cell.dy),
                      StripCentre(blocks, s.currentKind, 20))
                << "tick " << tick;
        }
        if (tick == playedTicks.size() / 2) {
            SaveShot(*frame, QStringLiteral("replay-watching"));
        }
    }
    EXPECT_EQ(SortedEvents(sounds), recordedSounds);
}

// The title names the state; the status strip is redrawn at each change.
TEST_F(ReplayWatchTest, SpeedKeysAndPausePlayTheirTicksPerBeatAndNameThemInTheTitle) {
    const struct {
        Qt::Key key;
        std::size_t ticksPerBeat;
        const char* title;
    } cases[] = {{Qt::Key_2, 2, "Replay 2x"},
                 {Qt::Key_4, 4, "Replay 4x"},
                 {Qt::Key_3, 4, "Replay 4x"}, // no speed: nothing changes
                 {Qt::Key_Pause, 0, "Replay 4x (paused)"},
                 {Qt::Key_Pause, 4, "Replay 4x"},
                 {Qt::Key_1, 1, "Replay"}};
    std::size_t played = 0;
    QImage strip = Strip();
    EXPECT_NE(strip, FirstStatusLine());
    for (const auto& c : cases) {
        Click(c.key);
        EXPECT_EQ(Strip() != strip, c.key != Qt::Key_3) << c.title;
        strip = Strip();
        Tick();
        played += c.ticksPerBeat;
        EXPECT_EQ(Shown().State(), playedTicks[played - 1]) << c.title;
        EXPECT_TRUE(frame->windowTitle().endsWith(QString::fromUtf8(c.title))) << c.title;
    }
}

TEST_F(ReplayWatchTest, EveryWayOutReturnsToTheIdleWindowWithOptionsAndFilesUnchanged) {
    // Escape, F2, or none: the replay plays to its end.
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_F2, Qt::Key_unknown}) {
        frame->WatchReplay(replay);
        const Options options = frame->Settings();
        const auto files = FolderBytes(directory->Path());
        std::int32_t dialogs = 0;
        modals.onDialog = [&](QDialog&) { return ++dialogs, QDialog::Rejected; };
        Tick();
        for (std::size_t beat = 0; key == Qt::Key_unknown && beat < playedTicks.size(); ++beat) {
            Tick();
        }
        if (key != Qt::Key_unknown) {
            Click(key);
        }
        QCoreApplication::processEvents(); // a result handed on would open its dialog now
        EXPECT_FALSE(frame->Viewer().Watching());
        EXPECT_TRUE(IdleShown());
        EXPECT_EQ(Strip(), FirstStatusLine());
        EXPECT_FALSE(frame->windowTitle().contains(QStringLiteral("Replay")));
        EXPECT_EQ(frame->Settings(), options);
        EXPECT_EQ(FolderBytes(directory->Path()), files);
        EXPECT_EQ(dialogs, 0);
        EXPECT_TRUE(prompter.boxes.empty());
    }
}

// A replay cut short, and one made by other rules, which the engine refuses
// before its first tick, are told of at once and not watched.
TEST_F(ReplayWatchTest, DamagedOrRefusedReplayIsReportedAndNotWatched) {
    Replay otherRules = ReplayFile::Decode(replay).value();
    otherRules.engineVersion += "-other";
    replay.pop_back();
    for (const auto& bytes : {replay, ReplayFile::Encode(otherRules)}) {
        prompter.boxes.clear();
        frame->WatchReplay(bytes);
        EXPECT_FALSE(frame->Viewer().Watching());
        ASSERT_EQ(prompter.boxes.size(), 1u);
        EXPECT_EQ(prompter.boxes[0].type, ScriptedPrompter::Box::Warning);
    }
}

} // namespace
} // namespace brinox::test
