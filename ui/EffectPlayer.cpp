#include "EffectPlayer.h"

#include <QPainter>

#include <algorithm>

namespace brinox {

namespace {

constexpr std::int32_t kFirstVisibleRow = Board::kSpawnRows;
constexpr std::int32_t kLastRow = Board::kRows - 1;
constexpr std::int32_t kFrames = 5;
constexpr std::int32_t kCoverColors = 7;

bool MarkedForRemoval(std::int32_t value) {
    return value >= Board::kRemovalMark && value < Board::kEmpty;
}

} // namespace

EffectPlayer::EffectPlayer(const GameSession& session, const Options& options, Random& random,
                           FramePainter& painter, FramePainter::Shown show, Sleep sleep)
    : session(session), options(options), random(random), painter(painter), show(std::move(show)),
      sleep(std::move(sleep)) {}

// A typed speed has no upper limit and is slept as typed; a negative one (a
// file the game did not write) must not turn into a huge unsigned wait.
void EffectPlayer::Pause(std::int32_t milliseconds) {
    sleep(std::max(milliseconds, 0));
}

void EffectPlayer::FieldAnimation(QImage& frame, FieldAnimationKind kind) {
    const std::int32_t color = random.Next() % kCoverColors;
    const Layout& layout = painter.CurrentLayout();
    const QImage& blocks = painter.Blocks(layout.size);
    for (std::int32_t row = kFirstVisibleRow; row <= kLastRow; ++row) {
        {
            QPainter p(&frame);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            for (std::int32_t column = 0; column < Board::kColumns; ++column) {
                painter.DrawCellImage(p, blocks, color, column, row);
            }
        }
        show(layout.RowStrip(row));
        Pause(options.levelAnimationSpeed);
    }
    const bool revealBoard =
        kind == FieldAnimationKind::NewGame || kind == FieldAnimationKind::LevelFinished;
    for (std::int32_t row = kLastRow; row >= kFirstVisibleRow; --row) {
        {
            QPainter p(&frame);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            for (std::int32_t column = Board::kColumns - 1; column >= 0; --column) {
                if (!revealBoard) {
                    painter.DrawIdleCell(p, column, row);
                } else if (ShownBoard().At(column, row) == Board::kEmpty) {
                    painter.RestoreCellBackground(p, column, row);
                } else {
                    painter.DrawCellImage(p, blocks, ShownBoard().At(column, row), column, row);
                }
            }
        }
        show(layout.RowStrip(row));
        Pause(options.levelAnimationSpeed);
    }
}

void EffectPlayer::RowRemoval(QImage& frame) {
    const QImage& removal = painter.Sized(Picture::Removal);
    const Layout& layout = painter.CurrentLayout();
    for (std::int32_t f = 0; f < kFrames; ++f) {
        for (std::int32_t row = kFirstVisibleRow; row <= kLastRow; ++row) {
            if (!MarkedForRemoval(ShownBoard().At(0, row))) {
                continue;
            }
            {
                QPainter p(&frame);
                p.setCompositionMode(QPainter::CompositionMode_Source);
                for (std::int32_t column = 0; column < Board::kColumns; ++column) {
                    std::int32_t value = ShownBoard().At(column, row);
                    if (MarkedForRemoval(value)) {
                        painter.DrawCellImage(
                            p, removal, (value - Board::kRemovalMark) * kFrames + f, column, row);
                    }
                }
            }
            show(layout.RowStrip(row));
        }
        Pause(options.demolitionSpeed);
    }
}

void EffectPlayer::Explosion(QImage& frame, const BlastRect& blast) {
    const Layout& layout = painter.CurrentLayout();
    const QRect area = layout.CellRect(blast.firstColumn, blast.firstRow)
                           .united(layout.CellRect(blast.lastColumn, blast.lastRow))
                           .intersected(frame.rect());
    // The blast is shown over the frame but must not stay in it: keep what was there.
    const QImage saved = frame.copy(area);
    const QImage& explosion = painter.Sized(Picture::Explosion);
    for (std::int32_t f = 0; f < kFrames; ++f) {
        {
            QPainter p(&frame);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            for (std::int32_t row = blast.firstRow; row <= blast.lastRow; ++row) {
                for (std::int32_t column = blast.firstColumn; column <= blast.lastColumn;
                     ++column) {
                    painter.DrawCellImage(p, explosion, f, column, row);
                }
            }
        }
        if (!area.isEmpty()) {
            show(area);
        }
        Pause(options.demolitionSpeed);
    }
    QPainter p(&frame);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(area.topLeft(), saved);
}

} // namespace brinox
