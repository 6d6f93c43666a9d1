#include "Resources.h"

#include <QFile>

std::optional<QByteArray> LoadResource(const QString &name)
{
    // Read through QFile: the resource system stores data compressed, and
    // only the file interface hands it back expanded.
    QFile file(QStringLiteral(":/res/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}
