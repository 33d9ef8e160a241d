// soundgen: synthesises every sound of the game and writes them as Ogg Vorbis
// (44.1 kHz stereo) into <folder> and <folder>/Music. All randomness comes from
// fixed seeds, so each run renders the same audio.
//
// Music loops are rendered into a buffer of exactly the loop's length and every
// note's tail wraps round to the start, so the end flows into the beginning
// without a seam. Noisy loops (rocket) cross-fade their overhang into the start.
//
// Usage: soundgen <sounds folder>

#include <sndfile.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace
{
constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

// Interleaved stereo.
struct Buffer
{
    explicit Buffer(double seconds) : frames(static_cast<std::size_t>(seconds * kRate)), samples(2 * frames) {}
    std::size_t frames;
    std::vector<float> samples;

    // Adds value at frame (wrapping when loop), panned: -1 left, 0 centre, 1 right.
    void Add(std::size_t frame, double value, double pan, bool loop)
    {
        if (frame >= frames)
        {
            if (!loop)
                return;
            frame %= frames;
        }
        samples[2 * frame] += static_cast<float>(value * std::sqrt(0.5 * (1.0 - pan)));
        samples[2 * frame + 1] += static_cast<float>(value * std::sqrt(0.5 * (1.0 + pan)));
    }
};

// A small seedable generator (xorshift64*), so the sounds never depend on the library's.
class Noise
{
public:
    explicit Noise(std::uint64_t seed) : state(seed * 2654435761u + 1) {}
    // Uniform in [-1, 1].
    double Next()
    {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        return static_cast<double>((state * 2685821657736338717ull) >> 11) / 4503599627370496.0 - 1.0;
    }
    int Below(int n) { return static_cast<int>((Next() + 1.0) * 0.5 * n) % n; }

private:
    std::uint64_t state;
};

// One-pole low-pass; cutoff in Hz.
class LowPass
{
public:
    explicit LowPass(double cutoff) : k(1.0 - std::exp(-2.0 * kPi * cutoff / kRate)) {}
    double operator()(double x) { return y += k * (x - y); }
    void SetCutoff(double cutoff) { k = 1.0 - std::exp(-2.0 * kPi * cutoff / kRate); }

private:
    double k;
    double y = 0.0;
};

double MidiToHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

// Linear attack then exponential decay; seconds.
double Envelope(double t, double attack, double decay)
{
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decay);
}

// Attack, hold at 1, release over the last part of length; seconds.
double Gate(double t, double length, double attack, double release)
{
    if (t < attack)
        return t / attack;
    if (t > length - release)
        return std::max(0.0, (length - t) / release);
    return 1.0;
}

// Renders seconds of a voice whose sample at time t (seconds) is voice(t), from start.
void Render(Buffer& out, double start, double seconds, double pan, bool loop, const std::function<double(double)>& voice)
{
    const auto first = static_cast<std::size_t>(start * kRate);
    const auto count = static_cast<std::size_t>(seconds * kRate);
    for (std::size_t i = 0; i < count; ++i)
        out.Add(first + i, voice(static_cast<double>(i) / kRate), pan, loop);
}

// A sine whose frequency follows hz(t): the phase is integrated, so glides stay smooth.
std::function<double(double)> Glide(std::function<double(double)> hz)
{
    auto phase = std::make_shared<double>(0.0);
    return [hz, phase](double t) {
        *phase += 2.0 * kPi * hz(t) / kRate;
        return std::sin(*phase);
    };
}

void Normalise(Buffer& buffer, double peak)
{
    float highest = 1e-9f;
    for (float s : buffer.samples)
        highest = std::max(highest, std::fabs(s));
    for (float& s : buffer.samples)
        s = static_cast<float>(s * peak / highest);
}

bool Write(const std::filesystem::path& path, const Buffer& buffer)
{
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 2;
    info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    SNDFILE* file = sf_open(path.string().c_str(), SFM_WRITE, &info);
    if (!file)
    {
        std::fprintf(stderr, "soundgen: cannot write %s: %s\n", path.string().c_str(), sf_strerror(nullptr));
        return false;
    }
    double quality = 0.5;
    sf_command(file, SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof(quality));
    // In blocks: the encoder is not fond of one huge write.
    constexpr std::size_t kBlock = 4096;
    for (std::size_t done = 0; done < buffer.frames; done += kBlock)
        sf_writef_float(file, buffer.samples.data() + 2 * done,
                        static_cast<sf_count_t>(std::min(kBlock, buffer.frames - done)));
    return sf_close(file) == 0;
}

// --- Effects -----------------------------------------------------------------------

// The spring stick landing: a pitch that dips and wobbles like a plucked spring.
Buffer Boing(double base, double wobble, double length)
{
    Buffer out(length);
    auto tone = Glide([=](double t) { return base * (1.0 + 0.45 * std::exp(-6.0 * t) * std::sin(2.0 * kPi * wobble * t)) * (1.0 + 0.3 * std::exp(-30.0 * t)); });
    Render(out, 0.0, length, 0.0, false, [&](double t) {
        const double body = tone(t);
        return Envelope(t, 0.004, length / 4.5) * (body + 0.25 * body * body * body);
    });
    Normalise(out, 0.7);
    return out;
}

// A bouncy surface: a rising, ringing spring with metallic partials.
Buffer Spring()
{
    Buffer out(0.7);
    auto low = Glide([](double t) { return 380.0 + 500.0 * (1.0 - std::exp(-9.0 * t)) + 30.0 * std::sin(2.0 * kPi * 14.0 * t); });
    Render(out, 0.0, 0.7, 0.0, false, [&](double t) {
        const double phase = low(t);
        return Envelope(t, 0.003, 0.16) * (phase + 0.3 * std::sin(2.0 * kPi * 2.76 * 600.0 * t) * std::exp(-12.0 * t));
    });
    Normalise(out, 0.7);
    return out;
}

// A big boost: a long upward sweep with a wobble.
Buffer SuperBoing()
{
    Buffer out(0.9);
    auto tone = Glide([](double t) { return (180.0 + 700.0 * t) * (1.0 + 0.12 * std::sin(2.0 * kPi * 9.0 * t)); });
    Render(out, 0.0, 0.9, 0.0, false, [&](double t) { return Gate(t, 0.9, 0.01, 0.4) * tone(t); });
    Normalise(out, 0.7);
    return out;
}

// Filtered noise shaped by an envelope (puffs, pops, clicks).
Buffer NoiseBurst(double length, double cutoff, double attack, double decay, std::uint64_t seed, double peak)
{
    Buffer out(length);
    Noise noise(seed);
    LowPass filter(cutoff);
    Render(out, 0.0, length, 0.0, false, [&](double t) { return Envelope(t, attack, decay) * filter(noise.Next()); });
    Normalise(out, peak);
    return out;
}

// Bumping into a wall: a low knock under a short thud of noise.
Buffer SideThud()
{
    Buffer out = NoiseBurst(0.25, 900.0, 0.002, 0.04, 11, 0.4);
    auto knock = Glide([](double t) { return 55.0 + 70.0 * std::exp(-25.0 * t); });
    Render(out, 0.0, 0.25, 0.0, false, [&](double t) { return 0.5 * Envelope(t, 0.002, 0.07) * knock(t); });
    Normalise(out, 0.7);
    return out;
}

// A struck bell of a few inharmonic partials.
double Bell(double t, double hz, double decay)
{
    return std::exp(-t / decay) *
           (std::sin(2.0 * kPi * hz * t) + 0.4 * std::sin(2.0 * kPi * hz * 2.76 * t) * std::exp(-t * 6.0) +
            0.2 * std::sin(2.0 * kPi * hz * 5.4 * t) * std::exp(-t * 12.0));
}

// The pickup chime: two quick bell notes a fifth apart.
Buffer Pickup()
{
    Buffer out(0.8);
    Render(out, 0.0, 0.8, -0.2, false, [](double t) { return Bell(t, MidiToHz(88), 0.25); });
    Render(out, 0.07, 0.73, 0.2, false, [](double t) { return Bell(t, MidiToHz(95), 0.3); });
    Normalise(out, 0.6);
    return out;
}

// Brass-like tone: a few harmonics with a soft attack.
double Brass(double t, double hz, double length)
{
    double sum = 0.0;
    for (int h = 1; h <= 6; ++h)
        sum += std::sin(2.0 * kPi * hz * h * t) / (h * h * 0.7 + 0.3);
    return Gate(t, length, 0.03, 0.15) * sum;
}

// The level-end fanfare: a rising arpeggio onto a held major chord.
Buffer LevelEnd()
{
    Buffer out(2.2);
    const int notes[] = {60, 64, 67, 72};
    for (int i = 0; i < 4; ++i)
        Render(out, 0.14 * i, 0.16, 0.0, false, [&](double t) { return Brass(t, MidiToHz(notes[i]), 0.16); });
    for (int note : {60, 64, 67, 72})
        Render(out, 0.6, 1.55, (note - 66) / 12.0, false, [note](double t) { return 0.6 * Brass(t, MidiToHz(note), 1.55); });
    Normalise(out, 0.7);
    return out;
}

// Interface ticks: a short decaying tone.
Buffer Tick(double hz, double length, double peak)
{
    Buffer out(length);
    Render(out, 0.0, length, 0.0, false, [=](double t) { return Envelope(t, 0.001, length / 5.0) * std::sin(2.0 * kPi * hz * t); });
    Normalise(out, peak);
    return out;
}

Buffer MenuClick()
{
    Buffer out = Tick(660.0, 0.09, 0.5);
    Render(out, 0.0, 0.05, 0.0, false, [](double t) { return 0.4 * Envelope(t, 0.001, 0.01) * std::sin(2.0 * kPi * 1320.0 * t); });
    Normalise(out, 0.5);
    return out;
}

// A lever: two mechanical clicks.
Buffer Switch()
{
    Buffer out = NoiseBurst(0.18, 4000.0, 0.0005, 0.008, 23, 0.5);
    Buffer second = NoiseBurst(0.1, 2500.0, 0.0005, 0.01, 29, 0.4);
    for (std::size_t i = 0; i < second.frames; ++i)
        out.Add(i + static_cast<std::size_t>(0.07 * kRate), second.samples[2 * i], 0.0, false);
    Normalise(out, 0.6);
    return out;
}

// A firework: a bang with crackles after it.
Buffer FireworkPop()
{
    Buffer out = NoiseBurst(1.2, 2500.0, 0.001, 0.08, 31, 0.6);
    Noise when(37);
    for (int i = 0; i < 25; ++i)
    {
        const double start = 0.15 + 0.9 * (when.Next() + 1.0) * 0.5;
        Noise grain(100 + i);
        Render(out, start, 0.02, when.Next(), false, [&](double t) { return 0.25 * Envelope(t, 0.0005, 0.004) * grain.Next(); });
    }
    Normalise(out, 0.7);
    return out;
}

// Old planks: a slowly bending buzz through a resonant low-pass.
Buffer Creak(double base, double bend, std::uint64_t seed)
{
    Buffer out(0.9);
    Noise jitter(seed);
    LowPass filter(900.0);
    double phase = 0.0;
    Render(out, 0.0, 0.9, 0.0, false, [&](double t) {
        phase += (base + bend * std::sin(kPi * t / 0.9) + 4.0 * jitter.Next()) / kRate;
        const double pulse = phase - std::floor(phase) < 0.08 ? 1.0 : 0.0;
        return Gate(t, 0.9, 0.08, 0.25) * filter(pulse);
    });
    Normalise(out, 0.5);
    return out;
}

// A ghost's hum, 4 s and loopable: every frequency runs a whole number of cycles.
Buffer GhostHum()
{
    Buffer out(4.0);
    Render(out, 0.0, 4.0, 0.0, true, [](double t) {
        const double tremolo = 0.75 + 0.25 * std::sin(2.0 * kPi * 0.5 * t);
        return tremolo * (std::sin(2.0 * kPi * 110.0 * t) + std::sin(2.0 * kPi * 110.5 * t) +
                          0.5 * std::sin(2.0 * kPi * 165.25 * t) + 0.2 * std::sin(2.0 * kPi * 330.0 * t));
    });
    Normalise(out, 0.5);
    return out;
}

// A rocket's roar, 3 s and loopable: rumbling noise whose overhang fades into the start.
Buffer RocketLoop()
{
    const double loop = 3.0, overlap = 0.5;
    Buffer raw(loop + overlap);
    Noise noise(41);
    LowPass roar(700.0), rumble(120.0);
    Render(raw, 0.0, loop + overlap, 0.0, false, [&](double t) {
        const double n = noise.Next();
        return roar(n) * (0.8 + 0.2 * std::sin(2.0 * kPi * 3.0 * t)) + 2.5 * rumble(n);
    });
    Buffer out(loop);
    const auto fade = static_cast<std::size_t>(overlap * kRate);
    for (std::size_t i = 0; i < 2 * out.frames; ++i)
    {
        const std::size_t frame = i / 2;
        const double w = frame < fade ? static_cast<double>(frame) / fade : 1.0;
        const float tail = frame < fade ? raw.samples[i + 2 * out.frames] : 0.0f;
        out.samples[i] = static_cast<float>(w * raw.samples[i] + (1.0 - w) * tail);
    }
    Normalise(out, 0.6);
    return out;
}

// --- Music -------------------------------------------------------------------------

struct Song
{
    double bpm;
    int root;                  // midi note of the key's tonic, around middle C
    std::vector<int> scale;    // semitones above the tonic
    std::vector<int> chords;   // scale degree (0-based) of each bar's chord
    int repeats;               // times the progression runs in one loop
    std::uint64_t seed;
    double swing;              // 0 = straight eighths
    bool drums;
    double brightness;         // 0 soft pads ... 1 bright leads
};

const std::vector<int> kMajor = {0, 2, 4, 5, 7, 9, 11};
const std::vector<int> kMinor = {0, 2, 3, 5, 7, 8, 10};

// The note of a scale degree (may run past the octave either way).
int Degree(const Song& song, int degree)
{
    const int size = static_cast<int>(song.scale.size());
    const int octave = degree >= 0 ? degree / size : -((-degree + size - 1) / size);
    return song.root + 12 * octave + song.scale[static_cast<std::size_t>(degree - octave * size)];
}

double Pluck(double t, double hz, double decay)
{
    return std::exp(-t / decay) * (std::sin(2.0 * kPi * hz * t) + 0.3 * std::sin(4.0 * kPi * hz * t) * std::exp(-t * 8.0));
}

double Pad(double t, double hz, double length)
{
    double sum = 0.0;
    for (double detune : {0.998, 1.0, 1.003})
        for (int h = 1; h <= 3; ++h)
            sum += std::sin(2.0 * kPi * hz * detune * h * t) / (h * 1.6);
    return Gate(t, length, 0.25, 0.4) * sum / 3.0;
}

double Lead(double t, double hz, double length, double brightness)
{
    const double vibrato = 1.0 + 0.004 * std::sin(2.0 * kPi * 5.5 * t) * std::min(1.0, t * 3.0);
    const double phase = 2.0 * kPi * hz * vibrato * t;
    const double triangle = 2.0 / kPi * std::asin(std::sin(phase));
    return Gate(t, length, 0.015, 0.08) * ((1.0 - brightness) * triangle + brightness * std::sin(phase) * 0.8 +
                                            brightness * 0.25 * std::sin(2.0 * phase));
}

void Drums(Buffer& out, const Song& song, int beats, double beat)
{
    Noise noise(song.seed + 7);
    for (int b = 0; b < beats; ++b)
    {
        const double at = b * beat;
        if (b % 2 == 0)
        {
            auto kick = Glide([](double t) { return 45.0 + 90.0 * std::exp(-30.0 * t); });
            Render(out, at, 0.3, 0.0, true, [&](double t) { return 0.9 * Envelope(t, 0.002, 0.12) * kick(t); });
        }
        else
        {
            LowPass body(3000.0);
            Render(out, at, 0.2, 0.1, true, [&](double t) {
                return 0.35 * Envelope(t, 0.001, 0.05) * (body(noise.Next()) + 0.5 * std::sin(2.0 * kPi * 190.0 * t));
            });
        }
        for (int half = 0; half < 2; ++half)
        {
            const double hat = at + half * beat * (0.5 + song.swing);
            Render(out, hat, 0.05, -0.3, true, [&](double t) {
                const double n = noise.Next();
                return 0.08 * Envelope(t, 0.0005, 0.012) * n;
            });
        }
    }
}

// One loop: the progression `repeats` times, four beats a bar; pads hold the chord,
// the bass walks root and fifth, the melody wanders over chord tones.
Buffer Compose(const Song& song)
{
    const double beat = 60.0 / song.bpm;
    const int bars = static_cast<int>(song.chords.size()) * song.repeats;
    const double length = bars * 4 * beat;
    Buffer out(length);
    Noise choice(song.seed);
    int melody = 7; // scale degree above the tonic's octave
    for (int bar = 0; bar < bars; ++bar)
    {
        const int chord = song.chords[static_cast<std::size_t>(bar) % song.chords.size()];
        const double start = bar * 4 * beat;
        for (int voice = 0; voice < 3; ++voice)
        {
            const double hz = MidiToHz(Degree(song, chord + 2 * voice));
            Render(out, start, 4 * beat + 0.3, -0.4 + 0.4 * voice, true,
                   [&](double t) { return 0.16 * (1.0 - 0.5 * song.brightness) * Pad(t, hz, 4 * beat + 0.3); });
        }
        for (int b = 0; b < 4; ++b)
        {
            const double hz = MidiToHz(Degree(song, chord + (b == 2 ? 4 : 0)) - 24);
            Render(out, start + b * beat, beat, 0.0, true, [&](double t) { return 0.45 * Pluck(t, hz, beat * 0.6); });
        }
        for (int eighth = 0; eighth < 8; ++eighth)
        {
            // Rests breathe; downbeats land on chord tones, the rest step through the scale.
            if (choice.Next() < -0.55 + (eighth % 2) * 0.3)
                continue;
            if (eighth % 2 == 0)
            {
                const int tones[] = {chord + 7, chord + 9, chord + 11};
                melody = tones[choice.Below(3)];
            }
            else
                melody += choice.Next() < 0 ? -1 : 1;
            const bool last = bar == bars - 1 && eighth >= 6;
            const int note = Degree(song, last ? 7 : melody);
            const double at = start + eighth * beat * 0.5 + (eighth % 2) * song.swing * beat;
            const double hold = beat * (choice.Next() > 0.3 ? 0.95 : 0.45);
            Render(out, at, hold, 0.15, true,
                   [&](double t) { return 0.3 * Lead(t, MidiToHz(note), hold, song.brightness); });
        }
    }
    if (song.drums)
        Drums(out, song, bars * 4, beat);
    Normalise(out, 0.75);
    return out;
}

// The last few milliseconds of a one-shot sound fade out: a cut-off tail clicks.
Buffer FadedOut(Buffer buffer)
{
    const std::size_t fade = std::min<std::size_t>(buffer.frames, kRate / 200);
    for (std::size_t i = 0; i < fade; ++i)
    {
        const std::size_t frame = buffer.frames - 1 - i;
        const auto w = static_cast<float>(i) / static_cast<float>(fade);
        buffer.samples[2 * frame] *= w;
        buffer.samples[2 * frame + 1] *= w;
    }
    return buffer;
}

struct Named
{
    std::string name;
    std::function<Buffer()> make;
    bool loops = false; // plays seamlessly end to start
};

std::vector<Named> Catalogue()
{
    return {
        {"Bounce1", [] { return Boing(220.0, 7.0, 0.45); }},
        {"Bounce2", [] { return Boing(262.0, 8.0, 0.42); }},
        {"Bounce3", [] { return Boing(196.0, 6.0, 0.5); }},
        {"Bounce4", [] { return Boing(294.0, 9.0, 0.4); }},
        {"SuperBoing", SuperBoing},
        {"Spring", Spring},
        {"SideThud", SideThud},
        {"DustPuff", [] { return NoiseBurst(0.45, 600.0, 0.03, 0.09, 5, 0.35); }},
        {"Pickup", Pickup},
        {"LevelEnd", LevelEnd},
        {"MenuHover", [] { return Tick(1250.0, 0.05, 0.35); }},
        {"MenuClick", MenuClick},
        {"Switch", Switch},
        {"FireworkPop", FireworkPop},
        {"Creak1", [] { return Creak(70.0, 25.0, 51); }},
        {"Creak2", [] { return Creak(95.0, -30.0, 52); }},
        {"Creak3", [] { return Creak(55.0, 40.0, 53); }},
        {"GhostHum", GhostHum, true},
        {"RocketLoop", RocketLoop, true},
        {"Music/Menu", [] { return Compose({96, 60, kMajor, {0, 5, 3, 4}, 4, 1, 0.0, false, 0.2}); }, true},
        {"Music/Forest", [] { return Compose({104, 67, kMajor, {0, 3, 0, 4, 5, 3, 1, 4}, 2, 2, 0.08, true, 0.4}); }, true},
        {"Music/Bounce", [] { return Compose({120, 65, kMajor, {0, 4, 5, 3}, 6, 3, 0.12, true, 0.8}); }, true},
        {"Music/GhostShip", [] { return Compose({84, 57, kMinor, {0, 5, 2, 6}, 4, 4, 0.0, false, 0.1}); }, true},
        {"Music/Rocket", [] { return Compose({132, 62, kMinor, {0, 0, 5, 6, 0, 3, 4, 4}, 3, 5, 0.0, true, 0.9}); }, true},
        {"Music/Ending", [] { return Compose({90, 60, kMajor, {0, 3, 5, 4}, 4, 6, 0.05, true, 0.5}); }, true},
    };
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: soundgen <sounds folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder / "Music");
    for (const Named& sound : Catalogue())
        if (!Write(folder / (sound.name + ".ogg"), sound.loops ? sound.make() : FadedOut(sound.make())))
            return 1;
    return 0;
}
