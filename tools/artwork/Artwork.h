#pragma once

#include <QImage>
#include <QString>

#include <vector>

// One generated picture: its resource name, the picture itself and how many
// frames stand side by side in it (1 for a plain picture).
struct TArtwork {
    QString Name;
    QImage Image;
    int Frames = 1;
};

using TArtworkList = std::vector<TArtwork>;

// Each group of pictures appends its pictures to the list.
void AddGlyphStrips(TArtworkList &list);
void AddMarks(TArtworkList &list);
void AddMainButtons(TArtworkList &list);
void AddCourseButtons(TArtworkList &list);
void AddSubWindow(TArtworkList &list);
void AddBackgrounds(TArtworkList &list);
void AddGuidePages(TArtworkList &list);

// A labelled sheet of every picture at 1:1, frames set apart, for review.
QImage MakeContactSheet(const TArtworkList &list);
