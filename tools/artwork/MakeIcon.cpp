// Draws the program's desktop icon at the sizes the icon theme asks for and
// writes each as <folder>/<size>/<name>.png; the pictures inside the program
// are drawn elsewhere and stay as they are.

#include "ArtPalette.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

// A key cap with a Latin letter on a navy tile, with a warm bar beneath it
// like the meter of a run, so the icon reads as typing practice at any size.
QImage DrawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 256.0, size / 256.0);

    QPainterPath tile;
    tile.addRoundedRect(QRectF(8, 8, 240, 240), 40, 40);
    p.fillPath(tile, Palette::Navy);

    QPainterPath capShadow;
    capShadow.addRoundedRect(QRectF(52, 50, 152, 140), 24, 24);
    p.fillPath(capShadow, Palette::NavyDeep);
    QPainterPath cap;
    cap.addRoundedRect(QRectF(52, 38, 152, 140), 24, 24);
    p.fillPath(cap, Palette::Panel);

    QFont letter(LatinFace);
    letter.setPixelSize(104);
    letter.setBold(true);
    p.setFont(letter);
    p.setPen(Palette::Navy);
    p.drawText(QRectF(52, 38, 152, 140), Qt::AlignCenter, QStringLiteral("A"));

    QPainterPath bar;
    bar.addRoundedRect(QRectF(52, 206, 152, 18), 9, 9);
    p.fillPath(bar, Palette::Accent);
    p.end();
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: MakeIcon <output folder> <icon name>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : {48, 128, 256}) {
        const QString sizeFolder = QStringLiteral("%1x%1").arg(size);
        if (!folder.mkpath(sizeFolder))
            return 1;
        const QString path = folder.filePath(sizeFolder + u'/' + name + QStringLiteral(".png"));
        if (!DrawIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
