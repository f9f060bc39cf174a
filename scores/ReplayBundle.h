// The replays sent beside a result upload, under the upload's base name with
// the suffix ".replays", so that the transfer file stays exactly as it is
// and a server that knows nothing of replays still ranks it. Layout
// (Archive encoding):
//   signature, format number, count (0..10),
//   per replay: the row of the table (0..9, ascending, each once) and the
//   replay file's bytes as one string.
// Nothing may follow. The reader takes at most kMaxBundleBytes and checks
// every length against what is left, so damaged or hostile bytes are
// refused without reading past their end.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brinox {

inline constexpr std::string_view kReplayBundleSuffix = ".replays";

struct ReplayBundle {
    // Ten replays of some minutes each fit many times over.
    static constexpr std::size_t kMaxBytes = 16u << 20;

    struct RowReplay {
        std::int32_t row = 0;
        std::vector<std::uint8_t> replay;
        bool operator==(const RowReplay&) const = default;
    };

    // The replay of a row, or null.
    const std::vector<std::uint8_t>* Find(std::int32_t row) const;

    std::vector<RowReplay> replays; // ascending rows
    bool operator==(const ReplayBundle&) const = default;
};

// appDirectory + base name + kReplayBundleSuffix.
std::string ReplayBundlePath(const std::string& appDirectory, const std::string& baseName);
// Writes atomically; false when it could not be written or breaks the layout.
bool WriteReplayBundle(const std::string& path, const ReplayBundle& bundle);
// The bundle the bytes hold exactly, or nullopt.
std::optional<ReplayBundle> ReadReplayBundle(std::span<const std::uint8_t> bytes);

} // namespace brinox
