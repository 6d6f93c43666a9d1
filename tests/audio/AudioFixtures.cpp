#include "AudioFixtures.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <thread>

namespace {

void PutLittleEndian(QByteArray &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

QByteArray ToneWave(double seconds, double frequency)
{
    const int rate = 44100;
    const auto frames = std::uint32_t(seconds * rate);
    QByteArray wave("RIFF");
    PutLittleEndian(wave, 36 + frames * 2, 4);
    wave.append("WAVEfmt ");
    PutLittleEndian(wave, 16, 4);
    PutLittleEndian(wave, 1, 2);
    PutLittleEndian(wave, 1, 2);
    PutLittleEndian(wave, rate, 4);
    PutLittleEndian(wave, rate * 2, 4);
    PutLittleEndian(wave, 2, 2);
    PutLittleEndian(wave, 16, 2);
    wave.append("data");
    PutLittleEndian(wave, frames * 2, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double s = 0.3 * std::sin(2 * 3.14159265358979 * frequency * i / rate);
        PutLittleEndian(wave, std::uint32_t(std::int16_t(s * 32767)) & 0xFFFF, 2);
    }
    return wave;
}

} // namespace

bool LameInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("lame")).isEmpty();
}

bool MakeToneMp3(const QString &file, double seconds, double frequency)
{
    if (!LameInstalled())
        return false;
    const QString wavePath = file + QStringLiteral(".wav");
    QFile wave(wavePath);
    if (!wave.open(QIODevice::WriteOnly) || wave.write(ToneWave(seconds, frequency)) < 0)
        return false;
    wave.close();
    const int result = QProcess::execute(QStringLiteral("lame"), {"--quiet", "-m", "m", wavePath, file});
    QFile::remove(wavePath);
    return result == 0 && QFile::exists(file);
}

bool WaitUntil(const std::function<bool()> &done, int limitMs)
{
    const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > limit)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}
