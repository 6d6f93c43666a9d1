#include "ArtworkPixels.h"

#include "PngImage.h"

#include <gtest/gtest.h>

QImage LoadEmbedded(const QString &name)
{
    const TPngResult result = LoadPicture(name);
    EXPECT_TRUE(result) << name.toStdString() << ": " << result.Error.toStdString();
    return result.Image;
}

QRect InkBounds(const QImage &image, const QRect &area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!IsWhite(image.pixel(x, y)))
                bounds |= QRect(x - area.left(), y - area.top(), 1, 1);
    return bounds;
}
