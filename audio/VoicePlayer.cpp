#include "VoicePlayer.h"

#include "AudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QFile>

TVoicePlayer::~TVoicePlayer()
{
    Release();
    FCurVoiceFile.clear();
}

void TVoicePlayer::Init()
{
    if (FSetUp)
        return;
    FSetUp = AcquireAudioDevice();
    // A player without a device holds nothing, so the device goes back now.
    if (!FSetUp)
        ReleaseAudioDevice();
}

void TVoicePlayer::Play(const QString &fileName)
{
    if (!FSetUp || !WakeAudioDevice())
        return;
    if (fileName == FCurVoiceFile) {
        // Playing an open file again starts it from its beginning, also
        // once it has ended. A file that did not open stays silent.
        if (FMusic && FMusicOpening != AudioDeviceOpening())
            LoadMusic();
        if (FMusic)
            Mix_PlayMusic(FMusic, 0);
        return;
    }
    FCurVoiceFile = fileName;
    CloseFile();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    FBytes = file.readAll();
    if (FBytes.isEmpty())
        return;
    LoadMusic();
    if (FMusic)
        Mix_PlayMusic(FMusic, 0);
}

void TVoicePlayer::LoadMusic()
{
    // The mixer's music decoders close whenever the mixer rests, so a voice
    // loaded under an earlier opening is decoded anew from its bytes; the
    // old one may still be freed after the mixer has closed.
    if (FMusic)
        Mix_FreeMusic(FMusic);
    FMusic = Mix_LoadMUS_RW(SDL_RWFromConstMem(FBytes.constData(), int(FBytes.size())), 1);
    FMusicOpening = AudioDeviceOpening();
}

void TVoicePlayer::Stop()
{
    CloseFile();
    FCurVoiceFile.clear();
}

void TVoicePlayer::Release()
{
    CloseFile();
    if (FSetUp)
        ReleaseAudioDevice();
    FSetUp = false;
}

void TVoicePlayer::CloseFile()
{
    if (FMusic) {
        Mix_HaltMusic();
        Mix_FreeMusic(FMusic);
        FMusic = nullptr;
    }
    FBytes.clear();
}

bool TVoicePlayer::Playing() const
{
    return FMusic && Mix_PlayingMusic() && !Mix_PausedMusic();
}

double TVoicePlayer::Position() const
{
    return FMusic ? Mix_GetMusicPosition(FMusic) : -1.0;
}

double TVoicePlayer::Duration() const
{
    return FMusic ? Mix_MusicDuration(FMusic) : -1.0;
}

TVoicePlayer &VoicePlayer()
{
    static TVoicePlayer player;
    return player;
}

void InitVoicePlayer()
{
    VoicePlayer().Init();
}

void PlayVoice(const QString &fileName)
{
    VoicePlayer().Play(fileName);
}

void StopVoice()
{
    VoicePlayer().Stop();
}

void ReleaseVoicePlayer()
{
    VoicePlayer().Release();
}

const QString &CurVoiceFile()
{
    return VoicePlayer().CurVoiceFile();
}

void ClearCurVoiceFile()
{
    VoicePlayer().ClearCurVoiceFile();
}
