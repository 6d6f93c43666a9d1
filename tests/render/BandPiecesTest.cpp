// The pieces the word and the sentence are drawn from: whatever a step of
// the typing changes on the band lies inside the pieces that changed, which
// is all a key repaints.

#include "BandPieces.h"
#include "SentenceText.h"
#include "StripFixtures.h"
#include "WordText.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int Top = 198;

// The window's width down to just below the band: the whole of what the
// word and the sentence draw on.
QImage Canvas()
{
    QImage canvas(800, TypingText.bottom() + 8, QImage::Format_RGB32);
    canvas.fill(Paper);
    return canvas;
}

// The pixels where two drawings of the band differ that lie outside `area`.
int ChangesOutside(const QImage &before, const QImage &after, const QRegion &area)
{
    QImage mask(before.size(), QImage::Format_RGB32);
    mask.fill(Qt::white);
    {
        QPainter painter(&mask);
        painter.setClipRegion(area);
        painter.fillRect(mask.rect(), Qt::black);
    }
    int outside = 0;
    for (int y = TypingText.top(); y <= TypingText.bottom(); ++y) {
        const auto *b = reinterpret_cast<const QRgb *>(before.constScanLine(y));
        const auto *a = reinterpret_cast<const QRgb *>(after.constScanLine(y));
        const auto *m = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        for (int x = 0; x < before.width(); ++x)
            outside += b[x] != a[x] && m[x] != 0xFF000000u;
    }
    return outside;
}

// Each typing state a learner can pass through on a target of `length`
// characters, in an order a run can take: typing with a miss before each
// key, a hint, the end, and the target typed again from its start.
QList<TTypingView> StatesOfARun(int length)
{
    QList<TTypingView> states;
    for (int typed = 0; typed <= length; ++typed) {
        const int mode = typed == length ? 9 : 0;
        states.append({typed, 0, 0, typed, true});
        states.append({typed, mode, mode, typed, false});
        if (typed == length / 3)
            states.append({typed, 1, 0, std::min(length, typed + 6), false});
    }
    for (int typed = 0; typed <= length; ++typed)
        states.append({typed, 9, 0, length, false});
    return states;
}

// Walks the states, drawing each and naming its pieces, and tells where a
// step changed a pixel outside the pieces it changed.
void ExpectEveryChangeInsideTheChangedPieces(const std::function<QImage(const TTypingView &)> &draw,
                                             const std::function<TBandPieces(const TTypingView &)> &pieces,
                                             const QList<TTypingView> &states)
{
    QImage before = draw(states.front());
    TBandPieces piecesBefore = pieces(states.front());
    for (qsizetype i = 1; i < states.size(); ++i) {
        const TTypingView &s = states[i];
        const QImage after = draw(s);
        const TBandPieces piecesAfter = pieces(s);
        EXPECT_EQ(ChangesOutside(before, after, ChangedArea(piecesBefore, piecesAfter)), 0)
            << "step " << i << " to InputLen " << s.InputLen << ", mode " << s.InputMode << ", hint " << s.HintIndex
            << (s.MissType ? ", after a miss" : "");
        before = after;
        piecesBefore = piecesAfter;
    }
}

TEST(ChangedArea, NamesThePiecesOneDrawingLacksOrPlacesOrShowsOtherwise)
{
    const TBandPiece a{PieceKey(0, 1), QRect(0, 0, 10, 10), 1};
    const TBandPiece b{PieceKey(0, 2), QRect(20, 0, 10, 10), 1};
    const TBandPiece bMoved{PieceKey(0, 2), QRect(30, 0, 10, 10), 1};
    const TBandPiece bLooksOther{PieceKey(0, 2), QRect(20, 0, 10, 10), 2};
    const TBandPiece bar{PieceKey(1, 0), QRect(0, 40, 7, 3), 0};
    struct TCase {
        const char *What;
        TBandPieces Before;
        TBandPieces After;
        QRegion Changed;
    };
    const TCase cases[] = {
        {"the same pieces", {a, b, bar}, {a, b, bar}, QRegion()},
        {"a piece appears", {a, bar}, {a, b, bar}, QRegion(b.Rect)},
        {"a piece goes", {a, b, bar}, {b, bar}, QRegion(a.Rect)},
        {"a piece moves", {a, b}, {a, bMoved}, QRegion(b.Rect) + bMoved.Rect},
        {"a piece shows otherwise", {a, b}, {a, bLooksOther}, QRegion(b.Rect)},
        {"everything goes", {a, b, bar}, {}, QRegion(a.Rect) + b.Rect + bar.Rect},
    };
    for (const TCase &c : cases)
        EXPECT_EQ(ChangedArea(c.Before, c.After), c.Changed) << c.What;
}

TEST(WordPieces, EveryChangeOfAStepLiesInThePiecesItChanged)
{
    static const QImage large = SyntheticLargeStrip();
    static const QImage mark = SyntheticEnterMark();
    const QByteArray word = "across-the-board";
    for (int dispWordNo : {0, 1}) {
        SCOPED_TRACE(dispWordNo);
        ExpectEveryChangeInsideTheChangedPieces(
            [&](const TTypingView &typing) {
                QImage image = Canvas();
                QPainter painter(&image);
                DrawWord(painter, large, mark, word, typing, dispWordNo, TypingText);
                return image;
            },
            [&](const TTypingView &typing) { return WordPieces(word, typing, dispWordNo, TypingText, mark.size()); },
            StatesOfARun(word.size()));
    }
}

TEST(SentencePieces, EveryChangeOfAStepLiesInThePiecesItChanged)
{
    static const QImage small = SyntheticSmallStrip();
    static const QImage labels = SyntheticLabels();
    // One line, and two lines with elements split by the break.
    const TSentenceData senses[] = {
        SenseOf(QStringLiteral("[I ]S[received ]V[a present ]O[from Linda ]M[this morning.]M")),
        SenseOf(QStringLiteral("[I ]S[have ]V[friends ]O[in Kyoto and Tokyo. ]M[So, ]M[let's visit ]V[either town.]O")),
    };
    struct TCase {
        TPattern Pattern;
        int GuideNo;
    };
    const TCase cases[] = {{ptSentence, 3}, {ptWordAndSentence, 0}, {ptWriting, 0}, {ptWriting, 1}, {ptWriting, 2}};
    for (const TSentenceData &sense : senses) {
        for (const TCase &c : cases) {
            SCOPED_TRACE(testing::Message() << sense.Sentence.constData() << ", pattern " << c.Pattern << ", guide "
                                            << c.GuideNo);
            ExpectEveryChangeInsideTheChangedPieces(
                [&](const TTypingView &typing) {
                    QImage image = Canvas();
                    QPainter painter(&image);
                    bool atEdge = false;
                    DrawSentence(10, Top, painter, {small, labels}, {sense, typing, c.Pattern, c.GuideNo, TypingText},
                                 atEdge);
                    return image;
                },
                [&](const TTypingView &typing) {
                    return SentencePieces(10, Top, {sense, typing, c.Pattern, c.GuideNo, TypingText});
                },
                StatesOfARun(sense.Sentence.size()));
        }
    }
}

// Drawn within a part of the band, a sentence gives there exactly what a
// drawing of the whole band gives.
TEST(DrawSentence, DrawnWithinAnAreaItMatchesTheWholeDrawingThere)
{
    static const QImage small = SyntheticSmallStrip();
    static const QImage labels = SyntheticLabels();
    const TSentenceData sense = SenseOf(QStringLiteral("[I ]S[received ]V[a present ]O[from Linda ]M[this morning.]M"));
    const TTypingView typing{9, 1, 0, 15, false};
    const auto draw = [&](const QRegion &area) {
        QImage image = Canvas();
        QPainter painter(&image);
        if (!area.isEmpty())
            painter.setClipRegion(area);
        bool atEdge = false;
        DrawSentence(10, Top, painter, {small, labels}, {sense, typing, ptWriting, 2, TypingText}, atEdge);
        return image;
    };
    const QImage whole = draw(QRegion());
    const QRegion area = QRegion(250, 200, 30, 40) + QRegion(400, 230, 9, 9);
    const QImage part = draw(area);
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x)
            ASSERT_EQ(part.pixel(x, y), area.contains(QPoint(x, y)) ? whole.pixel(x, y) : Paper) << x << "," << y;
}

} // namespace
