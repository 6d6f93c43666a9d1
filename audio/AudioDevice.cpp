#include "AudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

int AcquireCount = 0;
bool SdlAudioStarted = false;
bool MixerOpen = false;

// Small enough that a click starts within about 12 ms of being asked for.
constexpr int MixerChunkFrames = 512;

void OpenMixer()
{
    // Without this hint SDL takes over SIGINT and SIGTERM and the program
    // could no longer be ended by them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    SdlAudioStarted = true;
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudioDevice(44100, AUDIO_S16SYS, 1, MixerChunkFrames, nullptr, 0) != 0)
        return;
    MixerOpen = true;
    Mix_AllocateChannels(ClickChannelCount);
}

void CloseMixer()
{
    if (MixerOpen) {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        Mix_CloseAudio();
        MixerOpen = false;
    }
    if (SdlAudioStarted) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        SdlAudioStarted = false;
    }
}

} // namespace

bool AcquireAudioDevice()
{
    if (AcquireCount++ == 0)
        OpenMixer();
    return MixerOpen;
}

void ReleaseAudioDevice()
{
    if (AcquireCount == 0)
        return;
    if (--AcquireCount == 0)
        CloseMixer();
}

bool AudioDeviceOpen()
{
    return MixerOpen;
}
