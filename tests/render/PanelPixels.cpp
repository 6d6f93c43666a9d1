#include "PanelPixels.h"

#include <cstdlib>

QRect InkBounds(const QImage &image, QRgb background)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

bool HasPixelNear(const QImage &image, const QColor &colour, int tolerance)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - colour.red()) + std::abs(qGreen(p) - colour.green()) +
                    std::abs(qBlue(p) - colour.blue()) <=
                tolerance)
                return true;
        }
    }
    return false;
}
