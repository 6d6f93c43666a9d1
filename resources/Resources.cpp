#include "Resources.h"

#include <QResource>

std::optional<QByteArray> LoadResource(const QString &name)
{
    const QResource resource(QStringLiteral(":/res/") + name);
    // A folder of resources is valid too, but has no data.
    if (!resource.isValid() || resource.data() == nullptr)
        return std::nullopt;
    // A resource stored as it is lives inside the program file for the
    // program's whole life, so its bytes are handed out in place and only
    // the pages that are read come into memory. One that the resource
    // compiler compressed is expanded into a copy of its own.
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), resource.size());
    return resource.uncompressedData();
}
