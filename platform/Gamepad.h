// Game controllers through SDL2's game-controller API, read on the window's
// own tick: no SDL window, no second event loop, no signal handlers of SDL's.
// SDL's game-controller part starts on Open, after the first frame. Without
// input devices or when SDL fails to start there is simply no pad.
//
// The pad stands in for the keyboard. Its movement controls press and release
// the game's own key codes, so the keys' auto-repeat and sensitivities apply
// unchanged; Start and Back run the window's commands. A control reaches the
// game only when a key would (the window's key rule); a release always does,
// so nothing stays pressed. Unplugging a pad releases what it held.
#pragma once

#include "Devices.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

union SDL_Event;

namespace brinox {

class Gamepad : public PadInput {
public:
    explicit Gamepad(GamepadLinks links);
    ~Gamepad() override;
    Gamepad(const Gamepad&) = delete;
    Gamepad& operator=(const Gamepad&) = delete;

    // Starts SDL's game-controller subsystem; false when there is none to be had.
    bool Open();
    // Takes in what happened since the last poll: pads plugged in or out,
    // buttons and the left stick. Without a pad it looks for one at most once
    // a second of now (the window's millisecond clock).
    void Poll(std::uint32_t now) override;
    // Milliseconds to the next poll wanted while no game runs: a tick with a
    // pad (Start must answer), a second without one (to see one plugged in).
    std::int32_t PollWait() const override;
    // The name of the connected pad; empty when there is none.
    std::string Name() const override;

    // The controls, each a game key or a command.
    enum Control : std::int32_t { Left, Right, Down, Rotate, Drop, Start, Back, kControls };

private:
    struct Pad {
        void* controller;
        std::int32_t id;
        std::string name;
        std::uint32_t sources; // one bit per button or stick direction held
    };

    void Handle(const SDL_Event& event);
    void Plugged(std::int32_t deviceIndex);
    void Unplugged(std::int32_t id);
    Pad* Find(std::int32_t id);
    void SetSource(std::int32_t id, std::int32_t source, bool down);
    void Stick(std::int32_t id, std::int32_t axis, std::int32_t value);
    // Presses and releases what changed since the last call.
    void Follow();
    void Press(Control control);
    void Release(Control control);
    void Close();

    GamepadLinks links;
    bool open = false;
    std::optional<std::uint32_t> lastPollMs;
    std::vector<Pad> pads;
    std::uint32_t held = 0; // bit per Control
    std::array<std::int32_t, kControls> heldCode{};
    // The commands wait here for the event loop; pending ones die with the pad.
    QObject queue;
};

} // namespace brinox
