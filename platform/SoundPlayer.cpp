#include "SoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace brinox {
namespace {

std::size_t IndexOf(SoundEvent event) {
    return static_cast<std::size_t>(event);
}

bool ValidEvent(SoundEvent event) {
    const auto index = static_cast<std::int32_t>(event);
    return index >= 0 && index < kSoundEventCount;
}

} // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() {
    for (Voice& voice : voices) {
        Release(voice);
    }
}

void SoundPlayer::Preload(const Options& options) {
    for (std::size_t i = 0; i < voices.size(); ++i) {
        if (voices[i].effect == nullptr || voices[i].file != options.soundFile[i]) {
            Load(voices[i], options.soundFile[i]);
        }
    }
}

void SoundPlayer::Play(SoundEvent event, const std::string& file) {
    if (!ValidEvent(event)) {
        return;
    }
    Voice& voice = voices[IndexOf(event)];
    if (voice.effect == nullptr || voice.file != file ||
        voice.effect->status() == QSoundEffect::Error) {
        Load(voice, file);
    }
    if (playing != nullptr && playing != voice.effect) {
        playing->stop();
    }
    playing = voice.effect;
    if (playing != nullptr) {
        // play() restarts a voice that is still sounding; one still loading
        // starts as soon as its samples are ready.
        playing->play();
    }
}

const QSoundEffect* SoundPlayer::Effect(SoundEvent event) const {
    return ValidEvent(event) ? voices[IndexOf(event)].effect : nullptr;
}

void SoundPlayer::Load(Voice& voice, const std::string& file) {
    Release(voice);
    voice.file = file;
    const QString path = QString::fromStdString(file);
    // A file that is not there would only make the effect fail later; keep
    // the slot empty and look again at the next play.
    if (!QFileInfo(path).isFile()) {
        return;
    }
    voice.effect = new QSoundEffect(this);
    voice.effect->setSource(QUrl::fromLocalFile(path));
}

void SoundPlayer::Release(Voice& voice) {
    if (voice.effect == nullptr) {
        return;
    }
    if (playing == voice.effect) {
        playing = nullptr;
    }
    voice.effect->stop();
    // Deleted later: the effect may be in the middle of delivering a signal.
    voice.effect->deleteLater();
    voice.effect = nullptr;
}

} // namespace brinox
