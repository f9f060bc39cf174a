#include "WindowFixture.h"

#include "app/ShellDialogs.h"
#include "engine/PieceShape.h"
#include "ui/AssetFiles.h"
#include "ui/DibImage.h"
#include "ui/PictureConversion.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>

#include <algorithm>

namespace brinox::test {

void WindowFixture::SetUp() {
    InstallPrompter(&prompter);
    InstallModalRunner(&modals);
    InstallFileChooser(this);
    qApp->installEventFilter(&keyFilter);
    directory = std::make_unique<GameDirectory>();
    Open();
}

void WindowFixture::TearDown() {
    Close();
    directory.reset();
    qApp->removeEventFilter(&keyFilter);
    InstallFileChooser(nullptr);
    InstallModalRunner(nullptr);
    InstallPrompter(nullptr);
}

void WindowFixture::Open() {
    Close();
    CGameFrame::Services services;
    services.clock = &clock;
    services.sounds = fakeSounds ? &sounds : nullptr;
    services.openDevices = openDevices;
    services.sleep = [this](std::int32_t ms) {
        sleeps.push_back(ms);
        onSleep();
    };
    frame = std::make_unique<CGameFrame>(std::move(services));
    frame->SetInformationDialogs(ShellDialogs());
    keyFilter.Watch(&frame->Engine(), frame.get(), &frame->Held());
}

void WindowFixture::Close() {
    keyFilter.Watch(nullptr, nullptr, nullptr);
    frame.reset();
}

void WindowFixture::Activate() {
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    frame->SetAppActive(true);
}

void WindowFixture::Tick(std::uint32_t ms) {
    clock.Advance(ms);
    frame->Tick();
}

void WindowFixture::StartGame() {
    Activate();
    Tick();
    Click(Qt::Key_F2);
    ASSERT_TRUE(game().flags.gameInProgress);
    Tick();
}

void WindowFixture::BringPieceIntoView() {
    const auto hidden = [](QPoint cell) { return cell.y() < Board::kSpawnRows; };
    for (int step = 0; step < 4 && std::ranges::any_of(PieceCells(), hidden); ++step) {
        Tick(static_cast<std::uint32_t>(game().state.fallPeriodMs) + 20);
    }
}

void WindowFixture::Key(QEvent::Type type, Qt::Key key, bool autoRepeat) {
    if (!autoRepeat) {
        QTest::keyEvent(type == QEvent::KeyPress ? QTest::Press : QTest::Release, frame.get(), key);
        return;
    }
    // A held key as X11 repeats it; QTest cannot mark its events as repeats.
    QKeyEvent event(type, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(frame.get(), &event);
}

bool WindowFixture::IdleShown() const {
    const QRect area = frame->CurrentLayout().playingArea;
    return Frame().copy(area) ==
           LoadedPicture(assets::File(Picture::Idle)).copy(QRect(QPoint(0, 0), area.size()));
}

void WindowFixture::SaveShot(QWidget& widget, const QString& name) {
    const QDir out(QStringLiteral(BRINOX_SCREENSHOT_DIR));
    ASSERT_TRUE(out.mkpath(QStringLiteral(".")));
    EXPECT_TRUE(widget.grab().save(out.filePath(name + QStringLiteral(".png"))));
}

std::vector<QPoint> WindowFixture::PieceCells() const {
    const GameState& s = frame->Engine().State();
    std::vector<QPoint> cells;
    for (std::int32_t i = 0; i < PieceShape::CellCount(s.currentKind); ++i) {
        CellOffset offset = PieceShape::Offset(s.currentKind, s.rotation, i);
        cells.emplace_back(s.column + offset.dx, s.row + offset.dy);
    }
    return cells;
}

QImage WindowFixture::LoadedPicture(std::string_view name) const {
    return ToQImage(LoadPicture(frame->AppDirectory(), name));
}

QImage WindowFixture::BlockPicture(WindowSize size) const {
    return LoadedPicture(
        assets::BlockPicture(frame->Settings().blockSet, static_cast<std::int32_t>(size)));
}

} // namespace brinox::test
