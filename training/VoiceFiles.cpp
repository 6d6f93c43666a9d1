#include "VoiceFiles.h"

namespace {

QString VoiceBase(int levelNo, const TBandDataItem &word)
{
    return QStringLiteral("Level") + QString::number(levelNo + 1) + QLatin1Char('/') + QString::asprintf("%6.6d", word.Id);
}

} // namespace

QString WordVoiceFile(const QString &exePath, int levelNo, const TBandDataItem &word)
{
    return exePath + QStringLiteral("SOUND/WORD/") + VoiceBase(levelNo, word) + QStringLiteral("V.mp3");
}

QString SentenceVoiceFile(const QString &exePath, int levelNo, const TBandDataItem &word, const TSentenceData &sentence)
{
    QString file = exePath + QStringLiteral("SOUND/SENTENCE/") + VoiceBase(levelNo, word);
    if (sentence.Id2 != 0)
        file += QLatin1Char('_') + QString::number(sentence.Id2);
    return file + QStringLiteral("S.mp3");
}
