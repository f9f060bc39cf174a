#include "platform/WaveCheck.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace brinox {
namespace {

void PutLE(QByteArray& bytes, qint64 at, quint32 value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// Where the fields of GoodWave() sit.
enum Offset : qint64 {
    kListSize = 16,
    kFmtId = 26,
    kFmtSize = 30,
    kFormat = 34,
    kChannels = 36,
    kRate = 38,
    kBits = 48,
    kDataId = 50,
    kDataSize = 54,
};

// RIFF header, a LIST chunk of odd length (padded), fmt, then 100 frames of
// 16-bit stereo samples.
QByteArray GoodWave() {
    QByteArray wav = QByteArray("RIFF") + QByteArray(4, 0) + "WAVE";
    wav += QByteArray("LIST") + QByteArray(4, 0) + "xxxxx" + QByteArray(1, 0);
    wav += QByteArray("fmt ") + QByteArray(4 + 16, 0);
    wav += QByteArray("data") + QByteArray(4, 0) + QByteArray(400, 1);
    PutLE(wav, 4, static_cast<quint32>(wav.size() - 8), 4);
    PutLE(wav, kListSize, 5, 4);
    PutLE(wav, kFmtSize, 16, 4);
    PutLE(wav, kFormat, 1, 2);
    PutLE(wav, kChannels, 2, 2);
    PutLE(wav, kRate, 22050, 4);
    PutLE(wav, kRate + 4, 22050 * 4, 4);
    PutLE(wav, kRate + 8, 4, 2);
    PutLE(wav, kBits, 16, 2);
    PutLE(wav, kDataSize, 400, 4);
    return wav;
}

struct WaveCase {
    const char* name;
    std::function<void(QByteArray&)> damage;
    bool playable;
};

void PrintTo(const WaveCase& c, std::ostream* os) {
    *os << c.name;
}

class WaveCheckTable : public testing::TestWithParam<WaveCase> {};

TEST_P(WaveCheckTable, AcceptsOnlyCompletePcmWaves) {
    QByteArray wav = GoodWave();
    GetParam().damage(wav);
    EXPECT_EQ(IsPlayableWave(wav, wav.size()), GetParam().playable);
}

INSTANTIATE_TEST_SUITE_P(
    Damage, WaveCheckTable,
    testing::Values(
        WaveCase{"Intact", [](QByteArray&) {}, true},
        WaveCase{"EightBitMono",
                 [](QByteArray& w) {
                     PutLE(w, kChannels, 1, 2);
                     PutLE(w, kBits, 8, 2);
                 },
                 true},
        WaveCase{"NotRiff", [](QByteArray& w) { w[0] = 'X'; }, false},
        WaveCase{"NotWave", [](QByteArray& w) { w[8] = 'A'; }, false},
        WaveCase{"Compressed", [](QByteArray& w) { PutLE(w, kFormat, 2, 2); }, false},
        WaveCase{"FloatSamples",
                 [](QByteArray& w) {
                     PutLE(w, kFormat, 3, 2);
                     PutLE(w, kBits, 32, 2);
                 },
                 false},
        WaveCase{"TwentyFourBit", [](QByteArray& w) { PutLE(w, kBits, 24, 2); }, false},
        WaveCase{"NoChannels", [](QByteArray& w) { PutLE(w, kChannels, 0, 2); }, false},
        WaveCase{"NoRate", [](QByteArray& w) { PutLE(w, kRate, 0, 4); }, false},
        WaveCase{"ShortFormat", [](QByteArray& w) { PutLE(w, kFmtSize, 12, 4); }, false},
        WaveCase{"NoFormat", [](QByteArray& w) { w.replace(kFmtId, 4, "junk"); }, false},
        WaveCase{"NoData", [](QByteArray& w) { w.replace(kDataId, 4, "junk"); }, false},
        WaveCase{"EmptyData", [](QByteArray& w) { PutLE(w, kDataSize, 0, 4); }, false},
        WaveCase{"SamplesCutShort", [](QByteArray& w) { w.chop(1); }, false},
        WaveCase{"HeaderCutShort", [](QByteArray& w) { w.truncate(40); }, false},
        WaveCase{"DataClaimsFourGigabytes",
                 [](QByteArray& w) { PutLE(w, kDataSize, 0xFFFFFFFF, 4); }, false},
        WaveCase{"ChunkRunsPastTheEnd", [](QByteArray& w) { PutLE(w, kListSize, 0xFFFFFFF0, 4); },
                 false},
        WaveCase{"Empty", [](QByteArray& w) { w.clear(); }, false}),
    [](const testing::TestParamInfo<WaveCase>& info) { return std::string(info.param.name); });

TEST(WaveCheckFile, ReadsTheFileAndItsSize) {
    QTemporaryDir dir;
    const QByteArray wav = GoodWave();
    QFile good(dir.filePath("good.wav"));
    ASSERT_TRUE(good.open(QIODevice::WriteOnly));
    good.write(wav);
    good.close();
    EXPECT_TRUE(IsPlayableWaveFile(good.fileName()));
    QFile cut(dir.filePath("cut.wav"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(wav.chopped(2));
    cut.close();
    EXPECT_FALSE(IsPlayableWaveFile(cut.fileName()));
    EXPECT_FALSE(IsPlayableWaveFile(dir.filePath("missing.wav")));
    EXPECT_FALSE(IsPlayableWaveFile(dir.path()));
}

} // namespace
} // namespace brinox
