// Where the window puts everything, in client pixels, for each WindowSize:
// the one table of places that the window's Layout and the asset generator
// (which paints the backgrounds and cuts the pictures to these places) both
// read. Plain C++, no toolkit. A rectangle is x, y, width, height. A counter is
// right-aligned: it gives the top-left corner of its right-most digit cell and
// the rectangle it covers. Board row r lies at origin y + r * cell height, so
// the three spawn rows fall above the playing area and rows 3..20 fill it.
#pragma once

#include "EnumTable.h"
#include "ToolButton.h"
#include "WindowSize.h"

#include <array>
#include <cstdint>

namespace brinox::geometry {

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

struct Rect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    constexpr Size Extent() const { return {width, height}; }
    constexpr Point TopLeft() const { return {x, y}; }
};

struct Counter {
    Point rightDigit;
    Rect rect;
};

// One row per ToolButton, in ToolButton order (checked below).
struct ButtonPlace {
    ToolButton button;
    Rect rect;
};

struct WindowGeometry {
    WindowSize size;
    Size client;
    Rect playingArea;
    Size cell;
    Point boardOrigin;
    Rect toolBar;
    Rect nextBar;
    std::array<ButtonPlace, kToolButtonCount> buttons;
    Rect gameTypeLabel;
    Rect gameModeLabel;
    Rect bombsLabel;
    Counter level;
    Counter linesLeft;
    Counter score;
    Counter lines;
    Counter timer;
    Counter rising;
    Counter best;
    Rect messageStrip;
    Rect statusCover;
    Point clock;
    // Added to the Normal next-piece origins.
    Point nextShift;

    constexpr Rect Button(ToolButton button) const { return buttons[IndexOf(button)].rect; }
};

// clang-format off
inline constexpr WindowGeometry kNormal{
    .size = WindowSize::Normal,
    .client = {483, 404},
    .playingArea = {141, 15, 200, 360},
    .cell = {20, 20},
    .boardOrigin = {141, -45},
    .toolBar = {16, 32, 110, 123},
    .nextBar = {356, 32, 110, 73},
    .buttons = {{
        {ToolButton::NextBarToggle, {451, 18, 11, 11}},
        {ToolButton::ToolBarToggle, {111, 18, 11, 11}},
        {ToolButton::StatusBarToggle, {3, 382, 18, 17}},
        {ToolButton::StartStop, {17, 33, 108, 19}},
        {ToolButton::Pause, {17, 53, 108, 19}},
        {ToolButton::Options, {17, 73, 108, 19}},
        {ToolButton::Save, {17, 93, 54, 19}},
        {ToolButton::Load, {71, 93, 54, 19}},
        {ToolButton::LocalBestScores, {17, 113, 54, 19}},
        {ToolButton::WorldTop10, {71, 113, 54, 19}},
        {ToolButton::Help, {17, 133, 54, 19}},
        {ToolButton::Exit, {71, 133, 54, 19}},
        {ToolButton::GameType, {16, 185, 24, 23}},
        {ToolButton::GameMode, {16, 233, 24, 23}},
        {ToolButton::Bombs, {16, 281, 24, 23}},
        {ToolButton::Logo, {32, 318, 75, 32}},
    }},
    .gameTypeLabel = {40, 185, 86, 23},
    .gameModeLabel = {40, 233, 86, 23},
    .bombsLabel = {40, 281, 86, 23},
    .level = {{388, 138}, {356, 138, 48, 21}},
    .linesLeft = {{452, 138}, {420, 138, 48, 21}},
    .score = {{452, 187}, {356, 187, 112, 21}},
    .lines = {{436, 236}, {372, 236, 80, 21}},
    .timer = {{411, 285}, {356, 285, 71, 21}},
    .rising = {{452, 285}, {436, 285, 32, 21}},
    .best = {{452, 334}, {356, 334, 112, 21}},
    .messageStrip = {21, 383, 414, 15},
    .statusCover = {21, 382, 460, 17},
    .clock = {442, 386},
    .nextShift = {0, 0},
};

inline constexpr WindowGeometry kBig{
    .size = WindowSize::Big,
    .client = {602, 590},
    .playingArea = {151, 14, 300, 540},
    .cell = {30, 30},
    .boardOrigin = {151, -76},
    .toolBar = {16, 53, 110, 123},
    .nextBar = {476, 53, 110, 73},
    .buttons = {{
        {ToolButton::NextBarToggle, {571, 39, 11, 11}},
        {ToolButton::ToolBarToggle, {111, 39, 11, 11}},
        {ToolButton::StatusBarToggle, {62, 568, 18, 17}},
        {ToolButton::StartStop, {17, 54, 108, 19}},
        {ToolButton::Pause, {17, 74, 108, 19}},
        {ToolButton::Options, {17, 94, 108, 19}},
        {ToolButton::Save, {17, 114, 54, 19}},
        {ToolButton::Load, {71, 114, 54, 19}},
        {ToolButton::LocalBestScores, {17, 134, 54, 19}},
        {ToolButton::WorldTop10, {71, 134, 54, 19}},
        {ToolButton::Help, {17, 154, 54, 19}},
        {ToolButton::Exit, {71, 154, 54, 19}},
        {ToolButton::GameType, {16, 236, 24, 23}},
        {ToolButton::GameMode, {16, 284, 24, 23}},
        {ToolButton::Bombs, {16, 332, 24, 23}},
        {ToolButton::Logo, {34, 486, 75, 32}},
    }},
    .gameTypeLabel = {40, 236, 86, 23},
    .gameModeLabel = {40, 284, 86, 23},
    .bombsLabel = {40, 332, 86, 23},
    .level = {{507, 206}, {475, 206, 48, 21}},
    .linesLeft = {{571, 206}, {539, 206, 48, 21}},
    .score = {{571, 255}, {475, 255, 112, 21}},
    .lines = {{555, 304}, {491, 304, 80, 21}},
    .timer = {{530, 353}, {475, 353, 71, 21}},
    .rising = {{571, 353}, {555, 353, 32, 21}},
    .best = {{571, 402}, {475, 402, 112, 21}},
    .messageStrip = {80, 569, 414, 15},
    .statusCover = {80, 568, 460, 17},
    .clock = {501, 572},
    .nextShift = {120, 21},
};

// Where the pivot block of a next piece of kind 0..15 goes in the Normal
// window (20-pixel blocks in both sizes); the Big window adds nextShift.
inline constexpr std::int32_t kNextPieceKinds = 16;
inline constexpr std::array<std::int32_t, kNextPieceKinds> kNextX = {
    401, 411, 401, 401, 401, 401, 391, 401, 401, 401, 401, 411, 391, 401, 401, 391};
inline constexpr std::array<std::int32_t, kNextPieceKinds> kNextY = {
    68, 58, 68, 68, 68, 68, 48, 58, 58, 58, 58, 68, 68, 48, 48, 48};
// clang-format on

static_assert(RowsInEnumOrder(kNormal.buttons, &ButtonPlace::button));
static_assert(RowsInEnumOrder(kBig.buttons, &ButtonPlace::button));

// The pictures drawn at these places exist once, for both window sizes.
constexpr bool SameExtent(Rect a, Rect b) {
    return a.width == b.width && a.height == b.height;
}
constexpr bool OneSizePlacesAgree() {
    for (std::size_t b = 0; b < kNormal.buttons.size(); ++b) {
        if (!SameExtent(kNormal.buttons[b].rect, kBig.buttons[b].rect)) {
            return false;
        }
    }
    return SameExtent(kNormal.toolBar, kBig.toolBar) && SameExtent(kNormal.nextBar, kBig.nextBar) &&
           SameExtent(kNormal.gameTypeLabel, kBig.gameTypeLabel) &&
           SameExtent(kNormal.gameModeLabel, kBig.gameModeLabel) &&
           SameExtent(kNormal.bombsLabel, kBig.bombsLabel) &&
           SameExtent(kNormal.messageStrip, kBig.messageStrip) &&
           SameExtent(kNormal.statusCover, kBig.statusCover);
}
static_assert(OneSizePlacesAgree());

constexpr const WindowGeometry& Of(WindowSize size) {
    return size == WindowSize::Big ? kBig : kNormal;
}

// The next-piece origin of a kind in this window; (0, 0) for no kind.
constexpr Point NextPieceOrigin(const WindowGeometry& window, std::int32_t kind) {
    if (kind < 0 || kind >= kNextPieceKinds) {
        return {};
    }
    const auto k = static_cast<std::size_t>(kind);
    return {kNextX[k] + window.nextShift.x, kNextY[k] + window.nextShift.y};
}

} // namespace brinox::geometry
