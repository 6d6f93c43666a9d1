#include "SpeechText.h"

namespace {

// The plain ASCII character read for `c`, or 0 for none.
char AsciiFor(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 0x20 && u < 0x7F)
        return char(u);
    switch (u) {
    case 0x2018: case 0x2019: case 0x2032:
        return '\'';
    case 0x201C: case 0x201D:
        return '"';
    case 0x2010: case 0x2012: case 0x2013: case 0x2014:
        return '-';
    case '\t': case '\n': case '\r':
        return ' ';
    default:
        return 0;
    }
}

} // namespace

QByteArray SpeechText(const QString &text)
{
    // Compatibility decomposition turns full-width forms and odd spaces into
    // their plain forms and splits an accented letter into the letter and
    // its accent, which is then dropped.
    QByteArray out;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD))
        if (const char a = AsciiFor(c))
            out += a;
    return out.trimmed();
}
