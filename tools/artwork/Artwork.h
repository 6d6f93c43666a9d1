#pragma once

#include <QImage>
#include <QPainter>
#include <QPointF>
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

// One cell of the pronunciation marks, 50 x 10 from topLeft: cell 0 warns of
// a sound, cell 1 of the stress. The guide draws them as the training
// screen shows them.
void DrawPronunciationMark(QPainter &painter, const QPointF &topLeft, int cell);

// A labelled sheet of every picture at 1:1, frames set apart, for review.
QImage MakeContactSheet(const TArtworkList &list);
