#include "Layout.h"

namespace brinox {

namespace {

constexpr std::int32_t kNextPieceKinds = 16;
constexpr std::array<std::int32_t, kNextPieceKinds> kNextX = {
    401, 411, 401, 401, 401, 401, 391, 401, 401, 401, 401, 411, 391, 401, 401, 391};
constexpr std::array<std::int32_t, kNextPieceKinds> kNextY = {68, 58, 68, 68, 68, 68, 48, 58,
                                                              58, 58, 58, 68, 68, 48, 48, 48};
// The Big next bar sits this far from the Normal one.
constexpr QPoint kBigNextShift(120, 21);

CounterPlace Counter(int rightX, int rightY, int x, int y, int width) {
    return {QPoint(rightX, rightY), QRect(x, y, width, 21)};
}

void SetButton(Layout& layout, ToolButton button, QRect rect) {
    layout.buttons[static_cast<std::size_t>(button)] = rect;
}

Layout NormalLayout() {
    Layout l;
    l.size = WindowSize::Normal;
    l.client = QSize(483, 404);
    l.playingArea = QRect(141, 15, 200, 360);
    l.cell = QSize(20, 20);
    l.boardOrigin = QPoint(141, -45);
    l.toolBar = QRect(16, 32, 110, 123);
    l.nextBar = QRect(356, 32, 110, 73);
    SetButton(l, ToolButton::NextBarToggle, QRect(451, 18, 11, 11));
    SetButton(l, ToolButton::ToolBarToggle, QRect(111, 18, 11, 11));
    SetButton(l, ToolButton::StatusBarToggle, QRect(3, 382, 18, 17));
    SetButton(l, ToolButton::StartStop, QRect(17, 33, 108, 19));
    SetButton(l, ToolButton::Pause, QRect(17, 53, 108, 19));
    SetButton(l, ToolButton::Options, QRect(17, 73, 108, 19));
    SetButton(l, ToolButton::Save, QRect(17, 93, 54, 19));
    SetButton(l, ToolButton::Load, QRect(71, 93, 54, 19));
    SetButton(l, ToolButton::LocalBestScores, QRect(17, 113, 54, 19));
    SetButton(l, ToolButton::WorldTop10, QRect(71, 113, 54, 19));
    SetButton(l, ToolButton::Help, QRect(17, 133, 54, 19));
    SetButton(l, ToolButton::Exit, QRect(71, 133, 54, 19));
    SetButton(l, ToolButton::GameType, QRect(16, 185, 24, 23));
    SetButton(l, ToolButton::GameMode, QRect(16, 233, 24, 23));
    SetButton(l, ToolButton::Bombs, QRect(16, 281, 24, 23));
    SetButton(l, ToolButton::Logo, QRect(32, 318, 75, 32));
    l.gameTypeLabel = QRect(40, 185, 86, 23);
    l.gameModeLabel = QRect(40, 233, 86, 23);
    l.bombsLabel = QRect(40, 281, 86, 23);
    l.level = Counter(388, 138, 356, 138, 48);
    l.linesLeft = Counter(452, 138, 420, 138, 48);
    l.score = Counter(452, 187, 356, 187, 112);
    l.lines = Counter(436, 236, 372, 236, 80);
    l.timer = Counter(411, 285, 356, 285, 71);
    l.rising = Counter(452, 285, 436, 285, 32);
    l.best = Counter(452, 334, 356, 334, 112);
    l.messageStrip = QRect(21, 383, 414, 15);
    l.statusCover = QRect(21, 382, 460, 17);
    l.clock = QPoint(442, 386);
    return l;
}

Layout BigLayout() {
    Layout l;
    l.size = WindowSize::Big;
    l.client = QSize(602, 590);
    l.playingArea = QRect(151, 14, 300, 540);
    l.cell = QSize(30, 30);
    l.boardOrigin = QPoint(151, -76);
    l.toolBar = QRect(16, 53, 110, 123);
    l.nextBar = QRect(476, 53, 110, 73);
    SetButton(l, ToolButton::NextBarToggle, QRect(571, 39, 11, 11));
    SetButton(l, ToolButton::ToolBarToggle, QRect(111, 39, 11, 11));
    SetButton(l, ToolButton::StatusBarToggle, QRect(62, 568, 18, 17));
    SetButton(l, ToolButton::StartStop, QRect(17, 54, 108, 19));
    SetButton(l, ToolButton::Pause, QRect(17, 74, 108, 19));
    SetButton(l, ToolButton::Options, QRect(17, 94, 108, 19));
    SetButton(l, ToolButton::Save, QRect(17, 114, 54, 19));
    SetButton(l, ToolButton::Load, QRect(71, 114, 54, 19));
    SetButton(l, ToolButton::LocalBestScores, QRect(17, 134, 54, 19));
    SetButton(l, ToolButton::WorldTop10, QRect(71, 134, 54, 19));
    SetButton(l, ToolButton::Help, QRect(17, 154, 54, 19));
    SetButton(l, ToolButton::Exit, QRect(71, 154, 54, 19));
    SetButton(l, ToolButton::GameType, QRect(16, 236, 24, 23));
    SetButton(l, ToolButton::GameMode, QRect(16, 284, 24, 23));
    SetButton(l, ToolButton::Bombs, QRect(16, 332, 24, 23));
    SetButton(l, ToolButton::Logo, QRect(34, 486, 75, 32));
    l.gameTypeLabel = QRect(40, 236, 86, 23);
    l.gameModeLabel = QRect(40, 284, 86, 23);
    l.bombsLabel = QRect(40, 332, 86, 23);
    l.level = Counter(507, 206, 475, 206, 48);
    l.linesLeft = Counter(571, 206, 539, 206, 48);
    l.score = Counter(571, 255, 475, 255, 112);
    l.lines = Counter(555, 304, 491, 304, 80);
    l.timer = Counter(530, 353, 475, 353, 71);
    l.rising = Counter(571, 353, 555, 353, 32);
    l.best = Counter(571, 402, 475, 402, 112);
    l.messageStrip = QRect(80, 569, 414, 15);
    l.statusCover = QRect(80, 568, 460, 17);
    l.clock = QPoint(501, 572);
    return l;
}

} // namespace

Layout Layout::For(WindowSize size) {
    return size == WindowSize::Big ? BigLayout() : NormalLayout();
}

QPoint Layout::NextPieceOrigin(std::int32_t kind) const {
    if (kind < 0 || kind >= kNextPieceKinds) {
        return {};
    }
    QPoint origin(kNextX[kind], kNextY[kind]);
    return size == WindowSize::Big ? origin + kBigNextShift : origin;
}

} // namespace brinox
