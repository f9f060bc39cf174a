// Every file name the game uses, relative to appDirectory. The one place that
// knows them: the data files, the asset directories and the default sounds.
#pragma once

#include <array>
#include <string_view>

namespace brinox::files {

inline constexpr std::string_view kOptions = "brinox.dat";
inline constexpr std::string_view kWindowSize = "ws.dat";
// The piece-marks switch of the colour-blind aid: this game's own, so that
// brinox.dat keeps the layout other copies read.
inline constexpr std::string_view kPieceMarks = "marks.dat";
inline constexpr std::string_view kTables = "data.ttb";
inline constexpr std::string_view kLastName = "lastname.dat";
inline constexpr std::string_view kLastSend = "lastsend.dat";
inline constexpr std::string_view kFirstStart = "sdata.dat";
inline constexpr std::string_view kRunningTime = "tdata.dat";
inline constexpr std::string_view kTop10 = "wctop10.ttb";
inline constexpr std::string_view kResultServer = "resultserver.ini";
inline constexpr std::string_view kWebLinks = "links.ini";
inline constexpr std::string_view kHelp = "brinox.hlp";

inline constexpr std::string_view kPictureDir = "graph/";
// The replays of the rows of the local tables, one file a row.
inline constexpr std::string_view kReplayDir = "replays/";
inline constexpr std::string_view kSoundDir = "snd/";

// Default sound file of each SoundEvent, in event order.
inline constexpr std::array<std::string_view, 12> kDefaultSounds = {
    "snd/button.wav", "snd/drop.wav",  "snd/line.wav",  "snd/bomb.wav",
    "snd/gameover.wav", "snd/gamewin.wav", "snd/level.wav", "snd/time.wav",
    "snd/add.wav",    "snd/start.wav", "snd/bombout.wav", "snd/bestscr.wav",
};

} // namespace brinox::files
