#include "EgImageTestSupport.h"

#include <QPainter>

const std::vector<QRgb> FrameColors = {0xFFE00000, 0xFF00C000, 0xFF0000E0, 0xFFE0E000};

QImage MakeStrip(int frameCount, int frameWidth, int height, QImage::Format format)
{
    QImage strip(frameCount * frameWidth, height, format);
    QPainter painter(&strip);
    for (int k = 0; k < frameCount; ++k)
        painter.fillRect(k * frameWidth, 0, frameWidth, height, QColor::fromRgb(FrameColors.at(k)));
    return strip;
}

TTestWindow::TTestWindow()
{
    resize(200, 120);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(Backdrop));
    setPalette(pal);
}

QImage TTestWindow::Render()
{
    QImage image(size(), QImage::Format_RGB32);
    render(&image);
    return image;
}

int ShownFrame(TEgImage &control)
{
    const QRgb centre = control.grab().toImage().pixel(control.rect().center());
    for (size_t k = 0; k < FrameColors.size(); ++k)
        if ((centre | 0xFF000000u) == FrameColors[k])
            return int(k);
    return -1;
}

void Load(TEgImage &control, const TLoadedButton &how)
{
    control.BeginLoading();
    control.SetBounds(how.Bounds.x(), how.Bounds.y(), how.Bounds.width(), how.Bounds.height());
    control.SetPngImage(MakeStrip(how.Frames, how.FrameWidth, how.Height));
    control.SetImageIndex(how.ImageIndex);
    control.SetMouseDownImageIndex(how.MouseDownImageIndex);
    control.SetMouseOverImageIndex(how.MouseOverImageIndex);
    control.SetNumBitmaps(how.Frames);
    control.EndLoading();
}
