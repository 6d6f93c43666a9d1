#include "PictureStore.h"

#include "Resources.h"

TPictureStore::TPictureStore() : FSource(LoadResource)
{
}

TPictureStore::TPictureStore(TPictureSource source) : FSource(std::move(source))
{
}

QString TPictureStore::Check(const QStringList &names) const
{
    for (const QString &name : names)
        if (const TPngHeader header = PictureHeader(name, FSource); !header)
            return header.Error;
    return QString();
}

QImage TPictureStore::Picture(const QString &name)
{
    if (const auto it = FDecoded.constFind(name); it != FDecoded.constEnd())
        return *it;
    if (FFailed.contains(name))
        return QImage();
    std::optional<TPngResult> ahead = FAhead ? FAhead->Take(name) : std::nullopt;
    const TPngResult picture = ahead ? std::move(*ahead) : LoadPicture(name, FSource);
    if (!picture) {
        // Tried once: the bytes cannot change, and the message is told once.
        FFailed.insert(name);
        if (OnDecodeError)
            OnDecodeError(picture.Error);
        return QImage();
    }
    FDecoded.insert(name, picture.Image);
    return picture.Image;
}

void TPictureStore::KeepOnly(const QStringList &names)
{
    for (auto it = FDecoded.begin(); it != FDecoded.end();) {
        if (names.contains(it.key()))
            ++it;
        else
            it = FDecoded.erase(it);
    }
}

std::function<QImage()> TPictureStore::Decoder(const QString &name) const
{
    // The decoder outlives the start, so it does not keep what was decoded
    // ahead alive.
    return [name, source = FSource, told = OnDecodeError, weakAhead = std::weak_ptr<TDecodeAhead>(FAhead)] {
        const std::shared_ptr<TDecodeAhead> ahead = weakAhead.lock();
        std::optional<TPngResult> early = ahead ? ahead->Take(name) : std::nullopt;
        const TPngResult picture = early ? std::move(*early) : LoadPicture(name, source);
        if (!picture && told)
            told(picture.Error);
        return picture.Image;
    };
}
