#include "Gamepad.h"

#include <SDL.h>

#include <climits>

namespace brinox {

namespace {

auto* Controller(void* controller) {
    return static_cast<SDL_GameController*>(controller);
}

struct ButtonUse {
    SDL_GameControllerButton button;
    Gamepad::Control control;
};

// The buttons that do something. A pad's source bits are these, in this
// order, followed by the three stick directions.
constexpr std::array<ButtonUse, 8> kButtons = {{
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, Gamepad::Left},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, Gamepad::Right},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, Gamepad::Down},
    {SDL_CONTROLLER_BUTTON_A, Gamepad::Rotate},
    {SDL_CONTROLLER_BUTTON_B, Gamepad::Drop},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, Gamepad::Drop},
    {SDL_CONTROLLER_BUTTON_START, Gamepad::Start},
    {SDL_CONTROLLER_BUTTON_BACK, Gamepad::Back},
}};
constexpr std::int32_t kStickLeft = kButtons.size();
constexpr std::int32_t kStickRight = kStickLeft + 1;
constexpr std::int32_t kStickDown = kStickLeft + 2;

Gamepad::Control ControlOf(std::int32_t source) {
    if (source < kStickLeft) {
        return kButtons[static_cast<std::size_t>(source)].control;
    }
    return source == kStickLeft ? Gamepad::Left
                                : (source == kStickRight ? Gamepad::Right : Gamepad::Down);
}

// The game key each movement control presses.
constexpr std::array<GameKey, Gamepad::Start> kKeyOf = {
    GameKey::Left, GameKey::Right, GameKey::SoftDrop, GameKey::Rotate, GameKey::Drop};

// The stick counts as pushed only past half its travel: a resting or slightly
// tilted stick moves nothing.
constexpr std::int32_t kStickDeadZone = 16384;

constexpr std::int32_t kPadPollMs = 20;
constexpr std::int32_t kPlugWatchMs = 1000;

std::uint32_t Bit(std::int32_t n) {
    return 1u << static_cast<std::uint32_t>(n);
}

} // namespace

Gamepad::Gamepad(GamepadLinks gamepadLinks) : links(std::move(gamepadLinks)) {}

Gamepad::~Gamepad() {
    Close();
}

bool Gamepad::Open() {
    if (open) {
        return open;
    }
    // SDL would otherwise take SIGINT and SIGTERM away from the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Pads already there come as plug-in events at the first poll.
    open = SDL_Init(SDL_INIT_GAMECONTROLLER) == 0;
    return open;
}

void Gamepad::Close() {
    if (!open) {
        return;
    }
    for (const Pad& pad : pads) {
        SDL_GameControllerClose(Controller(pad.controller));
    }
    pads.clear();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    open = false;
}

void Gamepad::Poll(std::uint32_t now) {
    if (!open) {
        return;
    }
    // Without a pad only a plug-in can happen, and SDL's event pump on every
    // beat of the title would be most of what the idle window costs.
    if (pads.empty() && lastPollMs && now - *lastPollMs < kPlugWatchMs) {
        return;
    }
    lastPollMs = now;
    SDL_Event event;
    // Each event is followed at once, so a tap that went down and up since
    // the last poll still presses and releases its key.
    while (SDL_PollEvent(&event) != 0) {
        Handle(event);
        Follow();
    }
}

void Gamepad::Handle(const SDL_Event& event) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        Plugged(event.cdevice.which);
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        Unplugged(event.cdevice.which);
        break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        for (std::size_t b = 0; b < kButtons.size(); ++b) {
            if (kButtons[b].button == event.cbutton.button) {
                SetSource(event.cbutton.which, static_cast<std::int32_t>(b),
                          event.type == SDL_CONTROLLERBUTTONDOWN);
            }
        }
        break;
    case SDL_CONTROLLERAXISMOTION:
        Stick(event.caxis.which, event.caxis.axis, event.caxis.value);
        break;
    default:
        break;
    }
}

void Gamepad::Plugged(std::int32_t deviceIndex) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (controller == nullptr) {
        return;
    }
    const std::int32_t id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (Find(id) != nullptr) {
        SDL_GameControllerClose(controller); // opened twice: once is enough
        return;
    }
    const char* name = SDL_GameControllerName(controller);
    pads.push_back({controller, id, name != nullptr ? name : "", 0});
}

void Gamepad::Unplugged(std::int32_t id) {
    for (auto pad = pads.begin(); pad != pads.end(); ++pad) {
        if (pad->id == id) {
            SDL_GameControllerClose(Controller(pad->controller));
            pads.erase(pad);
            return;
        }
    }
}

Gamepad::Pad* Gamepad::Find(std::int32_t id) {
    for (Pad& pad : pads) {
        if (pad.id == id) {
            return &pad;
        }
    }
    return nullptr;
}

void Gamepad::SetSource(std::int32_t id, std::int32_t source, bool down) {
    if (Pad* pad = Find(id)) {
        pad->sources = down ? pad->sources | Bit(source) : pad->sources & ~Bit(source);
    }
}

void Gamepad::Stick(std::int32_t id, std::int32_t axis, std::int32_t value) {
    if (axis == SDL_CONTROLLER_AXIS_LEFTX) {
        SetSource(id, kStickLeft, value < -kStickDeadZone);
        SetSource(id, kStickRight, value > kStickDeadZone);
    } else if (axis == SDL_CONTROLLER_AXIS_LEFTY) {
        SetSource(id, kStickDown, value > kStickDeadZone);
    }
}

void Gamepad::Follow() {
    std::uint32_t now = 0;
    for (const Pad& pad : pads) {
        for (std::int32_t source = 0; source <= kStickDown; ++source) {
            if ((pad.sources & Bit(source)) != 0) {
                now |= Bit(ControlOf(source));
            }
        }
    }
    const std::uint32_t changed = now ^ held;
    held = now;
    for (std::int32_t c = 0; c < kControls; ++c) {
        if ((changed & Bit(c)) != 0) {
            (now & Bit(c)) != 0 ? Press(static_cast<Control>(c)) : Release(static_cast<Control>(c));
        }
    }
}

void Gamepad::Press(Control control) {
    const bool reachesGame = links.gameHasKeyboard();
    if (control < Start) {
        heldCode[control] = links.keyCode(kKeyOf[control]);
        if (reachesGame) {
            links.key(heldCode[control], true);
        }
        return;
    }
    // Start pauses and resumes a game, or starts one; Back only ever stops one.
    const bool inProgress = links.gameInProgress();
    if (!reachesGame || (control == Back && !inProgress)) {
        return;
    }
    const auto& command = control == Start && inProgress ? links.pause : links.startStop;
    // A command may open a question box: it runs once this tick is over.
    QMetaObject::invokeMethod(&queue, command, Qt::QueuedConnection);
}

void Gamepad::Release(Control control) {
    if (control < Start) {
        links.key(heldCode[control], false);
    }
}

std::int32_t Gamepad::PollWait() const {
    if (!open) {
        return INT_MAX;
    }
    return pads.empty() ? kPlugWatchMs : kPadPollMs;
}

std::string Gamepad::Name() const {
    return pads.empty() ? std::string() : pads.front().name;
}

} // namespace brinox
