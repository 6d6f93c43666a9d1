#include "CourseLoader.h"

#include "Cp932.h"
#include "Markup.h"

#include <limits>

void SplitFields(const QString &line, QStringList &fields, int highestIndex)
{
    fields.resize(highestIndex + 1);
    QString current;
    int index = 0;
    for (const QChar c : line) {
        if (c == u'\t') {
            fields[index] = current;
            current.clear();
            ++index;
            if (index > highestIndex)
                return;
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty()) {
        fields[index] = current;
        ++index;
    }
    for (; index <= highestIndex; ++index)
        fields[index].clear();
}

std::int32_t PartOfSpeechCode(const QString &name, const TMessageReporter &report)
{
    static const char16_t *const names[] = {
        u"名詞", u"形容詞", u"副詞", u"動詞", u"代名詞", u"接続詞", u"前置詞", u"助動詞",
    };
    for (int i = 0; i < 8; ++i) {
        if (name == QStringView(names[i]))
            return i + 1;
    }
    if (report)
        report(QStringLiteral("品詞エラー：") + name);
    return posUnknown;
}

QString ShortNameText(const QByteArray &name)
{
    return FromCp932(name);
}

QString LevelNameText(int levelIndex, const QByteArray &name)
{
    if (levelIndex == 0 && name.isEmpty())
        return QStringLiteral("Level 1");
    return ShortNameText(name);
}

namespace {

QByteArray CutName(const QString &name, int maxBytes)
{
    return ToCp932(name).left(maxBytes);
}

QString LineError(int lineNumber, const QString &what)
{
    return QStringLiteral("教材データの%1行目を読み込めません：%2").arg(lineNumber).arg(what);
}

void FillSense(TSentenceData &sense, const QStringList &f, const TMessageReporter &report)
{
    sense.Id2 = TryStrToInt(f[2]).value_or(0);
    sense.Part = PartOfSpeechCode(TrimControl(f[4]), report);
    sense.Meaning = TrimControl(f[5]);
    sense.Sentence = ToCp932(StripTags(TrimControl(f[9])));
    sense.Example = TrimControl(f[9]);
    sense.Translation1 = TrimControl(f[10]);
    sense.Translation2 = TrimControl(f[11]);
    sense.Etc1 = TrimControl(f[6]);
    sense.Etc2 = TrimControl(f[7]);
    sense.Etc3 = TrimControl(f[8]);
}

} // namespace

TCourseLoadResult LoadCourse(const QByteArray &cp932Text, const TMessageReporter &report)
{
    TCourseLoadResult result;
    TDataList &data = result.Data;
    const QStringList lines = SplitLines(FromCp932(cp932Text));

    // The tree starts with one nameless level, so the first named level of
    // the text lands at index 1.
    data.resize(1);
    int levelIndex = 0;
    int bandIndex = -1;
    QStringList fields;
    int lineNumber = 0;
    for (const QString &line : lines) {
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        SplitFields(line, fields, CourseFieldCount - 1);

        if (fields[0].startsWith(u'#')) {
            const QString name = TrimControl(fields[0].mid(1, 40));
            // Only the last level is compared, so a name that returns after
            // another one opens a new level.
            if (!data.isEmpty() && name == ShortNameText(data.last().LevelName)) {
                levelIndex = data.size() - 1;
            } else {
                TLevelData level;
                level.LevelName = CutName(name, LevelNameMaxBytes);
                data.append(level);
                levelIndex = data.size() - 1;
            }
            TBandData band;
            band.BandName = CutName(TrimControl(fields[1]), BandNameMaxBytes);
            data[levelIndex].Item.append(band);
            bandIndex = data[levelIndex].Item.size() - 1;
            continue;
        }

        if (bandIndex < 0) {
            result.Error = LineError(lineNumber, QStringLiteral("見出し行（#で始まる行）より前に単語の行があります。"));
            break;
        }
        const std::optional<std::int32_t> id = TryStrToInt(fields[1]);
        if (!id) {
            result.Error = LineError(lineNumber, QStringLiteral("単語ID「%1」は整数ではありません。").arg(fields[1]));
            break;
        }
        TBandData &band = data[levelIndex].Item[bandIndex];
        if (band.Item.isEmpty() || band.Item.last().Id != *id) {
            TBandDataItem word;
            word.Id = *id;
            word.Word = ToCp932(TrimControl(fields[3]));
            band.Item.append(word);
        }
        TSentenceData sense;
        FillSense(sense, fields, report);
        band.Item.last().Item.append(sense);
    }

    data.resize(LevelCount);
    return result;
}
