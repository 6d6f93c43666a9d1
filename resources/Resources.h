#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The bytes of an embedded resource by its name ("LDATA", "SCR00000",
// "TYPESOUND1" …), or nothing when the program carries no such resource.
// The bytes usually point into the program file itself and are never
// freed; writing to them makes a copy first, as for any QByteArray.
std::optional<QByteArray> LoadResource(const QString &name);
