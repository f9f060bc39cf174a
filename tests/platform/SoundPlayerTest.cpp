#include "platform/SoundPlayer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace brinox {
namespace {

void PutLE(QByteArray& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// A short 16-bit mono PCM tone, the kind of file the game ships.
QByteArray ToneWav(int milliseconds = 50) {
    const std::uint32_t rate = 22050;
    const std::uint32_t samples = rate * static_cast<std::uint32_t>(milliseconds) / 1000;
    QByteArray wav("RIFF");
    PutLE(wav, 36 + samples * 2, 4);
    wav.append("WAVEfmt ");
    PutLE(wav, 16, 4);
    PutLE(wav, 1, 2); // PCM
    PutLE(wav, 1, 2); // mono
    PutLE(wav, rate, 4);
    PutLE(wav, rate * 2, 4);
    PutLE(wav, 2, 2);
    PutLE(wav, 16, 2);
    wav.append("data");
    PutLE(wav, samples * 2, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        PutLE(wav, static_cast<std::uint16_t>(8000 * std::sin(i * 0.1)), 2);
    }
    return wav;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// Lets the effects load in the background; true once done() holds.
bool WaitFor(const std::function<bool()>& done, int milliseconds = 5000) {
    QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

class SoundPlayerTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }

    std::string Tone(const char* name) {
        EXPECT_TRUE(WriteFile(dir.filePath(name), ToneWav()));
        return Path(name);
    }

    static bool Settled(const QSoundEffect* effect) {
        return effect != nullptr &&
               (effect->status() == QSoundEffect::Ready || effect->status() == QSoundEffect::Error);
    }

    QTemporaryDir dir;
    // Loads files even on a machine without sound, so that their handling is tested.
    SoundPlayer player{nullptr, SoundPlayer::Output::EvenWithoutDevice};
};

TEST_F(SoundPlayerTest, PreloadGivesEveryEventItsOwnEffect) {
    Options options;
    for (std::int32_t e = 0; e < kSoundEventCount; ++e) {
        options.soundFile[e] = Tone(("tone" + std::to_string(e) + ".wav").c_str());
    }
    player.Preload(options);
    for (std::int32_t e = 0; e < kSoundEventCount; ++e) {
        const QSoundEffect* effect = player.Effect(static_cast<SoundEvent>(e));
        ASSERT_NE(effect, nullptr) << e;
        EXPECT_EQ(effect->source(),
                  QUrl::fromLocalFile(QString::fromStdString(options.soundFile[e])));
    }
    // A good file loads even where there is no audio device to play it on.
    EXPECT_TRUE(WaitFor([&] { return Settled(player.Effect(SoundEvent::BlockDrop)); }));
    EXPECT_EQ(player.Effect(SoundEvent::BlockDrop)->status(), QSoundEffect::Ready);
    // Playing event after event, each replacing the last, must simply return.
    for (std::int32_t e = 0; e < kSoundEventCount; ++e) {
        player.Play(static_cast<SoundEvent>(e), options.soundFile[e]);
    }
    QCoreApplication::processEvents();
}

TEST_F(SoundPlayerTest, MissingFileIsSilentUntilItAppears) {
    const std::string file = Path("later.wav");
    player.Play(SoundEvent::Timer, file);
    EXPECT_EQ(player.Effect(SoundEvent::Timer), nullptr);

    ASSERT_TRUE(WriteFile(QString::fromStdString(file), ToneWav()));
    player.Play(SoundEvent::Timer, file);
    ASSERT_NE(player.Effect(SoundEvent::Timer), nullptr);
    EXPECT_TRUE(WaitFor([&] { return Settled(player.Effect(SoundEvent::Timer)); }));
}

TEST_F(SoundPlayerTest, ChangedFileIsLoadedInsteadOfTheOldOne) {
    Options options;
    options.soundFile[0] = Tone("old.wav");
    player.Preload(options);
    const std::string chosen = Tone("chosen.wav");
    player.Play(SoundEvent::ButtonPress, chosen);
    ASSERT_NE(player.Effect(SoundEvent::ButtonPress), nullptr);
    EXPECT_EQ(player.Effect(SoundEvent::ButtonPress)->source(),
              QUrl::fromLocalFile(QString::fromStdString(chosen)));
}

TEST_F(SoundPlayerTest, DamagedFileStaysSilentAndSoundsOnceRepaired) {
    const std::string file = Path("bomb.wav");
    ASSERT_TRUE(WriteFile(QString::fromStdString(file), QByteArray(4096, '\xA5')));
    player.Play(SoundEvent::BombExplosion, file);
    EXPECT_EQ(player.Effect(SoundEvent::BombExplosion), nullptr);

    ASSERT_TRUE(WriteFile(QString::fromStdString(file), ToneWav()));
    player.Play(SoundEvent::BombExplosion, file);
    EXPECT_TRUE(WaitFor([&] { return Settled(player.Effect(SoundEvent::BombExplosion)); }));
    EXPECT_EQ(player.Effect(SoundEvent::BombExplosion)->status(), QSoundEffect::Ready);
}

TEST_F(SoundPlayerTest, FilesCutShortAreNeverHandedToQt) {
    // Qt waits for ever on these, and then blocks when the effect is destroyed.
    const std::string header = Path("header.wav");
    ASSERT_TRUE(WriteFile(QString::fromStdString(header), ToneWav().left(30)));
    const std::string samples = Path("samples.wav");
    ASSERT_TRUE(WriteFile(QString::fromStdString(samples), ToneWav().chopped(100)));
    for (int round = 0; round < 2; ++round) {
        player.Play(SoundEvent::BlockRemoved, header);
        player.Play(SoundEvent::StartOfGame, samples);
    }
    EXPECT_EQ(player.Effect(SoundEvent::BlockRemoved), nullptr);
    EXPECT_EQ(player.Effect(SoundEvent::StartOfGame), nullptr);

    ASSERT_TRUE(WriteFile(QString::fromStdString(samples), ToneWav()));
    player.Play(SoundEvent::StartOfGame, samples);
    ASSERT_NE(player.Effect(SoundEvent::StartOfGame), nullptr) << "a repaired file is taken";
    EXPECT_TRUE(WaitFor([&] { return Settled(player.Effect(SoundEvent::StartOfGame)); }));
}

TEST(SoundPlayerDevice, WithoutAnAudioDeviceTheGameLoadsNothing) {
    QTemporaryDir dir;
    const QString file = dir.filePath("drop.wav");
    ASSERT_TRUE(WriteFile(file, ToneWav()));
    SoundPlayer player;
    Options options;
    options.soundFile.fill(file.toStdString());
    player.Preload(options);
    player.Play(SoundEvent::BlockDrop, file.toStdString());
    const bool haveDevice = !QMediaDevices::defaultAudioOutput().isNull();
    EXPECT_EQ(player.Effect(SoundEvent::BlockDrop) != nullptr, haveDevice);
}

TEST_F(SoundPlayerTest, GarbageAndEmptyFilesNeverCrash) {
    const std::string garbage = Path("garbage.wav");
    ASSERT_TRUE(WriteFile(QString::fromStdString(garbage), QByteArray(4096, '\xA5')));
    const std::string empty = Path("empty.wav");
    ASSERT_TRUE(WriteFile(QString::fromStdString(empty), QByteArray()));
    const std::string directory = dir.path().toStdString();
    for (int round = 0; round < 3; ++round) {
        player.Play(SoundEvent::GameOver, garbage);
        player.Play(SoundEvent::YouWin, empty);
        player.Play(SoundEvent::LevelFinished, directory);
        player.Play(SoundEvent::RowAdded, "");
        player.Play(static_cast<SoundEvent>(12), garbage); // not an event: ignored
        player.Play(static_cast<SoundEvent>(-1), garbage);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    for (const SoundEvent event :
         {SoundEvent::GameOver, SoundEvent::YouWin, SoundEvent::LevelFinished, SoundEvent::RowAdded,
          static_cast<SoundEvent>(12)}) {
        EXPECT_EQ(player.Effect(event), nullptr) << static_cast<int>(event);
    }
}

} // namespace
} // namespace brinox
