// Where the game keeps its data files: the directory current at start-up,
// with a trailing '/'. Found once, before anything is read.
#pragma once

#include "engine/TextMarks.h"

#include <optional>
#include <string>

namespace brinox {

inline constexpr const char* kCannotCreateScratchMessage =
    BRINOX_TEXT("Messages", "ERROR! It is impossible to create file. Hard disk is full or damaged");

// The current directory + '/', or nullopt when no file can be created there
// (the caller shows kCannotCreateScratchMessage and asks to quit).
std::optional<std::string> DetermineAppDirectory();

} // namespace brinox
