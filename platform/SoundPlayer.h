// Plays the game's sound events: one preloaded QSoundEffect per event, and a
// new sound stops the one playing before it starts. Playing never blocks and
// never reports anything: a missing or damaged file, or a machine without an
// audio device, simply stays silent. Only files that pass the wave check are
// handed to Qt; an effect whose load failed anyway is rebuilt at its next
// play, so a repaired file sounds again.
#pragma once

#include "SoundOutput.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QObject>

#include <array>
#include <string>

class QMediaDevices;
class QSoundEffect;

namespace brinox {

class SoundPlayer : public QObject, public SoundOutput {
    Q_OBJECT

public:
    enum class Output {
        DeviceOnly,        // load nothing while there is no audio device (the game)
        EvenWithoutDevice, // load files anyway (tests of the file handling)
    };

    explicit SoundPlayer(QObject* parent = nullptr, Output output = Output::DeviceOnly);
    ~SoundPlayer() override;

    // Loads every event's file of options so that the first play starts at once.
    void Preload(const Options& options) override;
    // Stops the sound playing and starts file; the effect is rebuilt when the
    // event's file changed or its last load failed.
    void Play(SoundEvent event, const std::string& file) override;

    // The effect kept for an event (nullptr while its file cannot be played).
    const QSoundEffect* Effect(SoundEvent event) const;

private:
    struct Voice {
        QSoundEffect* effect = nullptr;
        std::string file;
        QElapsedTimer loading; // since the effect was asked to load its file
    };

    // Meets the sound server on first use, not at construction: the first
    // contact is slow and the window's first frame need not wait for it.
    void WatchDevices();
    bool Loading() const;
    bool NeedsReload(const Voice& voice, const std::string& file) const;
    void Load(Voice& voice, const std::string& file, bool retry);
    void Release(Voice& voice);

    Output output;
    QMediaDevices* devices = nullptr;
    QAudioDevice device; // the default output, followed as it changes
    std::array<Voice, kSoundEventCount> voices{};
    QSoundEffect* playing = nullptr;
    std::uint32_t retries = 0;
};

} // namespace brinox
