#include "KeySounds.h"

#include "AudioDevice.h"
#include "Resources.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr int WaveHeaderSize = 44;
constexpr int DataLengthOffset = 40;

bool ValidIndex(int index)
{
    return index >= 1 && index <= 3;
}

QString ResourceName(int index)
{
    return QStringLiteral("TYPESOUND") + QString::number(index);
}

// The data length the header states, read as a 32-bit little-endian value
// whatever the rest of the header says.
std::uint32_t StatedDataLength(const QByteArray &wave)
{
    const auto *b = reinterpret_cast<const unsigned char *>(wave.constData()) + DataLengthOffset;
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
}

} // namespace

TKeySounds::~TKeySounds()
{
    Release();
}

void TKeySounds::Init()
{
    if (FDeviceAcquired)
        return;
    FDeviceAcquired = true;
    if (!AcquireAudioDevice())
        return;
    // The one-call player's clicks are decoded here, once, so a click only
    // starts a channel.
    for (int i = 1; i <= 3; ++i) {
        const auto wave = LoadResource(ResourceName(i));
        if (wave)
            FNamed[i] = Mix_LoadWAV_RW(SDL_RWFromConstMem(wave->constData(), int(wave->size())), 1);
    }
    PrepareBuffers();
}

void TKeySounds::PrepareBuffers()
{
    for (int i = 1; i <= 3; ++i) {
        const auto wave = LoadResource(ResourceName(i));
        if (!wave || wave->size() < WaveHeaderSize)
            continue;
        const std::uint32_t length = StatedDataLength(*wave);
        // A buffer of no samples cannot be made, and ends the preparation
        // as any failed buffer does.
        if (length < 2)
            return;
        std::vector<unsigned char> &samples = FSamples[i];
        samples.assign(length, 0);
        const auto available = std::min<qsizetype>(length, wave->size() - WaveHeaderSize);
        std::memcpy(samples.data(), wave->constData() + WaveHeaderSize, size_t(available));
        // The mixer plays whole 16-bit samples only.
        FBuffers[i] = Mix_QuickLoad_RAW(samples.data(), length & ~1u);
        if (!FBuffers[i]) {
            samples.clear();
            return;
        }
    }
}

void TKeySounds::Play(int index)
{
    if (!ValidIndex(index))
        return;
    if (!FUseBuffers && !PlayOneCall(index))
        FUseBuffers = true;
    // The click that found the one-call player broken still sounds here.
    if (FUseBuffers)
        PlayBuffer(index);
}

bool TKeySounds::PlayOneCall(int index)
{
    if (FFailNextOneCall) {
        FFailNextOneCall = false;
        return false;
    }
    if (!FNamed[index] || !WakeAudioDevice())
        return false;
    return Mix_PlayChannel(OneCallClickChannel, FNamed[index], 0) >= 0;
}

void TKeySounds::PlayBuffer(int index)
{
    // Starting a channel that still plays cuts it and starts again from the
    // first sample, so each buffer restarts while the others go on.
    if (FBuffers[index] && WakeAudioDevice())
        Mix_PlayChannel(index, FBuffers[index], 0);
}

void TKeySounds::Release()
{
    for (int i = 1; i <= 3; ++i) {
        if (FBuffers[i])
            Mix_FreeChunk(FBuffers[i]);
        FBuffers[i] = nullptr;
        FSamples[i].clear();
    }
    for (int i = 1; i <= 3; ++i) {
        if (FNamed[i])
            Mix_FreeChunk(FNamed[i]);
        FNamed[i] = nullptr;
    }
    if (FDeviceAcquired)
        ReleaseAudioDevice();
    FDeviceAcquired = false;
}

bool TKeySounds::Playing(TKeyPlayer player, int index) const
{
    if (!ValidIndex(index) || !AudioDeviceOpen())
        return false;
    const int channel = player == TKeyPlayer::OneCall ? OneCallClickChannel : index;
    const Mix_Chunk *chunk = player == TKeyPlayer::OneCall ? FNamed[index] : FBuffers[index];
    return chunk && Mix_Playing(channel) && Mix_GetChunk(channel) == chunk;
}

QByteArrayView TKeySounds::Buffer(int index) const
{
    if (!ValidIndex(index) || !FBuffers[index])
        return {};
    return QByteArrayView(FSamples[index].data(), qsizetype(FSamples[index].size()));
}

TKeySounds &KeySounds()
{
    static TKeySounds sounds;
    return sounds;
}

void InitKeySounds()
{
    KeySounds().Init();
}

void PlayKeySound(int index)
{
    KeySounds().Play(index);
}

void ReleaseKeySounds()
{
    KeySounds().Release();
}
