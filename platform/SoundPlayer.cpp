#include "SoundPlayer.h"

#include "WaveCheck.h"

#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace brinox {
namespace {

// A checked wave file loads in milliseconds; one still loading after this
// is stuck, and Qt blocks when an effect stuck in loading is destroyed.
constexpr qint64 kStuckLoadMs = 2000;

bool ValidEvent(SoundEvent event) {
    const auto index = static_cast<std::int32_t>(event);
    return index >= 0 && index < kSoundEventCount;
}

std::size_t IndexOf(SoundEvent event) {
    return static_cast<std::size_t>(event);
}

} // namespace

SoundPlayer::SoundPlayer(QObject* parent, Output output) : QObject(parent), output(output) {}

void SoundPlayer::WatchDevices() {
    if (devices != nullptr) {
        return;
    }
    devices = new QMediaDevices(this);
    device = QMediaDevices::defaultAudioOutput();
    // Asking for the default device on every play would query the sound
    // server each time; follow its changes instead.
    connect(devices, &QMediaDevices::audioOutputsChanged, this,
            [this] { device = QMediaDevices::defaultAudioOutput(); });
}

SoundPlayer::~SoundPlayer() {
    for (Voice& voice : voices) {
        Release(voice);
    }
}

void SoundPlayer::Preload(const Options& options) {
    WatchDevices();
    for (std::size_t i = 0; i < voices.size(); ++i) {
        if (voices[i].effect == nullptr || voices[i].file != options.soundFile[i]) {
            Load(voices[i], options.soundFile[i], false);
        }
    }
}

void SoundPlayer::Play(SoundEvent event, const std::string& file) {
    if (!ValidEvent(event)) {
        return;
    }
    WatchDevices();
    Voice& voice = voices[IndexOf(event)];
    if (NeedsReload(voice, file)) {
        Load(voice, file, voice.effect != nullptr && voice.file == file);
    }
    if (playing != nullptr && playing != voice.effect) {
        playing->stop();
    }
    playing = voice.effect;
    if (playing == nullptr || device.isNull()) {
        return; // nothing to play, or nowhere to play it
    }
    if (playing->audioDevice() != device) {
        playing->setAudioDevice(device); // the output changed since loading
    }
    // play() restarts a voice that is still sounding; one still loading
    // starts as soon as its samples are ready.
    playing->play();
}

const QSoundEffect* SoundPlayer::Effect(SoundEvent event) const {
    return ValidEvent(event) ? voices[IndexOf(event)].effect : nullptr;
}

bool SoundPlayer::Loading() const {
    return output == Output::EvenWithoutDevice || !device.isNull();
}

bool SoundPlayer::NeedsReload(const Voice& voice, const std::string& file) const {
    if (voice.effect == nullptr || voice.file != file) {
        return true;
    }
    return voice.effect->status() == QSoundEffect::Error ||
           (voice.effect->status() == QSoundEffect::Loading &&
            voice.loading.hasExpired(kStuckLoadMs));
}

void SoundPlayer::Load(Voice& voice, const std::string& file, bool retry) {
    Release(voice);
    voice.file = file;
    const QString path = QString::fromStdString(file);
    // Without a device, or with a file Qt could hang on, the slot stays empty
    // and the next play looks again.
    if (!Loading() || !IsPlayableWaveFile(path)) {
        return;
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (retry) {
        // Qt's sample cache keeps a failed sample under its address and will
        // not read the file again; a new query makes it a new sample. The
        // file itself is opened by its path alone.
        url.setQuery(QStringLiteral("retry=%1").arg(++retries));
    }
    voice.effect = new QSoundEffect(device, this);
    voice.effect->setSource(url);
    voice.loading.start();
}

void SoundPlayer::Release(Voice& voice) {
    QSoundEffect* effect = voice.effect;
    voice.effect = nullptr;
    if (effect == nullptr) {
        return;
    }
    if (playing == effect) {
        playing = nullptr;
    }
    effect->stop();
    if (effect->status() == QSoundEffect::Loading && voice.loading.hasExpired(kStuckLoadMs)) {
        // Destroying it would wait for a load that never ends: let it go.
        effect->setParent(nullptr);
        return;
    }
    delete effect; // none of its signals is connected, so at once is safe
}

} // namespace brinox
