// A file given to --watch, read whole before the window plays any of it:
// either the replays sent beside a result upload (NAME.replays, a bundle of
// rows) or one row's replay as the game keeps it in its replays/ folder. For
// a bundle, the upload NAME.ttb, when it lies beside it and can be read,
// gives each row its player and score.
//
// Invariant: a file read Ok holds at least one replay. The replays are not
// decoded here; the window's viewer refuses one it cannot play.
#pragma once

#include "scores/ScoreEntry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brinox {

struct WatchFile {
    enum class Status { Ok, Unreadable, NoReplay };

    struct Replay {
        std::int32_t row = -1;           // of the upload's table; -1 for a row's own file
        std::optional<ScoreEntry> entry; // that row of the upload beside the bundle
        std::vector<std::uint8_t> bytes; // the replay file
    };

    static WatchFile Read(const std::string& path);

    Status status = Status::NoReplay;
    bool bundle = false;
    std::vector<Replay> replays; // a bundle's in the order of their rows
};

} // namespace brinox
