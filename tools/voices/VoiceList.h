#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The list the voice generator keeps beside the voices (SOUND/voices.txt):
// one line per file, "path<TAB>settings<TAB>text", the path relative to the
// program folder, the settings a fingerprint of how the file was spoken and
// the text the course's words or sentence as the learner types it.

struct TVoice {
    QString File; // relative to the program folder
    QString Text;
};

QString VoiceListLine(const TVoice &voice, const QString &settings);

// What a run of the generator has to do so that every voice in `voices`
// says its text with `settings`.
struct TVoicePlan {
    QList<int> ToSpeak; // indexes into the voices
    QStringList Stale;  // listed files that the course no longer names
};

// A voice is spoken again when its line in `oldList` differs (new text or
// new settings) or when its file is missing, which `fileReady` tells.
TVoicePlan PlanVoices(const QList<TVoice> &voices, const QString &settings, const QString &oldList,
                      const std::function<bool(const QString &file)> &fileReady);
