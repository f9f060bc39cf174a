// The program's own files over one run: the game directory and the options
// file at start, the window-size setting, the first-start and running-time
// records, the options written after a change, at quit and at shutdown, and
// the best score the engine asks for. It decides which file is read or
// written when and what a failure leads to; the window only shows the
// warnings and asks the quit question it is handed. Plain C++.
//
// Invariants: the running time is added at most once a run; once start-up has
// found the files unusable (or the player quit during it) nothing is written
// at shutdown; the options file always holds the options in force after each
// successful write.
#pragma once

#include "engine/Clock.h"
#include "engine/Options.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace brinox {

class ProgramFiles {
public:
    // How the files reach the player: a warning shown, the quit question
    // (the window's, which ends with Quit when the player says Yes), and a
    // message's English text in the player's language (none: as it is).
    struct Prompts {
        std::function<void(std::string_view)> warn;
        std::function<void()> confirmQuit;
        std::function<std::string(const char*)> shown;
    };
    enum class Start {
        Ready,  // play on
        Quit,   // the player chose to quit at a warning: the run ends with status 0
        Failed, // the options file cannot be made: the run ends with status 1
    };

    ProgramFiles(Options& options, Clock& clock);
    void SetPrompts(Prompts to) { prompts = std::move(to); }

    // Start-up, in its fixed order: game directory, options file, window-size
    // setting, first-start record, the check for missing pictures and sounds.
    Start Open();
    const std::string& Directory() const { return directory; }

    std::int32_t WindowSizeSetting() const { return windowSizeSetting; }
    void SetWindowSizeSetting(std::int32_t setting) { windowSizeSetting = setting; }

    // Writes the options file; a failure is reported and leads to the quit
    // question (not once quitting has begun).
    void SaveOptions();
    // The player confirmed the quit: the run's time and the options are written once more.
    void Quit();
    bool Quitting() const { return quitting; }
    // The window goes: running time, options and window size, once, when the files are usable.
    void ShutDown();

    // The best score of a table, from the best-score file.
    std::int32_t BestScore(std::int32_t table) const;

private:
    bool OpenOptions();
    void Warn(const char* english) {
        prompts.warn(prompts.shown ? prompts.shown(english) : english);
    }
    void RecordRunningTime();

    Options& options;
    Clock& clock;
    Prompts prompts;
    std::string directory;
    std::uint32_t startMs = 0;
    std::int32_t windowSizeSetting = 100;
    bool usable = true;
    bool quitting = false;
    bool runningTimeCounted = false;
    bool shutDown = false;
};

} // namespace brinox
