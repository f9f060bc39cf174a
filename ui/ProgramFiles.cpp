#include "ProgramFiles.h"

#include "AssetFiles.h"

#include "scores/ScoreTableSet.h"
#include "scores/UsageRecords.h"
#include "settings/AppDirectory.h"
#include "settings/OptionsFile.h"
#include "settings/WindowSizeFile.h"

namespace brinox {

ProgramFiles::ProgramFiles(Options& options, Clock& clock)
    : options(options), clock(clock), startMs(clock.Milliseconds()) {}

ProgramFiles::Start ProgramFiles::Open() {
    if (auto found = DetermineAppDirectory()) {
        directory = *found;
    } else {
        // Without a directory of its own the game still runs from the current one.
        Warn(kCannotCreateScratchMessage);
        prompts.confirmQuit();
        if (quitting) {
            usable = false;
            return Start::Quit;
        }
    }
    if (!OpenOptions()) {
        usable = false;
        return quitting ? Start::Quit : Start::Failed;
    }
    windowSizeSetting = ReadWindowSizeSetting(directory);
    RecordFirstStart(directory, clock.Now());
    const std::vector<std::string> missing = assets::MissingAssetFiles(directory);
    if (!missing.empty()) {
        prompts.warn(prompts.shown ? assets::MissingFilesWarning(missing, prompts.shown)
                                   : assets::MissingFilesWarning(missing));
    }
    return Start::Ready;
}

bool ProgramFiles::OpenOptions() {
    switch (StartOptions(directory, options)) {
    case OptionsStartup::Loaded:
    case OptionsStartup::CreatedDefaults:
        return true;
    case OptionsStartup::CannotSave:
        Warn(kCannotSaveOptionsMessage);
        prompts.confirmQuit();
        if (quitting) {
            return false;
        }
        // Nothing could be written, so the second reading fails as well.
        [[fallthrough]];
    case OptionsStartup::CannotCreate:
        Warn(kCannotCreateOptionsMessage);
        return false;
    }
    return true;
}

void ProgramFiles::SaveOptions() {
    if (!::brinox::SaveOptions(directory, options) && !quitting) {
        Warn(kCannotSaveOptionsMessage);
        prompts.confirmQuit();
    }
}

void ProgramFiles::Quit() {
    if (quitting) {
        return;
    }
    quitting = true;
    RecordRunningTime();
    // Already on the way out: a failure to save is not asked about again.
    ::brinox::SaveOptions(directory, options);
}

void ProgramFiles::ShutDown() {
    if (shutDown) {
        return;
    }
    shutDown = true;
    quitting = true;
    if (usable) {
        RecordRunningTime();
        ::brinox::SaveOptions(directory, options);
        WriteWindowSizeSetting(directory, windowSizeSetting);
    }
}

void ProgramFiles::RecordRunningTime() {
    // Quitting and the destruction of the window both end the run; it counts once.
    if (runningTimeCounted || !usable) {
        return;
    }
    runningTimeCounted = true;
    AddRunningTime(directory, startMs, clock.Milliseconds());
}

std::int32_t ProgramFiles::BestScore(std::int32_t table) const {
    return ::brinox::BestScore(directory, table);
}

} // namespace brinox
