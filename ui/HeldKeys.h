// Which device holds each key: the keyboard and the gamepad press the same
// game keys, so the game must hear a key go up only once neither holds it.
// The keyboard's keys are forgotten when the application loses the keyboard,
// since their releases then go to another program.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>

namespace brinox {

class HeldKeys {
public:
    enum class Device { Keyboard = 0, Pad = 1 };

    void Press(Device device, std::int32_t code);
    // Whether the game must hear the key go up now: the other device does not hold it.
    bool Release(Device device, std::int32_t code);
    void ForgetKeyboard() { held[0].reset(); }

private:
    static constexpr std::size_t kCodes = 256;
    std::array<std::bitset<kCodes>, 2> held;
};

} // namespace brinox
