#pragma once

#include <QString>

#include <functional>

// Small helpers shared by the audio tests.

// Writes a mono 44100 Hz tone of `seconds` as an mp3 through lame. False
// when lame is not installed or fails.
bool MakeToneMp3(const QString &file, double seconds, double frequency);

bool LameInstalled();

// Waits, while the mixer plays on its own thread, until `done` holds or a
// generous limit passes; returns whether it held.
bool WaitUntil(const std::function<bool()> &done, int limitMs = 10000);
