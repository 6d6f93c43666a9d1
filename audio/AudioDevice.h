#pragma once

#include <QtGlobal>

#include <functional>

// The one sound output shared by the key clicks and the voice player. Each
// of them acquires it when it starts and releases it when it ends; the
// mixer is opened by the first acquire and closed by the last release.
//
// Output is 44100 Hz, signed 16-bit, mono, with no format change allowed,
// so prepared click samples can be played as they are. Channel 0 belongs
// to the one-call click player, channels 1 to 3 to the three click buffers.
//
// Between the first acquire and the last release the mixer rests: once no
// channel and no voice has sounded for SilenceBeforeRestMs it is closed, so
// that SDL's audio thread stops (a paused SDL 2 device still mixes and
// writes silence), and the next sound opens it again with the same format
// and channels. SDL's disk driver, whose file each opening would start
// anew, never rests. Every call comes from the user-interface thread.

inline constexpr int OneCallClickChannel = 0;
inline constexpr int ClickChannelCount = 4;

// Long enough that a learner who pauses between words never waits for the
// mixer, short enough that an idle window soon costs nothing.
inline constexpr qint64 SilenceBeforeRestMs = 1500;

// True when the mixer is open. A false result means: play nothing, and
// still call ReleaseAudioDevice once for this acquire.
bool AcquireAudioDevice();
void ReleaseAudioDevice();

// Whether the mixer is open now; false while it rests.
bool AudioDeviceOpen();

// Called right before a sound starts: opens a resting mixer again and
// counts the silence from now. True when the sound can be played. A mixer
// that cannot be opened again stays closed until the last release, and the
// program goes on silently.
bool WakeAudioDevice();

// Whether the mixer is closed for a silence and opens on the next sound.
bool AudioDeviceResting();

// Closes the mixer when nothing has sounded for SilenceBeforeRestMs. While
// the mixer is open, a timer of the application calls this a few times a
// second; without a running application nothing calls it but the caller.
void CheckAudioSilence();

// Changes every time the mixer opens, so music loaded under another value
// belongs to a mixer that has closed since.
int AudioDeviceOpening();

// Replaces the clock of the silence, in milliseconds; an empty function
// gives back the steady clock.
void SetAudioClockForTesting(std::function<qint64()> milliseconds);
