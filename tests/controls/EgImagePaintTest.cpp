#include "EgImageTestSupport.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

// Channels may differ by one after blending premultiplied pixels.
void ExpectNear(QRgb got, QRgb expected, const char *what)
{
    EXPECT_NEAR(qRed(got), qRed(expected), 1) << what;
    EXPECT_NEAR(qGreen(got), qGreen(expected), 1) << what;
    EXPECT_NEAR(qBlue(got), qBlue(expected), 1) << what;
}

TEST(EgImagePaint, FrameTwoOfAWideStripIsDrawnFromMinus1056)
{
    // Each frame of 528 × 36 carries a one-column marker at both ends, so a
    // strip drawn a column off shows a neighbour's marker.
    QImage strip = MakeStrip(3, 528, 36);
    for (int k = 0; k < 3; ++k) {
        for (int y = 0; y < 36; ++y) {
            strip.setPixel(k * 528, y, qRgb(k, 10, 10));
            strip.setPixel(k * 528 + 527, y, qRgb(k, 20, 20));
        }
    }
    TTestWindow window;
    window.resize(600, 60);
    TEgImage control(&window);
    control.BeginLoading();
    control.SetBounds(30, 12, 80, 80);
    control.SetPngImage(strip);
    control.SetImageIndex(2);
    control.SetNumBitmaps(3);
    control.EndLoading();
    ASSERT_EQ(control.geometry(), QRect(30, 12, 528, 36));

    const QImage shown = window.Render();
    EXPECT_EQ(shown.pixel(30, 12), qRgb(2, 10, 10));
    EXPECT_EQ(shown.pixel(30 + 527, 12 + 35), qRgb(2, 20, 20));
    EXPECT_EQ(shown.pixel(300, 30), FrameColors[2]);
    // Nothing of the strip spills past the control.
    EXPECT_EQ(shown.pixel(29, 12), Backdrop);
    EXPECT_EQ(shown.pixel(30 + 528, 12), Backdrop);
}

TEST(EgImagePaint, PngPixelsAreBlendedByTheirAlphaOverTheWindow)
{
    QImage strip(2, 1, QImage::Format_ARGB32);
    strip.setPixel(0, 0, qRgba(255, 0, 0, 0));
    strip.setPixel(1, 0, qRgba(255, 0, 0, 128));
    TTestWindow window;
    TEgImage control(&window);
    control.SetPngImage(strip);
    control.move(7, 9);

    const QImage shown = window.Render();
    ExpectNear(shown.pixel(7, 9), Backdrop, "clear pixel");
    const QRgb half = qRgb((255 * 128 + qRed(Backdrop) * 127) / 255, (qGreen(Backdrop) * 127) / 255,
                           (qBlue(Backdrop) * 127) / 255);
    ExpectNear(shown.pixel(8, 9), half, "half-covering pixel");
}

TEST(EgImagePaint, ATransparentBitmapLeavesOutItsBottomLeftColour)
{
    const QRgb key = 0xFFFF00FF;
    QImage bitmap(3, 2, QImage::Format_RGB32);
    bitmap.fill(key);
    bitmap.setPixel(1, 0, FrameColors[1]);

    struct Case {
        bool transparent;
        QRgb keyPixelShows;
    };
    for (const Case c : {Case{false, key}, Case{true, Backdrop}}) {
        TTestWindow window;
        TEgImage control(&window);
        control.SetBitmap(bitmap);
        control.SetTransparent(c.transparent);
        control.move(20, 30);
        const QImage shown = window.Render();
        EXPECT_EQ(shown.pixel(20, 30), c.keyPixelShows) << c.transparent;
        EXPECT_EQ(shown.pixel(22, 31), c.keyPixelShows) << c.transparent;
        EXPECT_EQ(shown.pixel(21, 30), FrameColors[1]) << c.transparent;
    }
}

TEST(EgImagePaint, BothPicturesLoadedDirectlyShowThePng)
{
    TTestWindow window;
    TEgImage control(&window);
    control.Bitmap()->Assign(MakeStrip(1, 10, 10, QImage::Format_RGB32));
    control.PngImage()->Assign(MakeStrip(2, 10, 10).copy(10, 0, 10, 10));
    EXPECT_EQ(ShownFrame(control), 1);
}

TEST(EgImagePaint, OnPaintDrawsOverTheFrameOnACanvasClippedToTheControl)
{
    TTestWindow window;
    TEgImage control(&window);
    Load(control, {.Bounds = {50, 40, 0, 0}, .Frames = 2, .FrameWidth = 20, .Height = 10});
    bool hadCanvas = false;
    control.SetOnPaint([&](TEgImage *sender) {
        QPainter *canvas = sender->Canvas();
        hadCanvas = canvas != nullptr;
        if (!canvas)
            return;
        canvas->fillRect(-100, -100, 1000, 1000, Qt::white);
        canvas->fillRect(0, 0, 1, 1, Qt::black);
        canvas->fillRect(10, 0, 10, 10, QColor::fromRgb(FrameColors[0]));
    });

    const QImage shown = window.Render();
    EXPECT_TRUE(hadCanvas);
    EXPECT_EQ(control.Canvas(), nullptr);
    EXPECT_EQ(shown.pixel(50, 40), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(55, 45), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(65, 45), FrameColors[0]);
    for (const QPoint outside : {QPoint(49, 40), QPoint(50, 39), QPoint(70, 45), QPoint(55, 50)})
        EXPECT_EQ(shown.pixel(outside), Backdrop) << outside.x() << "," << outside.y();
}

TEST(EgImagePaint, APanelWithoutPictureShowsOnlyItsHandlersDrawing)
{
    TTestWindow window;
    TEgImage panel(&window);
    panel.BeginLoading();
    panel.SetBounds(10, 10, 60, 30);
    panel.EndLoading();
    panel.SetOnPaint([](TEgImage *sender) { sender->Canvas()->fillRect(0, 0, 20, 30, Qt::white); });

    const QImage shown = window.Render();
    EXPECT_EQ(panel.geometry(), QRect(10, 10, 60, 30));
    EXPECT_EQ(shown.pixel(15, 20), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(50, 20), Backdrop);
}

} // namespace
