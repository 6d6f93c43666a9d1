#include "ArtworkPixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>

namespace {

bool IsYellow(QRgb p) { return qRed(p) > 200 && qGreen(p) > 160 && qBlue(p) < 80; }
bool IsMagenta(QRgb p) { return qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) > 90; }

struct TMeterRow {
    int Yellow = 0, Magenta = 0;
};

TMeterRow CountMeterRow(const QImage &meter, int row)
{
    TMeterRow counts;
    for (int y = row * 26; y < row * 26 + 26; ++y)
        for (int x = 0; x < 194; ++x) {
            counts.Yellow += IsYellow(meter.pixel(x, y));
            counts.Magenta += IsMagenta(meter.pixel(x, y));
        }
    return counts;
}

TEST(MissMeter, FullYellowWithoutMissesAndEmptyAtTen)
{
    const QImage meter = LoadEmbedded(QStringLiteral("MISSMETER"));
    // No misses: both halves yellow; ten misses: nothing left at all.
    EXPECT_TRUE(IsYellow(meter.pixel(40, 13)));
    EXPECT_TRUE(IsYellow(meter.pixel(150, 13)));
    const TMeterRow empty = CountMeterRow(meter, 10);
    EXPECT_EQ(empty.Yellow, 0);
    EXPECT_EQ(empty.Magenta, 0);
    // Five misses: the right half is gone and the left half has turned magenta.
    EXPECT_TRUE(IsMagenta(meter.pixel(40, 5 * 26 + 13)));
    EXPECT_FALSE(IsYellow(meter.pixel(150, 5 * 26 + 13)));
}

TEST(MissMeter, EveryMissShortensTheMeter)
{
    const QImage meter = LoadEmbedded(QStringLiteral("MISSMETER"));
    int previous = std::numeric_limits<int>::max();
    for (int row = 0; row <= 10; ++row) {
        const TMeterRow counts = CountMeterRow(meter, row);
        EXPECT_EQ(counts.Magenta == 0, row < 5 || row == 10) << row;
        EXPECT_EQ(counts.Yellow == 0, row >= 5) << row;
        EXPECT_LT(counts.Yellow + counts.Magenta, previous) << row;
        previous = counts.Yellow + counts.Magenta;
    }
}

// A coarse shape of the ink in an area, scaled to its own bounding box, so
// digits of different sizes from one face can be compared.
std::array<double, 48> ShapeOf(const QImage &image, const QRect &area, bool lightInk)
{
    auto inkOf = [&](int x, int y) {
        const int v = qGray(image.pixel(area.left() + x, area.top() + y));
        return lightInk ? std::max(0, v - 150) / 105.0 : (255 - v) / 255.0;
    };
    QRect box;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            if (inkOf(x, y) > 0.5)
                box |= QRect(x, y, 1, 1);
    std::array<double, 48> shape{};
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const int gx = (x - box.left()) * 6 / box.width(), gy = (y - box.top()) * 8 / box.height();
            shape[static_cast<size_t>(gy * 6 + gx)] += inkOf(x, y) / (box.width() * box.height() / 48.0);
        }
    return shape;
}

// Each counter cell is read against the digits of the sentence glyphs (rows
// 57 to 65 hold 1 to 9, row 66 holds 0): the cell at x 270 - 30d must look
// most like digit d.
TEST(Counter, DigitDStandsAtTwoHundredSeventyMinusThirtyD)
{
    const QImage counter = LoadEmbedded(QStringLiteral("COUNTER"));
    const QImage glyphs = LoadEmbedded(QStringLiteral("FONTSMALL"));
    std::array<std::array<double, 48>, 10> references;
    for (int d = 0; d < 10; ++d)
        references[static_cast<size_t>(d)] = ShapeOf(glyphs, QRect(0, (d == 0 ? 66 : 56 + d) * 27, 21, 27), false);
    for (int d = 0; d < 10; ++d) {
        const auto cell = ShapeOf(counter, QRect(270 - 30 * d, 0, 30, 38), true);
        int best = -1;
        double bestDistance = std::numeric_limits<double>::max();
        for (int r = 0; r < 10; ++r) {
            double distance = 0;
            for (size_t i = 0; i < cell.size(); ++i)
                distance += (cell[i] - references[static_cast<size_t>(r)][i]) * (cell[i] - references[static_cast<size_t>(r)][i]);
            if (distance < bestDistance) {
                bestDistance = distance;
                best = r;
            }
        }
        EXPECT_EQ(best, d) << "cell at x " << 270 - 30 * d;
    }
}

TEST(Marks, EnterMarkAndFlagsAreDrawnOverTransparency)
{
    const QImage mark = LoadEmbedded(QStringLiteral("MARKENTER"));
    EXPECT_EQ(qAlpha(mark.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(mark.pixel(15, 20)), 255);
    const QImage flag = LoadEmbedded(QStringLiteral("FLAG"));
    const QImage poor = flag.copy(0, 0, 26, 28), good = flag.copy(0, 28, 26, 28);
    EXPECT_NE(poor, good);
    for (const QImage &cell : {poor, good}) {
        int opaque = 0, clear = 0;
        for (int y = 0; y < 28; ++y)
            for (int x = 0; x < 26; ++x) {
                opaque += qAlpha(cell.pixel(x, y)) == 255;
                clear += qAlpha(cell.pixel(x, y)) == 0;
            }
        EXPECT_GT(opaque, 100);
        EXPECT_GT(clear, 200);
    }
}

// The sound mark and the stress mark are told apart at a glance: a short
// blue tag and a long orange one, each with light text on it.
TEST(PronunciationMarks, ASoundIsAShortBlueTagAndAStressALongOrangeOne)
{
    const QImage marks = LoadEmbedded(QStringLiteral("SOUND"));
    ASSERT_EQ(marks.size(), QSize(100, 10));
    struct TCell {
        int Left = 50, Right = -1;
        long Red = 0, Blue = 0;
        int Light = 0;
    };
    std::array<TCell, 2> cells;
    for (int c = 0; c < 2; ++c) {
        TCell &cell = cells[static_cast<size_t>(c)];
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 50; ++x) {
                const QRgb p = marks.pixel(c * 50 + x, y);
                if (qGray(p) > 235)
                    continue;
                cell.Left = std::min(cell.Left, x);
                cell.Right = std::max(cell.Right, x);
                cell.Red += qRed(p);
                cell.Blue += qBlue(p);
            }
        // Text: light pixels inside the tag.
        for (int y = 1; y < 9; ++y)
            for (int x = cell.Left + 3; x < cell.Right - 2; ++x)
                cell.Light += qGray(marks.pixel(c * 50 + x, y)) > 200;
    }
    const TCell &sound = cells[0], &stress = cells[1];
    EXPECT_GT(stress.Right - stress.Left, sound.Right - sound.Left + 10);
    EXPECT_GT(sound.Blue, sound.Red * 2) << "the sound tag is blue";
    EXPECT_GT(stress.Red, stress.Blue * 2) << "the stress tag is orange";
    EXPECT_GT(sound.Light, 10);
    EXPECT_GT(stress.Light, 10);
}

} // namespace
