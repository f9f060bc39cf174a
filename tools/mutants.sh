#!/usr/bin/env bash
# Mutation check: plants small faults in the game's code one at a time and
# tells which of them the tests catch.
#
#   tools/mutants.sh [build-dir] [name-filter]
#   tools/mutants.sh --sample N --seed S [...]   faults drawn at random, see tools/mutants-sample.py
#
# build-dir defaults to build/release; use a directory of its own (for
# example build/mutants, configured here when missing) so that a normal
# build is never left holding a mutant. name-filter is a grep pattern over
# the mutant names. BRINOX_MUTANT_JOBS sets the parallelism (default 2);
# BRINOX_MUTANT_ALL=1 runs the whole suite for every mutant instead of the
# test labels listed with it; BRINOX_MUTANT_SET=old or new runs one list only;
# BRINOX_MUTANT_DRY=1 only checks that every mutant still applies (no build).
# BRINOX_MUTANT_MATRIX=FILE runs each mutant's tests to the end and appends
# to FILE one line per caught mutant, "name<TAB>failed test; failed test...",
# to tell which tests catch what (a test in no line catches none of them).
#
# Each mutant is one or more literal substitutions in one file (a field order
# swapped in both the writer and the reader is one fault). Each original text
# must match exactly once, otherwise the mutant is reported as stale and
# skipped. The file is restored after every mutant and on any exit.
set -uo pipefail
# --sample N --seed S, --only ID, --sites: mutants drawn at random (tools/mutants-sample.py)
case "${1:-}" in --sample | --only | --sites) exec /usr/bin/python3 "$(dirname "$0")/mutants-sample.py" "$@" ;; esac
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build/release}
filter=${2:-.}
jobs=${BRINOX_MUTANT_JOBS:-2}

# name @@ file @@ original text @@ mutated text @@ test labels (ctest -L regex)
#      [@@ second original @@ second mutated ...]
# "\n" in a text stands for a line break. The first list holds the faults
# the tests were first measured against; the second one, faults chosen in
# the tables a player sees or a file holds before their oracles were written.
mutants() {
    cat <<'EOF'
L and J swapped @@ engine/PieceShape.cpp @@ {4, 5, 2, {{{0,0},{-1,0},{1,0},{1,-1}} @@ {4, 5, 2, {{{0,0},{-1,-1},{-1,0},{1,0}} @@ engine
O start row moved @@ engine/PieceShape.cpp @@ {4, 5, 1, {{{0,0},{0,1},{1,1},{1,0}} @@ {4, 5, 2, {{{0,0},{0,1},{1,1},{1,0}} @@ engine
I start column moved @@ engine/PieceShape.cpp @@ {4, 5, 2, {{{0,0},{-2,0} @@ {4, 4, 2, {{{0,0},{-2,0} @@ engine
Left repeats at the Rotate delay @@ engine/KeyWatcher.cpp @@ return options.sensLeft; @@ return options.sensRotate; @@ engine
Repeat starts one tick late @@ engine/KeyWatcher.cpp @@ held >= sensitivity @@ held > sensitivity @@ engine
Release during first step ignored @@ engine/KeyWatcher.cpp @@ keys[k].releasePending = 1; @@ keys[k] = KeyState{}; @@ engine
Random multiplier changed @@ engine/Random.h @@ 214013u @@ 214015u @@ engine|settings|scores
Random increment changed @@ engine/Random.h @@ 2531011u @@ 2531013u @@ engine|settings|scores
File key 0 kept as 1 @@ engine/Random.h @@ k == 0 ? 10 : k @@ k == 0 ? 1 : k @@ engine|settings|scores
Three-row score changed @@ engine/Game.cpp @@ {0, 200, 500, 1000, 2000} @@ {0, 200, 500, 1200, 2000} @@ engine
Drop step score changed @@ engine/Game.cpp @@ kMoveScore = 7; @@ kMoveScore = 6; @@ engine
Timer bonus changed @@ engine/Game.cpp @@ {0, 3, 6, 10, 15} @@ {0, 3, 6, 10, 16} @@ engine
Rising change changed @@ engine/Game.cpp @@ {-1, 1, 2, 4, 6} @@ {-1, 1, 2, 3, 6} @@ engine
Timer cap raised @@ engine/Game.cpp @@ kMaxTimerSeconds = 3599; @@ kMaxTimerSeconds = 3600; @@ engine
Rotation turns the other way @@ engine/Game.cpp @@ ((state.rotation & 3) + 1) & 3 @@ ((state.rotation & 3) + 3) & 3 @@ engine
Medium bomb as wide as large @@ engine/Game.cpp @@ kind == kMediumBomb ? 1 : 0 @@ kind == kMediumBomb ? 2 : 0 @@ engine
Small bomb blasts two rows @@ engine/Game.cpp @@ depth = kind == kSmallBomb ? 0 : 1; @@ depth = 1; @@ engine
Bombs in championship @@ engine/Game.cpp @@ options.bombsOn != 0 && !ChampionshipMode() @@ options.bombsOn != 0 @@ engine
Quinel misses a piece @@ engine/Game.cpp @@ options.gameType == Quinel ? 16 : 7 @@ options.gameType == Quinel ? 15 : 7 @@ engine
Rising row gap rule changed @@ engine/Game.cpp @@ random.Next() % 3 == 2 @@ random.Next() % 3 == 1 @@ engine
Spawn zone one row short @@ engine/Game.cpp @@ inSpawnZone || r < Board::kSpawnRows; @@ inSpawnZone || r < Board::kSpawnRows - 1; @@ engine
Level ends one row late @@ engine/Game.cpp @@ rows > 0 && state.linesLeft <= 0 @@ rows > 0 && state.linesLeft < 0 @@ engine
Countdown beeps from 9 @@ engine/Game.cpp @@ state.timerSeconds <= 10) @@ state.timerSeconds < 10) @@ engine
Best score reached on a tie @@ engine/Game.cpp @@ state.score > state.bestScore) { @@ state.score >= state.bestScore) { @@ engine
Average drop not divided @@ engine/Game.cpp @@ state.avgDropSeconds /= state.pieces; @@ state.avgDropSeconds /= 1; @@ engine
Growth limit passed @@ engine/Game.cpp @@ if (value < kGrowthLimit) { @@ if (value <= kGrowthLimit) { @@ engine
Timer mode starts with 181 s @@ engine/LevelTable.h @@ kTimerStartSeconds = 180; @@ kTimerStartSeconds = 181; @@ engine
Level 5 fall period changed @@ engine/LevelTable.cpp @@ { 400, 17,  9,  370, @@ { 410, 17,  9,  370, @@ engine
Date text hour padded @@ engine/DateTimeText.cpp @@ %d %d:%02d:%02d @@ %d %02d:%02d:%02d @@ engine|scores
Options: two sensitivities swapped @@ settings/OptionsFile.cpp @@ &Options::sensDown,\n            &Options::sensDrop, @@ &Options::sensDrop,\n            &Options::sensDown, @@ settings
Options: start level and height swapped @@ settings/OptionsFile.cpp @@ {&Options::startLevel, &Options::startHeight, @@ {&Options::startHeight, &Options::startLevel, @@ settings
Options: sound switches after files @@ settings/OptionsFile.cpp @@ if (!archive.ReadInt(o.soundOn)) { @@ if (!archive.ReadInt(o.animateTitle)) { @@ settings
Options: start height 13 refused @@ engine/Options.h @@ {&Options::startHeight, 0, kMaxStartHeight}, @@ {&Options::startHeight, 0, kMaxStartHeight - 1}, @@ settings
Options: format number changed @@ settings/FileSignatures.h @@ kOptionsFormat = 195; @@ kOptionsFormat = 196; @@ settings
Archive: 255-char string short prefix @@ settings/Archive.cpp @@ if (length < kWidePrefix) { @@ if (length <= kWidePrefix) { @@ settings
Archive: 65534-char string medium prefix @@ settings/Archive.cpp @@ } else if (length < kWideMark) { @@ } else if (length <= kWideMark) { @@ settings
Archive: signature prefix accepted @@ settings/Archive.cpp @@ if (!archive.ReadString(found) || found != signature) { @@ if (!archive.ReadString(found) || found.substr(0, signature.size()) != signature) { @@ settings
Saved game: drawn sign flipped @@ settings/SavedGame.cpp @@ kDrawnMultiplier = -kPieceMultiplier; @@ kDrawnMultiplier = kPieceMultiplier; @@ settings
Saved game: rising period in wrong group @@ settings/SavedGame.cpp @@ {&GameState::risingPeriod, kPieceMultiplier}, @@ {&GameState::risingPeriod, kRisingCounterMultiplier}, @@ settings
Saved game: board written mirrored @@ settings/SavedGame.cpp @@ Hide(g.board.cells[Board::Index(c, r)] @@ Hide(g.board.cells[Board::Index(9 - c, r)] @@ settings
Saved game: clock refs kept @@ settings/SavedGame.cpp @@     s.clockRefsValid = 0;\n    return true; @@     return true; @@ settings
Saved game: level 20 refused @@ settings/SavedGame.cpp @@ WithinRange(s.level, 1, kLevels) @@ WithinRange(s.level, 1, kLevels - 1) @@ settings
Window size: Big forgotten @@ settings/WindowSizeFile.cpp @@ setting != kWindowSizeNormal && setting != kWindowSizeBig @@ setting != kWindowSizeNormal @@ settings
Code page: euro sign moved @@ settings/Windows1252.cpp @@ u'\u20AC', u'\u0081', @@ u'\u20AD', u'\u0081', @@ settings|scores
Top 10: country before bombsOn @@ scores/ScoreEntryFormat.cpp @@     archive.WriteInt(e.bombsOn);\n    if (withCountry) {\n        archive.WriteString(e.country);\n    } @@     if (withCountry) {\n        archive.WriteString(e.country);\n    }\n    archive.WriteInt(e.bombsOn); @@ scores
Tables: used written after the dates @@ scores/ScoreEntryFormat.cpp @@     archive.WriteInt(e.used);\n    archive.WriteString(e.startTime);\n    archive.WriteString(e.endTime); @@     archive.WriteString(e.startTime);\n    archive.WriteString(e.endTime);\n    archive.WriteInt(e.used); @@ scores
Tables: a multiplier negative @@ scores/ScoreEntryFormat.cpp @@ {3, 7, 5, 11, 13, 17, 19, 23, 29} @@ {3, 0u - 7, 5, 11, 13, 17, 19, 23, 29} @@ scores
Place: equal result goes above @@ scores/ScoreTableSet.cpp @@ return lines > row.lines; @@ return lines >= row.lines; @@ scores
Place: level order reversed @@ scores/ScoreTableSet.cpp @@ return level > row.level; @@ return level < row.level; @@ scores
Insert: country lost @@ scores/ScoreTableSet.cpp @@     rows[position].country = country;\n @@ \n @@ scores
Insert: one row not shifted @@ scores/ScoreTableSet.cpp @@ r > position; --r @@ r > position + 1; --r @@ scores
Header: best score of row 1 @@ scores/ScoreTableSet.cpp @@ archive.WriteInt(tables[t].rows[0].score); @@ archive.WriteInt(tables[t].rows[1].score); @@ scores
BestScore: table 7 read past the header @@ scores/ScoreTableSet.cpp @@ table >= kLocalTableCount @@ table > kLocalTableCount @@ scores
Running time: seconds carry at 61 @@ scores/UsageRecords.cpp @@ if (total.seconds > 59) { @@ if (total.seconds > 60) { @@ scores
Running time: text padded @@ scores/UsageRecords.cpp @@ "%u:%u:%u" @@ "%u:%02u:%02u" @@ scores
Transfer: first send date twice @@ scores/TransferFile.cpp @@ a.WriteString(f.sendDate2); @@ a.WriteString(f.sendDate); @@ scores
Last send: e-mail and country swapped @@ scores/SenderDetails.cpp @@     archive.WriteString(details.email);\n    archive.WriteString(details.country); @@     archive.WriteString(details.country);\n    archive.WriteString(details.email); @@ scores
Counter digits: leading zero shown @@ ui/SplitDigits.cpp @@ if (k > 0 && value < power) { @@ if (k > 1 && value < power) { @@ ui|tools|platform
Normal board origin moved @@ ui/WindowGeometry.h @@ .boardOrigin = {141, -45}, @@ .boardOrigin = {141, -44}, @@ ui|tools|platform
Title animation first phase longer @@ ui/TitleAnimation.cpp @@ if (f <= 10) { @@ if (f <= 11) { @@ ui|tools|platform
Title animation steps early @@ ui/TitleAnimation.cpp @@ now - lastStep <= intervalMs @@ now - lastStep < intervalMs @@ ui|tools|platform
Picture: last column left black @@ ui/PictureConversion.cpp @@ for (int x = 0; x < width; ++x, row += step) { @@ for (int x = 0; x < width - 1; ++x, row += step) { @@ ui
Removal mark not animated @@ ui/EffectPlayer.cpp @@ value >= Board::kRemovalMark && value < Board::kEmpty @@ value > Board::kRemovalMark && value < Board::kEmpty @@ ui|tools|platform
Save allowed in championship @@ engine/Game.cpp @@ return flags.gameInProgress != 0 && !ChampionshipMode(); @@ return flags.gameInProgress != 0; @@ engine|ui|app
Loaded game: the best-score sound due again @@ engine/Game.cpp @@ state.bestScorePending = pending; @@ state.bestScorePending = 1; @@ engine|ui|app
Big size for Normal setting @@ ui/WindowSize.cpp @@     case 0:\n        return WindowSize::Normal; @@     case 0:\n        return WindowSize::Big; @@ ui|app
EOF
}

tableMutants() {
    cat <<'EOF'
# --- settings and engine tables
Code page: 0x8A read as another letter @@ settings/Windows1252.cpp @@ u'\u02C6', u'\u2030', u'\u0160', @@ u'\u02C6', u'\u2030', u'\u015A', @@ settings|scores
Code page: 0x8E read as another letter @@ settings/Windows1252.cpp @@ u'\u0152', u'\u008D', u'\u017D', @@ u'\u0152', u'\u008D', u'\u017B', @@ settings|scores
Code page: U+0080 stored as byte 0x80 @@ settings/Windows1252.cpp @@ if (unit < 0x80 || (unit >= 0xA0 @@ if (unit <= 0x80 || (unit >= 0xA0 @@ settings|scores
Key names: Up and Down Arrow swapped @@ settings/KeyName.cpp @@ {38, BRINOX_TEXT("KeyName", "Up Arrow")},\n    {40, BRINOX_TEXT("KeyName", "Down Arrow")}, @@ {38, BRINOX_TEXT("KeyName", "Down Arrow")},\n    {40, BRINOX_TEXT("KeyName", "Up Arrow")}, @@ settings
Key names: Right Control called Left @@ settings/KeyName.cpp @@ {163, BRINOX_TEXT("KeyName", "Right Control")}, @@ {163, BRINOX_TEXT("KeyName", "Left Control")}, @@ settings
Key names: NumLock on the wrong code @@ settings/KeyName.cpp @@ {144, BRINOX_TEXT("KeyName", "NumLock")}, @@ {145, BRINOX_TEXT("KeyName", "NumLock")}, @@ settings
Selector: Quinel skips Rising @@ engine/GameSelectors.cpp @@ (options.gameType == Quinel && options.gameMode == WorldChampionship)) { @@ (options.gameType == Quinel && options.gameMode >= Rising)) { @@ engine|ui
Selector: Quinel does not give the bombs back @@ engine/GameSelectors.cpp @@         options.gameMode = Classic;\n        options.bombsOn = bombsBeforeChampionship;\n @@         options.gameMode = Classic;\n @@ engine|ui
Selector: leaving the championship by mode keeps bombs off @@ engine/GameSelectors.cpp @@     if (options.gameMode == WorldChampionship) {\n        options.bombsOn = bombsBeforeChampionship;\n    }\n    options.gameMode += 1; @@     options.gameMode += 1; @@ engine|ui
Capture box: F12 no longer refused @@ settings/KeyCaptureDialog.cpp @@ code >= kF1 && code <= kF12 @@ code >= kF1 && code < kF12 @@ ui
Capture box: F1 taken @@ settings/KeyCaptureDialog.cpp @@ code >= kF1 && code <= kF12 @@ code > kF1 && code <= kF12 @@ ui
Capture box: F13 refused @@ settings/KeyCaptureDialog.cpp @@ kF12 = 123; @@ kF12 = 124; @@ ui
Sound page: Reset All leaves the last event @@ settings/CSndOpt.cpp @@ e < kSoundEventCount; ++e) {\n        values.ResetSound(e @@ e < kSoundEventCount - 1; ++e) {\n        values.ResetSound(e @@ ui
Sound page: Reset to Defaults keeps the switch @@ settings/CSndOpt.cpp @@ values.ResetSound(Selected(), this->appDirectory); @@ const std::int32_t kept = values.soundEnabled[Selected()];\n        values.ResetSound(Selected(), this->appDirectory);\n        values.soundEnabled[Selected()] = kept; @@ ui
Options file: Drop and Rotate keys swapped @@ settings/OptionsFile.cpp @@ &Options::keyDrop,\n            &Options::keyRotate, @@ &Options::keyRotate,\n            &Options::keyDrop, @@ settings
Options file: digit set and Pause key swapped @@ settings/OptionsFile.cpp @@ &Options::digitSet, &Options::keyPause} @@ &Options::keyPause, &Options::digitSet} @@ settings
Saved game: mode and bombs swapped @@ settings/SavedGame.cpp @@ a.WriteInt(g.gameMode);\n    a.WriteInt(g.bombsOn); @@ a.WriteInt(g.bombsOn);\n    a.WriteInt(g.gameMode); @@ settings @@ a.ReadInt(g.gameMode) &&\n          a.ReadInt(g.bombsOn) @@ a.ReadInt(g.bombsOn) &&\n          a.ReadInt(g.gameMode)
Saved game: start and end times swapped @@ settings/SavedGame.cpp @@ a.WriteString(s.startTime);\n    a.WriteString(s.endTime); @@ a.WriteString(s.endTime);\n    a.WriteString(s.startTime); @@ settings @@ a.ReadString(s.startTime) && a.ReadString(s.endTime) @@ a.ReadString(s.endTime) && a.ReadString(s.startTime)
Applying options: the Sound page's group dropped @@ ui/GameSession.cpp @@ changes.sounds = TakeGroup<SoundOptions>(options, chosen); @@ changes.sounds = false; @@ ui
Applying options: an unchanged digit set read again @@ ui/GameSession.cpp @@ changes.digitSet = options.digitSet != before.digitSet; @@ changes.digitSet = true; @@ ui
Applying options: the title switch sees no change @@ ui/CGameFrameCommands.cpp @@ title.OptionChanged(animated, !animated, @@ title.OptionChanged(animated, animated, @@ ui
Window size: Big written as Normal @@ settings/WindowSizeFile.cpp @@ archive.WriteInt(setting); @@ archive.WriteInt(setting == kWindowSizeBig ? kWindowSizeNormal : setting); @@ settings
Level table: championship rising period of level 17 @@ engine/LevelTable.cpp @@ { 110, 20,  6,  145,    50,  6}, @@ { 110, 20,  6,  145,    50,  7}, @@ engine
Level table: rows to clear of level 14 @@ engine/LevelTable.cpp @@ { 150, 27,  7,  155,    47, -1}, @@ { 150, 28,  7,  155,    47, -1}, @@ engine
# --- scores and server tables
Scores: table label shortened @@ scores/TableId.cpp @@ BRINOX_TEXT("TableId", "Quinel: Timer mode"), @@ BRINOX_TEXT("TableId", "Quinel: Timer"), @@ scores
Scores: two table labels swapped @@ scores/TableId.cpp @@ BRINOX_TEXT("TableId", "Quadel: Classic mode"),\n    BRINOX_TEXT("TableId", "Quadel: Timer mode"), @@ BRINOX_TEXT("TableId", "Quadel: Timer mode"),\n    BRINOX_TEXT("TableId", "Quadel: Classic mode"), @@ scores
Scores: dialog title shortened @@ scores/TableId.cpp @@ "Best Scores - Quadel: Rising mode" @@ "Best Scores - Quadel: Rising" @@ scores
Scores: data.ttb country kept with table 0 @@ scores/ScoreTableSet.cpp @@ WriteScoreEntry(archive, row, disguise, t == WorldTop10Table); @@ WriteScoreEntry(archive, row, disguise, t == QuadelClassicTable); @@ scores @@ ReadScoreEntry(archive, row, disguise, t == WorldTop10Table) @@ ReadScoreEntry(archive, row, disguise, t == QuadelClassicTable)
Scores: data.ttb bombsOn disguised @@ scores/ScoreEntryFormat.cpp @@ archive.WriteInt(e.bombsOn); @@ archive.WriteInt(Shift(e.bombsOn, disguise.offsets[8], true)); @@ scores @@ ok = ok && archive.ReadInt(e.bombsOn); @@ ok = ok && archive.ReadInt(e.bombsOn);\n    e.bombsOn = Shift(e.bombsOn, disguise.offsets[8], false);
Scores: row level and lines swapped in writer and reader @@ scores/ScoreEntryFormat.cpp @@ return {&ScoreEntry::level, &ScoreEntry::score, &ScoreEntry::lines}; @@ return {&ScoreEntry::lines, &ScoreEntry::score, &ScoreEntry::level}; @@ scores|server
Scores: lastname.dat under the last-send signature @@ scores/LastNameFile.cpp @@ CheckSignature(archive, signatures::kLastName) @@ CheckSignature(archive, signatures::kLastSend) @@ scores @@ archive.WriteString(signatures::kLastName); @@ archive.WriteString(signatures::kLastSend);
Scores: lastsend.dat name and e-mail swapped in writer and reader @@ scores/SenderDetails.cpp @@ !archive.ReadString(read.name) ||\n        !archive.ReadString(read.email) @@ !archive.ReadString(read.email) ||\n        !archive.ReadString(read.name) @@ scores @@ archive.WriteString(details.name);\n    archive.WriteString(details.email); @@ archive.WriteString(details.email);\n    archive.WriteString(details.name);
Scores: sdata.dat gets a signature @@ scores/UsageRecords.cpp @@ archive.WriteString(DateTimeText(now)); @@ archive.WriteString("BRINOX2000_FIRSTSTART_FILE");\n        archive.WriteString(DateTimeText(now)); @@ scores @@ !archive.ReadString(text)) { @@ !archive.ReadString(text) || !archive.ReadString(text)) {
Scores: tdata.dat minutes and seconds swapped in writer and reader @@ scores/UsageRecords.cpp @@ archive.WriteUInt(time.minutes);\n    archive.WriteUInt(time.seconds); @@ archive.WriteUInt(time.seconds);\n    archive.WriteUInt(time.minutes); @@ scores @@ archive.ReadUInt(time.minutes) &&\n               archive.ReadUInt(time.seconds) @@ archive.ReadUInt(time.seconds) &&\n               archive.ReadUInt(time.minutes)
Scores: transfer file e-mail and country swapped in writer and reader @@ scores/TransferFile.cpp @@ for (const std::string* text : {&f.sender.name, &f.sender.email, &f.sender.country, @@ for (const std::string* text : {&f.sender.name, &f.sender.country, &f.sender.email, @@ scores|server @@ for (std::string* text : {&f.sender.name, &f.sender.email, &f.sender.country, @@ for (std::string* text : {&f.sender.name, &f.sender.country, &f.sender.email,
Scores: transfer rows disguised with key 1 @@ scores/TransferFile.cpp @@ WriteScoreEntry(a, row, EntryDisguise{}, false); @@ WriteScoreEntry(a, row, EntryDisguise::ForKey(1), false); @@ scores|server @@ ReadScoreEntry(a, row, EntryDisguise{}, false) @@ ReadScoreEntry(a, row, EntryDisguise::ForKey(1), false)
Scores: wctop10.ttb rows disguised with key 1 @@ scores/Top10File.cpp @@ WriteScoreEntry(archive, row, EntryDisguise{}, true); @@ WriteScoreEntry(archive, row, EntryDisguise::ForKey(1), true); @@ scores|server @@ ReadScoreEntry(archive, row, EntryDisguise{}, true) @@ ReadScoreEntry(archive, row, EntryDisguise::ForKey(1), true)
Scores: Info enabled for any nonzero used @@ scores/CBestScoresDlg.cpp @@ row.info->setEnabled(e.used == 1); @@ row.info->setEnabled(e.used != 0); @@ scores
Scores: bombs YES for any nonzero bombsOn @@ scores/CBestScoresDlg.cpp @@ (e.bombsOn == 1 ? tr("YES") @@ (e.bombsOn != 0 ? tr("YES") @@ scores
Server: lines before level on an equal score @@ server/Top10Ranking.cpp @@ std::tie(a.score, a.level, a.lines) > std::tie(b.score, b.level, b.lines) @@ std::tie(a.score, a.lines, a.level) > std::tie(b.score, b.lines, b.level) @@ server|scores
Server: full tie puts the later upload first @@ server/Top10Ranking.cpp @@     std::stable_sort(rows.begin(), rows.end(), @@     std::reverse(rows.begin(), rows.end());\n    std::stable_sort(rows.begin(), rows.end(), @@ server|scores
Server: uploads of the same second in reverse name order @@ server/Ranking.cpp @@ return std::tie(time, name) < std::tie(other.time, other.name); @@ return std::tie(time, other.name) < std::tie(other.time, name); @@ server|scores
Server: duplicate rule compares the end instead of the start @@ server/Top10Ranking.cpp @@ row.startTime, row.endTime, row.score} @@ row.endTime, row.endTime, row.score} @@ server|scores
Server: duplicate rule ignores the end @@ server/Top10Ranking.cpp @@ row.startTime, row.endTime, row.score} @@ row.startTime, row.startTime, row.score} @@ server|scores
Server: duplicate rule ignores the score @@ server/Top10Ranking.cpp @@ row.startTime, row.endTime, row.score} @@ row.startTime, row.endTime, 0} @@ server|scores
Server: rows with used 2 ranked @@ server/Top10Ranking.cpp @@ if (row.used != 1 || @@ if (row.used == 0 || @@ server|scores
Server: a level below 1 accepted @@ server/UploadFile.cpp @@ row.level >= 1 && @@ row.level >= -1 && @@ server|scores
# --- window, help and picture tables
Gamepad: B rotates @@ platform/Gamepad.cpp @@ {SDL_CONTROLLER_BUTTON_B, Gamepad::Drop}, @@ {SDL_CONTROLLER_BUTTON_B, Gamepad::Rotate}, @@ ui
Gamepad: down presses the drop key @@ platform/Gamepad.cpp @@ GameKey::Right, GameKey::SoftDrop, GameKey::Rotate @@ GameKey::Right, GameKey::Drop, GameKey::Rotate @@ ui
Gamepad: no dead zone on the stick @@ platform/Gamepad.cpp @@ kStickDeadZone = 16384; @@ kStickDeadZone = 0; @@ ui
Gamepad: commands while a menu or dialog is open @@ platform/Gamepad.cpp @@ if (!reachesGame || (control @@ if ((control @@ ui
Gamepad: a released control keeps its key down @@ platform/Gamepad.cpp @@ links.key(heldCode[control], false); @@ (void)0; @@ ui
Scaling: 150 % pixels enlarged with smoothing @@ ui/FrameView.cpp @@ Qt::FastTransformation @@ Qt::SmoothTransformation @@ smoke
Scaling: 150 % client area left between screen pixels @@ ui/FrameView.cpp @@ - at) / ratio); @@ - at) * 0.0); @@ smoke
Scaling: 200 % copied with smoothing @@ ui/FrameView.cpp @@ painter.setRenderHint(QPainter::SmoothPixmapTransform, false); @@ painter.setRenderHint(QPainter::SmoothPixmapTransform, true); @@ smoke
Wayland: title changes wait for the next frame @@ ui/FrameView.cpp @@ connect(parent, &QWidget::windowTitleChanged @@ connect(this, &QWidget::windowTitleChanged @@ smoke
Package: Qt's Wayland plugin not a dependency @@ packaging/CMakeLists.txt @@ libcurl4, qt6-wayland" @@ libcurl4" @@ smoke
Status lines: tool-bar and next-bar texts swapped @@ ui/StatusLines.h @@ BRINOX_TEXT("StatusLines", "Show or hide the tool bar."),\n    BRINOX_TEXT("StatusLines", "Show or hide the next-piece bar."), @@ BRINOX_TEXT("StatusLines", "Show or hide the next-piece bar."),\n    BRINOX_TEXT("StatusLines", "Show or hide the tool bar."), @@ tools|ui
Status line: the two bar toggles swapped @@ ui/PointerAreas.cpp @@ {ToolButton::NextBarToggle, 15, true},\n    {ToolButton::ToolBarToggle, 14, true}, @@ {ToolButton::NextBarToggle, 14, true},\n    {ToolButton::ToolBarToggle, 15, true}, @@ ui
Status line: score and lines areas swapped @@ ui/PointerAreas.cpp @@ {layout.score.rect, 21},\n        {layout.lines.rect, 22}, @@ {layout.score.rect, 22},\n        {layout.lines.rect, 21}, @@ ui
Menu: local best scores on F6 @@ ui/GameMenu.cpp @@ "&Local Best Scores...\tF4"), "F4", @@ "&Local Best Scores...\tF4"), "F6", @@ ui
Menu: separator after Pause lost @@ ui/GameMenu.cpp @@ Command::Pause, true}, @@ Command::Pause}, @@ ui
Tool bar: Scores button opens the Top 10 @@ ui/GameSession.cpp @@ case ToolButton::LocalBestScores:\n        return Command::LocalBestScores; @@ case ToolButton::LocalBestScores:\n        return Command::WorldTop10; @@ ui
Pictures: disabled pause file misspelt @@ ui/AssetFiles.h @@ "graph/bpausex.bmp" @@ "graph/bpausx.bmp" @@ tools|ui
Pictures: disabled save button a pixel wide @@ ui/AssetFiles.h @@ "graph/bsavex.bmp", detail::ButtonImage(ToolButton::Save)}, @@ "graph/bsavex.bmp", {55, 19}}, @@ tools|ui
Layout: Big Save button a pixel wide @@ ui/WindowGeometry.h @@ {17, 114, 54, 19} @@ {17, 114, 55, 19} @@ ui
Layout: Normal client a row taller @@ ui/WindowGeometry.h @@ .client = {483, 404}, @@ .client = {483, 405}, @@ ui
Layout: next piece of kind 6 moved @@ ui/WindowGeometry.h @@ 401, 411, 401, 401, 401, 401, 391, @@ 401, 411, 401, 401, 401, 401, 401, @@ ui
Help: context help at topic 11 @@ ui/ShellCommands.cpp @@ viewer.ShowTopic(10); @@ viewer.ShowTopic(11); @@ ui
Help: index links the championship to topic 12 @@ tools/HelpText.cpp @@ - [[13|The World Championship]] @@ - [[12|The World Championship]] @@ tools|ui
# --- install and package
Package: nothing stripped @@ packaging/CMakeLists.txt @@ set(CPACK_STRIP_FILES ON) @@ set(CPACK_STRIP_FILES OFF) @@ smoke
Package: the renamed program left unstripped @@ packaging/GamePackage.cmake @@ if(CMAKE_INSTALL_DO_STRIP) @@ if(FALSE) @@ smoke
Package: programs left in usr/bin @@ packaging/DebianLayout.cmake @@ file(RENAME "${root}/${CPACK_BRINOX_BINDIR}" "${root}/games") @@ # programs not moved @@ smoke
Package: manual page left out @@ packaging/GamePackage.cmake @@ install(FILES ${man_page}.gz ${CMAKE_CURRENT_BINARY_DIR} @@ install(FILES ${CMAKE_CURRENT_BINARY_DIR} @@ smoke
Package: copyright file left out @@ packaging/GamePackage.cmake @@ install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${changelog}.gz @@ install(FILES ${changelog}.gz @@ smoke
Package: a description line over 80 characters @@ packaging/CMakeLists.txt @@ faster and faster. Quadel @@ faster and faster and faster. Quadel @@ smoke
# --- encrypted transfers
FTP: tls=try never asks for TLS @@ platform/CurlFtpSession.cpp @@ ? CURLUSESSL_TRY @@ ? CURLUSESSL_NONE @@ platform
FTP: tls=required settles for plain FTP @@ platform/CurlFtpSession.cpp @@ ? CURLUSESSL_ALL @@ ? CURLUSESSL_TRY @@ platform
FTP: the certificate is not checked @@ platform/CurlFtpSession.cpp @@ CURLOPT_SSL_VERIFYPEER, 1L @@ CURLOPT_SSL_VERIFYPEER, 0L @@ platform
FTP: a server without TLS reads as a failed login @@ platform/CurlFtpSession.cpp @@ return FtpConnect::NoTls; @@ return FtpConnect::Failed; @@ platform
Result server: tls=off read as try @@ scores/ResultServer.cpp @@ {"off", FtpTls::Off} @@ {"off", FtpTls::Try} @@ scores
Result server: a relative cafile not taken from the game directory @@ scores/ResultServer.cpp @@ relative ? appDirectory + server.caFile @@ relative ? server.caFile @@ scores
# --- replays
Replay: a change of the settings outside the engine not written @@ engine/replay/GameRecorder.cpp @@ writer.Settings(now); @@ (void)now; @@ engine
Replay: the generator moved between inputs not written @@ engine/replay/GameRecorder.cpp @@ writer.Entry(ReplayEntry::RandomState, random.State()); @@ (void)writer; @@ engine
Replay: draws of an animation not answered @@ engine/replay/GameRecorder.cpp @@ state == recording->expectedRandom ? 0 : std::int64_t{state} + 1 @@ 0 @@ engine
Replay: the cancel question always answered yes @@ engine/replay/GameRecorder.cpp @@ recording->writer.Answer(yes ? 1 : 0); @@ recording->writer.Answer(1); @@ engine
Replay: a longer clock step written as a shorter one @@ engine/replay/ReplayWriter.cpp @@ PutStepCode(kStepLonger); @@ PutStepCode(kStepShorter); @@ engine
Replay: a clock change within an input not played @@ engine/replay/ReplayReader.cpp @@ reading += static_cast<std::uint32_t>(nextChange); @@ ; @@ engine
Replay: the active flag at the start not taken @@ engine/replay/ReplayPlayer.cpp @@ game.SetAppActive(value != 0); // as the application @@ // as the application @@ engine
Replay: ticks of a paused game shown one by one @@ engine/replay/ReplayPlayer.cpp @@ if (playing) { @@ if (true) { @@ engine|ui
Replay: the played time not verified @@ engine/replay/ReplayPlayer.cpp @@ {"played time", &GameStatistics::gameSeconds} @@ {"played time", &GameStatistics::score} @@ engine|server
Ranking: unverified rows ranked by default @@ server/Ranking.cpp @@ row.used = run.options.admitUnverified ? 1 : 0; @@ row.used = 1; @@ server
Ranking: a rejected row still ranked @@ server/Ranking.cpp @@ row.used = 0; @@ row.used = 1; @@ server
Replays folder: a dropped row's replay kept @@ scores/ReplayStore.cpp @@ fs::remove(it->path(), ignored); @@ (void)ignored; @@ scores
Replays folder: an inserted row's replay not kept @@ scores/CBestScoresDlg.cpp @@ replays.Put(t, tables.Table(t).rows[static_cast<std::size_t>(p)], gameReplay); @@ (void)gameReplay; @@ scores
SEND: the replays not sent beside the result @@ scores/FtpChampionshipExchange.cpp @@ replays.replays.push_back({r, std::move(*replay)}); @@ (void)replay; @@ scores
Watching: double and quadruple speed play one tick a beat @@ ui/ReplayViewer.cpp @@ tick < (paused ? 0 : speed) @@ tick < (paused ? 0 : 1) @@ ui
Window: its games not recorded @@ ui/GameSession.cpp @@ game(options, random, recorder.Host()) @@ game(options, random, host) @@ ui
# --- device module and hostile replays
Devices: never opened @@ ui/CGameFrame.cpp @@ Devices devices = openDevices(padLinks, ownSounds != nullptr); @@ Devices devices; @@ ui
Devices: the sound player not handed to the window @@ ui/CGameFrame.cpp @@ ownSounds->Open(std::move(devices.sounds)); @@ ; @@ ui
Devices: the window's sounds not passed on @@ platform/LateSounds.cpp @@ player->Play(event, file); @@ (void)file; @@ ui
Replay: settings outside the options' ranges played @@ engine/replay/ReplayPlayer.cpp @@ if (!WithinLimits(options)) { @@ if (false) { @@ engine|server
# --- championship proof
Proof: a random state of the replay's own taken @@ engine/replay/ChampionshipAudit.cpp @@ Fail("it sets the random generator itself"); @@ ; @@ engine|server
Proof: a clock slower than its ticks taken @@ engine/replay/ChampionshipAudit.cpp @@ if (ahead < mostAhead - kClockBehindMs) { @@ if (false) { @@ engine|server
Proof: a clock going back taken @@ engine/replay/ChampionshipAudit.cpp @@ if (step >= 0x8000'0000u) { @@ if (false) { @@ engine|server
Proof: the calendar not held to the clock @@ engine/replay/ChampionshipAudit.cpp @@ if (low > anchorHigh + slack || high < anchorLow - slack) { @@ if (false) { @@ engine|server
Proof: any zone offset taken @@ engine/replay/ChampionshipAudit.cpp @@ std::llabs(zone - nearest) > kLocalSlack || @@ false || @@ engine|server
Proof: the end's time not held to the clock @@ engine/replay/ChampionshipAudit.cpp @@ if (!fits) { @@ if (false) { @@ engine|server
Proof: a Classic game taken @@ engine/replay/ChampionshipAudit.cpp @@ Fail("it is not a Quadel World Championship game without bombs"); @@ ; @@ engine|server
Proof: rules changed during the game taken @@ engine/replay/ChampionshipAudit.cpp @@ Fail("it changes the game's rules during the game"); @@ ; @@ engine|server
Proof: more ticks than the row's time played @@ engine/replay/ChampionshipAudit.cpp @@ if (ticks > kTicksPerSecondAtMost @@ if (false && ticks > kTicksPerSecondAtMost @@ engine|server
Proof: the row's start and end not compared @@ engine/replay/ReplayPlayer.cpp @@ if (played.startTime != claimed.startTime || played.endTime != claimed.endTime) { @@ if (false) { @@ engine|server|ui
Window: animations draw from the engine's generator @@ ui/GameSession.h @@ Random& RandomSource() { return windowRandom; } @@ Random& RandomSource() { return random; } @@ ui
Ranking: a game counted again for a later upload @@ server/Ranking.cpp @@ owner != id) { @@ false) { @@ server
Ranking: a game faster than people play not held @@ server/Ranking.cpp @@ if (HumanLimits::Beyond(proof.rates) && @@ if (false && @@ server
Ranking: the review file ignored @@ server/Ranking.cpp @@ !run.reviewed.Admits(proof.fingerprint) @@ true @@ server
Ranking: kept verdicts never used @@ server/Ranking.cpp @@ if (const RowProof* kept = run.store.Find(key)) { @@ if (const RowProof* kept = nullptr) { @@ server
Ranking: a file name printed raw @@ server/Ranking.cpp @@ if (byte >= 0x20 && byte < 0x7F && c != '\\') { @@ if (true) { @@ server
Rows: a start or end of another form taken @@ server/UploadFile.cpp @@ return start && end && *SecondsOf @@ return true || *SecondsOf @@ server
Top 10: a published replay offered for a row it does not play @@ scores/ReplayStore.cpp @@ static_cast<const GameStatistics&>(*player.Result()) == @@ static_cast<const GameStatistics&>(*player.Result()) != @@ scores
Proof: one key press told three times counted three times @@ engine/replay/ChampionshipAudit.cpp @@ !std::exchange(held[value], true) @@ (std::exchange(held[value], true), true) @@ engine|server|ui
Gamepad: letting go releases a key the keyboard holds @@ ui/CGameFrame.cpp @@ } else if (held.Release(HeldKeys::Device::Pad, code)) { @@ } else if (held.Release(HeldKeys::Device::Pad, code) || true) { @@ ui
Message box: a text taller than the screen not scrolled @@ platform/MessageBox.cpp @@         ScrollLongText(box);\n        box.exec(); @@         if (false) ScrollLongText(box);\n        box.exec(); @@ platform
Store: an upload moved without its replays @@ server/Ranking.cpp @@ if (upload && bundles.erase(bundle) != 0 && @@ if (upload && bundles.erase(bundle) == 99 && @@ server
Marks: the painter ignores the switch @@ ui/FramePainter.cpp @@ if (ShownOptions().pieceMarks == 0) { @@ if (true) { @@ ui
Marks: any value but 0 read as on @@ settings/PieceMarksFile.cpp @@ return setting == 1 ? 1 : 0; @@ return setting != 0 ? 1 : 0; @@ settings
Accessibility: a press acts inside the screen reader's call @@ ui/DrawnButtonAccessible.cpp @@ Qt::QueuedConnection); @@ Qt::DirectConnection); @@ ui
EOF
}

allMutants() {
    case "${BRINOX_MUTANT_SET:-all}" in
    old) mutants ;;
    new) tableMutants | grep -v '^#' ;;
    *) mutants; tableMutants | grep -v '^#' ;;
    esac
}

# Replaces, in file $1, the only occurrence of each original by its mutated
# text (pairs from $2 on, "\n" = line break); exit status 3, file untouched,
# when an original does not occur exactly once.
substitute() {
    python3 - "$@" <<'PY'
import sys
path, pairs = sys.argv[1], [a.replace('\\n', '\n') for a in sys.argv[2:]]
text = open(path, encoding='utf-8').read()
for old, new in zip(pairs[0::2], pairs[1::2]):
    if text.count(old) != 1:
        sys.exit(3)
    text = text.replace(old, new, 1)
open(path, 'w', encoding='utf-8').write(text)
PY
}

backup=""
target=""
restore() {
    if [ -n "$backup" ] && [ -f "$backup" ]; then
        cp "$backup" "$target"
        rm -f "$backup"
    fi
    backup=""
}
trap restore EXIT
trap 'restore; exit 130' INT TERM

dry=${BRINOX_MUTANT_DRY:-0}
if [ "$dry" = 1 ]; then
    stale=0 applied=0
    while IFS= read -r line; do
        [ -z "$line" ] && continue
        name=$(awk -F' @@ ' '{print $1}' <<<"$line")
        grep -qE -- "$filter" <<<"$name" || continue
        file=$(awk -F' @@ ' '{print $2}' <<<"$line")
        copy=$(mktemp)
        cp "$root/$file" "$copy" 2>/dev/null || { echo "STALE   $name ($file)"; stale=$((stale + 1)); continue; }
        more=()
        while IFS= read -r extra; do more+=("$extra"); done < <(awk -F' @@ ' '{for (i = 3; i <= NF; ++i) if (i != 5) print $i}' <<<"$line")
        if substitute "$copy" "${more[@]}"; then applied=$((applied + 1)); else echo "STALE   $name ($file)"; stale=$((stale + 1)); fi
        rm -f "$copy"
    done < <(allMutants)
    echo "== $applied apply, $stale stale"
    [ $stale -eq 0 ]
    exit
fi
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++ \
        -DBRINOX_BENCH=OFF >/dev/null || exit 1
fi
echo "== baseline build and tests ($build)"
cmake --build "$build" -j "$jobs" >/dev/null || { echo "baseline does not build"; exit 1; }
ctest --test-dir "$build" -j "$jobs" >/dev/null || { echo "baseline tests fail"; exit 1; }

caught=0 missed=0 stale=0
missedNames=()
while IFS= read -r line; do
    [ -z "$line" ] && continue
    name=$(awk -F' @@ ' '{print $1}' <<<"$line")
    grep -qE -- "$filter" <<<"$name" || continue
    file=$(awk -F' @@ ' '{print $2}' <<<"$line")
    old=$(awk -F' @@ ' '{print $3}' <<<"$line")
    new=$(awk -F' @@ ' '{print $4}' <<<"$line")
    labels=$(awk -F' @@ ' '{print $5}' <<<"$line")
    more=()
    while IFS= read -r extra; do more+=("$extra"); done < <(awk -F' @@ ' '{for (i = 6; i <= NF; ++i) print $i}' <<<"$line")
    target="$root/$file"
    backup=$(mktemp)
    cp -p "$target" "$backup"
    substitute "$target" "$old" "$new" "${more[@]}"
    status=$?
    if [ $status -ne 0 ]; then
        restore
        echo "STALE   $name ($file)"
        stale=$((stale + 1))
        continue
    fi
    selection=(-L "$labels")
    # Only the test programs of those labels are rebuilt (labels are folder names).
    targets=($(ninja -C "$build" -t targets all | grep -oE "^(tests|bench)/($labels)/[a-z_0-9]+: CXX_EXECUTABLE" |
        cut -d: -f1))
    # Script tests (smoke) have no test program of their own: they use the whole build.
    [ ${#targets[@]} -eq 0 ] && targets=(all)
    if [ "${BRINOX_MUTANT_ALL:-0}" = 1 ]; then
        selection=()
        targets=(all)
    fi
    matrix=${BRINOX_MUTANT_MATRIX:-}
    stop=(--stop-on-failure)
    [ -n "$matrix" ] && stop=()
    if ! cmake --build "$build" -j "$jobs" --target "${targets[@]}" >/dev/null 2>&1; then
        verdict=CAUGHT # a fault the compiler refuses counts as caught
        [ -n "$matrix" ] && printf '%s\t(build)\n' "$name" >>"$matrix"
    elif ctest --test-dir "$build" -j "$jobs" "${selection[@]}" "${stop[@]}" \
        --timeout 300 >"$build/mutant-ctest.log" 2>&1; then
        verdict=MISSED
    else
        verdict=CAUGHT
        if [ -n "$matrix" ]; then
            failed=$(sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (.*)$/\1/p' "$build/mutant-ctest.log" |
                sed 's/  *# GetParam.*//' | paste -sd';')
            printf '%s\t%s\n' "$name" "$failed" >>"$matrix"
        fi
    fi
    restore
    # The restored file is older than the mutant's objects: make it newer.
    touch "$target"
    echo "$verdict  $name ($file)"
    if [ $verdict = CAUGHT ]; then
        caught=$((caught + 1))
    else
        missed=$((missed + 1))
        missedNames+=("$name")
    fi
done < <(allMutants)

# Leave the build matching the sources again.
cmake --build "$build" -j "$jobs" >/dev/null 2>&1
total=$((caught + missed))
echo "== caught $caught, missed $missed, stale $stale (of $total run)"
for name in "${missedNames[@]}"; do
    echo "   missed: $name"
done
[ $missed -eq 0 ]
