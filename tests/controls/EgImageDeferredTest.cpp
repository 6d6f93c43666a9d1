// A strip given by its size and a decoder: the control is sized at once and
// decodes only when it draws.

#include "EgImageTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A control loaded as a form loads it, with its strip either as pixels or
// as a decoder that counts its calls.
struct TDeferredButton {
    TTestWindow Window;
    TEgImage Control{&Window};
    QImage Strip = MakeStrip(3, 40, 20);
    int Decodes = 0;

    explicit TDeferredButton(bool deferred, bool decodable = true)
    {
        Control.BeginLoading();
        Control.SetBounds(10, 10, 30, 30);
        if (deferred)
            Control.SetPngImageDeferred(Strip.size(), [this, decodable] {
                ++Decodes;
                return decodable ? Strip : QImage();
            });
        else
            Control.SetPngImage(Strip);
        Control.SetImageIndex(1);
        Control.SetNumBitmaps(3);
        Control.EndLoading();
    }
};

TEST(EgImageDeferred, TakesItsFrameSizeAtOnceAndDecodesOnlyWhenItDraws)
{
    TDeferredButton button(true);
    EXPECT_EQ(button.Control.geometry(), QRect(10, 10, 40, 20));
    EXPECT_EQ(button.Control.PngImage()->Width(), 120);
    EXPECT_FALSE(button.Control.PngImage()->Decoded());
    EXPECT_EQ(button.Decodes, 0);

    const QImage shown = button.Window.Render();
    EXPECT_EQ(button.Decodes, 1);
    EXPECT_TRUE(button.Control.PngImage()->Decoded());
    button.Window.Render();
    EXPECT_EQ(button.Decodes, 1);

    // Drawn exactly as the same strip given as pixels.
    TDeferredButton eager(false);
    EXPECT_EQ(shown, eager.Window.Render());
    EXPECT_EQ(shown.pixel(30, 20), FrameColors[1]);
}

TEST(EgImageDeferred, AFreedStripIsDecodedAgainAtTheNextPaintWhileAStripOfPixelsKeepsThem)
{
    TDeferredButton button(true);
    const QImage before = button.Window.Render();
    button.Control.FreeDecodedStrip();
    EXPECT_FALSE(button.Control.PngImage()->Decoded());
    EXPECT_EQ(button.Control.geometry(), QRect(10, 10, 40, 20));
    EXPECT_EQ(button.Window.Render(), before);
    EXPECT_EQ(button.Decodes, 2);

    TDeferredButton eager(false);
    eager.Control.FreeDecodedStrip();
    EXPECT_TRUE(eager.Control.PngImage()->Decoded());
}

TEST(EgImageDeferred, AStripThatCannotBeDecodedLeavesTheControlBlankAndIsTriedOnce)
{
    TDeferredButton button(true, false);
    EXPECT_EQ(button.Control.geometry(), QRect(10, 10, 40, 20));
    EXPECT_EQ(button.Window.Render().pixel(30, 20), Backdrop);
    button.Window.Render();
    EXPECT_EQ(button.Decodes, 1);
}

} // namespace
