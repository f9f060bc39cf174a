// A real main window in a throw-away game directory, with a fake clock, a recording sound
// host, scripted message boxes, dialogs and file dialogs (cancelled unless a test answers),
// no real sleeping and the key watcher installed, plus helpers to read its pixels against
// the pictures of the game directory.
#pragma once

#include "GameDirectory.h"

#include "FakeClock.h"
#include "FakeHost.h"
#include "GameTestAccess.h"
#include "ScriptedModalRunner.h"
#include "ScriptedPrompter.h"
#include "platform/FileChooser.h"
#include "platform/LinkedDevices.h"
#include "ui/CGameFrame.h"
#include "ui/GameKeyFilter.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace brinox::test {

class WindowFixture : public ::testing::Test, public FileChooser {
protected:
    // File dialogs, opening or saving alike, answered by fileAnswer.
    QString SaveFileName(QWidget*, const FileDialogRequest& r) override { return fileAnswer(r); }
    QString OpenFileName(QWidget*, const FileDialogRequest& r) override { return fileAnswer(r); }
    void SetUp() override;
    void TearDown() override;

    // A new window in the current game directory (the old one is closed first).
    void Open();
    void Close();
    // Shows the window and makes it the active application window.
    void Activate();
    // Moves the fake clock on and runs one tick.
    void Tick(std::uint32_t ms = 20);
    // F2 with the window active, then the first tick.
    void StartGame();
    // Lets gravity bring the falling piece down until all its cells are visible.
    void BringPieceIntoView();

    void Press(Qt::Key key, bool autoRepeat = false) { Key(QEvent::KeyPress, key, autoRepeat); }
    void Release(Qt::Key key, bool autoRepeat = false) { Key(QEvent::KeyRelease, key, autoRepeat); }
    void Key(QEvent::Type type, Qt::Key key, bool autoRepeat);
    void Click(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(frame.get(), key, modifiers);
    }

    GameTestAccess game() { return GameTestAccess(frame->Engine()); }
    const QImage& Frame() const { return frame->ComposedFrame(); }
    QRgb CellColour(std::int32_t column, std::int32_t row) const {
        return Frame().pixel(frame->CurrentLayout().CellRect(column, row).center());
    }
    // The playing area shows the idle picture.
    bool IdleShown() const;
    // Writes widget's picture as screenshots/name.png.
    static void SaveShot(QWidget& widget, const QString& name);
    // The cells of the falling piece.
    std::vector<QPoint> PieceCells() const;

    // A picture of the game directory, loaded independently of the window.
    QImage LoadedPicture(std::string_view name) const;
    QImage BlockPicture(WindowSize size) const;
    // Centre colour of image `index` of a strip with square images of `cell`
    // pixels: the same centre as QRect::center() of a cell in the frame.
    static QRgb StripCentre(const QImage& strip, std::int32_t index, std::int32_t cell) {
        return strip.pixel(QRect(index * cell, 0, cell, cell).center());
    }

    // What the next Open hands the window: its device module (linked in, so
    // that the gamepad tests plug SDL's virtual joysticks into the SDL the
    // window polls), and whether it plays through the recording host instead
    // of the devices' sound player.
    DeviceOpener openDevices = OpenLinkedDevices;
    bool fakeSounds = true;

    std::unique_ptr<GameDirectory> directory;
    ScriptedPrompter prompter;
    ScriptedModalRunner modals; // dialogs close at once unless a test says otherwise
    std::function<QString(const FileDialogRequest&)> fileAnswer = [](auto&) { return QString(); };
    FakeClock clock;
    FakeHost sounds;
    GameKeyFilter keyFilter;
    std::vector<std::int32_t> sleeps;
    std::function<void()> onSleep = [] {}; // called at every sleep
    std::unique_ptr<CGameFrame> frame;
};

} // namespace brinox::test
