#include "SoundOnDemand.h"

#include <QCoreApplication>
#include <QLibrary>

namespace brinox {

namespace {

using Factory = SoundOutput* (*)();

// Next to the program in a build tree; in the library directory once installed.
QStringList ModulePlaces() {
    const QString programDirectory = QCoreApplication::applicationDirPath();
    return {programDirectory + QStringLiteral("/brinox2000-sound.so"),
            programDirectory +
                QStringLiteral("/" BRINOX_SOUND_MODULE_FROM_BIN "/brinox2000-sound.so")};
}

} // namespace

void SoundOnDemand::Preload(const Options& options) {
    if (SoundOutput* sounds = Player()) {
        sounds->Preload(options);
    }
}

void SoundOnDemand::Play(SoundEvent event, const std::string& file) {
    if (SoundOutput* sounds = Player()) {
        sounds->Play(event, file);
    }
}

SoundOutput* SoundOnDemand::Player() {
    if (opened) {
        return player.get();
    }
    opened = true;
    for (const QString& place : ModulePlaces()) {
        // Never unloaded: the player's code must outlive the player.
        QLibrary module(place);
        if (auto create = reinterpret_cast<Factory>(module.resolve("BrinoxCreateSoundPlayer"))) {
            player.reset(create());
            break;
        }
    }
    return player.get();
}

} // namespace brinox
