#pragma once

#include "EgImage.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <vector>

// Colours that tell the frames of a test strip apart, frame 0 first.
extern const std::vector<QRgb> FrameColors;
// The colour of the window behind the controls.
constexpr QRgb Backdrop = 0xFF204060;

// A strip of frameCount frames of frameWidth × height, frame k filled with
// FrameColors[k], in the given format.
QImage MakeStrip(int frameCount, int frameWidth, int height,
                 QImage::Format format = QImage::Format_ARGB32);

// A plain window of 200 × 120 in the Backdrop colour.
class TTestWindow : public QWidget {
public:
    TTestWindow();
    // The window as it is painted now, controls included.
    QImage Render();
};

// The frame a control shows, found from the colour at its centre.
int ShownFrame(TEgImage &control);

// A control read the way a form description reads it: bounds, picture,
// indexes, then the count.
struct TLoadedButton {
    QRect Bounds{10, 10, 30, 30};
    int Frames = 3;
    int FrameWidth = 40;
    int Height = 20;
    int ImageIndex = 0;
    int MouseDownImageIndex = -1;
    int MouseOverImageIndex = -1;
};
void Load(TEgImage &control, const TLoadedButton &how);
