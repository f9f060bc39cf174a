// The pictures of the information dialogs come from the game directory like
// every other picture; a missing one leaves an empty label, never an error.
#pragma once

#include <string>
#include <string_view>

class QLabel;
class QWidget;

namespace brinox {

// A label showing appDirectory + name at the picture's own size.
QLabel* DialogPicture(const std::string& appDirectory, std::string_view name, QWidget* parent);

} // namespace brinox
