// The devices of a program linked with them: what the device module hands
// the game, and what tests of the window link directly.
#pragma once

#include "Devices.h"

namespace brinox {

Devices OpenLinkedDevices(const GamepadLinks& links, bool withSounds);

} // namespace brinox
