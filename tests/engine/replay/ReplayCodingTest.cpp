// The replay file's coding, against bytes worked out by hand: LEB128 numbers
// (seven bits a byte, low first, the top bit set on every byte but the
// last), zig-zag for signed ones (0, -1, 1, -2, ... become 0, 1, 2, 3, ...),
// and a file that is refused when it is cut short or has anything after its end.
#include "engine/replay/ReplayFile.h"
#include "engine/replay/ReplayReader.h"
#include "engine/replay/ReplayWriter.h"

#include <gtest/gtest.h>

namespace brinox::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct NumberCase {
    std::int64_t value;
    bool isSigned;
    Bytes bytes;
};

class ReplayNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReplayNumberTest, IsWrittenAsTheseBytesAndReadBackFromThem) {
    const NumberCase& c = GetParam();
    Bytes written;
    if (c.isSigned) {
        ReplayWriter::PutSigned(written, c.value);
    } else {
        ReplayWriter::PutNumber(written, static_cast<std::uint64_t>(c.value));
    }
    EXPECT_EQ(written, c.bytes);
    std::size_t at = 0;
    std::uint64_t number = 0;
    std::int64_t signedNumber = 0;
    ASSERT_TRUE(c.isSigned ? ReplayReader::GetSigned(c.bytes, at, signedNumber)
                           : ReplayReader::GetNumber(c.bytes, at, number));
    EXPECT_EQ(c.isSigned ? signedNumber : static_cast<std::int64_t>(number), c.value);
    EXPECT_EQ(at, c.bytes.size());
    // Cut short by one byte, the number is refused.
    Bytes cut(c.bytes.begin(), c.bytes.end() - 1);
    at = 0;
    EXPECT_FALSE(ReplayReader::GetNumber(cut, at, number));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ReplayNumberTest,
    ::testing::Values(NumberCase{0, false, {0x00}}, NumberCase{127, false, {0x7F}},
                      NumberCase{128, false, {0x80, 0x01}}, NumberCase{300, false, {0xAC, 0x02}},
                      NumberCase{0xFFFFFFFF, false, {0xFF, 0xFF, 0xFF, 0xFF, 0x0F}},
                      NumberCase{0, true, {0x00}}, NumberCase{-1, true, {0x01}},
                      NumberCase{1, true, {0x02}}, NumberCase{-64, true, {0x7F}},
                      NumberCase{64, true, {0x80, 0x01}},
                      NumberCase{-2'000'000'001, true, {0x81, 0xD0, 0xAC, 0xF3, 0x0E}}));

TEST(ReplayFileTest, BeginsWithItsSignatureFormatAndVersionAndRefusesEveryCutAndAnyExtraByte) {
    Replay replay;
    replay.engineVersion = "2.25";
    replay.randomState = 300;
    replay.inputs = {0x84, 0x05};
    const Bytes bytes = ReplayFile::Encode(replay);
    const Bytes head = {'B', 'X', 'R', 'P', 0x01, 0x04, '2', '.', '2', '5'};
    ASSERT_GE(bytes.size(), head.size());
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + head.size()), head);
    EXPECT_EQ(ReplayFile::Decode(bytes), replay);
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        EXPECT_FALSE(ReplayFile::Decode(Bytes(bytes.begin(), bytes.begin() + size))) << size;
    }
    Bytes longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(ReplayFile::Decode(longer));
}

// Up to seven ticks ride in the top bits of the entry after them; a longer
// run stands alone as a Ticks entry with its count.
TEST(ReplayWriterTest, RunsOfTicksUpToSevenRideOnTheNextEntry) {
    const std::pair<int, Bytes> cases[] = {
        {0, {0x0A}}, {7, {0x7A}}, {8, {0x80, 0x08, 0x0A}}, {300, {0x80, 0xAC, 0x02, 0x0A}}};
    for (const auto& [ticks, bytes] : cases) {
        Replay replay;
        ReplayWriter writer(replay);
        for (int t = 0; t < ticks; ++t) {
            writer.Tick();
        }
        writer.GameKey(2, true);
        EXPECT_EQ(replay.inputs, bytes) << ticks;
    }
}

// An entry no writer makes is damage: nothing is played from it on; so is an
// answer asked for after the last one. Game keys are 0 to 4.
TEST(ReplayReaderTest, EntriesNoWriterMakesAndMissingAnswersAreDamage) {
    const auto generic = [](ReplayEntry kind, int ticks = 0) {
        return static_cast<std::uint8_t>(0x80 | ticks << 4 | static_cast<int>(kind));
    };
    for (const auto& [inputs, read] : {std::pair<Bytes, bool>{{0x14}, true},
                                       {{0x0B}, true},
                                       {{0x0D}, false},
                                       {{0x07}, false},
                                       {{generic(ReplayEntry::GameKeyDown)}, false},
                                       {{generic(ReplayEntry::GameKeyUp)}, false},
                                       {{generic(ReplayEntry::Ticks, 1), 0x05}, false},
                                       {{generic(ReplayEntry::Pause, 2)}, true}}) {
        Replay replay;
        replay.inputs = inputs;
        ReplayReader reader(replay);
        ReplayEntry kind{};
        std::uint32_t value = 0;
        while (reader.NextEntry(kind, value)) {
        }
        EXPECT_EQ(reader.Damaged(), !read) << int(inputs[0]);
    }
    const Replay unanswered;
    ReplayReader reader(unanswered);
    EXPECT_TRUE(reader.Answer() == 0 && reader.Damaged());
}

} // namespace
} // namespace brinox::test
