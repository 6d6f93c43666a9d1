#include "EgImageTestSupport.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A shown window holding one button at (10, 10) whose normal, down and
// hover frames are 0, 1 and 2, each 40 × 20.
class EgImageMouse : public testing::Test {
protected:
    void SetUp() override
    {
        Load(Button, {.Frames = 3, .ImageIndex = 0, .MouseDownImageIndex = 1, .MouseOverImageIndex = 2});
        Button.SetOnClick([this](TEgImage *sender) {
            EXPECT_EQ(sender, &Button);
            ++Clicks;
        });
        Button.SetOnPaint([this](TEgImage *) { ++Paints; });
        Window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
        // Qt drops a move to where the pointer already is, so every test
        // starts from a real move that leaves the pointer outside the button.
        QTest::mouseMove(Handle(), Outside + QPoint(1, 1));
        QTest::mouseMove(Handle(), Outside);
        QCoreApplication::processEvents();
    }

    // Paints that have happened or are pending, without counting any more.
    int PaintsAfterPendingRequests()
    {
        QCoreApplication::processEvents();
        return Paints;
    }

    QWindow *Handle() { return Window.windowHandle(); }

    const QPoint Inside{30, 20};
    const QPoint Outside{150, 90};
    TTestWindow Window;
    TEgImage Button{&Window};
    int Clicks = 0;
    int Paints = 0;
};

TEST_F(EgImageMouse, TheFrameFollowsThePointerWhileTheButtonIsHeld)
{
    QTest::mouseMove(Handle(), Inside);
    EXPECT_EQ(ShownFrame(Button), 2);
    QTest::mousePress(Handle(), Qt::LeftButton, {}, Inside);
    EXPECT_EQ(ShownFrame(Button), 1);
    QTest::mouseMove(Handle(), Outside);
    EXPECT_EQ(ShownFrame(Button), 0);
    QTest::mouseMove(Handle(), Inside + QPoint(5, 0));
    EXPECT_EQ(ShownFrame(Button), 1);
    EXPECT_EQ(Clicks, 0);
    QTest::mouseRelease(Handle(), Qt::LeftButton, {}, Inside + QPoint(5, 0));
    EXPECT_EQ(ShownFrame(Button), 2);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(EgImageMouse, AReleaseOutsideFiresNoClickAndEndsThePress)
{
    QTest::mouseMove(Handle(), Inside);
    QTest::mousePress(Handle(), Qt::LeftButton, {}, Inside);
    QTest::mouseMove(Handle(), Outside);
    QTest::mouseRelease(Handle(), Qt::LeftButton, {}, Outside);
    EXPECT_EQ(Clicks, 0);
    EXPECT_EQ(ShownFrame(Button), 0);

    // Coming back without a button shows hover, not the down frame.
    QTest::mouseMove(Handle(), Inside);
    EXPECT_EQ(ShownFrame(Button), 2);
}

TEST_F(EgImageMouse, OnClickSeesThePressAlreadyEnded)
{
    int frameInClick = -1;
    Button.SetOnClick([&](TEgImage *sender) { frameInClick = ShownFrame(*sender); });
    QTest::mouseMove(Handle(), Inside);
    QTest::mouseClick(Handle(), Qt::LeftButton, {}, Inside);
    EXPECT_EQ(frameInClick, 2);
}

TEST_F(EgImageMouse, TwoQuickClicksAreTwoClicks)
{
    QTest::mouseMove(Handle(), Inside);
    QTest::mouseDClick(Handle(), Qt::LeftButton, {}, Inside);
    EXPECT_EQ(Clicks, 2);
    EXPECT_EQ(ShownFrame(Button), 2);
}

TEST_F(EgImageMouse, OnlyTheLeftButtonPressesAndClicks)
{
    QTest::mouseMove(Handle(), Inside);
    QTest::mousePress(Handle(), Qt::RightButton, {}, Inside);
    EXPECT_EQ(ShownFrame(Button), 2);
    QTest::mouseRelease(Handle(), Qt::RightButton, {}, Inside);
    EXPECT_EQ(Clicks, 0);
}

TEST_F(EgImageMouse, EnteringRepaintsOnlyWhenAHoverFrameIsSet)
{
    struct Case {
        int over;
        int shown;
        int paints;
    };
    for (const Case c : {Case{-1, 0, 0}, Case{2, 2, 1}}) {
        Button.SetMouseOverImageIndex(c.over);
        QTest::mouseMove(Handle(), Outside);
        const int before = PaintsAfterPendingRequests();
        QTest::mouseMove(Handle(), Inside);
        EXPECT_EQ(PaintsAfterPendingRequests() - before, c.paints) << c.over;
        EXPECT_EQ(ShownFrame(Button), c.shown) << c.over;
    }
}

TEST_F(EgImageMouse, LeavingRepaintsAtOnce)
{
    QTest::mouseMove(Handle(), Inside);
    const int before = PaintsAfterPendingRequests();
    // Sent directly, so no event loop runs between the leave and the check.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&Button, &leave);
    EXPECT_EQ(Paints - before, 1);
}

TEST_F(EgImageMouse, IndexWritesRepaintOnlyWhenTheValueChanges)
{
    const int before = PaintsAfterPendingRequests();
    Button.SetImageIndex(0);
    EXPECT_EQ(PaintsAfterPendingRequests(), before);
    Button.SetImageIndex(1);
    EXPECT_EQ(PaintsAfterPendingRequests(), before + 1);
    EXPECT_EQ(ShownFrame(Button), 1);
}

TEST_F(EgImageMouse, ADisabledControlIgnoresThePointerAndKeepsItsState)
{
    Button.setEnabled(false);
    QTest::mouseMove(Handle(), Inside);
    EXPECT_EQ(ShownFrame(Button), 0);
    QTest::mouseClick(Handle(), Qt::LeftButton, {}, Inside);
    EXPECT_EQ(Clicks, 0);
    EXPECT_EQ(ShownFrame(Button), 0);

    // Enabled again under a still pointer, it has not seen the pointer come.
    Button.setEnabled(true);
    EXPECT_EQ(ShownFrame(Button), 0);
}

TEST_F(EgImageMouse, ThePointerShapeFollowsTheCursorProperty)
{
    QTest::mouseMove(Handle(), Inside);
    EXPECT_EQ(Window.windowHandle()->cursor().shape(), Qt::PointingHandCursor);
    Button.SetCursor(Qt::ArrowCursor);
    EXPECT_EQ(Window.windowHandle()->cursor().shape(), Qt::ArrowCursor);
}

} // namespace
