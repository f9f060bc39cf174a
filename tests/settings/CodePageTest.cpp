#include "settings/Archive.h"
#include "settings/Windows1252.h"

#include <iconv.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace brinox {
namespace {

// Converts through glibc's own Windows-1252 tables; false where glibc refuses the input.
bool Iconv(const char* to, const char* from, std::string in, std::string& out) {
    const iconv_t cd = iconv_open(to, from);
    char buffer[8];
    char* source = in.data();
    char* target = buffer;
    std::size_t inLeft = in.size(), outLeft = sizeof buffer;
    const bool ok = cd != reinterpret_cast<iconv_t>(-1) &&
                    iconv(cd, &source, &inLeft, &target, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    out.assign(buffer, target);
    return ok && inLeft == 0;
}

TEST(CodePageTest, EveryByteAndEveryUtf16UnitConvertAsGlibcConvertsThem) {
    std::string out;
    std::vector<unsigned> refused;
    for (unsigned byte = 0; byte < 256; ++byte) {
        const std::string stored(1, static_cast<char>(byte));
        EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(stored)), stored) << byte;
        if (!Iconv("UTF-16LE", "CP1252", stored, out)) {
            refused.push_back(byte);
            EXPECT_EQ(FromWindows1252(stored), std::u16string(1, static_cast<char16_t>(byte)));
            continue;
        }
        ASSERT_EQ(out.size(), 2u) << byte;
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                                static_cast<unsigned char>(out[1]) << 8);
        EXPECT_EQ(FromWindows1252(stored), std::u16string(1, unit)) << byte;
    }
    // The five bytes the code page leaves undefined read as the control
    // characters of the same number, so that any stored byte survives.
    EXPECT_EQ(refused, std::vector<unsigned>({0x81, 0x8D, 0x8F, 0x90, 0x9D}));
    for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            continue; // surrogates: below
        }
        const std::string in = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        const bool undefined = std::ranges::count(refused, unit) != 0;
        const char expected = Iconv("CP1252", "UTF-16LE", in, out) ? out[0]
                              : undefined                          ? static_cast<char>(unit)
                                                                   : '?';
        ASSERT_EQ(ToWindows1252(static_cast<char16_t>(unit)), expected) << std::hex << unit;
        EXPECT_EQ(InWindows1252(static_cast<char16_t>(unit)), expected != '?' || unit == '?');
    }
}

TEST(CodePageTest, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    const struct {
        std::u16string text;
        std::string stored;
    } cases[] = {
        {u"a\u043Ab", "a?b"},                  // outside the code page
        {u"x\U0001F600y", "x?y"},              // a surrogate pair is one character
        {u"\xDC00", "?"},                      // a lone surrogate
        {u"\xD800\xDBFF\xD800\xE000", "????"}, // high surrogates not followed by a low one
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToWindows1252(c.text), c.stored);
    }
    EXPECT_EQ(Utf8ToWindows1252("Zo\xC3\xAB \xF0\x9F\x98\x80 \xFF"), "Zo\xEB ? ?");
}

TEST(CodePageTest, SixteenBitStringsReadThroughTheCodePage) {
    // FF FE FF announces 16-bit text; its own prefix (4 characters) follows.
    const std::vector<std::uint8_t> bytes = {0xFF, 0xFE, 0xFF, 0x04, 'Z',  0, 0xEB, 0,
                                             0xAC, 0x20, 0x3A, 0x04, 0x05, 0, 0,    0};
    Archive in;
    in.OpenForLoad(bytes);
    std::string text;
    std::int32_t after = 0;
    ASSERT_TRUE(in.ReadString(text) && in.ReadInt(after));
    EXPECT_EQ(text, "Z\xEB\x80?"); // U+20AC is 0x80; U+043A has no byte
    EXPECT_EQ(after, 5);
}

} // namespace
} // namespace brinox
