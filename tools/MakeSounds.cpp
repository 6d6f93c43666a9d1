// Synthesises the three key clicks as RIFF WAVE files with the plain 44-byte
// header: PCM, mono, 44100 Hz, 16 bits. The program reads the data length at
// byte 40 and the samples from byte 44, so the layout is fixed.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 44100;
constexpr double Pi = 3.14159265358979323846;

// A small deterministic noise source, so every build makes the same click.
struct TNoise {
    uint32_t State = 0x2545F491u;
    double Next()
    {
        State ^= State << 13;
        State ^= State >> 17;
        State ^= State << 5;
        return (State / 4294967295.0) * 2.0 - 1.0;
    }
};

// Raised-cosine edges keep the start and end free of audible clicks.
double Edge(int i, int count, int fadeIn, int fadeOut)
{
    double g = 1.0;
    if (i < fadeIn)
        g *= 0.5 - 0.5 * std::cos(Pi * i / fadeIn);
    if (i >= count - fadeOut)
        g *= 0.5 - 0.5 * std::cos(Pi * (count - 1 - i) / fadeOut);
    return g;
}

std::vector<double> KeyboardClick(int count)
{
    // A soft, dull tap: filtered noise over a low thump, decaying fast.
    std::vector<double> s(static_cast<size_t>(count));
    TNoise noise;
    double low = 0;
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / SampleRate;
        low += 0.18 * (noise.Next() - low);
        const double thump = std::sin(2 * Pi * 180 * t) * std::exp(-t * 60);
        const double tick = low * std::exp(-t * 140);
        s[static_cast<size_t>(i)] = (0.55 * tick + 0.35 * thump) * Edge(i, count, 44, 400);
    }
    return s;
}

std::vector<double> ElectronicTone(int count)
{
    // A short bright blip, two partials, smooth envelope.
    std::vector<double> s(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / SampleRate;
        const double v = std::sin(2 * Pi * 1568 * t) + 0.25 * std::sin(2 * Pi * 3136 * t);
        s[static_cast<size_t>(i)] = 0.32 * v * std::exp(-t * 30) * Edge(i, count, 88, 600);
    }
    return s;
}

std::vector<double> MissBuzz(int count)
{
    // Low and falling, with a rough edge: unmistakably not a correct key.
    std::vector<double> s(static_cast<size_t>(count));
    double phase = 0;
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / SampleRate;
        const double freq = 240 - 900 * t;
        phase += 2 * Pi * freq / SampleRate;
        double v = 0;
        for (int k = 1; k <= 7; k += 2)
            v += std::sin(k * phase) / k;
        s[static_cast<size_t>(i)] = 0.42 * v * Edge(i, count, 180, 900);
    }
    return s;
}

void PutLe(std::string &out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool WriteWave(const std::string &path, const std::vector<double> &samples)
{
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::string out = "RIFF";
    PutLe(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);          // PCM
    PutLe(out, 1, 2);          // mono
    PutLe(out, SampleRate, 4);
    PutLe(out, SampleRate * 2, 4);
    PutLe(out, 2, 2);          // block alignment
    PutLe(out, 16, 2);         // bits per sample
    out += "data";
    PutLe(out, dataBytes, 4);
    for (double v : samples) {
        // Kept well below full scale; the clamp only guards the conversion.
        const double clamped = std::fmax(-0.9, std::fmin(0.9, v));
        PutLe(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(clamped * 32767))), 2);
    }
    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return bool(file);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeSounds <output folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    // Data lengths in bytes: 9456, 5816 and 7552, two bytes per sample.
    const bool ok = WriteWave(folder + "/TYPESOUND1.wav", KeyboardClick(9456 / 2))
                    && WriteWave(folder + "/TYPESOUND2.wav", ElectronicTone(5816 / 2))
                    && WriteWave(folder + "/TYPESOUND3.wav", MissBuzz(7552 / 2));
    return ok ? 0 : 1;
}
