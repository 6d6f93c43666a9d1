#include "EgImageTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct TIndexes {
    int Image;
    int Down;
    int Over;
};

TIndexes IndexesOf(const TEgImage &control)
{
    return {control.ImageIndex(), control.MouseDownImageIndex(), control.MouseOverImageIndex()};
}

void ExpectIndexes(const TEgImage &control, TIndexes expected, const char *what)
{
    const TIndexes got = IndexesOf(control);
    EXPECT_EQ(got.Image, expected.Image) << what;
    EXPECT_EQ(got.Down, expected.Down) << what;
    EXPECT_EQ(got.Over, expected.Over) << what;
}

TEST(EgImageProperties, ANewControlIsAnEmptyHandPointerSquareWithoutFocus)
{
    TEgImage control;
    EXPECT_EQ(control.size(), QSize(32, 32));
    ExpectIndexes(control, {0, -1, -1}, "new control");
    EXPECT_EQ(control.NumBitmaps(), 1);
    EXPECT_EQ(control.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(control.focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(control.testAttribute(Qt::WA_OpaquePaintEvent));
    control.SetCursor(Qt::ArrowCursor);
    EXPECT_EQ(control.cursor().shape(), Qt::ArrowCursor);
}

TEST(EgImageProperties, ALoadedStripTakesItsWholeWidthThenNarrowsToOneFrame)
{
    TEgImage control;
    control.BeginLoading();
    control.SetBounds(10, 20, 100, 50);
    control.SetPngImage(MakeStrip(3, 528, 36));
    EXPECT_EQ(control.size(), QSize(1584, 36));
    control.SetNumBitmaps(3);
    EXPECT_EQ(control.size(), QSize(528, 36));
    control.EndLoading();
    EXPECT_EQ(control.geometry(), QRect(10, 20, 528, 36));

    // From now on the control is one frame big whatever size it is given.
    control.SetBounds(5, 6, 100, 19);
    EXPECT_EQ(control.geometry(), QRect(5, 6, 528, 36));
}

TEST(EgImageProperties, LoadingTakesIndexesUncheckedAndTheCountWriteClipsThem)
{
    struct Case {
        const char *what;
        TIndexes written;
        int frames;
        TIndexes expected;
    };
    const Case cases[] = {
        {"indexes past the count fall back", {5, 4, 3}, 3, {0, -1, -1}},
        {"indexes inside the count stay", {2, 2, 1}, 3, {2, 2, 1}},
        {"the last frame counts as past a smaller count", {3, 0, 3}, 3, {0, 0, -1}},
        // A count of 1 equals the default, so its write changes nothing.
        {"a single-frame control keeps what it was given", {5, 4, 3}, 1, {5, 4, 3}},
    };
    for (const Case &c : cases) {
        TEgImage control;
        control.BeginLoading();
        control.SetPngImage(MakeStrip(std::max(c.frames, 1), 10, 10));
        control.SetImageIndex(c.written.Image);
        control.SetMouseDownImageIndex(c.written.Down);
        control.SetMouseOverImageIndex(c.written.Over);
        ExpectIndexes(control, c.written, c.what);
        control.SetNumBitmaps(c.frames);
        control.EndLoading();
        ExpectIndexes(control, c.expected, c.what);
    }
}

TEST(EgImageProperties, IndexWritesAfterLoadingAreCheckedAgainstTheCount)
{
    struct Case {
        const char *what;
        void (TEgImage::*write)(int);
        int value;
        TIndexes expected;
    };
    const Case cases[] = {
        {"ImageIndex equal to the count is ignored", &TEgImage::SetImageIndex, 3, {1, 0, 2}},
        {"ImageIndex inside the count is taken", &TEgImage::SetImageIndex, 2, {2, 0, 2}},
        {"ImageIndex has no lower bound", &TEgImage::SetImageIndex, -2, {-2, 0, 2}},
        {"down index past the count is ignored", &TEgImage::SetMouseDownImageIndex, 3, {1, 0, 2}},
        {"down index -1 means none", &TEgImage::SetMouseDownImageIndex, -1, {1, -1, 2}},
        {"down index below -1 is ignored", &TEgImage::SetMouseDownImageIndex, -2, {1, 0, 2}},
        {"over index past the count is ignored", &TEgImage::SetMouseOverImageIndex, 3, {1, 0, 2}},
        {"over index inside the count is taken", &TEgImage::SetMouseOverImageIndex, 0, {1, 0, 0}},
        {"over index below -1 is ignored", &TEgImage::SetMouseOverImageIndex, -5, {1, 0, 2}},
    };
    for (const Case &c : cases) {
        TEgImage control;
        Load(control, {.Frames = 3, .ImageIndex = 1, .MouseDownImageIndex = 0, .MouseOverImageIndex = 2});
        (control.*c.write)(c.value);
        ExpectIndexes(control, c.expected, c.what);
    }
}

TEST(EgImageProperties, ASmallerCountClipsIndexesAndNarrowsTheControl)
{
    TEgImage control;
    Load(control, {.Frames = 4, .FrameWidth = 30, .Height = 20});
    control.SetImageIndex(3);
    control.SetMouseOverImageIndex(3);
    control.SetMouseDownImageIndex(2);

    control.SetNumBitmaps(3);
    ExpectIndexes(control, {0, 2, -1}, "count 4 to 3");
    EXPECT_EQ(control.size(), QSize(40, 20));

    control.SetNumBitmaps(-1);
    EXPECT_EQ(control.NumBitmaps(), 3);
    EXPECT_EQ(control.size(), QSize(40, 20));
}

TEST(EgImageProperties, ACountOfZeroShowsTheWholePictureAsOneFrame)
{
    TEgImage control;
    Load(control, {.Frames = 3, .FrameWidth = 30, .Height = 20, .ImageIndex = 2});
    control.SetNumBitmaps(0);
    EXPECT_EQ(control.NumBitmaps(), 0);
    EXPECT_EQ(control.ImageIndex(), 0);
    EXPECT_EQ(control.size(), QSize(90, 20));
    control.UpdatePngImage();
    EXPECT_EQ(control.size(), QSize(90, 20));
}

TEST(EgImageProperties, APngReplacesABitmapAndTakesItsFrameSize)
{
    TEgImage control;
    control.BeginLoading();
    control.SetBitmap(MakeStrip(3, 20, 10, QImage::Format_RGB32));
    control.SetNumBitmaps(3);
    control.EndLoading();
    EXPECT_EQ(control.size(), QSize(20, 10));

    control.SetPngImage(MakeStrip(3, 50, 30));
    EXPECT_EQ(control.Bitmap()->Width(), 0);
    EXPECT_EQ(control.PngImage()->Width(), 150);
    EXPECT_EQ(control.size(), QSize(50, 30));
}

TEST(EgImageProperties, ABitmapReplacesAPngAndTheControlBecomesOneBitmapFrame)
{
    TEgImage control;
    Load(control, {.Frames = 3, .FrameWidth = 50, .Height = 30});

    control.SetBitmap(MakeStrip(3, 20, 10, QImage::Format_RGB32));
    EXPECT_EQ(control.PngImage()->Width(), 0);
    EXPECT_EQ(control.Bitmap()->Width(), 60);
    EXPECT_EQ(control.size(), QSize(20, 10));
}

TEST(EgImageProperties, APanelWithoutPictureKeepsItsStatedSize)
{
    TEgImage panel;
    panel.BeginLoading();
    panel.SetBounds(4, 8, 300, 19);
    panel.SetNumBitmaps(3);
    panel.EndLoading();
    EXPECT_EQ(panel.geometry(), QRect(4, 8, 300, 19));
    panel.SetBounds(4, 8, 120, 40);
    EXPECT_EQ(panel.geometry(), QRect(4, 8, 120, 40));
}

TEST(EgImageProperties, AStripAssignedToItsObjectResizesTheControl)
{
    TEgImage control;
    Load(control, {.Frames = 2, .FrameWidth = 10, .Height = 10});
    control.PngImage()->Assign(MakeStrip(2, 70, 25));
    EXPECT_EQ(control.size(), QSize(70, 25));
}

} // namespace
