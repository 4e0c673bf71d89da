#include "tools/assets/sound_assets.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace assets {
namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

enum class Shape { Sine, Square, Saw, Triangle, Noise };

// A fixed noise source, so that every build writes the same bytes.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    double Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return double(state_) / 2147483648.0 - 1.0;
    }

private:
    uint32_t state_;
};

// One sweeping voice: frequency glides exponentially from `from` to `to` Hz, the volume rises
// over `attack` seconds and then falls as (1 - t/length)^fall. Noise is low-passed at the
// frequency instead of being pitched.
struct Voice {
    Shape shape;
    double start;   // seconds
    double length;  // seconds
    double from;
    double to;
    double gain;
    double attack = 0.002;
    double fall = 1.0;
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0;  // fraction of the frequency
};

class Mix {
public:
    explicit Mix(double seconds) : samples_(size_t(seconds * kRate + 0.5), 0.0) {}

    void Add(const Voice& v, uint32_t noiseSeed = 1) {
        Noise noise(noiseSeed);
        double phase = 0.0;
        double filtered = 0.0;
        const size_t first = size_t(v.start * kRate);
        const size_t count = size_t(v.length * kRate);
        for (size_t i = 0; i < count && first + i < samples_.size(); ++i) {
            const double t = double(i) / kRate;
            const double progress = t / v.length;
            double freq = v.from * std::pow(v.to / v.from, progress);
            if (v.vibratoHz > 0) freq *= 1.0 + v.vibratoDepth * std::sin(2 * kPi * v.vibratoHz * t);
            double value = 0.0;
            switch (v.shape) {
                case Shape::Sine:
                    value = std::sin(2 * kPi * phase);
                    break;
                case Shape::Square:
                    value = phase < 0.5 ? 0.6 : -0.6;
                    break;
                case Shape::Saw:
                    value = 0.7 * (2.0 * phase - 1.0);
                    break;
                case Shape::Triangle:
                    value = phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase;
                    break;
                case Shape::Noise: {
                    const double alpha = 1.0 - std::exp(-2 * kPi * freq / kRate);
                    filtered += alpha * (noise.Next() - filtered);
                    value = filtered * 1.6;
                    break;
                }
            }
            phase += freq / kRate;
            phase -= std::floor(phase);
            const double rise = v.attack > 0 && t < v.attack ? t / v.attack : 1.0;
            const double envelope = rise * std::pow(1.0 - progress, v.fall);
            samples_[first + i] += v.gain * envelope * value;
        }
    }

    std::vector<int16_t> Pcm() const {
        std::vector<int16_t> pcm;
        pcm.reserve(samples_.size());
        for (double s : samples_) {
            const double clamped = s > 1.0 ? 1.0 : s < -1.0 ? -1.0 : s;
            pcm.push_back(int16_t(std::lround(clamped * 30000.0)));
        }
        return pcm;
    }

    const std::vector<double>& Samples() const { return samples_; }

private:
    std::vector<double> samples_;
};

using S = Shape;

// The effects by the role of their request byte: volleys are short pitched blips, deaths and
// explosions are noise, pick-ups and menu sounds are clean rising tones.
Mix Effect(int number) {
    switch (number) {
        case 131: {  // volley: a square "pew"
            Mix m(0.08);
            m.Add({S::Square, 0, 0.08, 900, 400, 0.5});
            return m;
        }
        case 132: {  // volley: a softer, lower triangle shot
            Mix m(0.10);
            m.Add({S::Triangle, 0, 0.10, 700, 280, 0.8});
            return m;
        }
        case 133: {  // volley: a click with a short noisy tail
            Mix m(0.07);
            m.Add({S::Noise, 0, 0.07, 6000, 2000, 0.6, 0.001, 2.0});
            m.Add({S::Square, 0, 0.04, 1200, 800, 0.3});
            return m;
        }
        case 134: {  // explosion: long low rumble
            Mix m(0.60);
            m.Add({S::Noise, 0, 0.60, 1800, 200, 0.9, 0.003, 1.5}, 134);
            m.Add({S::Sine, 0, 0.35, 90, 40, 0.5});
            return m;
        }
        case 135: {  // enemy death: a short crunch
            Mix m(0.30);
            m.Add({S::Noise, 0, 0.30, 3500, 600, 0.8, 0.001, 2.0}, 135);
            return m;
        }
        case 136: {  // item picked: a quick rising blip
            Mix m(0.08);
            m.Add({S::Sine, 0, 0.08, 1200, 1800, 0.6});
            return m;
        }
        case 137: {  // life, bomb or power item: two rising notes
            Mix m(0.25);
            m.Add({S::Square, 0, 0.12, 880, 880, 0.35});
            m.Add({S::Square, 0.12, 0.13, 1320, 1320, 0.35});
            return m;
        }
        case 138: {  // heavy death: noise with a falling tone
            Mix m(0.45);
            m.Add({S::Noise, 0, 0.45, 2500, 300, 0.7, 0.002, 1.2}, 138);
            m.Add({S::Saw, 0, 0.30, 300, 60, 0.4});
            return m;
        }
        case 139: {  // small death: a pop
            Mix m(0.15);
            m.Add({S::Noise, 0, 0.15, 5000, 1500, 0.7, 0.001, 3.0}, 139);
            m.Add({S::Sine, 0, 0.08, 400, 150, 0.4});
            return m;
        }
        case 140: {  // enemy attack: a buzzy saw
            Mix m(0.20);
            m.Add({S::Saw, 0, 0.20, 500, 250, 0.6, 0.002, 0.8});
            return m;
        }
        case 141: {  // bomb start, missile launch: a rising whoosh
            Mix m(0.70);
            m.Add({S::Noise, 0, 0.70, 300, 4000, 0.8, 0.15, 1.0}, 141);
            m.Add({S::Saw, 0, 0.70, 80, 160, 0.25, 0.1, 1.0});
            return m;
        }
        case 142: {  // large enemy attack: a low falling saw
            Mix m(0.40);
            m.Add({S::Saw, 0, 0.40, 220, 70, 0.6, 0.01, 0.7});
            return m;
        }
        case 143: {  // volley: a high double blip
            Mix m(0.09);
            m.Add({S::Square, 0, 0.045, 1500, 1100, 0.35});
            m.Add({S::Square, 0.045, 0.045, 1500, 1100, 0.35});
            return m;
        }
        case 144: {  // volley: a falling sine chirp
            Mix m(0.12);
            m.Add({S::Sine, 0, 0.12, 1600, 500, 0.7});
            return m;
        }
        case 145: {  // player destroyed: a long fall into noise
            Mix m(1.00);
            m.Add({S::Noise, 0, 1.00, 3000, 100, 0.8, 0.002, 1.0}, 145);
            m.Add({S::Square, 0, 0.60, 600, 50, 0.35});
            return m;
        }
        case 146: {  // laser: a bright wavering sweep
            Mix m(0.35);
            m.Add({S::Sine, 0, 0.35, 2000, 900, 0.6, 0.005, 0.8, 30.0, 0.05});
            m.Add({S::Square, 0, 0.35, 1000, 450, 0.15, 0.005, 0.8});
            return m;
        }
        case 147: {  // extra life: a rising major arpeggio
            Mix m(0.50);
            const double notes[] = {523.25, 659.25, 783.99, 1046.5};
            for (int i = 0; i < 4; ++i)
                m.Add({S::Square, 0.1 * i, 0.2, notes[i], notes[i], 0.3});
            return m;
        }
        case 148: {  // power up: a long rising sweep
            Mix m(0.40);
            m.Add({S::Triangle, 0, 0.40, 300, 2400, 0.8, 0.01, 0.5});
            return m;
        }
        case 149: {  // menu cursor: a tick
            Mix m(0.05);
            m.Add({S::Sine, 0, 0.05, 1000, 1000, 0.6, 0.001, 2.0});
            return m;
        }
        case 150: {  // menu confirm: two clean tones
            Mix m(0.20);
            m.Add({S::Sine, 0, 0.08, 1046.5, 1046.5, 0.6});
            m.Add({S::Sine, 0.08, 0.12, 1568.0, 1568.0, 0.6});
            return m;
        }
        case 151: {  // last boss attack: a deep beating roar
            Mix m(0.80);
            m.Add({S::Saw, 0, 0.80, 55, 45, 0.5, 0.02, 0.6});
            m.Add({S::Saw, 0, 0.80, 58, 47, 0.5, 0.02, 0.6});
            m.Add({S::Noise, 0, 0.80, 800, 200, 0.4, 0.05, 1.0}, 151);
            return m;
        }
        default:
            return Mix(0);
    }
}

// The shot loop: four rapid pulses in 0.2 s, so it repeats without a seam.
Mix ShotLoop() {
    Mix m(0.2);
    for (int i = 0; i < 4; ++i) {
        m.Add({S::Square, 0.05 * i, 0.05, 1400, 700, 0.35, 0.001, 1.5});
        m.Add({S::Noise, 0.05 * i, 0.03, 6000, 3000, 0.25, 0.001, 2.0}, 7 + i);
    }
    return m;
}

// The hit loop: a grinding scrape of nine short bursts in 0.3 s.
Mix HitLoop() {
    Mix m(0.3);
    for (int i = 0; i < 9; ++i) {
        m.Add({S::Noise, i / 30.0, 1 / 30.0, 2500, 1200, 0.6, 0.002, 0.7}, 20 + i);
        m.Add({S::Saw, i / 30.0, 1 / 30.0, 180, 160, 0.3, 0.002, 0.7});
    }
    return m;
}

// Music ---------------------------------------------------------------------------------------

double NoteHz(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

struct Track {
    const char* path;
    int root;  // MIDI note of the key
    bool minor;
    double bpm;
    int chords[4];  // scale degrees 0..6, one chord per bar
    bool busy;      // sixteenth-note arpeggio instead of eighths
};

// Four bars: a bass note on every beat, an arpeggio over the chord and a soft sine pad. The
// notes end inside the loop, so it repeats without a seam.
Mix Song(const Track& track) {
    static const int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
    static const int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};
    const int* scale = track.minor ? kMinor : kMajor;
    const double beat = 60.0 / track.bpm;
    Mix m(16 * beat);
    auto degree = [&](int d) { return track.root + scale[d % 7] + 12 * (d / 7); };
    for (int bar = 0; bar < 4; ++bar) {
        const int chord = track.chords[bar];
        const double barStart = 4 * bar * beat;
        const int tones[3] = {degree(chord), degree(chord + 2), degree(chord + 4)};
        for (int t = 0; t < 3; ++t) {
            m.Add(
                {S::Sine, barStart, 4 * beat, NoteHz(tones[t]), NoteHz(tones[t]), 0.08, 0.3, 0.5});
        }
        for (int b = 0; b < 4; ++b) {
            const double f = NoteHz(tones[0] - 24);
            m.Add({S::Saw, barStart + b * beat, 0.9 * beat, f, f, 0.3, 0.005, 1.2});
        }
        const int steps = track.busy ? 16 : 8;
        const double step = 4 * beat / steps;
        for (int s = 0; s < steps; ++s) {
            const int order[4] = {0, 1, 2, 1};
            const double f = NoteHz(tones[order[s % 4]] + 12);
            m.Add({S::Square, barStart + s * step, 0.9 * step, f, f, 0.12, 0.003, 1.5});
        }
        if (bar % 2 == 1) {
            m.Add({S::Noise, barStart + 3 * beat, 0.5 * beat, 5000, 3000, 0.2, 0.001, 2.0},
                  uint32_t(bar));
        }
    }
    return m;
}

const Track kTracks[] = {
    {"BGM/intro.ogg", 57, true, 84, {0, 5, 2, 6}, false},
    {"BGM/stage1.ogg", 52, true, 140, {0, 5, 6, 4}, true},
    {"BGM/stage2.ogg", 50, true, 150, {0, 3, 4, 0}, true},
    {"BGM/stage3-1.ogg", 48, true, 132, {0, 6, 5, 4}, false},
    {"BGM/stage4.ogg", 54, true, 160, {0, 2, 3, 4}, true},
    {"BGM/stage5.ogg", 47, true, 172, {0, 5, 3, 4}, true},
    {"BGM/stageb.ogg", 55, false, 120, {0, 3, 4, 0}, false},
    {"BGM/ending.ogg", 53, false, 90, {0, 5, 3, 4}, false},
};

void AppendPage(std::vector<uint8_t>& out, const ogg_page& page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

// Encodes mono samples as an Ogg Vorbis file; the stream serial number keeps the bytes fixed.
std::vector<uint8_t> EncodeVorbis(const std::vector<double>& samples, int serial) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 1, kRate, 0.3f) != 0) {
        vorbis_info_clear(&info);
        throw std::runtime_error("the Vorbis encoder refused the music format");
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, serial);

    std::vector<uint8_t> out;
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0)
        AppendPage(out, page);

    double peak = 1e-9;
    for (double s : samples)
        peak = std::max(peak, std::fabs(s));
    const double scale = 0.9 / peak;

    constexpr size_t kBlock = 1024;
    size_t done = 0;
    bool ended = false;
    while (!ended) {
        const size_t count = std::min(kBlock, samples.size() - done);
        if (count == 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, int(count));
            for (size_t i = 0; i < count; ++i)
                buffer[0][i] = float(samples[done + i] * scale);
            vorbis_analysis_wrote(&dsp, int(count));
            done += count;
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    AppendPage(out, page);
                    if (ogg_page_eos(&page)) ended = true;
                }
            }
        }
        if (count == 0 && !ended) {
            while (ogg_stream_flush(&stream, &page) != 0)
                AppendPage(out, page);
            ended = true;
        }
    }

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

}  // namespace

std::vector<uint8_t> EncodeWave(const std::vector<int16_t>& samples, int rate) {
    std::vector<uint8_t> out;
    out.reserve(44 + samples.size() * 2);
    auto put16 = [&](uint32_t v) {
        out.push_back(uint8_t(v));
        out.push_back(uint8_t(v >> 8));
    };
    auto put32 = [&](uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i)
            out.push_back(uint8_t(t[i]));
    };
    const uint32_t dataSize = uint32_t(samples.size() * 2);
    tag("RIFF");
    put32(4 + 8 + 16 + 8 + dataSize);
    tag("WAVE");
    tag("fmt ");
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(uint32_t(rate));
    put32(uint32_t(rate) * 2);
    put16(2);
    put16(16);
    tag("data");
    put32(dataSize);
    for (int16_t s : samples)
        put16(uint16_t(s));
    return out;
}

std::vector<uint8_t> EffectWave(int number) {
    if (number < kFirstEffectWave || number > kLastEffectWave) return {};
    return EncodeWave(Effect(number).Pcm(), kRate);
}

void AddSoundAssets(AssetList& list) {
    list.push_back({"sound/p-shot1.wav", EncodeWave(ShotLoop().Pcm(), kRate)});
    list.push_back({"sound/kezuri.wav", EncodeWave(HitLoop().Pcm(), kRate)});
    int serial = 0x5A52;
    for (const Track& track : kTracks) {
        list.push_back({track.path, EncodeVorbis(Song(track).Samples(), serial++)});
    }
}

}  // namespace assets
