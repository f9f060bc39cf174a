#include "Layout.h"

#include "QtGeometry.h"

namespace brinox {

namespace {

CounterPlace Counter(const geometry::Counter& counter) {
    return {ToQt(counter.rightDigit), ToQt(counter.rect)};
}

} // namespace

Layout Layout::For(WindowSize size) {
    const geometry::WindowGeometry& g = geometry::Of(size);
    Layout l;
    l.size = g.size;
    l.client = ToQt(g.client);
    l.playingArea = ToQt(g.playingArea);
    l.cell = ToQt(g.cell);
    l.boardOrigin = ToQt(g.boardOrigin);
    l.toolBar = ToQt(g.toolBar);
    l.nextBar = ToQt(g.nextBar);
    for (const geometry::ButtonPlace& place : g.buttons) {
        l.buttons[IndexOf(place.button)] = ToQt(place.rect);
    }
    l.gameTypeLabel = ToQt(g.gameTypeLabel);
    l.gameModeLabel = ToQt(g.gameModeLabel);
    l.bombsLabel = ToQt(g.bombsLabel);
    l.level = Counter(g.level);
    l.linesLeft = Counter(g.linesLeft);
    l.score = Counter(g.score);
    l.lines = Counter(g.lines);
    l.timer = Counter(g.timer);
    l.rising = Counter(g.rising);
    l.best = Counter(g.best);
    l.messageStrip = ToQt(g.messageStrip);
    l.statusCover = ToQt(g.statusCover);
    l.clock = ToQt(g.clock);
    return l;
}

QPoint Layout::NextPieceOrigin(std::int32_t kind) const {
    return ToQt(geometry::NextPieceOrigin(geometry::Of(size), kind));
}

} // namespace brinox
