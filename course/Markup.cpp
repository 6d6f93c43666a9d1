#include "Markup.h"

QString StripTags(const QString &text)
{
    QString result;
    result.reserve(text.size());
    bool inside = false;
    for (const QChar c : text) {
        if (c == u'[')
            inside = true;
        else if (c == u']')
            inside = false;
        else if (inside)
            result.append(c);
    }
    return result;
}

TColor TagColor(QChar letter)
{
    switch (letter.unicode()) {
    case u'S': case u's': return 0xFF9900;
    case u'V': case u'v': return 0x0000FF;
    case u'O': case u'o': return 0x00EE00;
    case u'C': case u'c': return 0x66CCFF;
    case u'M': case u'm':
    case u'Z': case u'z':
    case u'Y': case u'y': return clSilver;
    default: return clWhite;
    }
}

bool HasGuideLabel(QChar letter)
{
    switch (letter.unicode()) {
    case u'S': case u'V': case u'O': case u'C': case u'M': case u'Z': return true;
    default: return false;
    }
}

QList<TChunk> ParseChunks(const QString &example)
{
    QList<TChunk> chunks;
    bool inside = false;
    int position = 1;
    for (const QChar c : example) {
        if (c == u'[') {
            TChunk chunk;
            chunk.TargetStart = position;
            chunks.append(chunk);
            inside = true;
        } else if (c == u']') {
            inside = false;
        } else if (inside) {
            chunks.last().Text.append(c);
            ++position;
        } else if (!chunks.isEmpty()) {
            chunks.last().Tag = c;
            ++chunks.last().OutsideCount;
        }
    }
    return chunks;
}

QChar ElementLetter(const TChunk &chunk)
{
    return chunk.OutsideCount == 1 ? chunk.Tag : QChar();
}

QList<TMeaningPiece> SplitMeaning(const QString &meaning, const TMessageReporter &report)
{
    static const QString open = QStringLiteral("[s]");
    static const QString close = QStringLiteral("[/s]");
    QList<TMeaningPiece> pieces;
    QString rest = meaning;
    while (!rest.isEmpty()) {
        const qsizetype openAt = rest.indexOf(open);
        if (openAt < 0) {
            pieces.append({rest, false});
            break;
        }
        const qsizetype closeAt = rest.indexOf(close);
        const bool malformed = closeAt < 0 || closeAt < openAt;
        if (malformed && report)
            report(QStringLiteral("[s]エラー:") + rest);
        pieces.append({rest.left(openAt), false});
        const QString note = malformed ? QString() : rest.mid(openAt + open.size(), closeAt - openAt - open.size());
        pieces.append({note + u' ', true});
        // Without any "[/s]" the scan moves past the first three characters,
        // which keeps it going forward on every malformed text.
        rest = rest.mid(closeAt < 0 ? 3 : closeAt + close.size());
    }
    return pieces;
}

QStringList RelatedWordLines(const QString &etc3)
{
    return etc3.split(QStringLiteral("[cr]"));
}

QList<TMarkedRun> MarkedLineRuns(const QString &line, bool &headword)
{
    static const QString open = QStringLiteral("[b]");
    static const QString close = QStringLiteral("[/b]");
    QList<TMarkedRun> runs;
    QString rest = line;
    for (;;) {
        const qsizetype openAt = rest.indexOf(open);
        if (openAt < 0) {
            runs.append({rest, headword});
            break;
        }
        runs.append({rest.left(openAt), headword});
        headword = true;
        rest = rest.mid(openAt + open.size());
        const qsizetype closeAt = rest.indexOf(close);
        if (closeAt < 0) {
            runs.append({rest, true});
            break;
        }
        runs.append({rest.left(closeAt), true});
        headword = false;
        rest = rest.mid(closeAt + close.size());
    }
    return runs;
}

int PronunciationMarkCell(const QString &etc2)
{
    if (etc2 == u"<発1>" || etc2 == u"<ア1>")
        return 0;
    if (etc2 == u"<発2>" || etc2 == u"<ア2>")
        return 1;
    return -1;
}
