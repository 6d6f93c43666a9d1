#pragma once

#include <QByteArrayView>

#include <array>
#include <vector>

struct Mix_Chunk;

// The three key clicks "TYPESOUND1" to "TYPESOUND3", carried as resources.
//
// A click first goes to the one-call player, which starts the named click
// without waiting and cuts off the click it still sounds. The first time
// that player fails, the clicks move for good to three buffers prepared at
// start-up from the resources' samples: each restarts from its beginning
// when asked again, and different buffers sound alongside each other.
//
// Every call comes from the user-interface thread and returns at once. No
// sound device, no mixer or a missing resource make the clicks silent;
// nothing is reported. The prepared clicks outlive the mixer's rests: the
// first click after a silence opens the mixer again and sounds at once.
enum class TKeyPlayer { OneCall, Buffers };

class TKeySounds {
public:
    TKeySounds() = default;
    TKeySounds(const TKeySounds &) = delete;
    TKeySounds &operator=(const TKeySounds &) = delete;
    ~TKeySounds();

    void Init();
    // index 1, 2 or 3; any other index is silent.
    void Play(int index);
    // Frees buffers 1, 2, 3 in this order, then gives back the device.
    void Release();

    // True from the first failure of the one-call player on.
    bool UseBuffers() const { return FUseBuffers; }
    // Whether the given player sounds click `index` at this moment.
    bool Playing(TKeyPlayer player, int index) const;
    // The samples prepared for buffer `index`; empty when its slot is empty.
    QByteArrayView Buffer(int index) const;

    // Makes the next one-call playback report failure, as a system player
    // that lost its device would.
    void FailNextOneCallPlayForTesting() { FFailNextOneCall = true; }

private:
    bool PlayOneCall(int index);
    void PlayBuffer(int index);
    void PrepareBuffers();

    bool FDeviceAcquired = false;
    bool FUseBuffers = false;
    bool FFailNextOneCall = false;
    // Slot 0 is unused so that the click number is the index.
    std::array<Mix_Chunk *, 4> FNamed{};
    std::array<Mix_Chunk *, 4> FBuffers{};
    std::array<std::vector<unsigned char>, 4> FSamples;
};

// The program-wide clicks.
TKeySounds &KeySounds();

void InitKeySounds();
void PlayKeySound(int index);
void ReleaseKeySounds();
