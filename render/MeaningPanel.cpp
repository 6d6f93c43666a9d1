#include "MeaningPanel.h"

#include "Fonts.h"
#include "Markup.h"
#include "TextFit.h"

#include <QFontMetrics>

namespace {

constexpr int NormalPoints = 12;
constexpr int SmallPoints = 10;
// The gap a broken line leaves below the first one.
constexpr int SecondLineGap = 12;

QFont MeaningFont(bool small)
{
    return PointFont(FaceMsPGothic, small ? SmallPoints : NormalPoints);
}

} // namespace

QString PartAbbreviation(int code)
{
    static const char16_t *const names[] = {u"名", u"形", u"副", u"動", u"代", u"接", u"前", u"助"};
    if (code < 1 || code > 8)
        return {};
    return u'(' + QString::fromUtf16(names[code - 1]) + u')';
}

QList<TMeaningLinePiece> MeaningLinePieces(const TBandDataItem &word, const TMessageReporter &report)
{
    QList<TMeaningLinePiece> pieces;
    for (qsizetype i = 0; i < word.Item.size(); ++i) {
        const TSentenceData &sense = word.Item[i];
        const QString separator = i > 0 ? QStringLiteral("\u3000\u3000") : QString();
        pieces.append({separator + PartAbbreviation(sense.Part) + u' ', true, clSilver});
        for (const TMeaningPiece &piece : SplitMeaning(sense.Meaning, report))
            pieces.append({piece.Text, piece.Small, clBlack});
    }
    return pieces;
}

QList<TPlacedMeaning> LayoutMeaningLine(const QList<TMeaningLinePiece> &pieces, const TMeaningMetrics &metrics)
{
    int total = 0;
    for (const TMeaningLinePiece &piece : pieces)
        total += metrics.Width(piece.Text, piece.Small);
    const int marginLeft = total <= MeaningPanelWidth ? (MeaningPanelWidth - total) / 2 : 0;

    QList<TPlacedMeaning> placed;
    int right = marginLeft;
    int bottom = metrics.LineHeight;
    for (const TMeaningLinePiece &piece : pieces) {
        const int height = piece.Small ? metrics.SmallHeight : metrics.NormalHeight;
        const auto width = [&](const QString &text) { return metrics.Width(text, piece.Small); };
        const auto place = [&](const QString &text, int left) {
            const int w = width(text);
            if (!text.isEmpty())
                placed.append({text, piece.Small, piece.Color, QRect(left, bottom - height, w, height)});
            right = left + w;
        };
        const int left = right;
        if (left + width(piece.Text) <= MeaningPanelWidth) {
            place(piece.Text, left);
            continue;
        }
        const int n = FittingPrefixLength(piece.Text, left, MeaningPanelWidth, width);
        place(piece.Text.left(n), left);
        bottom += metrics.LineHeight + SecondLineGap;
        place(piece.Text.mid(n), marginLeft);
    }
    return placed;
}

TMeaningMetrics MeaningPanelMetrics()
{
    const QFontMetrics normal(MeaningFont(false));
    const QFontMetrics small(MeaningFont(true));
    TMeaningMetrics metrics;
    metrics.Width = [normal, small](const QString &text, bool isSmall) {
        return (isSmall ? small : normal).horizontalAdvance(text);
    };
    metrics.NormalHeight = normal.height();
    metrics.SmallHeight = small.height();
    metrics.LineHeight = normal.height();
    return metrics;
}

void DrawWordMeaningPanel(QPainter &canvas, const TPanelView &view, const TMessageReporter &report)
{
    if (!view.Word)
        return;
    const QList<TPlacedMeaning> placed = LayoutMeaningLine(MeaningLinePieces(*view.Word, report), MeaningPanelMetrics());
    canvas.setBackgroundMode(Qt::TransparentMode);
    for (const TPlacedMeaning &piece : placed) {
        canvas.setFont(MeaningFont(piece.Small));
        canvas.setPen(QColor(RedOf(piece.Color), GreenOf(piece.Color), BlueOf(piece.Color)));
        TextOut(canvas, piece.Bounds.left(), piece.Bounds.top(), piece.Text);
    }
}
