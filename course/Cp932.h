#pragma once

#include <QByteArray>
#include <QString>

// Conversion between Qt's UTF-16 text and code page 932 (Shift-JIS with the
// vendor extensions), the encoding of the course text and of the 8-bit
// strings of the course tree.

// Decodes code page 932. A byte that starts no valid character, such as the
// first half of a character cut in two, becomes "・", as the platform shows it.
QString FromCp932(const QByteArray &bytes);

// Encodes to code page 932. A character the code page lacks becomes "?".
QByteArray ToCp932(const QString &text);

// Whether every character of the text exists in code page 932.
bool IsCp932Encodable(const QString &text);
