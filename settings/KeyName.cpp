#include "KeyName.h"

namespace brinox {

namespace {

struct NamedKey {
    std::int32_t code;
    const char* name;
};

constexpr NamedKey kNamedKeys[] = {
    {37, "Left Arrow"},
    {39, "Right Arrow"},
    {38, "Up Arrow"},
    {40, "Down Arrow"},
    {32, "Space"},
    {45, "Insert"},
    {46, "Delete"},
    {19, "Pause"},
    {8, "BackSpace"},
    {9, "Tab"},
    {13, "Enter"},
    {36, "Home"},
    {35, "End"},
    {33, "PageUp"},
    {34, "PageDown"},
    {144, "NumLock"},
    {20, "CapsLock"},
    {111, "/"},
    {106, "*"},
    {109, "-"},
    {107, "+"},
    {110, "."},
    {160, "Left Shift"},
    {161, "Right Shift"},
    {162, "Left Control"},
    {163, "Right Control"},
};

} // namespace

std::string KeyName(std::int32_t code) {
    for (const NamedKey& key : kNamedKeys) {
        if (key.code == code) {
            return key.name;
        }
    }
    if (code >= 96 && code <= 105) {
        return "NumPad " + std::to_string(code - 96);
    }
    if ((code >= 48 && code <= 57) || (code >= 65 && code <= 90)) {
        return std::string(1, static_cast<char>(code));
    }
    return "Key #" + std::to_string(code);
}

} // namespace brinox
