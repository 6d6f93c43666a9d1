#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// Small text rules shared by the readers of the course and of the
// learners' files.

// Removes leading and trailing characters whose code is 32 or less; other
// white space such as the ideographic space stays.
QString TrimControl(const QString &text);

// Reads an optional sign and decimal digits after any leading blanks. Any
// other character, trailing blanks included, or a value outside 32 bits
// makes the text not a number.
std::optional<std::int32_t> TryStrToInt(const QString &text);

// A text split into lines; CR LF, a lone CR and a lone LF each end
// a line.
QStringList SplitLines(const QString &text);

// A blank text counts as 0; otherwise the trimmed text must be a number.
std::optional<std::int32_t> TrimStrToInt(const QString &text);
