// The sound layer: which WAV files are handed to Qt, and how the player
// copes with missing, damaged, changed and repaired files.
#include "platform/SoundPlayer.h"
#include "platform/WaveCheck.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace brinox {
namespace {

void Put(QByteArray& bytes, qint64 at, quint32 value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[at + i] = static_cast<char>(value >> (8 * i));
    }
}

// Field offsets of Wave(); an odd-length LIST chunk (padded) follows the samples.
enum : qint64 {
    kFmtSize = 16,
    kFormat = 20,
    kChannels = 22,
    kRate = 24,
    kBits = 34,
    kDataId = 36,
    kDataSize = 40,
    kSamples = 44,
    kFrames = 2205,
    kListSize = kSamples + 2 * kFrames + 4
};

QByteArray Wave() {
    QByteArray w = QByteArray("RIFF") + QByteArray(4, 0) + "WAVEfmt " + QByteArray(20, 0) + "data" +
                   QByteArray(4, 0);
    for (int i = 0; i < kFrames; ++i) {
        w += QByteArray(1, static_cast<char>(i * 37)) + QByteArray(1, static_cast<char>(i % 40));
    }
    w += QByteArray("LIST") + QByteArray(4, 0) + "xxxxx" + QByteArray(1, 0);
    Put(w, 4, static_cast<quint32>(w.size() - 8), 4);
    Put(w, kFmtSize, 16, 4);
    Put(w, kFormat, 1, 2);
    Put(w, kChannels, 1, 2);
    Put(w, kRate, 22050, 4);
    Put(w, kRate + 4, 44100, 4);
    Put(w, kRate + 8, 2, 2);
    Put(w, kBits, 16, 2);
    Put(w, kDataSize, 2 * kFrames, 4);
    Put(w, kListSize, 5, 4);
    return w;
}

TEST(WaveCheck, AcceptsOnlyCompletePcmWaves) {
    const std::function<void(QByteArray&)> refused[] = {
        [](QByteArray& w) { w[0] = 'X'; },
        [](QByteArray& w) { w[8] = 'A'; },
        [](QByteArray& w) { Put(w, kFormat, 3, 2); },
        [](QByteArray& w) { Put(w, kBits, 24, 2); },
        [](QByteArray& w) { Put(w, kChannels, 0, 2); },
        [](QByteArray& w) { Put(w, kRate, 0, 4); },
        [](QByteArray& w) { Put(w, kFmtSize, 12, 4); },
        [](QByteArray& w) { w.replace(kDataId, 4, "junk"); },
        [](QByteArray& w) { Put(w, kDataSize, 0, 4); },
        [](QByteArray& w) { Put(w, kDataSize, 0xFFFFFFFF, 4); },
        [](QByteArray& w) { w.truncate(kListSize - 5); },
        [](QByteArray& w) { w.truncate(40); },
    };
    QByteArray good = Wave();
    EXPECT_TRUE(IsPlayableWave(good, good.size()));
    Put(good, kBits, 8, 2);
    EXPECT_TRUE(IsPlayableWave(good, good.size())) << "8-bit";
    for (std::size_t i = 0; i < std::size(refused); ++i) {
        QByteArray w = Wave();
        refused[i](w);
        EXPECT_FALSE(IsPlayableWave(w, w.size())) << "case " << i;
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

TEST_F(SoundPlayerTest, EveryEventHasItsOwnEffectAndAChangedFileReplacesIt) {
    Options options;
    for (std::int32_t e = 0; e < kSoundEventCount; ++e) {
        options.soundFile[e] = Write(QString("t%1.wav").arg(e), Wave());
    }
    player.Preload(options);
    for (std::int32_t e = 0; e < kSoundEventCount; ++e) {
        ASSERT_NE(player.Effect(static_cast<SoundEvent>(e)), nullptr);
        EXPECT_EQ(player.Effect(static_cast<SoundEvent>(e))->source().toLocalFile().toStdString(),
                  options.soundFile[e]);
    }
    EXPECT_TRUE(Loads(SoundEvent::BlockDrop));
    const std::string chosen = Write("chosen.wav", Wave());
    player.Play(SoundEvent::ButtonPress, chosen);
    EXPECT_EQ(player.Effect(SoundEvent::ButtonPress)->source().toLocalFile().toStdString(), chosen);
}

TEST_F(SoundPlayerTest, BadFilesStaySilentUntilRepaired) {
    const std::string bad[] = {Write("garbage.wav", QByteArray(4096, '\xA5')),
                               Write("empty.wav", {}),
                               Write("head.wav", Wave().left(30)),
                               Write("cut.wav", Wave().left(kListSize - 100)),
                               dir.filePath("none.wav").toStdString(),
                               dir.path().toStdString(),
                               ""};
    for (const std::string& file : bad) {
        player.Play(SoundEvent::Timer, file);
        player.Play(static_cast<SoundEvent>(12), file); // not an event: ignored
        EXPECT_EQ(player.Effect(SoundEvent::Timer), nullptr) << file;
    }
    Write("cut.wav", Wave());
    player.Play(SoundEvent::Timer, bad[3]);
    EXPECT_TRUE(Loads(SoundEvent::Timer));
}

TEST(SoundPlayerDevice, WithoutAnAudioDeviceTheGameLoadsNothing) {
    QTemporaryDir dir;
    QFile file(dir.filePath("drop.wav"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Wave());
    file.close();
    SoundPlayer player;
    player.Play(SoundEvent::BlockDrop, file.fileName().toStdString());
    EXPECT_EQ(player.Effect(SoundEvent::BlockDrop) != nullptr,
              !QMediaDevices::defaultAudioOutput().isNull());
}

} // namespace
} // namespace brinox
