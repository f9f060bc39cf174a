#include "FigureAccessible.h"

#include "CGameFrame.h"
#include "EnumTable.h"
#include "FrameView.h"

#include <QCoreApplication>

#include <array>

namespace brinox {

namespace {

struct FigureRow {
    Figure figure;
    CounterPlace Layout::*place;
};

constexpr std::array<FigureRow, kFigureCount> kFigures = {{
    {Figure::Level, &Layout::level},
    {Figure::LinesLeft, &Layout::linesLeft},
    {Figure::Score, &Layout::score},
    {Figure::BestScore, &Layout::best},
    {Figure::Lines, &Layout::lines},
    {Figure::Time, &Layout::timer},
    {Figure::Rising, &Layout::rising},
}};
static_assert(RowsInEnumOrder(kFigures, &FigureRow::figure));

// The best-scores table's words where it has them, translated as it translates them.
QString Caption(Figure figure) {
    switch (figure) {
    case Figure::Level:
        return QCoreApplication::translate("brinox::CBestScoresDlg", "Level");
    case Figure::LinesLeft:
        return QCoreApplication::translate("FigureAccessible", "Lines left");
    case Figure::Score:
        return QCoreApplication::translate("brinox::CBestScoresDlg", "Scores");
    case Figure::BestScore:
        return QCoreApplication::translate("FigureAccessible", "Best score");
    case Figure::Lines:
        return QCoreApplication::translate("brinox::CBestScoresDlg", "Lines");
    case Figure::Time:
        return QCoreApplication::translate("FigureAccessible", "Time");
    case Figure::Rising:
        return QCoreApplication::translate("FigureAccessible", "Rising counter");
    }
    return {};
}

QString MinutesAndSeconds(std::int32_t seconds) {
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

FigureAccessible::FigureAccessible(QAccessibleInterface& parent, CGameFrame& frame, Figure figure)
    : LeafAccessible(parent), frame(frame), figure(figure), told(Shown()) {}

const CounterPlace& FigureAccessible::Place() const {
    return frame.CurrentLayout().*kFigures[IndexOf(figure)].place;
}

QString FigureAccessible::Shown() const {
    const Game& game = frame.Session().ShownGame();
    if (game.Flags().gameInProgress == 0) {
        return {};
    }
    const GameState& s = game.State();
    switch (figure) {
    case Figure::Level:
        return QString::number(s.level);
    case Figure::LinesLeft:
        return QString::number(s.linesLeft);
    case Figure::Score:
        return QString::number(s.score);
    case Figure::BestScore:
        return QString::number(game.ShownBestScore());
    case Figure::Lines:
        return QString::number(s.lines);
    case Figure::Time:
        return s.timerSeconds >= 0 ? MinutesAndSeconds(s.timerSeconds) : QString();
    case Figure::Rising:
        return s.risingCounter >= 0 ? QString::number(s.risingCounter) : QString();
    }
    return {};
}

QString FigureAccessible::text(QAccessible::Text t) const {
    const QString caption = Caption(figure);
    switch (t) {
    case QAccessible::Name: {
        const QString shown = Shown();
        return shown.isEmpty() ? caption : caption + QStringLiteral(": ") + shown;
    }
    case QAccessible::Value:
        return Shown();
    default:
        return {};
    }
}

QRect FigureAccessible::rect() const {
    const QRect area = Place().rect;
    return {frame.View().mapToGlobal(area.topLeft()), area.size()};
}

QAccessible::State FigureAccessible::state() const {
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = Shown().isEmpty();
    return state;
}

void* FigureAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                              : nullptr;
}

void FigureAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString FigureAccessible::text(int startOffset, int endOffset) const {
    const QString shown = Shown();
    // An end of -1 means the end of the text.
    const int end = endOffset < 0 ? static_cast<int>(shown.size()) : endOffset;
    return shown.mid(startOffset, end - startOffset);
}

QString FigureAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = offset;
    *endOffset = offset;
    return {};
}

bool FigureAccessible::TellChanges() {
    const QString now = Shown();
    if (now == told) {
        return false;
    }
    QAccessibleTextUpdateEvent update(this, 0, told, now);
    QAccessible::updateAccessibility(&update);
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    if (now.isEmpty() != told.isEmpty()) {
        QAccessible::State changed;
        changed.invisible = true;
        QAccessibleStateChangeEvent shown(this, changed);
        QAccessible::updateAccessibility(&shown);
    }
    told = now;
    return true;
}

} // namespace brinox
