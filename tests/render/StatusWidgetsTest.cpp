#include "Fonts.h"
#include "PanelPixels.h"
#include "PngImage.h"
#include "StatusWidgets.h"

#include <QImage>

#include <functional>

#include <gtest/gtest.h>

namespace {

// A colour none of the pictures uses, to see what a widget left untouched.
const QRgb Untouched = qRgb(1, 2, 3);

QImage Paint(int width, int height, const std::function<void(QPainter &)> &draw)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Untouched);
    QPainter canvas(&image);
    draw(canvas);
    canvas.end();
    return image;
}

QImage Picture(const char *name)
{
    const TPngResult picture = LoadPicture(QString::fromLatin1(name));
    EXPECT_TRUE(picture) << name << ": " << picture.Error.toStdString();
    return picture.Image;
}

// Whether the columns [left, left + width) of the widget equal the columns
// from sourceLeft of the picture, row for row.
bool SameColumns(const QImage &widget, int left, int width, const QImage &picture, int sourceLeft)
{
    for (int y = 0; y < widget.height(); ++y)
        for (int x = 0; x < width; ++x)
            if (widget.pixel(left + x, y) != picture.pixel(sourceLeft + x, y))
                return false;
    return true;
}

TEST(StatusWidgets, CaptionsNameThePatternAndAreCentredWithBothHalvesRoundedDown)
{
    EXPECT_EQ(PatternCaption(ptWordAndSentence), u"word & sentence"_qs);
    EXPECT_EQ(PatternCaption(ptWord), u"word"_qs);
    EXPECT_EQ(PatternCaption(ptSentence), u"sentence"_qs);
    EXPECT_EQ(PatternCaption(ptWriting), u"writing"_qs);
    EXPECT_EQ(CaptionX(400, 101), 150);
    EXPECT_EQ(CaptionX(401, 100), 150);
    EXPECT_EQ(CaptionX(400, 500), -50);
}

TEST(StatusWidgets, TheWritingCaptionIsGreenAndCentred)
{
    InstallFontSubstitutions();
    const QImage image = Paint(400, 60, [](QPainter &c) { DrawWordAndSentencePanel(c, 400, ptWriting); });
    const QRect ink = InkBounds(image, Untouched);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(std::abs(ink.left() - (399 - ink.right())), 8);
    EXPECT_TRUE(HasPixelNear(image, QColor(0, 128, 0), 10));
}

int InkCount(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != Untouched;
    return count;
}

TEST(StatusWidgets, EveryCaptionIsBoldEvenAtTheLevelNameSize)
{
    InstallFontSubstitutions();
    const QString text = QStringLiteral("Level 2");
    for (int points : {38, 42, 56}) {
        const QImage caption = Paint(400, 80, [&](QPainter &c) {
            if (points == 56)
                DrawLevelNamePanel(c, 400, text);
            else if (points == 42)
                DrawBandNamePanel(c, 400, text);
            else
                DrawWordAndSentencePanel(c, 400, ptWord);
        });
        const QString drawn = points == 38 ? QStringLiteral("word") : text;
        const QImage regular = Paint(400, 80, [&](QPainter &c) {
            c.setFont(PointFont(FaceMsPGothic, points));
            c.setPen(Qt::black);
            TextOut(c, 0, 0, drawn);
        });
        EXPECT_GT(InkCount(caption), InkCount(regular) * 5 / 4) << points << " pt";
    }
}

TEST(StatusWidgets, OneDigitIsCentredAndTwoDigitsFillTheCounter)
{
    const QImage counter = Picture("COUNTER");
    ASSERT_EQ(counter.size(), QSize(300, 38));
    // Digit d lies at 270 − 30d in the picture.
    const QImage seven = Paint(60, 38, [&](QPainter &c) { DrawCounterPanel(c, counter, 7); });
    EXPECT_TRUE(SameColumns(seven, 15, 30, counter, 60));
    EXPECT_EQ(InkBounds(seven, Untouched), QRect(15, 0, 30, 38));
    const QImage ten = Paint(60, 38, [&](QPainter &c) { DrawCounterPanel(c, counter, 10); });
    EXPECT_TRUE(SameColumns(ten, 0, 30, counter, 240));
    EXPECT_TRUE(SameColumns(ten, 30, 30, counter, 270));
    const QImage ninetyNine = Paint(60, 38, [&](QPainter &c) { DrawCounterPanel(c, counter, 99); });
    EXPECT_TRUE(SameColumns(ninetyNine, 0, 30, counter, 0));
    EXPECT_TRUE(SameColumns(ninetyNine, 30, 30, counter, 0));
}

TEST(StatusWidgets, ACounterOutsideZeroToNinetyNineDrawsNothing)
{
    const QImage counter = Picture("COUNTER");
    for (int value : {-1, 100}) {
        const QImage image = Paint(60, 38, [&](QPainter &c) { DrawCounterPanel(c, counter, value); });
        EXPECT_TRUE(InkBounds(image, Untouched).isEmpty()) << value;
    }
}

TEST(StatusWidgets, TheMeterShowsTheRowOfItsMissesSqueezedToTheControl)
{
    const QImage meter = Picture("MISSMETER");
    ASSERT_EQ(meter.size(), QSize(200, 286));
    const QImage image = Paint(194, 24, [&](QPainter &c) { DrawMissCountPanel(c, meter, 5, QSize(194, 24)); });
    // Rows 130 to 155 of the picture hold the meter for five misses; each
    // control row shows one of the picture rows it covers when 26 rows are
    // squeezed into 24.
    const auto sameRow = [&](int y, int row) {
        for (int x = 0; x < 194; ++x)
            if (image.pixel(x, y) != meter.pixel(x, row))
                return false;
        return true;
    };
    for (int y = 0; y < 24; ++y) {
        const int first = 130 + y * 26 / 24;
        const int last = 130 + ((y + 1) * 26 - 1) / 24;
        bool covered = false;
        for (int row = first; row <= last && !covered; ++row)
            covered = sameRow(y, row);
        EXPECT_TRUE(covered) << "control row " << y;
    }
    EXPECT_NE(image.pixel(100, 12), meter.pixel(100, 4 * 26 + 12)) << "rows of 4 and 5 misses look alike";
}

TEST(StatusWidgets, TheFlagShowsItsPoorCellFromFiveMissesAndItsGoodCellOnCompletion)
{
    const QImage flag = Picture("FLAG");
    ASSERT_EQ(flag.size(), QSize(26, 56));
    ASSERT_TRUE(flag.hasAlphaChannel());
    const struct {
        int missCount;
        int inputMode;
        int cellTop;
    } cases[] = {{5, 0, 0}, {10, 9, 0}, {4, 9, 28}, {0, 9, 28}, {4, 0, -1}, {0, 1, -1}};
    for (const auto &c : cases) {
        const QImage image = Paint(26, 28, [&](QPainter &p) { DrawFlagPanel(p, flag, c.missCount, c.inputMode); });
        if (c.cellTop < 0) {
            EXPECT_TRUE(InkBounds(image, Untouched).isEmpty()) << c.missCount << " " << c.inputMode;
            continue;
        }
        int opaque = 0;
        int clear = 0;
        for (int y = 0; y < 28; ++y) {
            for (int x = 0; x < 26; ++x) {
                const QRgb source = flag.pixel(x, c.cellTop + y);
                if (qAlpha(source) == 255) {
                    ++opaque;
                    EXPECT_EQ(image.pixel(x, y), source | 0xFF000000) << x << "," << y;
                } else if (qAlpha(source) == 0) {
                    ++clear;
                    EXPECT_EQ(image.pixel(x, y), Untouched) << x << "," << y;
                }
            }
        }
        EXPECT_GT(opaque, 0);
        EXPECT_GT(clear, 0);
    }
}

TEST(StatusWidgets, ThePartPictureFollowsTheCodeAndNoCodeDrawsNothing)
{
    std::array<QImage, 9> hinshi;
    for (int code = 1; code <= 8; ++code)
        hinshi[code] = Picture(qPrintable(QStringLiteral("HINSHI%1").arg(code)));
    const QImage verb = Paint(195, 99, [&](QPainter &c) { DrawPartPanel(c, hinshi, 4); });
    EXPECT_EQ(verb, hinshi[4].convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(verb, hinshi[1].convertToFormat(QImage::Format_RGB32));
    for (int code : {0, -1, 9}) {
        const QImage image = Paint(195, 99, [&](QPainter &c) { DrawPartPanel(c, hinshi, code); });
        EXPECT_TRUE(InkBounds(image, Untouched).isEmpty()) << code;
    }
}

} // namespace
