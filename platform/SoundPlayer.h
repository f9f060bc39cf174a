// Plays the game's sound events: one preloaded QSoundEffect per event, and a
// new sound stops the one playing before it starts. Playing never blocks and
// never reports anything: a missing or damaged file, or a machine without an
// audio device, simply stays silent.
#pragma once

#include "engine/GameHost.h"
#include "engine/Options.h"

#include <QObject>

#include <array>
#include <string>

class QSoundEffect;

namespace brinox {

class SoundPlayer : public QObject, public GameSounds {
    Q_OBJECT

public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Loads every event's file of options so that the first play starts at once.
    void Preload(const Options& options);
    // Stops the sound playing and starts file; the effect is rebuilt when the
    // event's file changed or its last load failed.
    void Play(SoundEvent event, const std::string& file) override;

    // The effect kept for an event (nullptr while its file does not exist).
    const QSoundEffect* Effect(SoundEvent event) const;

private:
    struct Voice {
        QSoundEffect* effect = nullptr;
        std::string file;
    };

    void Load(Voice& voice, const std::string& file);
    void Release(Voice& voice);

    std::array<Voice, kSoundEventCount> voices{};
    QSoundEffect* playing = nullptr;
};

} // namespace brinox
