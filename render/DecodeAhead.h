#pragma once

#include "PngImage.h"

#include <QString>
#include <QStringList>

#include <future>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

// Pictures decoded on a thread of their own, in the order named, while the
// program goes on starting: the first screen's pictures are then ready by
// the time the window system has started and the window first paints.
//
// Only one thread takes results, each at most once; a result not taken is
// dropped with the object, which waits for the thread first.
class TDecodeAhead {
public:
    TDecodeAhead(QStringList names, TPictureSource source);
    ~TDecodeAhead();
    TDecodeAhead(const TDecodeAhead &) = delete;
    TDecodeAhead &operator=(const TDecodeAhead &) = delete;

    // The picture decoded ahead, waiting for it if it is still being
    // decoded; nothing when it was not named or was taken already.
    std::optional<TPngResult> Take(const QString &name);

private:
    std::vector<std::pair<QString, std::future<TPngResult>>> Results;
    std::thread Worker;
};
