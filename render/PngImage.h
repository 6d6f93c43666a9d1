#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

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

// What a PNG tells without being decoded: the size from its header chunk,
// or the reason it is not a whole PNG. It checks the signature, the header
// chunk with its checksum and the end chunk that closes the data, which
// catches a foreign file, a damaged start and a cut-off end; damage in
// between is found only by decoding.
struct TPngHeader {
    QSize Size;
    QString Error;

    explicit operator bool() const { return Error.isEmpty(); }
};
TPngHeader ReadPngHeader(const QByteArray &bytes);

// Where pictures come from by resource name: their encoded bytes, or
// nothing when there is no such picture. The program's own pictures come
// from LoadResource; tests hand in damaged ones.
using TPictureSource = std::function<std::optional<QByteArray>(const QString &name)>;

// The picture of that resource name, decoded; a message naming it when the
// source has no such picture or it is not a readable PNG.
TPngResult LoadPicture(const QString &name);
TPngResult LoadPicture(const QString &name, const TPictureSource &source);

// The header of that picture, read as ReadPngHeader does, with the same
// messages as LoadPicture.
TPngHeader PictureHeader(const QString &name, const TPictureSource &source);
