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

std::string Utf8ToWindows1252(std::string_view utf8) {
    std::u16string text;
    std::size_t index = 0;
    while (index < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[index]);
        const std::size_t trail = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        bool valid = (lead < 0x80 || trail > 0) && index + trail < utf8.size();
        char32_t code = trail == 0 ? lead : lead & (0x3Fu >> trail);
        for (std::size_t k = 1; valid && k <= trail; ++k) {
            const auto next = static_cast<unsigned char>(utf8[index + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3Fu);
        }
        index += valid ? trail + 1 : 1;
        // Whatever is not a single UTF-16 unit lies outside the code page anyway.
        text.push_back(valid && code < 0xD800 ? static_cast<char16_t>(code) : u'\uFFFD');
    }
    return ToWindows1252(text);
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string utf8;
    for (const char16_t unit : FromWindows1252(bytes)) {
        if (unit < 0x80) {
            utf8 += static_cast<char>(unit);
        } else if (unit < 0x800) {
            utf8 += static_cast<char>(0xC0 | (unit >> 6));
            utf8 += static_cast<char>(0x80 | (unit & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (unit >> 12));
            utf8 += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (unit & 0x3F));
        }
    }
    return utf8;
}

} // namespace brinox
