#include "HeldKeys.h"

namespace brinox {

namespace {

bool Known(std::int32_t code) {
    return code > 0 && code < 256;
}

} // namespace

void HeldKeys::Press(Device device, std::int32_t code) {
    if (Known(code)) {
        held[static_cast<std::size_t>(device)].set(static_cast<std::size_t>(code));
    }
}

bool HeldKeys::Release(Device device, std::int32_t code) {
    if (!Known(code)) {
        return true;
    }
    held[static_cast<std::size_t>(device)].reset(static_cast<std::size_t>(code));
    const Device other = device == Device::Keyboard ? Device::Pad : Device::Keyboard;
    return !held[static_cast<std::size_t>(other)].test(static_cast<std::size_t>(code));
}

} // namespace brinox
