// One result upload as the ranking tool meets it in the upload directory:
// anything a stranger could have stored there. An upload is accepted only
// when it is a whole transfer file of the current format whose texts and
// figures are those a real game can produce; everything else is sorted into
// why it was refused, for the operator's log.
#pragma once

#include "scores/TransferFile.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace brinox::server {

enum class UploadCheck {
    Ok,
    Foreign,     // not a result upload at all
    OtherFormat, // an upload of another format number
    CutShort,    // ends before its last field
    Hostile,     // too large, overlong texts, control characters or negative figures
};

// Larger than any upload the game writes by far.
inline constexpr std::size_t kMaxUploadBytes = 64 * 1024;

// The bytes of a regular file (never a link, device or pipe) of at most
// limit bytes; nullopt otherwise, without ever blocking.
std::optional<std::vector<std::uint8_t>> ReadUploadBytes(const std::string& path, bool& tooLarge,
                                                         std::size_t limit = kMaxUploadBytes);
// Parses and checks one upload; upload is set only when Ok.
UploadCheck ReadUpload(std::span<const std::uint8_t> bytes, TransferFile& upload);
const char* Describe(UploadCheck check);

} // namespace brinox::server
