// Where the window puts things, in client pixels, for the Normal (0) and Big
// (1) window. The backgrounds are drawn around these rectangles so that the
// bars, buttons and counters drawn over them fall into their boxes.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace brinox::art {

struct CounterBox {
    QRect rect;
    const char* caption;
};

struct ScreenGeometry {
    QSize client;
    QRect field;
    int cell;
    QRect toolBar;
    QRect nextBar;
    QPoint nextToggle;
    QPoint toolToggle;
    QPoint statusToggle;
    QRect typeButton;
    QRect modeButton;
    QRect bombsButton;
    QRect logo;
    CounterBox level, linesLeft, score, lines, timer, rising, best;
    QRect statusStrip;
    QRect statusCover;
    QPoint clock;
    // Right-most digit cells, for previews.
    QPoint levelDigit, linesLeftDigit, scoreDigit, linesDigit, timerDigit, risingDigit, bestDigit;
    QPoint nextOffset; // added to the Normal next-piece origins

    static const ScreenGeometry& Of(int sizeIndex);
};

inline const ScreenGeometry& ScreenGeometry::Of(int sizeIndex) {
    static const ScreenGeometry normal{
        {483, 404},
        {141, 15, 200, 360},
        20,
        {16, 32, 110, 123},
        {356, 32, 110, 73},
        {451, 18},
        {111, 18},
        {3, 382},
        {16, 185, 24, 23},
        {16, 233, 24, 23},
        {16, 281, 24, 23},
        {32, 318, 75, 32},
        {{356, 138, 48, 21}, "LEVEL"},
        {{420, 138, 48, 21}, "TO CLEAR"},
        {{356, 187, 112, 21}, "SCORE"},
        {{372, 236, 80, 21}, "LINES"},
        {{356, 285, 71, 21}, "TIMER"},
        {{436, 285, 32, 21}, "RISE"},
        {{356, 334, 112, 21}, "BEST SCORE"},
        {21, 383, 414, 15},
        {21, 382, 460, 17},
        {442, 386},
        {388, 138},
        {452, 138},
        {452, 187},
        {436, 236},
        {411, 285},
        {452, 285},
        {452, 334},
        {0, 0},
    };
    static const ScreenGeometry big{
        {602, 590},
        {151, 14, 300, 540},
        30,
        {16, 53, 110, 123},
        {476, 53, 110, 73},
        {571, 39},
        {111, 39},
        {62, 568},
        {16, 236, 24, 23},
        {16, 284, 24, 23},
        {16, 332, 24, 23},
        {34, 486, 75, 32},
        {{475, 206, 48, 21}, "LEVEL"},
        {{539, 206, 48, 21}, "TO CLEAR"},
        {{475, 255, 112, 21}, "SCORE"},
        {{491, 304, 80, 21}, "LINES"},
        {{475, 353, 71, 21}, "TIMER"},
        {{555, 353, 32, 21}, "RISE"},
        {{475, 402, 112, 21}, "BEST SCORE"},
        {80, 569, 414, 15},
        {80, 568, 460, 17},
        {501, 572},
        {507, 206},
        {571, 206},
        {571, 255},
        {555, 304},
        {530, 353},
        {571, 353},
        {571, 402},
        {120, 21},
    };
    return sizeIndex == 0 ? normal : big;
}

} // namespace brinox::art
