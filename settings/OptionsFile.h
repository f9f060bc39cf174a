// The options file brinox.dat: signature, format number 195, then the
// fields of Options in their fixed order (only the first eleven sound events).
//
// Range policy: a value that the options pages could never have produced
// (a file the game did not write) is replaced by that field's default, so
// every later reader can index by it safely. Speeds and sensitivities are
// typed without an upper limit, so only a negative one counts as foreign. A file cut short after a
// valid header keeps the fields it did hold; LoadOptions still reports false, so the start-up
// sequence rewrites a complete file from what was salvaged.
#pragma once

#include "engine/Options.h"
#include "engine/TextMarks.h"

#include <string>

namespace brinox {

class Archive;

inline constexpr const char* kCannotSaveOptionsMessage =
    BRINOX_TEXT("Messages", "ERROR! It is impossible to save file \"brinox.dat\"");
inline constexpr const char* kCannotCreateOptionsMessage =
    BRINOX_TEXT("Messages", "ERROR! It is impossible to create file \"brinox.dat\"");

// True when the whole file was read. On a foreign header nothing changes.
bool LoadOptions(const std::string& appDirectory, Options& options);
// The same over an archive already open for loading.
bool LoadOptions(Archive& archive, Options& options);
// False when the file could not be written; the old file is then unchanged.
// After brinox.dat, the piece-marks switch goes into its own file
// (PieceMarksFile.h); a failure there is not reported, the switch only
// falling back to what that file held before at the next start.
bool SaveOptions(const std::string& appDirectory, const Options& options);
void WriteOptions(Archive& archive, const Options& options);

// Brings every out-of-range field back to its default.
void SanitizeOptions(Options& options);

enum class OptionsStartup {
    Loaded,          // a valid file was read
    CreatedDefaults, // no valid file: defaults written and read back
    CannotSave,      // no valid file and it could not be written (show kCannotSaveOptionsMessage)
    CannotCreate,    // written but still unreadable (show kCannotCreateOptionsMessage, then end)
};

// Defaults, default sound files under appDirectory, the piece-marks switch
// from its own file, then brinox.dat; on failure brinox.dat is rewritten and
// read again. options always ends up valid.
OptionsStartup StartOptions(const std::string& appDirectory, Options& options);

} // namespace brinox
