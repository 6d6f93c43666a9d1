#pragma once

#include <QByteArray>
#include <QString>

struct _Mix_Music;

// The player of the recorded voices (mp3 files beside the program). One
// voice sounds at a time: a new file cuts off the old one at once, and the
// file asked for last starts again from its beginning, whether it still
// plays or has ended.
//
// Every call comes from the user-interface thread and returns at once; the
// voice plays on the mixer's own thread. A missing or unreadable file, no
// sound device or no mixer make the voice silent and nothing is reported.
// The file asked for last is kept across the mixer's rests: asked for again
// after a silence, it plays from its beginning as before.
class TVoicePlayer {
public:
    TVoicePlayer() = default;
    TVoicePlayer(const TVoicePlayer &) = delete;
    TVoicePlayer &operator=(const TVoicePlayer &) = delete;
    ~TVoicePlayer();

    // Takes the sound device; without one the player stays not set up and
    // every later call does nothing.
    void Init();
    // fileName is the full path of an mp3 file.
    void Play(const QString &fileName);
    // Ends the voice and forgets its file, so the next request opens its
    // file anew.
    void Stop();
    // Ends the voice and gives the sound device back.
    void Release();

    bool SetUp() const { return FSetUp; }
    // The file last asked for; empty at first and after Stop.
    const QString &CurVoiceFile() const { return FCurVoiceFile; }
    void ClearCurVoiceFile() { FCurVoiceFile.clear(); }

    // Whether a voice sounds now, and where it stands in seconds; the
    // position and length are -1 when no file is open.
    bool Playing() const;
    double Position() const;
    double Duration() const;

private:
    void LoadMusic();
    void CloseFile();

    bool FSetUp = false;
    QString FCurVoiceFile;
    // The mixer reads the mp3 from these bytes while it plays.
    QByteArray FBytes;
    _Mix_Music *FMusic = nullptr;
    // The mixer's opening that FMusic was loaded under.
    int FMusicOpening = 0;
};

// The program-wide voice player.
TVoicePlayer &VoicePlayer();

void InitVoicePlayer();
void PlayVoice(const QString &fileName);
void StopVoice();
void ReleaseVoicePlayer();
const QString &CurVoiceFile();
void ClearCurVoiceFile();
