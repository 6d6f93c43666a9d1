#include "ProgressFile.h"

#include "TextUtil.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace {

QByteArray JoinNumbers(const QList<std::int32_t> &values)
{
    QByteArray line;
    for (int i = 0; i < values.size(); ++i) {
        if (i > 0)
            line += ',';
        line += QByteArray::number(values[i]);
    }
    return line;
}

void ResetResults(TDataList &data)
{
    for (TLevelData &level : data) {
        level.BandNo = 0;
        for (TBandData &band : level.Item) {
            band.CheckCount = band.KnownCount = band.UnknownCount = 0;
            for (TBandDataItem &word : band.Item) {
                word.Check = 0;
                word.Judge = 0;
                word.SelectCount = 0;
            }
        }
    }
}

// Reads one band line into the band's words in order; tokens past the last
// word are ignored.
void ReadBandLine(const QString &line, TBandData &band)
{
    const QStringList tokens = line.split(u',');
    for (int l = 0; l < tokens.size() && l < band.Item.size(); ++l) {
        const QString &token = tokens[l];
        TBandDataItem &word = band.Item[l];
        const bool checked = token.startsWith(u'#');
        const int digits = checked ? 1 : 0;
        word.Check = checked ? 1 : 0;
        // A sign in a hand-edited token must not wrap into a huge count.
        word.Judge = static_cast<std::uint16_t>(std::max(0, TrimStrToInt(token.mid(digits, 1)).value_or(0)));
        word.SelectCount = static_cast<std::uint16_t>(std::max(0, TrimStrToInt(token.mid(digits + 1, 2)).value_or(0)));
    }
}

// Reads "Key=" values into the entries they reach; a value that is not a
// number, or one whose entry would not fit, leaves its entry as it was.
template <typename Apply>
void ReadKeyValues(const QString &line, int keyLength, QList<std::int32_t> &entries, Apply apply)
{
    const QStringList values = line.mid(keyLength, 255).split(u',');
    for (int i = 0; i < values.size() && i < entries.size(); ++i) {
        const std::optional<std::int32_t> v = TrimStrToInt(values[i]);
        if (!v)
            continue;
        const std::int64_t entry = apply(std::int64_t(*v));
        if (entry >= std::numeric_limits<std::int32_t>::min() && entry <= std::numeric_limits<std::int32_t>::max())
            entries[i] = static_cast<std::int32_t>(entry);
    }
}

// The Name=Value pairs of the settings line.
QHash<QString, QString> SettingsPairs(const QString &line)
{
    QHash<QString, QString> pairs;
    for (const QString &pair : line.split(u',')) {
        const qsizetype eq = pair.indexOf(u'=');
        if (eq > 0 && !pairs.contains(pair.left(eq)))
            pairs.insert(pair.left(eq), pair.mid(eq + 1));
    }
    return pairs;
}

std::int32_t SettingValue(const QHash<QString, QString> &pairs, const char *name, std::int32_t fallback)
{
    const auto it = pairs.find(QString::fromLatin1(name));
    if (it == pairs.end())
        return fallback;
    return TrimStrToInt(*it).value_or(fallback);
}

} // namespace

QByteArray WordToken(const TBandDataItem &word)
{
    QByteArray token = word.Check == 1 ? "#" : "";
    return token + QByteArray::number(word.Judge * 100 + word.SelectCount % 100).rightJustified(3, '0');
}

QByteArray WriteProgress(const TDataList &data, const TProgress &p)
{
    const TOptions &o = p.Options;
    QByteArray text = "Way=0,Word=0,New=1,Once=0,Level=" + QByteArray::number(p.LevelNo + 1) +
                      ",Pattern=" + QByteArray::number(static_cast<int>(p.Pattern) + 1) +
                      ",WordType=" + QByteArray::number(p.WordType) + ",Set1=" + QByteArray::number(o.TypeSoundNo) +
                      ",Set2=" + QByteArray::number(o.MissSoundNo) + ",Set3=" + QByteArray::number(o.DispWordNo) +
                      ",Set4=" + QByteArray::number(o.VoiceNo) + ",Set5=" + QByteArray::number(o.MeaningNo) +
                      ",Set6=" + QByteArray::number(o.GuideNo) + ",Set7=0\r\n";
    for (const TLevelData &level : data) {
        for (int j = 0; j < BandsPerLevel; ++j) {
            if (j < level.Item.size()) {
                const QList<TBandDataItem> &words = level.Item[j].Item;
                for (int i = 0; i < words.size(); ++i) {
                    if (i > 0)
                        text += ',';
                    text += WordToken(words[i]);
                }
            }
            text += "\r\n";
        }
    }
    text += "BaseIndex=" + JoinNumbers(p.BaseIndex) + "\r\n";
    text += "Session=" + JoinNumbers(p.Session) + "\r\n";
    text += "[END]\r\n";
    return text;
}

TProgress ReadProgress(const QByteArray &text, TDataList &data)
{
    TProgress p;
    ResetResults(data);
    p.BaseIndex = QList<std::int32_t>(data.size() * BandsPerLevel, 0);
    p.Session = QList<std::int32_t>(data.size() * BandsPerLevel, 0);

    const QStringList lines = SplitLines(QString::fromLatin1(text));
    const QString settings = lines.value(0);
    int k = 0;
    int j = 0;
    for (int n = 1; n < lines.size(); ++n) {
        const QString &line = lines[n];
        if (line.startsWith(QStringLiteral("[END]")))
            break;
        if (line.startsWith(QStringLiteral("BaseIndex="))) {
            // Every start is brought to the next multiple of ten plus one,
            // rounding halves upward.
            ReadKeyValues(line, 10, p.BaseIndex, [](std::int64_t v) { return (v + 5) / 10 * 10 + 1; });
            continue;
        }
        if (line.startsWith(QStringLiteral("Session="))) {
            ReadKeyValues(line, 8, p.Session, [](std::int64_t v) { return v; });
            continue;
        }
        // Every other line, empty ones included, is the next band slot.
        if (k < data.size() && j < data[k].Item.size())
            ReadBandLine(line, data[k].Item[j]);
        if (++j == BandsPerLevel) {
            j = 0;
            ++k;
        }
    }
    for (TLevelData &level : data)
        for (TBandData &band : level.Item)
            RecountBand(band);

    const QHash<QString, QString> pairs = SettingsPairs(settings);
    std::int32_t pattern = SettingValue(pairs, "Pattern", 1);
    if (pattern < 1 || pattern > 4)
        pattern = 1;
    p.Pattern = static_cast<TPattern>(pattern - 1);
    const std::int32_t wordType = SettingValue(pairs, "WordType", 1);
    p.WordType = wordType >= 0 && wordType <= 3 ? wordType : 1;
    p.Options.TypeSoundNo = SettingValue(pairs, "Set1", 0);
    p.Options.MissSoundNo = SettingValue(pairs, "Set2", 0);
    p.Options.DispWordNo = SettingValue(pairs, "Set3", 0);
    p.Options.VoiceNo = SettingValue(pairs, "Set4", 0);
    p.Options.MeaningNo = SettingValue(pairs, "Set5", 0);
    p.Options.GuideNo = SettingValue(pairs, "Set6", 0);
    p.LevelNo = 1;
    return p;
}

bool LooksLikeProgress(const QByteArray &text)
{
    if (text.trimmed().isEmpty())
        return true;
    static const QRegularExpression token(QStringLiteral("^#?[0-9]{0,3}$"));
    for (const QString &line : SplitLines(QString::fromLatin1(text))) {
        if (line.startsWith(u"Way=") || line.startsWith(u"BaseIndex=") || line.startsWith(u"Session=") ||
            line.startsWith(u"[END]"))
            return true;
        if (line.isEmpty())
            continue;
        const QStringList tokens = line.split(u',');
        if (std::all_of(tokens.begin(), tokens.end(), [](const QString &t) { return token.match(t).hasMatch(); }))
            return true;
    }
    return false;
}
