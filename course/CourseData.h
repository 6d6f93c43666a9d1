#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

// The course tree. Words and senses are held in Qt's implicitly shared
// containers, so the copies a run works on share the unchanging texts with
// the words in the tree and only their result fields become their own.

// The practice pattern chosen on the course screen.
enum TPattern : std::int32_t {
    ptWordAndSentence = 0,
    ptWord = 1,
    ptSentence = 2,
    ptWriting = 3,
};

// What is being typed at the moment: the word or one of its sentences.
enum TWordOrSentence : std::int32_t {
    wsWord = 0,
    wsSentence = 1,
};

// Part-of-speech codes; the code is also the number of its picture.
enum TPartOfSpeech : std::int32_t {
    posUnknown = 0,
    posNoun = 1,
    posAdjective = 2,
    posAdverb = 3,
    posVerb = 4,
    posPronoun = 5,
    posConjunction = 6,
    posPreposition = 7,
    posAuxiliaryVerb = 8,
};

inline constexpr int LevelCount = 8;
inline constexpr int BandsPerLevel = 3;
inline constexpr int LevelNameMaxBytes = 20;
inline constexpr int BandNameMaxBytes = 10;

// One sense of a word with its example sentence.
struct TSentenceData {
    std::int32_t Id2 = 0;
    std::int32_t Part = posUnknown;
    QString Meaning;
    // The typing target in code page 932: the example without its markup.
    QByteArray Sentence;
    QString Example;
    QString Translation1;
    QString Translation2;
    QString Etc1;
    QString Etc2;
    QString Etc3;
};

// One word with its senses and the learner's results for it.
struct TBandDataItem {
    std::int32_t Id = 0;
    // The word to type, in code page 932.
    QByteArray Word;
    QList<TSentenceData> Item;
    std::int32_t SentenceIndex = 0;
    std::int32_t Check = 0;
    std::uint16_t Judge = 0;
    std::uint16_t SelectCount = 0;
};

struct TBandData {
    // At most ten bytes of code page 932; a longer name is cut, possibly
    // through the middle of a two-byte character.
    QByteArray BandName;
    QList<TBandDataItem> Item;
    std::int32_t CheckCount = 0;
    std::int32_t KnownCount = 0;
    std::int32_t UnknownCount = 0;
};

struct TLevelData {
    // At most twenty bytes of code page 932, cut like a band name.
    QByteArray LevelName;
    QList<TBandData> Item;
    std::int32_t BandNo = 0;
};

using TDataList = QList<TLevelData>;

// Per-band values kept outside the tree are addressed by this key, 0 to 23:
// every level has room for three bands.
constexpr int BandKey(int levelIndex, int bandIndex)
{
    return levelIndex * BandsPerLevel + bandIndex;
}

// Judgements 1 and 2 count as known, 3 and 4 as not known; anything else
// counts as neither.
constexpr bool IsKnownJudge(int judge) { return judge == 1 || judge == 2; }
constexpr bool IsUnknownJudge(int judge) { return judge == 3 || judge == 4; }

// Recounts the three derived counters of a band from its words.
void RecountBand(TBandData &band);

// The number of words in all bands of a level; a level without words has
// nothing to practise or count.
int LevelWordCount(const TLevelData &level);
