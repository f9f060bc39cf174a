// The makers of the shell's information dialogs that the application hands
// to the main window (About, About Cathedral, the two Champions lists).
#pragma once

#include "ui/InformationDialogs.h"

namespace brinox {

// Every maker set: each reads the web links of appDirectory when it makes its dialog.
InformationDialogs ShellDialogs();

} // namespace brinox
