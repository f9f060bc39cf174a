#include "Windows1252.h"

#include <array>

namespace brinox {

namespace {

// Bytes 0x80..0x9F; the rest of the code page equals the first 256 code points.
constexpr std::array<char16_t, 32> kHighControls = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

constexpr char16_t CodePoint(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char16_t{byte};
}

} // namespace

char ToWindows1252(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        return static_cast<char>(unit);
    }
    for (std::size_t index = 0; index < kHighControls.size(); ++index) {
        if (kHighControls[index] == unit) {
            return static_cast<char>(0x80 + index);
        }
    }
    return '?';
}

bool InWindows1252(char16_t unit) {
    return unit == u'?' || ToWindows1252(unit) != '?';
}

std::string ToWindows1252(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        const char16_t unit = text[index];
        const bool highSurrogate = unit >= 0xD800 && unit <= 0xDBFF;
        if (highSurrogate && index + 1 < text.size() && text[index + 1] >= 0xDC00 &&
            text[index + 1] <= 0xDFFF) {
            ++index; // one character outside the code page, one '?'
        }
        bytes.push_back(ToWindows1252(unit));
    }
    return bytes;
}

std::u16string FromWindows1252(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        text.push_back(CodePoint(static_cast<unsigned char>(byte)));
    }
    return text;
}

} // namespace brinox
