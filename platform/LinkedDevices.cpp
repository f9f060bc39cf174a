#include "LinkedDevices.h"

#include "Gamepad.h"
#include "SoundPlayer.h"

namespace brinox {

Devices OpenLinkedDevices(const GamepadLinks& links, bool withSounds) {
    Devices devices;
    if (withSounds) {
        devices.sounds = std::make_unique<SoundPlayer>();
    }
    auto pad = std::make_unique<Gamepad>(links);
    if (pad->Open()) {
        devices.pad = std::move(pad);
    }
    return devices;
}

} // namespace brinox
