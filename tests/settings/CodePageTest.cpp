#include "settings/Archive.h"
#include "settings/Windows1252.h"

#include <gtest/gtest.h>

#include <vector>

namespace brinox {
namespace {

TEST(CodePageTest, EveryByteRoundTripsAndForeignCharactersBecomeOneQuestionMark) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    EXPECT_EQ(ToWindows1252(FromWindows1252(all)), all);
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);

    const struct {
        std::u16string text;
        std::string stored;
    } cases[] = {
        {u"Zo\u00EB", "Zo\xEB"},                 // three characters, three bytes
        {u"\u20AC\u0160\u2122", "\x80\x8A\x99"}, // the signs above 0x7F that are not Latin-1
        {u"a\u043Ab", "a?b"},                    // outside the code page
        {u"x\U0001F600y", "x?y"},                // a surrogate pair is one character
        {u"\xDC00", "?"},                        // a lone surrogate
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
