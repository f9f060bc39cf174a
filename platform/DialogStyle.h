// The look the game's own dialogs share: night-blue panels with gold
// headings and light lettering, as on the main window's panels. A dialog
// sets it as its style sheet and may append rules of its own.
#pragma once

#include <QString>

namespace brinox {

// The shared style sheet with the body type typePx pixels high.
QString GameDialogStyle(int typePx);

} // namespace brinox
