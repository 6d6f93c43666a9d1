#pragma once

// The one sound output shared by the key clicks and the voice player. Each
// of them acquires it when it starts and releases it when it ends; the
// mixer is opened by the first acquire and closed by the last release.
//
// Output is 44100 Hz, signed 16-bit, mono, with no format change allowed,
// so prepared click samples can be played as they are. Channel 0 belongs
// to the one-call click player, channels 1 to 3 to the three click buffers.

inline constexpr int OneCallClickChannel = 0;
inline constexpr int ClickChannelCount = 4;

// True when the mixer is open. A false result means: play nothing, and
// still call ReleaseAudioDevice once for this acquire.
bool AcquireAudioDevice();
void ReleaseAudioDevice();

// Whether the mixer is open now.
bool AudioDeviceOpen();
