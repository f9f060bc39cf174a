// The code page of every text the data files hold: Windows-1252, one byte per
// character. The game keeps such bytes in std::string; only the boundary with
// the toolkit's strings converts, through these two functions. A character
// the code page cannot hold is stored as '?'. Bytes 0x81, 0x8D, 0x8F, 0x90 and
// 0x9D, which the code page leaves undefined, read as the control characters
// of the same number, so that every byte survives a round trip.
#pragma once

#include <string>
#include <string_view>

namespace brinox {

// UTF-16 text (as the toolkit holds it) to stored bytes.
std::string ToWindows1252(std::u16string_view text);
// Stored bytes to UTF-16 text.
std::u16string FromWindows1252(std::string_view bytes);
// One UTF-16 unit to its byte, or '?' when the code page has no such character.
char ToWindows1252(char16_t unit);
// Whether the code page holds this UTF-16 unit (for input fields that refuse others).
bool InWindows1252(char16_t unit);

// File paths live in memory as the file system's UTF-8 and in the data files
// as Windows-1252; these two cross that line (a malformed UTF-8 sequence or a
// character outside the code page becomes '?').
std::string Utf8ToWindows1252(std::string_view utf8);
std::string Windows1252ToUtf8(std::string_view bytes);

} // namespace brinox
