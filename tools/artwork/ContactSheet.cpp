#include "Artwork.h"
#include "ArtPaint.h"

#include <algorithm>

QImage MakeContactSheet(const TArtworkList &list)
{
    // Pictures flow left to right in rows; a strip shows its frames apart
    // with a gap, so each frame can be judged on its own.
    const int sheetWidth = 1700, gap = 6, margin = 16, labelHeight = 18;
    struct TPlaced { const TArtwork *Art; QPoint At; };
    std::vector<TPlaced> placed;
    int x = margin, y = margin, rowHeight = 0;
    for (const TArtwork &art : list) {
        const int frameWidth = art.Image.width() / art.Frames;
        const int width = std::max(art.Image.width() + gap * (art.Frames - 1), 90);
        if (x + width > sheetWidth - margin && x > margin) {
            x = margin;
            y += rowHeight + margin;
            rowHeight = 0;
        }
        placed.push_back({&art, QPoint(x, y)});
        x += width + margin;
        rowHeight = std::max(rowHeight, art.Image.height() + labelHeight);
        (void)frameWidth;
    }
    QImage sheet = NewImage(sheetWidth, y + rowHeight + margin, QColor(0x9A, 0xA4, 0xB0));
    QPainter painter(&sheet);
    for (const TPlaced &p : placed) {
        const TArtwork &art = *p.Art;
        painter.setFont(LatinFont(11, true));
        painter.setPen(Qt::white);
        painter.drawText(p.At + QPoint(0, 12),
                         art.Frames > 1 ? QStringLiteral("%1 (%2)").arg(art.Name).arg(art.Frames) : art.Name);
        const int frameWidth = art.Image.width() / art.Frames;
        for (int f = 0; f < art.Frames; ++f) {
            const QPoint at = p.At + QPoint(f * (frameWidth + gap), labelHeight);
            if (art.Image.hasAlphaChannel()) {
                // A checkerboard shows where a picture is transparent.
                for (int cy = 0; cy < art.Image.height(); cy += 8)
                    for (int cx = 0; cx < frameWidth; cx += 8)
                        painter.fillRect(QRect(at + QPoint(cx, cy), QSize(std::min(8, frameWidth - cx), std::min(8, art.Image.height() - cy))),
                                         ((cx + cy) / 8) % 2 ? QColor(0xCC, 0xCC, 0xCC) : QColor(0xFF, 0xFF, 0xFF));
            }
            painter.drawImage(at, art.Image, QRect(f * frameWidth, 0, frameWidth, art.Image.height()));
        }
    }
    return sheet;
}
