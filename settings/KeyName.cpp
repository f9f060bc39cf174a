#include "KeyName.h"

#include "engine/TextMarks.h"

namespace brinox {

namespace {

struct NamedKey {
    std::int32_t code;
    const char* name;
};

constexpr NamedKey kNamedKeys[] = {
    {37, BRINOX_TEXT("KeyName", "Left Arrow")},
    {39, BRINOX_TEXT("KeyName", "Right Arrow")},
    {38, BRINOX_TEXT("KeyName", "Up Arrow")},
    {40, BRINOX_TEXT("KeyName", "Down Arrow")},
    {32, BRINOX_TEXT("KeyName", "Space")},
    {45, BRINOX_TEXT("KeyName", "Insert")},
    {46, BRINOX_TEXT("KeyName", "Delete")},
    {19, BRINOX_TEXT("KeyName", "Pause")},
    {8, BRINOX_TEXT("KeyName", "BackSpace")},
    {9, BRINOX_TEXT("KeyName", "Tab")},
    {13, BRINOX_TEXT("KeyName", "Enter")},
    {36, BRINOX_TEXT("KeyName", "Home")},
    {35, BRINOX_TEXT("KeyName", "End")},
    {33, BRINOX_TEXT("KeyName", "PageUp")},
    {34, BRINOX_TEXT("KeyName", "PageDown")},
    {144, BRINOX_TEXT("KeyName", "NumLock")},
    {20, BRINOX_TEXT("KeyName", "CapsLock")},
    {111, "/"},
    {106, "*"},
    {109, "-"},
    {107, "+"},
    {110, "."},
    {160, BRINOX_TEXT("KeyName", "Left Shift")},
    {161, BRINOX_TEXT("KeyName", "Right Shift")},
    {162, BRINOX_TEXT("KeyName", "Left Control")},
    {163, BRINOX_TEXT("KeyName", "Right Control")},
};

} // namespace

KeyNameText KeyNameOf(std::int32_t code) {
    for (const NamedKey& key : kNamedKeys) {
        if (key.code == code) {
            return {key.name};
        }
    }
    if (code >= 96 && code <= 105) {
        return {BRINOX_TEXT("KeyName", "NumPad %1"), code - 96};
    }
    if ((code >= 48 && code <= 57) || (code >= 65 && code <= 90)) {
        return {std::string(1, static_cast<char>(code))};
    }
    return {BRINOX_TEXT("KeyName", "Key #%1"), code};
}

std::string KeyName(std::int32_t code) {
    KeyNameText name = KeyNameOf(code);
    if (name.number) {
        name.text.replace(name.text.find("%1"), 2, std::to_string(*name.number));
    }
    return name.text;
}

} // namespace brinox
