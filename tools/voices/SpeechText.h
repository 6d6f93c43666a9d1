#pragma once

#include <QByteArray>
#include <QString>

// `text` as the plain ASCII line the synthesiser reads: typographic quotes
// and dashes become their ASCII forms, full-width letters and digits their
// ordinary ones, line breaks and tabs spaces, and any other character the
// English front end cannot read is dropped, so it is neither spelt out
// letter by letter nor read as noise.
QByteArray SpeechText(const QString &text);
