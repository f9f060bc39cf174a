// The 26 lines of the status bar, one for whatever the pointer is over
// (ButtonStates::statusMessage is the index). Our own words: the asset
// generator draws them in English into the status-bar picture, and the
// window writes a translated line (context "StatusLines") over that picture's
// strip instead.
#pragma once

#include "ButtonStates.h"

#include "engine/TextMarks.h"

#include <array>

namespace brinox {

inline constexpr std::array<const char*, ButtonStates::kStatusLines> kStatusLines = {
    // 0: the pointer is over nothing in particular.
    BRINOX_TEXT("StatusLines",
                "Fill whole rows with blocks to clear them. F2: start or stop a game, F1: help."),
    BRINOX_TEXT("StatusLines", "Start a new game, or stop the game in progress (F2)."),
    BRINOX_TEXT("StatusLines", "Pause the game, or carry on with a paused game (Pause key)."),
    BRINOX_TEXT("StatusLines", "Options: game, look, keys and sounds (F3)."),
    BRINOX_TEXT("StatusLines", "Save the game in progress (Ctrl+S); not in World Championship."),
    BRINOX_TEXT("StatusLines", "Load a saved game (Ctrl+L); it replaces the game in progress."),
    BRINOX_TEXT("StatusLines", "Local best scores: the ten best of each game type and mode (F4)."),
    BRINOX_TEXT("StatusLines", "World Championship Top 10 (F5); its UPDATE button downloads it."),
    BRINOX_TEXT("StatusLines", "Help (F1). A right click on the window explains the window."),
    BRINOX_TEXT("StatusLines", "Quit Brinox 2000 (Ctrl+X). Your options are kept for next time."),
    BRINOX_TEXT("StatusLines", "Game type: Quadel (4-block pieces) or Quinel (3 to 5 blocks)."),
    BRINOX_TEXT("StatusLines", "Game mode: Classic, Timer, Rising or World Championship."),
    BRINOX_TEXT("StatusLines", "Bombs on or off: clear 2, 3 or 4 rows at once to get a bomb."),
    BRINOX_TEXT("StatusLines", "Visit the Brinox 2000 home page in your web browser."),
    BRINOX_TEXT("StatusLines", "Show or hide the tool bar."),
    BRINOX_TEXT("StatusLines", "Show or hide the next-piece bar."),
    BRINOX_TEXT("StatusLines", "Show or hide the status bar."),
    BRINOX_TEXT("StatusLines", "The next piece: it falls when the current one has landed."),
    BRINOX_TEXT("StatusLines", "Status bar: a hint on whatever the pointer is over, and a clock."),
    BRINOX_TEXT("StatusLines", "Level: 20 levels, and the pieces fall faster on each new one."),
    BRINOX_TEXT("StatusLines", "Rows still to clear before this level is finished."),
    BRINOX_TEXT("StatusLines", "Score: 200, 500, 1000, 2000 for 1 to 4 rows; 7 per row dropped."),
    BRINOX_TEXT("StatusLines", "Rows cleared so far in this game."),
    BRINOX_TEXT("StatusLines", "Countdown: clearing rows adds seconds; at 00:00 the game is over."),
    BRINOX_TEXT("StatusLines", "Rising counter: at 0 a row of blocks rises from below."),
    BRINOX_TEXT("StatusLines", "Best score of this game type and mode. Can you beat it?"),
};

} // namespace brinox
