#pragma once

#include "CourseData.h"

#include <QString>

// The recorded voice of a word or of one of its sentences. The recordings
// lie beside the program under SOUND/WORD and SOUND/SENTENCE, one folder per
// level ("Level1" for the first), named after the word's six-digit id:
// "000348V.mp3" for the word, "000348S.mp3" for a sentence without a
// number and "000349_1S.mp3" for sentence number 1. `exePath` is the
// program's folder with its trailing separator.
QString WordVoiceFile(const QString &exePath, int levelNo, const TBandDataItem &word);
QString SentenceVoiceFile(const QString &exePath, int levelNo, const TBandDataItem &word, const TSentenceData &sentence);
