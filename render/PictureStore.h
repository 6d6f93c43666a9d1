#pragma once

#include "DecodeAhead.h"
#include "PngImage.h"

#include <QHash>
#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// A window's pictures by resource name, decoded when first asked for and
// kept only as long as the window says. The encoded bytes stay with the
// source; for the embedded resources that is the program file itself, so
// a picture that is not decoded costs no memory of its own.
class TPictureStore {
public:
    // The program's own pictures, embedded as resources.
    TPictureStore();
    explicit TPictureStore(TPictureSource source);

    // Whether every picture named is there and whole as far as its header
    // and end tell (ReadPngHeader), without decoding any. Returns an empty
    // text, or the message for the first that is not.
    QString Check(const QStringList &names) const;

    // The picture, decoded now if it is not held yet, and held from then
    // on. A picture that cannot be decoded gives a null image; its message
    // goes to OnDecodeError the first time only.
    QImage Picture(const QString &name);

    // Frees every decoded picture that is not named; the named ones stay
    // as they are, decoded or not.
    void KeepOnly(const QStringList &names);

    // The names of the pictures held decoded now.
    QStringList Decoded() const { return FDecoded.keys(); }

    // Where a picture that could not be decoded is told. It may be called
    // while a window paints, so it must not open a message there.
    std::function<void(const QString &message)> OnDecodeError;

    // A decoder of one picture that stands on its own, for a control that
    // decodes its strip when it is first drawn: it outlives the store,
    // tells a failure through OnDecodeError as it is set when it is made,
    // and gives a null image then.
    std::function<QImage()> Decoder(const QString &name) const;

    const TPictureSource &Source() const { return FSource; }

    // Pictures being decoded on another thread while the program starts;
    // they are taken from there instead of being decoded again, by the
    // store and by its decoders. Forgetting them drops what was not taken.
    void UseDecodedAhead(std::shared_ptr<TDecodeAhead> ahead) { FAhead = std::move(ahead); }

private:
    TPictureSource FSource;
    QHash<QString, QImage> FDecoded;
    QSet<QString> FFailed;
    std::shared_ptr<TDecodeAhead> FAhead;
};
