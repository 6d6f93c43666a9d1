// A Score.ini of any bytes names either nobody or a user whose name is safe
// to use as a file name.

#include "UserFiles.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString user = ReadLastUser(text);
    if (user != NoUserName && !IsSafeUserName(user))
        std::abort();
    if (user != NoUserName && ReadLastUser(WriteLastUser(user)) != user)
        std::abort();
    return 0;
}
