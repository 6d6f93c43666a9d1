#include "VoiceList.h"

#include <QHash>
#include <QSet>

QString VoiceListLine(const TVoice &voice, const QString &settings)
{
    return voice.File + QLatin1Char('\t') + settings + QLatin1Char('\t') + voice.Text;
}

TVoicePlan PlanVoices(const QList<TVoice> &voices, const QString &settings, const QString &oldList,
                      const std::function<bool(const QString &file)> &fileReady)
{
    QHash<QString, QString> before;
    for (const QString &line : oldList.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        before.insert(line.section(QLatin1Char('\t'), 0, 0), line);

    TVoicePlan plan;
    QSet<QString> named;
    for (int i = 0; i < voices.size(); ++i) {
        named.insert(voices[i].File);
        if (before.value(voices[i].File) != VoiceListLine(voices[i], settings) || !fileReady(voices[i].File))
            plan.ToSpeak.append(i);
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        if (!named.contains(it.key()))
            plan.Stale.append(it.key());
    plan.Stale.sort();
    return plan;
}
