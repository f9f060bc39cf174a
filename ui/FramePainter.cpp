#include "FramePainter.h"

#include "SplitDigits.h"
#include "StatusLines.h"

#include "engine/PieceShape.h"
#include "platform/ColorRef.h"

#include <QColor>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace brinox {

namespace {

constexpr QSize kDigitCell(16, 21);
constexpr std::int32_t kBlankDigit = 10;
constexpr std::int32_t kColonX = 176;
constexpr std::int32_t kColonWidth = 7;
constexpr QSize kClockCell(5, 9);
constexpr std::int32_t kClockColon = 10;
constexpr std::int32_t kClockBlank = 11;
constexpr QSize kNextBlock(20, 20);
constexpr std::int32_t kStatusLineHeight = 15;
constexpr std::int32_t kFirstVisibleRow = Board::kSpawnRows;
// The status lines' lettering, for the line written while a replay plays.
constexpr QRgb kStatusInk = qRgb(214, 222, 240);
constexpr int kStatusTypePx = 11;
constexpr int kStatusIndent = 5;

// Copies image `index` of a strip of images of `size`; nothing for a null picture.
void DrawStripImage(QPainter& painter, QPoint at, const QImage& strip, std::int32_t index,
                    QSize size) {
    if (strip.isNull() || index < 0) {
        return;
    }
    painter.drawImage(at, strip, QRect(QPoint(index * size.width(), 0), size));
}

// A whole picture (or its top-left part) into a rectangle, pixel for pixel.
void DrawPicture(QPainter& painter, const QRect& target, const QImage& picture) {
    if (!picture.isNull()) {
        painter.drawImage(target.topLeft(), picture, QRect(QPoint(0, 0), target.size()));
    }
}

std::int32_t CounterLimit(std::int32_t cells) {
    std::int32_t limit = 1;
    for (std::int32_t k = 0; k < cells; ++k) {
        limit *= 10;
    }
    return limit - 1;
}

void BeginDrawing(QPainter& painter, QImage& frame) {
    painter.begin(&frame);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
}

// A line of the status bar written over its strip in the strip's colours:
// a translated status line, or the replay's line.
void WriteOnStrip(QPainter& painter, const QRect& strip, const QImage& lines, const QString& text) {
    painter.fillRect(strip, lines.isNull() ? QColor(Qt::black) : QColor(lines.pixel(0, 0)));
    const QRect room = strip.adjusted(kStatusIndent, 0, -kStatusIndent, 0);
    QFont font(QStringLiteral("DejaVu Sans"));
    for (int px = kStatusTypePx; px >= 8; --px) {
        font.setPixelSize(px);
        if (QFontMetrics(font).horizontalAdvance(text) <= room.width()) {
            break;
        }
    }
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setFont(font);
    painter.setPen(QColor(kStatusInk));
    painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.restore();
}

} // namespace

FramePainter::FramePainter(GameSession& session, const Layout& layout, const PictureSet& pictures,
                           const ButtonStates& buttons, const ClockFace& clockFace)
    : session(session), layout(layout), pictures(pictures), buttons(buttons), clockFace(clockFace) {
}

bool FramePainter::Playing() const {
    return ShownGame().Flags().Playing();
}

void FramePainter::ComposeAll(QImage& frame) {
    QPainter painter;
    BeginDrawing(painter, frame);
    DrawPicture(painter, QRect(QPoint(0, 0), layout.client), Sized(Picture::Back));
    DrawFieldBackground(painter);
    if (!Playing()) {
        DrawPicture(painter, layout.playingArea, Sized(Picture::Idle));
    }
    DrawBars(painter);
    if (ShownGame().Flags().gameInProgress) {
        if (ShownOptions().showNextBar) {
            DrawNextPiece(painter);
        }
        DrawAllCounters(painter, {});
    }
    DrawToggles(painter, {});
    if (ShownOptions().showToolBar) {
        DrawToolButtons(painter, {});
    }
    DrawSelectors(painter, {});
    if (ShownOptions().showStatusBar) {
        DrawClock(painter);
    }
    if (Playing()) {
        DrawFallingPieceCells(painter);
        DrawBoard(painter);
    }
    DrawLabels(painter);
}

void FramePainter::DrawFieldBackground(QPainter& painter) {
    switch (ShownOptions().fieldBackground) {
    case UserColor:
        painter.fillRect(layout.playingArea, ColorOfRef(ShownOptions().userColor));
        break;
    case ColorField:
        DrawPicture(painter, layout.playingArea, Sized(Picture::ColorField));
        break;
    case Field3D:
        DrawPicture(painter, layout.playingArea, Sized(Picture::Field3D));
        break;
    case FantasyField:
        DrawPicture(painter, layout.playingArea, Sized(Picture::FantasyField));
        break;
    default:
        // The grey field is part of the main background.
        break;
    }
}

void FramePainter::DrawBars(QPainter& painter) {
    if (ShownOptions().showNextBar) {
        DrawPicture(painter, layout.nextBar, pictures.Get(Picture::NextBar));
    }
    if (ShownOptions().showToolBar) {
        DrawPicture(painter, layout.toolBar, pictures.Get(Picture::ToolBar));
    }
    DrawStatusLine(painter);
}

void FramePainter::DrawStatusLine(QPainter& painter) {
    if (session.Watching()) {
        DrawReplayLine(painter);
        return;
    }
    if (!ShownOptions().showStatusBar) {
        DrawPicture(painter, layout.statusCover, pictures.Get(Picture::StatusCover));
        return;
    }
    const QImage& lines = pictures.Get(Picture::StatusLines);
    std::int32_t line = std::clamp(buttons.statusMessage, 0, ButtonStates::kStatusLines - 1);
    // The picture's lines are English: another language writes its own over the strip.
    const char* english = kStatusLines[static_cast<std::size_t>(line)];
    const QString shown = QCoreApplication::translate("StatusLines", english);
    if (shown != QLatin1String(english)) {
        WriteOnStrip(painter, layout.messageStrip, lines, shown);
    } else if (!lines.isNull()) {
        painter.drawImage(layout.messageStrip.topLeft(), lines,
                          QRect(QPoint(0, line * kStatusLineHeight), layout.messageStrip.size()));
    }
}

// While a replay plays the strip says so, with its speed and the keys that
// steer it, whatever the pointer is over and even with the status bar hidden:
// the title bar alone goes unseen, and line 0 would offer F2 for a new game.
void FramePainter::DrawReplayLine(QPainter& painter) {
    const ReplayViewer& viewer = session.Viewer();
    const char* text =
        viewer.Paused()
            ? QT_TRANSLATE_NOOP("FramePainter", "Replay %1x (paused) \u00b7 Esc: stop watching "
                                                "\u00b7 Pause \u00b7 1, 2, 4: speed")
            : QT_TRANSLATE_NOOP("FramePainter", "Replay %1x \u00b7 Esc: stop watching \u00b7 "
                                                "Pause \u00b7 1, 2, 4: speed");
    WriteOnStrip(painter, layout.messageStrip, pictures.Get(Picture::StatusLines),
                 QCoreApplication::translate("FramePainter", text).arg(viewer.Speed()));
}

void FramePainter::DrawNextPiece(QPainter& painter) {
    const std::int32_t kind = ShownGame().State().nextKind;
    if (kind < 0 || kind > 15) {
        return;
    }
    const QImage& blocks = Blocks(WindowSize::Normal);
    const QPoint origin = layout.NextPieceOrigin(kind);
    for (std::int32_t i = 0; i < PieceShape::CellCount(kind); ++i) {
        CellOffset offset = PieceShape::Offset(kind, 0, i);
        QPoint at =
            origin + QPoint(offset.dx * kNextBlock.width(), offset.dy * kNextBlock.height());
        DrawStripImage(painter, at, blocks, kind, kNextBlock);
    }
}

void FramePainter::DrawAllCounters(QPainter& painter, const Shown& shown) {
    auto show = [&shown](const CounterPlace& place) {
        if (shown) {
            shown(place.rect);
        }
    };
    const GameState& s = ShownGame().State();
    DrawCounter(painter, layout.level, 3, s.level);
    show(layout.level);
    DrawCounter(painter, layout.score, 7, s.score);
    show(layout.score);
    ShownGame().CheckBestScore();
    DrawCounter(painter, layout.best, 7, ShownGame().ShownBestScore());
    show(layout.best);
    DrawCounter(painter, layout.lines, 5, s.lines);
    show(layout.lines);
    DrawCounter(painter, layout.linesLeft, 3, s.linesLeft);
    show(layout.linesLeft);
    if (s.risingCounter >= 0) {
        DrawCounter(painter, layout.rising, 2, s.risingCounter);
        show(layout.rising);
    }
    if (s.timerSeconds >= 0) {
        DrawTimer(painter, s.timerSeconds);
        show(layout.timer);
    }
}

void FramePainter::DrawCounter(QPainter& painter, const CounterPlace& place, std::int32_t cells,
                               std::int32_t value) {
    // A narrower counter simply shows the low places. The millions cell of a
    // full-width counter has no image above 9, so such a value shows all nines.
    const std::int32_t shown = cells >= kCounterDigits
                                   ? std::clamp(value, 0, CounterLimit(kCounterDigits))
                                   : std::max(value, 0);
    auto digits = SplitDigits(shown);
    const QImage& picture = pictures.Get(Picture::Digits);
    for (std::int32_t k = 0; k < cells; ++k) {
        QPoint at = place.rightDigit - QPoint(k * kDigitCell.width(), 0);
        DrawStripImage(painter, at, picture, digits[k] < 0 ? kBlankDigit : digits[k], kDigitCell);
    }
}

void FramePainter::DrawTimer(QPainter& painter, std::int32_t seconds) {
    const QImage& picture = pictures.Get(Picture::Digits);
    const std::int32_t s = seconds % 60;
    const std::int32_t m = seconds / 60;
    const QPoint right = layout.timer.rightDigit;
    auto digit = [&](std::int32_t dx, std::int32_t value) {
        DrawStripImage(painter, right - QPoint(dx, 0), picture, value, kDigitCell);
    };
    digit(0, s % 10);
    digit(16, s / 10);
    if (!picture.isNull()) {
        painter.drawImage(right - QPoint(23, 0), picture,
                          QRect(kColonX, 0, kColonWidth, kDigitCell.height()));
    }
    digit(39, m % 10);
    digit(55, m / 10 % 10);
}

void FramePainter::DrawButton(QPainter& painter, ToolButton button, const QImage& strip,
                              std::int32_t image, const Shown& shown) {
    const QRect rect = layout.Button(button);
    DrawStripImage(painter, rect.topLeft(), strip, image, rect.size());
    if (shown) {
        shown(rect);
    }
}

void FramePainter::DrawToggles(QPainter& painter, const Shown& shown) {
    auto barPicture = [this](std::int32_t shownFlag) -> const QImage& {
        return pictures.Get(shownFlag ? Picture::BarShown : Picture::BarHidden);
    };
    DrawButton(painter, ToolButton::NextBarToggle, barPicture(ShownOptions().showNextBar),
               buttons[ToolButton::NextBarToggle], shown);
    DrawButton(painter, ToolButton::ToolBarToggle, barPicture(ShownOptions().showToolBar),
               buttons[ToolButton::ToolBarToggle], shown);
    DrawButton(
        painter, ToolButton::StatusBarToggle,
        pictures.Get(ShownOptions().showStatusBar ? Picture::StatusShown : Picture::StatusHidden),
        buttons[ToolButton::StatusBarToggle], shown);
}

void FramePainter::DrawToolButtons(QPainter& painter, const Shown& shown) {
    const bool inGame = ShownGame().Flags().gameInProgress != 0;
    auto draw = [&](ToolButton button, Picture picture) {
        DrawButton(painter, button, pictures.Get(picture), buttons[button], shown);
    };
    draw(ToolButton::StartStop, inGame ? Picture::Stop : Picture::Start);
    if (!session.Enabled(Command::Pause)) {
        DrawButton(painter, ToolButton::Pause, pictures.Get(Picture::PauseDisabled), 0, shown);
    } else {
        draw(ToolButton::Pause,
             session.ShownFlags().gameRunning ? Picture::PauseOff : Picture::PauseOn);
    }
    draw(ToolButton::Options, Picture::OptionsButton);
    if (session.Enabled(Command::Save)) {
        draw(ToolButton::Save, Picture::Save);
    } else {
        DrawButton(painter, ToolButton::Save, pictures.Get(Picture::SaveDisabled), 0, shown);
    }
    draw(ToolButton::Load, Picture::Load);
    draw(ToolButton::LocalBestScores, Picture::Table);
    draw(ToolButton::WorldTop10, Picture::WorldTable);
    draw(ToolButton::Help, Picture::HelpButton);
    draw(ToolButton::Exit, Picture::Exit);
}

void FramePainter::DrawSelectors(QPainter& painter, const Shown& shown) {
    const bool inGame = ShownGame().Flags().gameInProgress != 0;
    if (!inGame) {
        DrawButton(painter, ToolButton::GameType, pictures.Get(Picture::Types),
                   buttons[ToolButton::GameType], shown);
        DrawButton(painter, ToolButton::GameMode, pictures.Get(Picture::Modes),
                   buttons[ToolButton::GameMode], shown);
    } else {
        DrawButton(painter, ToolButton::GameType, pictures.Get(Picture::TypesDisabled), 0, shown);
        DrawButton(painter, ToolButton::GameMode, pictures.Get(Picture::ModesDisabled),
                   buttons[ToolButton::GameMode], shown);
    }
    if (!inGame && ShownOptions().gameMode != WorldChampionship) {
        DrawButton(painter, ToolButton::Bombs, pictures.Get(Picture::BombsButton),
                   buttons[ToolButton::Bombs], shown);
    } else {
        DrawButton(painter, ToolButton::Bombs, pictures.Get(Picture::BombsDisabled), 0, shown);
    }
    DrawButton(painter, ToolButton::Logo, pictures.Get(Picture::Logo), buttons[ToolButton::Logo],
               shown);
}

void FramePainter::DrawClock(QPainter& painter) {
    const QImage& picture = pictures.Get(Picture::ClockDigits);
    const std::int32_t h = std::clamp(clockFace.hour, 0, 99);
    const std::int32_t m = std::clamp(clockFace.minute, 0, 99);
    const QPoint at = layout.clock;
    const std::int32_t w = kClockCell.width();
    auto cell = [&](std::int32_t dx, std::int32_t image) {
        DrawStripImage(painter, at + QPoint(dx, 0), picture, image, kClockCell);
    };
    cell(0, h < 10 ? kClockBlank : h / 10);
    cell(w + 2, h % 10);
    cell(2 * w + 2, kClockColon);
    cell(3 * w + 2, m / 10);
    cell(4 * w + 4, m % 10);
}

void FramePainter::DrawFallingPieceCells(QPainter& painter) {
    const GameState& s = ShownGame().State();
    const QImage& blocks = Blocks(layout.size);
    for (std::int32_t i = 0; i < PieceShape::CellCount(s.currentKind); ++i) {
        CellOffset offset = PieceShape::Offset(s.currentKind, s.rotation, i);
        std::int32_t column = s.column + offset.dx;
        std::int32_t row = s.row + offset.dy;
        if (row >= kFirstVisibleRow && Board::Inside(column, row)) {
            DrawCellImage(painter, blocks, s.currentKind, column, row);
        }
    }
}

void FramePainter::DrawBoard(QPainter& painter) {
    const QImage& blocks = Blocks(layout.size);
    for (std::int32_t row = kFirstVisibleRow; row < Board::kRows; ++row) {
        for (std::int32_t column = 0; column < Board::kColumns; ++column) {
            std::int32_t value = ShownGame().CurrentBoard().At(column, row);
            if (value != Board::kEmpty) {
                DrawCellImage(painter, blocks, value, column, row);
            }
        }
    }
}

void FramePainter::DrawLabels(QPainter& painter) {
    DrawStripImage(painter, layout.gameTypeLabel.topLeft(), pictures.Get(Picture::TypeLabels),
                   ShownOptions().gameType, layout.gameTypeLabel.size());
    DrawStripImage(painter, layout.gameModeLabel.topLeft(), pictures.Get(Picture::ModeLabels),
                   ShownOptions().gameMode, layout.gameModeLabel.size());
    DrawStripImage(painter, layout.bombsLabel.topLeft(), pictures.Get(Picture::BombLabels),
                   ShownOptions().bombsOn ? 0 : 1, layout.bombsLabel.size());
}

const QImage& FramePainter::Blocks(WindowSize size) {
    const QImage& blocks = pictures.Get(Picture::Blocks, size);
    if (ShownOptions().pieceMarks == 0) {
        return blocks;
    }
    return pieceMarks.Marked(blocks, QSize(blocks.height(), blocks.height()));
}

void FramePainter::DrawCellImage(QPainter& painter, const QImage& strip, std::int32_t image,
                                 std::int32_t column, std::int32_t row) {
    DrawStripImage(painter, layout.CellPosition(column, row), strip, image, layout.cell);
}

void FramePainter::RestoreCellBackground(QPainter& painter, std::int32_t column, std::int32_t row) {
    const QRect cell = layout.CellRect(column, row);
    const QRect inField(
        QPoint(column * layout.cell.width(), (row - kFirstVisibleRow) * layout.cell.height()),
        layout.cell);
    const QImage* field = nullptr;
    switch (ShownOptions().fieldBackground) {
    case UserColor:
        painter.fillRect(cell, ColorOfRef(ShownOptions().userColor));
        return;
    case ColorField:
        field = &Sized(Picture::ColorField);
        break;
    case Field3D:
        field = &Sized(Picture::Field3D);
        break;
    case FantasyField:
        field = &Sized(Picture::FantasyField);
        break;
    default: {
        const QImage& back = Sized(Picture::Back);
        if (!back.isNull()) {
            painter.drawImage(cell.topLeft(), back, cell);
        }
        return;
    }
    }
    if (!field->isNull()) {
        painter.drawImage(cell.topLeft(), *field, inField);
    }
}

void FramePainter::DrawIdleCell(QPainter& painter, std::int32_t column, std::int32_t row) {
    const QImage& idle = Sized(Picture::Idle);
    if (!idle.isNull()) {
        painter.drawImage(layout.CellPosition(column, row), idle,
                          QRect(QPoint(column * layout.cell.width(),
                                       (row - kFirstVisibleRow) * layout.cell.height()),
                                layout.cell));
    }
}

void FramePainter::DrawBoardCell(QPainter& painter, std::int32_t column, std::int32_t row) {
    std::int32_t value = ShownGame().CurrentBoard().At(column, row);
    if (value == Board::kEmpty || value < 0 || value >= kKindCount) {
        RestoreCellBackground(painter, column, row);
    } else {
        DrawCellImage(painter, Blocks(layout.size), value, column, row);
    }
}

void FramePainter::DrawFallingPiece(QImage& frame, const Shown& shown) {
    enum Mark : std::uint8_t { Unmarked, Old, New };
    const GameState& s = ShownGame().State();
    const std::int32_t cells = PieceShape::CellCount(s.currentKind);
    std::array<Mark, Board::kCells> marks{};
    std::int32_t left = Board::kColumns, right = -1, top = Board::kRows, bottom = -1;
    auto mark = [&](std::int32_t kind, std::int32_t rotation, std::int32_t column, std::int32_t row,
                    Mark value) {
        for (std::int32_t i = 0; i < cells; ++i) {
            CellOffset offset = PieceShape::Offset(kind, rotation, i);
            std::int32_t c = column + offset.dx;
            std::int32_t r = row + offset.dy;
            if (!Board::Inside(c, r)) {
                continue;
            }
            marks[Board::Index(c, r)] = value;
            left = std::min(left, c);
            right = std::max(right, c);
            top = std::min(top, r);
            bottom = std::max(bottom, r);
        }
    };
    mark(s.drawnKind, s.drawnRotation, s.drawnColumn, s.drawnRow, Old);
    mark(s.currentKind, s.rotation, s.column, s.row, New);

    QPainter painter;
    BeginDrawing(painter, frame);
    const QImage& blocks = Blocks(layout.size);
    for (std::int32_t row = std::max(top, kFirstVisibleRow); row <= bottom; ++row) {
        for (std::int32_t column = left; column <= right; ++column) {
            switch (marks[Board::Index(column, row)]) {
            case Old:
                RestoreCellBackground(painter, column, row);
                break;
            case New:
                DrawCellImage(painter, blocks, s.currentKind, column, row);
                break;
            case Unmarked:
                DrawBoardCell(painter, column, row);
                break;
            }
            shown(layout.CellRect(column, row));
        }
    }
}

void FramePainter::DrawCounters(QImage& frame, const Shown& shown) {
    if (!ShownGame().Flags().gameInProgress) {
        return;
    }
    QPainter painter;
    BeginDrawing(painter, frame);
    DrawAllCounters(painter, shown);
}

void FramePainter::DrawButtons(QImage& frame, const Shown& shown) {
    QPainter painter;
    BeginDrawing(painter, frame);
    DrawToggles(painter, shown);
    if (ShownOptions().showToolBar) {
        DrawToolButtons(painter, shown);
    }
    DrawSelectors(painter, shown);
    if (ShownOptions().showStatusBar || session.Watching()) {
        DrawStatusLine(painter);
        shown(layout.messageStrip);
    }
}

} // namespace brinox
