#include "RelatedWords.h"

#include "Fonts.h"
#include "Markup.h"
#include "TextFit.h"

#include <QFontMetrics>

namespace {

constexpr int LineLeft = 368;
constexpr int LineStep = 20;
constexpr int InflectionDrop = 80;

// The running pen of the related-words lines and the edge it breaks at.
struct TPen {
    int X = LineLeft;
    int Y = 0;
    int RightLimit = 0;
};

void PlaceWrapped(QList<TPlacedWords> &placed, TPen &pen, const QString &text, TColor colour,
                  const std::function<int(const QString &)> &width)
{
    if (text.isEmpty())
        return;
    const int whole = width(text);
    if (pen.X + whole <= pen.RightLimit) {
        placed.append({text, pen.X, pen.Y, colour});
        pen.X += whole;
        return;
    }
    const int n = FittingPrefixLength(text, pen.X, pen.RightLimit, width);
    if (n == 0)
        return;
    placed.append({text.left(n), pen.X, pen.Y, colour});
    pen.X = LineLeft;
    pen.Y += LineStep;
    const QString rest = text.mid(n);
    placed.append({rest, pen.X, pen.Y, colour});
    pen.X += width(rest);
}

} // namespace

QList<TPlacedWords> LayoutRelatedWords(const TSentenceData &sense, const QRect &wordText,
                                       const std::function<int(const QString &)> &width)
{
    QList<TPlacedWords> placed;
    const int centre = wordText.x() + wordText.width() / 2;
    if (!sense.Etc1.isEmpty())
        placed.append({sense.Etc1, centre - width(sense.Etc1) / 2, wordText.y() + InflectionDrop, clBlack});
    if (sense.Etc3.isEmpty())
        return placed;
    TPen pen{LineLeft, wordText.y() + wordText.height() + LineStep, wordText.x() + wordText.width()};
    // An "[b]" left open colours the following lines as well.
    bool headword = false;
    for (const QString &line : RelatedWordLines(sense.Etc3)) {
        for (const TMarkedRun &run : MarkedLineRuns(line, headword))
            PlaceWrapped(placed, pen, run.Text, run.Headword ? clBlue : clBlack, width);
        pen.X = LineLeft;
        pen.Y += LineStep;
    }
    return placed;
}

void DrawRelatedWords(QPainter &canvas, const TSentenceData &sense, const QRect &wordText)
{
    const QFont font = PointFont(FaceMsPGothic, 11);
    const QFontMetrics metrics(font);
    const QList<TPlacedWords> placed =
        LayoutRelatedWords(sense, wordText, [&metrics](const QString &text) { return metrics.horizontalAdvance(text); });
    canvas.setFont(font);
    canvas.setBackgroundMode(Qt::OpaqueMode);
    canvas.setBackground(Qt::white);
    for (const TPlacedWords &words : placed) {
        canvas.setPen(QColor(RedOf(words.Color), GreenOf(words.Color), BlueOf(words.Color)));
        TextOut(canvas, words.X, words.Y, words.Text);
    }
}

QRegion RelatedWordsArea(const TSentenceData &sense, const QRect &wordText)
{
    const QFontMetrics metrics(PointFont(FaceMsPGothic, 11));
    QRegion area;
    for (const TPlacedWords &words : LayoutRelatedWords(sense, wordText, [&metrics](const QString &text) {
             return metrics.horizontalAdvance(text);
         })) {
        const QRect box(words.X, words.Y, metrics.horizontalAdvance(words.Text), metrics.height());
        const QRect ink = metrics.boundingRect(words.Text).translated(words.X, words.Y + metrics.ascent());
        area += (box | ink).adjusted(-1, -1, 1, 1);
    }
    return area;
}
