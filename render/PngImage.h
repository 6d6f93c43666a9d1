#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A decoded picture or the reason there is none. The image is the caller's
// to keep; it is null exactly when Error is set.
struct TPngResult {
    QImage Image;
    QString Error;

    explicit operator bool() const { return !Image.isNull(); }
};

// Decodes a PNG held in memory, bit for bit: no gamma or colour-space
// correction is applied, 16-bit samples are scaled to 8 bits with rounding.
// Pictures without transparency come back as Format_RGB32; pictures with an
// alpha channel or a transparent colour as Format_ARGB32_Premultiplied.
// Truncated, corrupt or foreign data gives a message, never a crash.
TPngResult DecodePng(const QByteArray &bytes);

// The embedded picture of that resource name, decoded; a message when the
// program carries no such resource or it is not a readable PNG.
TPngResult LoadPicture(const QString &name);
