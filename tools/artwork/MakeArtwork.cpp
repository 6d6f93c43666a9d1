// Draws every picture of the program and writes each as <name>.png into the
// folder given, with a contact sheet of them all for review.

#include "Artwork.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeArtwork <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;

    TArtworkList list;
    AddGlyphStrips(list);
    AddMarks(list);
    AddMainButtons(list);
    AddCourseButtons(list);
    AddSubWindow(list);
    AddBackgrounds(list);
    AddGuidePages(list);

    for (const TArtwork &art : list) {
        const QString path = folder.filePath(art.Name + QStringLiteral(".png"));
        if (!art.Image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    if (!MakeContactSheet(list).save(folder.filePath(QStringLiteral("contact-sheet.png")), "PNG"))
        return 1;
    return 0;
}
