#include "AudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <cstring>

namespace {

int AcquireCount = 0;
bool SdlAudioStarted = false;
bool MixerOpen = false;
bool Resting = false;
bool RestsInSilence = true;
int Opening = 0;
qint64 LastSoundMs = 0;
std::function<qint64()> Clock;
QPointer<QTimer> SilenceTimer;

// Small enough that a click starts within about 12 ms of being asked for.
constexpr int MixerChunkFrames = 512;

// Often enough that the mixer rests soon after the silence is long enough,
// rarely enough that the check itself costs nothing worth measuring.
constexpr int SilenceCheckIntervalMs = 250;

qint64 NowMs()
{
    if (Clock)
        return Clock();
    static QElapsedTimer steady;
    if (!steady.isValid())
        steady.start();
    return steady.elapsed();
}

// The check runs on the application's event loop; tests without one call
// CheckAudioSilence themselves.
void StartSilenceTimer()
{
    if (!RestsInSilence)
        return;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return;
    if (!SilenceTimer) {
        // Owned by the application, so it never outlives its event loop.
        SilenceTimer = new QTimer(app);
        SilenceTimer->setInterval(SilenceCheckIntervalMs);
        QObject::connect(SilenceTimer, &QTimer::timeout, [] { CheckAudioSilence(); });
    }
    if (!SilenceTimer->isActive())
        SilenceTimer->start();
}

void StopSilenceTimer()
{
    if (SilenceTimer)
        SilenceTimer->stop();
}

void StartSdlAudio()
{
    // Without this hint SDL takes over SIGINT and SIGTERM and the program
    // could no longer be ended by them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    SdlAudioStarted = true;
    Mix_Init(MIX_INIT_MP3);
    // The disk driver records into a file that each opening starts anew,
    // so a recording keeps its one device from start to end.
    const char *driver = SDL_GetCurrentAudioDriver();
    RestsInSilence = !driver || std::strcmp(driver, "disk") != 0;
}

// Opening again gives the same format, because no change is allowed, so
// the chunks decoded for the first opening still play as they are; the
// channel count is what an opening resets.
void OpenMixer()
{
    if (!SdlAudioStarted)
        return;
    if (Mix_OpenAudioDevice(44100, AUDIO_S16SYS, 1, MixerChunkFrames, nullptr, 0) != 0)
        return;
    MixerOpen = true;
    ++Opening;
    Mix_AllocateChannels(ClickChannelCount);
}

void CloseMixer()
{
    StopSilenceTimer();
    if (MixerOpen) {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        Mix_CloseAudio();
        MixerOpen = false;
    }
}

void StopSdlAudio()
{
    if (SdlAudioStarted) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        SdlAudioStarted = false;
    }
}

} // namespace

bool AcquireAudioDevice()
{
    if (AcquireCount++ == 0) {
        StartSdlAudio();
        OpenMixer();
    }
    return WakeAudioDevice();
}

void ReleaseAudioDevice()
{
    if (AcquireCount == 0)
        return;
    if (--AcquireCount == 0) {
        CloseMixer();
        Resting = false;
        StopSdlAudio();
    }
}

bool AudioDeviceOpen()
{
    return MixerOpen;
}

bool WakeAudioDevice()
{
    if (AcquireCount == 0)
        return false;
    if (Resting) {
        Resting = false;
        OpenMixer();
    }
    if (MixerOpen) {
        LastSoundMs = NowMs();
        StartSilenceTimer();
    }
    return MixerOpen;
}

bool AudioDeviceResting()
{
    return Resting;
}

void CheckAudioSilence()
{
    if (!MixerOpen || !RestsInSilence)
        return;
    const qint64 now = NowMs();
    if (Mix_Playing(-1) > 0 || Mix_PlayingMusic()) {
        LastSoundMs = now;
        return;
    }
    if (now - LastSoundMs < SilenceBeforeRestMs)
        return;
    CloseMixer();
    Resting = true;
}

int AudioDeviceOpening()
{
    return Opening;
}

void SetAudioClockForTesting(std::function<qint64()> milliseconds)
{
    Clock = std::move(milliseconds);
    // The silence so far is counted again on the new clock.
    LastSoundMs = NowMs();
}
