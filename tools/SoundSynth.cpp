#include "SoundSynth.h"

#include "ArtKit.h"
#include "WavWriter.h"

#include <algorithm>
#include <cmath>

namespace brinox::art {

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kRate = kSampleRate;

// A mono float buffer that voices are mixed into.
class Voices {
public:
    explicit Voices(double seconds) : samples(static_cast<std::size_t>(seconds * kRate), 0.0) {}

    // A tone gliding from f0 to f1 Hz with an attack/decay envelope; shape 0
    // sine, 1 triangle, 2 soft square.
    void Tone(double start, double length, double f0, double f1, double gain, double decay,
              int shape = 0, double attack = 0.004) {
        double phase = 0;
        const auto first = static_cast<std::size_t>(start * kRate);
        const auto count = static_cast<std::size_t>(length * kRate);
        for (std::size_t i = 0; i < count && first + i < samples.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double f = f0 + (f1 - f0) * (t / length);
            phase += 2 * kPi * f / kRate;
            double v = std::sin(phase);
            if (shape == 1) {
                v = 2 / kPi * std::asin(v);
            } else if (shape == 2) {
                v = std::tanh(3 * v) * 0.7;
            }
            const double env = std::min(1.0, t / attack) * std::exp(-t * decay) *
                               std::min(1.0, (length - t) / 0.01);
            samples[first + i] += v * env * gain;
        }
    }

    // A note with a couple of soft overtones, for melodies.
    void Note(double start, double length, double freq, double gain, double decay = 3.0) {
        Tone(start, length, freq, freq, gain, decay, 1);
        Tone(start, length, freq * 2, freq * 2, gain * 0.25, decay * 1.5);
        Tone(start, length, freq * 3, freq * 3, gain * 0.08, decay * 2);
    }

    // Low-passed noise; cutoff 0..1 (one-pole smoothing factor).
    void Noise(double start, double length, double gain, double decay, double cutoff,
               std::uint32_t seed, double attack = 0.003) {
        Rng rng(seed);
        double low = 0;
        const auto first = static_cast<std::size_t>(start * kRate);
        const auto count = static_cast<std::size_t>(length * kRate);
        for (std::size_t i = 0; i < count && first + i < samples.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            low += (rng.Range(-1, 1) - low) * cutoff;
            const double env = std::min(1.0, t / attack) * std::exp(-t * decay) *
                               std::min(1.0, (length - t) / 0.01);
            samples[first + i] += low * env * gain;
        }
    }

    std::vector<std::int16_t> Finish(double peak = 0.72) {
        // Short fades at both ends so that playback never clicks.
        const auto fadeIn = static_cast<std::size_t>(0.004 * kRate);
        const auto fadeOut = static_cast<std::size_t>(0.02 * kRate);
        const std::size_t n = samples.size();
        for (std::size_t i = 0; i < n; ++i) {
            double g = 1.0;
            if (i < fadeIn) {
                g = static_cast<double>(i) / fadeIn;
            }
            if (n - 1 - i < fadeOut) {
                g = std::min(g, static_cast<double>(n - 1 - i) / fadeOut);
            }
            samples[i] *= g;
        }
        double top = 1e-9;
        for (double v : samples) {
            top = std::max(top, std::abs(v));
        }
        std::vector<std::int16_t> out(n);
        for (std::size_t i = 0; i < n; ++i) {
            out[i] = static_cast<std::int16_t>(std::lround(samples[i] / top * peak * 32767));
        }
        return out;
    }

private:
    std::vector<double> samples;
};

double Midi(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

} // namespace

std::vector<std::int16_t> SoundSynth::Effect(SoundEvent event) {
    switch (event) {
    case SoundEvent::ButtonPress: {
        Voices m(0.09);
        m.Tone(0, 0.09, 1900, 1300, 0.6, 45);
        m.Noise(0, 0.02, 0.25, 200, 0.5, 1);
        return m.Finish(0.5);
    }
    case SoundEvent::BlockDrop: {
        Voices m(0.22);
        m.Tone(0, 0.22, 180, 60, 1.0, 18);
        m.Noise(0, 0.08, 0.5, 60, 0.15, 2);
        return m.Finish(0.7);
    }
    case SoundEvent::BlockRemoved: {
        Voices m(0.5);
        const int notes[] = {72, 76, 79, 84};
        for (int i = 0; i < 4; ++i) {
            m.Note(i * 0.06, 0.5 - i * 0.06, Midi(notes[i]), 0.5, 7);
        }
        m.Noise(0, 0.3, 0.15, 12, 0.9, 3);
        return m.Finish();
    }
    case SoundEvent::BombExplosion: {
        Voices m(1.1);
        m.Noise(0, 1.1, 1.0, 4.5, 0.06, 4, 0.002);
        m.Noise(0, 0.25, 0.5, 14, 0.5, 5);
        m.Tone(0, 1.0, 90, 35, 0.8, 4);
        return m.Finish(0.8);
    }
    case SoundEvent::GameOver: {
        Voices m(2.2);
        const int notes[] = {67, 65, 63, 60};
        const double lengths[] = {0.35, 0.35, 0.35, 1.15};
        double at = 0;
        for (int i = 0; i < 4; ++i) {
            m.Note(at, lengths[i] + 0.05, Midi(notes[i]), 0.6, i == 3 ? 1.6 : 3.5);
            m.Note(at, lengths[i] + 0.05, Midi(notes[i] - 12), 0.3, i == 3 ? 1.6 : 3.5);
            at += lengths[i];
        }
        return m.Finish();
    }
    case SoundEvent::YouWin: {
        Voices m(2.6);
        const int notes[] = {60, 64, 67, 72, 67, 72};
        const double starts[] = {0, 0.15, 0.3, 0.45, 0.75, 0.9};
        for (int i = 0; i < 6; ++i) {
            m.Note(starts[i], 0.4, Midi(notes[i]), 0.5, 5);
        }
        for (int note : {72, 76, 79, 84}) {
            m.Note(1.1, 1.5, Midi(note), 0.35, 1.6);
        }
        m.Tone(1.1, 1.5, Midi(48), Midi(48), 0.4, 1.4, 1);
        return m.Finish();
    }
    case SoundEvent::LevelFinished: {
        Voices m(1.0);
        const int notes[] = {72, 76, 79, 84};
        for (int i = 0; i < 4; ++i) {
            m.Note(i * 0.11, i == 3 ? 0.6 : 0.25, Midi(notes[i]), 0.55, i == 3 ? 3 : 6);
        }
        m.Note(0.33, 0.6, Midi(67), 0.25, 3);
        return m.Finish();
    }
    case SoundEvent::Timer: {
        Voices m(0.12);
        m.Tone(0, 0.12, 1000, 1000, 0.7, 30, 1);
        m.Noise(0, 0.015, 0.3, 300, 0.7, 6);
        return m.Finish(0.55);
    }
    case SoundEvent::RowAdded: {
        Voices m(0.45);
        m.Tone(0, 0.45, 110, 330, 0.7, 5, 2);
        m.Noise(0, 0.45, 0.35, 4, 0.05, 7, 0.1);
        return m.Finish(0.65);
    }
    case SoundEvent::StartOfGame: {
        Voices m(0.8);
        m.Note(0, 0.3, Midi(79), 0.5, 5);
        m.Note(0.14, 0.66, Midi(84), 0.55, 3.5);
        m.Note(0.14, 0.66, Midi(76), 0.25, 3.5);
        return m.Finish();
    }
    case SoundEvent::BombDisappears: {
        Voices m(0.6);
        m.Tone(0, 0.6, 900, 160, 0.6, 3.5, 1);
        m.Noise(0, 0.6, 0.35, 4, 0.3, 8, 0.05);
        return m.Finish(0.6);
    }
    case SoundEvent::BestScoreReached: {
        Voices m(1.3);
        const int notes[] = {84, 88, 91, 96};
        for (int i = 0; i < 4; ++i) {
            m.Note(i * 0.07, 1.3 - i * 0.07, Midi(notes[i]), 0.35, 2.6);
        }
        m.Tone(0, 1.3, Midi(96) * 1.5, Midi(96) * 1.5, 0.1, 4);
        return m.Finish();
    }
    }
    return {};
}

} // namespace brinox::art
