#pragma once

#include "CourseData.h"

#include <QByteArray>
#include <QList>

#include <cstdint>

// A learner's progress file: the settings line, one line per band slot of
// the course (three per level, empty for a band the level lacks), the band
// starts and run counters, and "[END]". The format is plain ASCII with CR LF
// line ends, and older files in it must keep loading.

// The six learner options.
struct TOptions {
    std::int32_t TypeSoundNo = 0;
    std::int32_t MissSoundNo = 0;
    std::int32_t DispWordNo = 0;
    std::int32_t VoiceNo = 0;
    std::int32_t MeaningNo = 0;
    std::int32_t GuideNo = 0;
    bool operator==(const TOptions &) const = default;
};

// Everything of the file besides the per-word results, which live in the
// course tree.
struct TProgress {
    // Written for older readers; a loaded file always opens at level index 1.
    std::int32_t LevelNo = 1;
    TPattern Pattern = ptWordAndSentence;
    // Which of the four word-type buttons is chosen, 0 to 3.
    std::int32_t WordType = 1;
    TOptions Options;
    // Per band key: where the next in-order selection starts, and the run.
    QList<std::int32_t> BaseIndex;
    QList<std::int32_t> Session;
};

// The file's text for the course tree and the settings.
QByteArray WriteProgress(const TDataList &data, const TProgress &progress);

// Reads a file's text (empty for a missing file) into the course tree and
// returns the settings. The tree's results are reset first and the band
// counters recounted, so nothing of an earlier user remains. Values that are
// not numbers keep what a missing file would give. BaseIndex and Session get
// three entries per level.
TProgress ReadProgress(const QByteArray &text, TDataList &data);

// One band's token for a word: "#" for a check mark, then the judgement and
// the two last digits of the run number.
QByteArray WordToken(const TBandDataItem &word);

// Whether a file's text is a learner's progress file rather than some other
// file that took its name: an empty text is one (a user just added), and so
// is any text with at least one line of the file's own shape — the
// settings line, a key line, "[END]" or a line of word tokens.
bool LooksLikeProgress(const QByteArray &text);
