#include "HelpText.h"

#include "ui/StatusLines.h"

namespace brinox::art {

QStringList HelpText::StatusLines() {
    QStringList lines;
    for (const char* line : kStatusLines) {
        lines << QString::fromUtf8(line);
    }
    return lines;
}

QStringList HelpText::IdleWords() {
    return {"BRINOX", "2000", "WORLD CHAMPIONSHIP", "QUADEL \u00b7 QUINEL",
            "Classic \u00b7 Timer \u00b7 Rising \u00b7 Championship"};
}

std::string HelpText::HelpFile() {
    return R"(BRINOX-HELP 1
@topic 1 Brinox 2000 help - contents
Welcome to Brinox 2000: World Championship, a falling-block puzzle game. Pick a topic:

- [[2|How to play]]
- [[3|Keys and mouse]]
- [[4|Game types: Quadel and Quinel]]
- [[5|Game modes]]
- [[6|Scoring]]
- [[7|Bombs]]
- [[8|Levels and start height]]
- [[9|Options]]
- [[10|The main window]]
- [[11|Best scores]]
- [[12|Saving and loading games]]
- [[13|The World Championship]]
- [[14|Options: Game page]], [[15|Interface page]], [[16|Control page]], [[17|Sound page]]

Press F1 or the Help button in the main window to come back here, or click the right mouse button over the window for help on the window itself. The Help menu also opens the Brinox 2000 home page, the story of the cathedral in the background picture (About Cathedral) and the About box.

@topic 2 How to play
Pieces made of blocks fall one at a time into the playing field, which is 10 blocks wide. Move and turn each piece while it falls, so that it lands where it fits best.

When a row of the field is completely filled with blocks, the row is removed and every block above it moves down. Clearing several rows with one piece scores much more than clearing them one by one.

Each level asks you to clear a number of rows (the counter below the level shows how many are left). Clearing them finishes the level, and the next level starts with faster pieces. Finish level 20 and you have won.

The game is over when a piece comes to rest at the very top of the field, above the visible area.

The bar at the right shows the next piece, so you can plan ahead. Press F2 to start a game.

See also: [[3|Keys and mouse]], [[6|Scoring]], [[8|Levels and start height]].

@topic 3 Keys and mouse
The game keys (you can change them on the Control page of the [[9|Options]]):

- Left Arrow: move the piece one column left
- Right Arrow: move the piece one column right
- Up Arrow: rotate the piece
- Down Arrow: move the piece one row down (7 points for each row)
- Space: drop the piece to the bottom (7 points for each row it falls)
- Pause: pause the game, and press again to carry on

Holding a game key (all but Pause) repeats it. The sensitivity of each key on the Control page is the time in milliseconds before the repeat begins: 0 repeats at once, 1000 or more never repeats (so with the default settings, one press of Space drops one piece only).

Commands:

- F2: start a game, or stop the game in progress
- F3: options
- F4: local best scores
- F5: World Championship Top 10 (the table as last downloaded)
- Ctrl+S / Ctrl+L: save / load a game
- Ctrl+1, Ctrl+2, Ctrl+3: Normal, Big or Automatic window size
- Alt+0, Alt+1: champions of the 2000 and 2001 championships
- F1: this help; Ctrl+X: quit

While you watch a replay (see [[11|Best scores]]):

- Pause: pause the replay, and press again to carry on
- 1, 2, 4: normal, double or quadruple speed
- Escape or F2: stop watching

With the mouse you can use every button of the tool bar and the three selectors for game type, mode and bombs; the status bar at the bottom explains whatever the pointer is over.

@topic 4 Game types: Quadel and Quinel
Quadel uses the seven classic pieces of four blocks each.

Quinel adds eight pieces of five blocks and one small corner piece of three blocks, sixteen pieces in all. It is harder to keep the field tidy with the long five-block pieces, so plan ahead with the next-piece bar.

Choose the type with the game-type selector at the left of the window, or on the Game page of the [[9|Options]]. The type can only be changed while no game is in progress. World Championship mode is played with Quadel only.

@topic 5 Game modes
Classic mode: clear the rows of each level; nothing else hurries you but the speed of the pieces.

Timer mode: a countdown starts at 3 minutes. Each row you clear adds time: 3 seconds for one row, 6 for two, 10 for three and 15 for four at once, up to 59:59. Each new level adds another 15 seconds. A beep sounds over the last 10 seconds; when the time runs out the game is lost.

Rising mode: every piece that clears no row lowers the rising counter by one. At zero, a row of random blocks (with gaps) is pushed in from the bottom and the whole field moves up. Clearing rows raises the counter again (1, 2, 4 or 6 for one to four rows). The counter starts at 10 and gets shorter in later levels.

World Championship: Quadel without bombs, with its own faster level table and more rows to clear. From level 12 a countdown runs as in Timer mode, and from level 15 rows rise as in Rising mode. Your best results can be sent to the championship, see [[13|The World Championship]].

Choose the mode with the game-mode selector or on the Game page of the [[9|Options]].

@topic 6 Scoring
Rows cleared with one piece:

- 1 row: 200 points
- 2 rows: 500 points
- 3 rows: 1000 points
- 4 rows: 2000 points

Each row a piece moves down by the Down Arrow or falls by a drop (Space) adds 7 points, so dropping pieces early pays. Bombs score nothing by themselves.

Points do not depend on the level or the mode. The best score of your table is shown under the counters; a sound plays the moment you beat it.

@topic 7 Bombs
With bombs switched on (the bombs selector, or "Bombs in the game" on the Game page of the [[9|Options]]), clearing two or more rows at once turns the next piece into a bomb:

- 2 rows: a small bomb, which destroys the one block it hits
- 3 rows: a medium bomb, which blasts 3 columns by 2 rows
- 4 rows: a large bomb, which blasts 5 columns by 2 rows

Steer a bomb like any piece. It explodes when it runs into a block, below or beside it; the blast starts at that block and reaches down. The blocks above a blast stay where they are. A bomb that falls to the floor or is pushed out through a side wall is lost. After the bomb, the piece shown in the next-piece bar falls.

There are no bombs in World Championship mode.

@topic 8 Levels and start height
A game has 20 levels. Each level has its own speed and number of rows to clear; the counter "to clear" shows how many rows are still needed. Extra rows cleared at the end of a level do not carry over.

On the Game page of the [[9|Options]] you can start at any level from 1 to 20, and begin with 0 to 13 rows of random blocks already in the field (the height) for an extra challenge.

Finishing level 20 wins the game in Classic, Timer and Rising mode. In World Championship mode the last level never ends: play as long as you can.

@topic 9 Options
Press F3 or the Options button to open the options. They have four pages, each with a topic of its own:

- [[14|Game]]: game type, game mode, bombs, start level, height and the speed of the animations.
- [[15|Interface]]: the background of the playing area, the bars, the window title, the digits and the blocks.
- [[16|Control]]: the keys and how fast they repeat.
- [[17|Sound]]: the twelve sounds of the game.

Close the options with OK to use your changes, or with Cancel to forget them. Options are saved in the game directory and come back the next time you play.

@topic 10 The main window
The playing field is in the middle. Around it:

- Tool bar (top left): Start/Stop, Pause (Resume while paused), Options, Save, Load, local best scores (Scores), World Championship Top 10 (Top 10), Help and Exit. Pause works only during a game or a replay, Save only during a game outside World Championship mode. The small button above it hides or shows the tool bar.
- Selectors (left): game type (Quadel or Quinel), game mode and bombs for the next game. Click a selector button to step through the choices; they rest while a game is in progress, and the bombs selector rests in World Championship mode, which has no bombs.
- Logo (bottom left): opens the Brinox 2000 home page.
- Next-piece bar (top right): the piece that comes next. The small button above it hides or shows the bar.
- Counters (right): level, rows still to clear in this level, score, rows cleared, the countdown (Timer mode and late World Championship levels), the rising counter (Rising mode and late World Championship levels) and the best score of the table for this type and mode.
- Status bar (bottom): a hint about whatever the mouse pointer is over, and a clock. The button at its left end hides or shows it.

While no game is running, or while it is paused, the field shows the title picture. The window has two sizes, Normal and Big; Automatic picks Big on screens of at least 830 by 620 pixels (Game menu, Window size).

The picture behind the game shows the Cathedral of the Intercession on Red Square in Moscow, known as St. Basil's; see Help, About Cathedral.

See also: [[2|How to play]], [[3|Keys and mouse]].

@topic 11 Best scores
Each combination of game type and mode has its own table of the ten best results: Quadel in Classic, Timer, Rising and World Championship mode, and Quinel in Classic, Timer and Rising mode. An eighth table holds the World Championship Top 10 from the server.

Results are ranked by score, then by level, then by rows cleared. When a game ends with a result good enough for its table, you are asked for your name and the result is entered. Each row's Info button shows the details of that game: start and end time, time played, pieces, bombs and drop times.

Open the tables with F4 or the Scores button, and pick a table under TABLES. The CLEAR button empties the table shown (you are asked first). F5 or the Top 10 button opens the World Championship Top 10, see [[13|The World Championship]].

Watching a game again: every game you play from its start is recorded, and a row of a local table whose recording is kept has a Replay button. It closes the tables and plays that game in the main window from its start to its end, at the speed it was played and with its sounds. Pause pauses and carries on, 1, 2 and 4 choose normal, double and quadruple speed, and Escape or F2 stops watching; the window's title and the status bar say which: Replay, Replay 2x, Replay (paused) and so on. Your game keys play no part in a replay. Watching changes nothing: no table, option or file, and the commands that would (options, saving and loading, the tables, the window size) wait until the replay is over or left. A game continued from a saved game has no replay.

@topic 12 Saving and loading games
Press Ctrl+S or the Save button during a game to save it to a file (extension .tsv) wherever you like. Press Ctrl+L or the Load button to load it again later: the loaded game replaces any game in progress (you are asked first) and goes on from the position it was saved in, with its score, level, counters and the time played so far.

Games in World Championship mode cannot be saved: a championship game is played in one go.

@topic 13 The World Championship
Choose Quadel and the World Championship mode to play for the championship. The rules are fixed for everybody: no bombs, the championship level table, a countdown from level 12 and rising rows from level 15. Level 20 never ends, so the game lasts until you lose.

Your ten best championship games are kept in the table "Quadel: World Championship". After such a game, or with the SEND button of that table, you can send the table to the championship server together with your name, e-mail address and country.

Press F5 or the Top 10 button to see the world Top 10 as it was last downloaded; the UPDATE button of that table downloads the current one from the championship server. A transfer shows its progress and can be stopped with Cancel. The Champions menu (Alt+0, Alt+1) shows the winners of past championships, and Best Scores, World Championship Homepage opens the championship's web page.

Good luck!

@topic 14 Options: Game page
The Game page sets up the next game. While a game is in progress only the two speeds can be changed; the rest waits until the game is over.

- Game Type: Quadel (the seven four-block pieces) or Quinel (sixteen pieces of three to five blocks). See [[4|Game types]].
- Game Mode: Classic, Timer, Rising or World Championship. World Championship is for Quadel only, so it cannot be chosen with Quinel. See [[5|Game modes]].
- Bombs: "Bombs in the game" switches [[7|bombs]] on. It is switched off and cannot be chosen in World Championship mode.
- Start Level: begin at any level from 1 to 20.
- Height: begin with 0 to 13 rows of random blocks in the field.
- Velocity: the speed of the row-removal animation ("Demolition of blocks") and of the "Next Level" and "Game over" animations, from 0 (fastest) to 1000 (slowest). The arrows stay within 0 to 1000; a larger number can be typed in and is used as it is.

The game type, mode and bombs can also be chosen with the three selectors at the left of the main window.

Back to [[9|Options]].

@topic 15 Options: Interface page
The Interface page changes the look of the window; nothing here changes the rules.

- Background of Playing Area: Grey field, Color field, 3D field, Fantasy field or User-defined color. With User-defined color, press "Define color..." to choose the colour.
- View: show or hide the next-piece bar, the tool bar and the status bar, and switch the animated text of the window's title bar on or off. The small buttons on the window hide and show the bars too.
- Digits Set: three looks for the counters, side by side: red LED, green LCD, or white on blue.
- Block Set: fourteen looks for the blocks in two columns, from Bevelled and Glossy to Retro pixel and Marble.

Back to [[9|Options]].

@topic 16 Options: Control page
Redefine keys: press the button of a key (Move Left, Move Right, Move Down, Rotate, Drop Bottom or Pause game), then press the new key; Escape cancels. F1 to F12 belong to the game's commands, and a key the game does not know cannot be used either: for such a key the box says so and waits for another one. The field beside the button shows the key in use. "Reset to defaults" brings back the Arrow keys, Space and Pause.

Redefine sensitivity of keys: for each movement key, the time in milliseconds a held key waits before it repeats, from 0 (fastest) to 1000 (slowest, no repeat at all). The arrows stay within 0 to 1000; a larger number can be typed in and never repeats either. The defaults are 50 for Move Left, Move Right and Move Down, 100 for Rotate and 1000 for Drop Bottom, so one press of Space drops exactly one piece. A lower number makes a held key sweep the piece across the field sooner.

Gamepad: the page names the game controller that is connected, or says "No gamepad connected". A controller can be plugged in or out at any time. The D-pad or the left stick moves the piece left, right and down, A rotates it, B or the right shoulder button drops it to the bottom, Start pauses the game (or starts one when none is running) and Back asks to stop the game, as F2 does; during a replay Start pauses it and Back stops watching. Each control repeats like the key it stands for, with that key's sensitivity, and like the keys it does nothing while a dialog or another program is in front.

See also [[3|Keys and mouse]]. Back to [[9|Options]].

@topic 17 Options: Sound page
"turns Sound on/off" switches every sound of the game on or off at once.

Under "Setup of each sound individually", choose one of the twelve sounds in the list (Button press, Block drop, Block removed, Bomb Explosion, Game over, You win!, Level is finished, Timer, Row of blocks is added, Start of game, Bomb disappears and Best score is reached), then:

- "turns this sound on/off" switches that sound alone.
- Play lets you hear it.
- Change picks another WAV file for it.
- "Reset to Defaults" gives it back its own sound; "Reset All Sounds to Defaults" does so for all twelve.

Sounds need a working sound server on your desktop; without one the game simply plays in silence.

Back to [[9|Options]].
)";
}

} // namespace brinox::art
