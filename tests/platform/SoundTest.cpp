// The sound layer: which WAV files count as playable, and how the player
// copes with missing, damaged and repaired files.
#include "platform/SoundPlayer.h"
#include "platform/WaveCheck.h"

#include "engine/Options.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brinox::test {
namespace {

void Put(QByteArray& bytes, qint64 at, quint32 value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[at + i] = static_cast<char>(value >> (8 * i));
    }
}

// Field offsets of Wave(); an odd-length LIST chunk (padded) follows the samples.
enum : qint64 { kFmtSize = 16, kFormat = 20, kChannels = 22, kRate = 24, kBits = 34 };
enum : qint64 { kDataId = 36, kDataSize = 40, kFrames = 2205, kListSize = 44 + 2 * kFrames + 4 };

QByteArray Wave() {
    QByteArray w = QByteArray("RIFF") + QByteArray(4, 0) + "WAVEfmt " + QByteArray(20, 0) + "data" +
                   QByteArray(4 + 2 * kFrames, 0) + "LIST" + QByteArray(4, 0) + "xxxxx" +
                   QByteArray(1, 0);
    for (int i = 0; i < kFrames; ++i) {
        Put(w, 44 + 2 * i, static_cast<quint32>(i * 37 % 256 + i % 40 * 256), 2);
    }
    // size, fmt size, PCM, mono, 22050 Hz, bytes per second, block align, 16 bits
    // clang-format off
    for (auto [at, value, size] : {std::tuple{4, int(w.size() - 8), 4}, {kFmtSize, 16, 4},
             {kFormat, 1, 2}, {kChannels, 1, 2}, {kRate, 22050, 4}, {kRate + 4, 44100, 4},
             {kRate + 8, 2, 2}, {kBits, 16, 2}, {kDataSize, 2 * kFrames, 4}, {kListSize, 5, 4}}) {
        // clang-format on
        Put(w, at, static_cast<quint32>(value), size);
    }
    return w;
}

TEST(WaveCheck, AcceptsOnlyCompletePcmWaves) {
    QByteArray good = Wave();
    EXPECT_TRUE(IsPlayableWave(good, good.size()));
    Put(good, kBits, 8, 2);
    EXPECT_TRUE(IsPlayableWave(good, good.size())) << "8-bit";
    // offset, value, size: each header field made wrong; a cut file
    const struct {
        qint64 at;
        quint32 value;
        int size;
    } refused[] = {// clang-format off
        {0, 'X', 1}, {8, 'A', 1}, {kFormat, 3, 2}, {kBits, 24, 2}, {kChannels, 0, 2}, {kRate, 0, 4},
        {kFmtSize, 12, 4}, {kDataId, 'j', 1}, {kDataSize, 0, 4}, {kDataSize, 0xFFFFFFFF, 4}};
    // clang-format on
    for (const auto& r : refused) {
        QByteArray w = Wave();
        Put(w, r.at, r.value, r.size);
        EXPECT_FALSE(IsPlayableWave(w, w.size())) << r.at << " = " << r.value;
    }
    for (qint64 length : {qint64{40}, kListSize - 5}) {
        EXPECT_FALSE(IsPlayableWave(Wave().left(length), length)) << length;
    }
}

class SoundPlayerTest : public testing::Test {
protected:
    std::string Write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return file.fileName().toStdString();
    }
    bool Loads(SoundEvent event) {
        QDeadlineTimer deadline(5000);
        const QSoundEffect* e = player.Effect(event);
        while (e && e->status() != QSoundEffect::Ready && e->status() != QSoundEffect::Error &&
               !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return e && e->status() == QSoundEffect::Ready;
    }
    QTemporaryDir dir;
    // Loads files even on a machine without sound, so that their handling is tested.
    SoundPlayer player{nullptr, SoundPlayer::Output::EvenWithoutDevice};
};

TEST_F(SoundPlayerTest, BadFilesAndNonEventsAreSilentUntilRepaired) {
    const std::string bad[] = {Write("cut.wav", Wave().left(kListSize - 100)), Write("e.wav", {}),
                               dir.filePath("none.wav").toStdString(), dir.path().toStdString(),
                               ""};
    for (const std::string& file : bad) {
        player.Play(SoundEvent::Timer, file);
        player.Play(static_cast<SoundEvent>(12), file); // not an event: ignored
        EXPECT_EQ(player.Effect(SoundEvent::Timer), nullptr) << file;
    }
    Write("cut.wav", Wave());
    player.Play(SoundEvent::Timer, bad[0]);
    EXPECT_TRUE(Loads(SoundEvent::Timer));
}

// Preloading loads each event's file and a changed one anew, through one device watcher.
TEST_F(SoundPlayerTest, PreloadLoadsEachEventsFileAndAChangedOneAnew) {
    Options options;
    for (const char* name : {"a.wav", "b.wav"}) {
        options.soundFile[0] = Write(name, Wave());
        player.Preload(options);
    }
    EXPECT_EQ(player.Effect(SoundEvent::ButtonPress)->source().fileName(), "b.wav");
    EXPECT_EQ(player.findChildren<QMediaDevices*>().size(), 1);
}

} // namespace
} // namespace brinox::test
