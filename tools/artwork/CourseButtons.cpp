// Pictures of the course screen: band rows with their number cells, the
// column heads, the pattern panel and its choices, the start button and
// the choices of which words to practise.

#include "Artwork.h"
#include "ArtPaint.h"

namespace {

using F = TFrame;

// The round marker at the left of a choice: an empty ring, or a white disc
// with a check when chosen.
void DrawChoiceMarker(QPainter &p, const QPointF &c, double radius, F frame)
{
    p.save();
    if (frame == F::Chosen) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(c, radius, radius);
        DrawCheckMark(p, c, radius * 1.25, Palette::Chosen, qMax(1.6, radius / 3.5));
    } else {
        p.setPen(QPen(frame == F::Unavailable ? Palette::GreyText : QColor(0x9A, 0xA6, 0xB4), 1.5));
        p.setBrush(frame == F::Unavailable ? Palette::Grey : QColor(Qt::white));
        p.drawEllipse(c, radius - 0.5, radius - 0.5);
    }
    p.restore();
}

QImage ChoiceStrip(QSize size, const std::vector<F> &frames, const QString &label, double fontPixels,
                   const QString &note = QString())
{
    return MakeStrip(size, frames, Qt::white, [&](QPainter &p, const QRectF &cell, F frame) {
        const TFaceLook look = DrawButtonFace(p, cell, TFace::Plain, frame);
        const QRectF r = look.Face;
        const double radius = qMin(8.0, r.height() * 0.32);
        DrawChoiceMarker(p, QPointF(r.left() + radius + 6, r.center().y()), radius, frame);
        DrawLabel(p, r.adjusted(radius * 2 + 12, 0, 0, 0), label, JpFont(fontPixels, true), look.Text,
                  Qt::AlignVCenter | Qt::AlignLeft);
        if (!note.isEmpty())
            DrawLabel(p, r.adjusted(0, 0, -10, 0), note, JpFont(11),
                      frame == F::Chosen ? QColor(0xE6, 0xEE, 0xF8) : Palette::Muted, Qt::AlignVCenter | Qt::AlignRight);
    });
}

// Number cells of a band or total row: light cells take black or red
// digits, the dark cell of the word count takes white digits.
void DrawNumberCells(QPainter &p, const QRectF &cell, const int (&rights)[4], int digitTop)
{
    for (int i = 0; i < 4; ++i) {
        const QRectF box(cell.left() + rights[i] - 37, digitTop - 4, 41, 21);
        if (i == 1)
            FillRounded(p, box, Palette::Navy, QColor(), 4);
        else
            FillRounded(p, box, Qt::white, Palette::PanelLine, 4);
    }
}

QImage BandStrip(const QString &letter)
{
    return MakeStrip(QSize(528, 36), {F::Normal, F::Pressed, F::Chosen}, Palette::Page,
                     [&](QPainter &p, const QRectF &cell, F frame) {
        const QColor fill = frame == F::Chosen ? Mix(Palette::Chosen, Qt::white, 0.84)
                          : frame == F::Pressed ? Mix(Palette::Sky, Palette::Navy, 0.12) : QColor(Qt::white);
        const QColor border = frame == F::Chosen ? Palette::Chosen : Palette::PanelLine;
        FillRounded(p, cell.adjusted(0.5, 0.5, -0.5, -0.5), fill, QColor(), ArtRadius);
        p.setPen(QPen(border, frame == F::Chosen ? 2 : 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(cell.adjusted(1, 1, -1, -1), ArtRadius, ArtRadius);
        const QPointF shift = frame == F::Pressed ? QPointF(1, 1) : QPointF();
        const QRectF badge = QRectF(cell.left() + 8, cell.top() + 5, 38, 26).translated(shift);
        FillRounded(p, badge, frame == F::Chosen ? Palette::Chosen : Palette::Sky, QColor(), 5);
        DrawLabel(p, badge, letter, LatinFont(18, true), frame == F::Chosen ? QColor(Qt::white) : Palette::Navy);
        if (frame == F::Chosen)
            DrawCheckMark(p, QPointF(cell.left() + 66, cell.top() + 18), 18, Palette::Chosen, 3.2);
        static const int rights[4] = {216, 274, 332, 386};
        DrawNumberCells(p, cell, rights, 12);
        // The empty track of the progress bar; the program fills x 402-524.
        p.fillRect(QRectF(cell.left() + 401, 5, 125, 25), QColor(0xB8, 0xC3, 0xD0));
        p.fillRect(QRectF(cell.left() + 402, 6, 123, 23), QColor(0xEE, 0xF1, 0xF5));
    });
}

QImage TotalRow()
{
    QImage row = NewImage(533, 36, Palette::Page);
    QPainter p(&row);
    PrepareSmooth(p);
    FillRounded(p, QRectF(0.5, 0.5, 532, 35), Palette::Stripe, Palette::PanelLine);
    DrawLabel(p, QRectF(18, 0, 120, 36), QStringLiteral("合計"), JpFont(16, true), Palette::Navy,
              Qt::AlignVCenter | Qt::AlignLeft);
    static const int rights[4] = {226, 284, 342, 396};
    DrawNumberCells(p, QRectF(0, 0, 533, 36), rights, 16);
    return row;
}

QImage ColumnHeads(QSize size, const QColor &back, const QColor &ink, const std::vector<std::pair<int, QString>> &heads,
                   double fontPixels, int flags)
{
    QImage image = NewImage(size.width(), size.height(), back);
    QPainter p(&image);
    PrepareSmooth(p);
    for (const auto &[right, text] : heads) {
        const QRectF box = flags & Qt::AlignRight ? QRectF(right - 90, 0, 90, size.height())
                                                  : QRectF(right - 15 - 45, 0, 90, size.height());
        DrawLabel(p, box, text, JpFont(fontPixels, true), ink, flags | Qt::AlignVCenter);
    }
    return image;
}

QImage PatternPanel(int height, bool titled)
{
    QImage panel = NewImage(300, height, Palette::Page);
    QPainter p(&panel);
    PrepareSmooth(p);
    FillRounded(p, QRectF(0, 0, 300, height), Qt::white, Palette::PanelLine);
    if (titled) {
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Navy);
        p.drawRoundedRect(QRectF(0, 0, 300, 14), ArtRadius, ArtRadius);
        p.fillRect(QRectF(0, 7, 300, 7), Palette::Navy);
        DrawLabel(p, QRectF(10, 0, 280, 14), QStringLiteral("練習パターン"), JpFont(12, true), Qt::white,
                  Qt::AlignVCenter | Qt::AlignLeft);
        DrawLabel(p, QRectF(10, 200, 280, 30), QStringLiteral("クリックで切り替えます"), JpFont(11), Palette::Muted);
    }
    return panel;
}

} // namespace

void AddCourseButtons(TArtworkList &list)
{
    for (const char *letter : {"A", "B", "C"})
        list.push_back({QStringLiteral("bBand%1").arg(QLatin1String(letter)), BandStrip(QLatin1String(letter)), 3});
    list.push_back({QStringLiteral("bBandTotal"), TotalRow(), 1});
    list.push_back({QStringLiteral("imgCountHeader2"),
                    ColumnHeads(QSize(230, 26), Palette::Navy, QColor(0xDC, 0xE6, 0xF2),
                                {{40, QStringLiteral("チェック")}, {98, QStringLiteral("単語数")},
                                 {156, QStringLiteral("覚えた")}, {210, QStringLiteral("覚えていない")}},
                                11, Qt::AlignHCenter), 1});
    list.push_back({QStringLiteral("imgCountHeader1"),
                    ColumnHeads(QSize(255, 31), Palette::Page, Palette::Navy,
                                {{68, QStringLiteral("単語数")}, {150, QStringLiteral("覚えた")}, {234, QStringLiteral("覚えていない")}},
                                12, Qt::AlignRight), 1});
    list.push_back({QStringLiteral("imgExPattern"), PatternPanel(232, true), 1});
    list.push_back({QStringLiteral("imgLevelPhrase"), PatternPanel(112, false), 1});

    const std::vector<F> patternFrames{F::Normal, F::Pressed, F::Hover, F::Chosen};
    const std::pair<const char *, const char *> patterns[] = {
        {"bWordAndSentence", "単語＋例文"}, {"bWord", "単語"}, {"bSentence", "例文"}, {"bWriting", "英作文"}};
    const char *notes[] = {"単語と例文を続けて", "つづりを集中練習", "例文だけを打つ", "和訳から英文を組み立てる"};
    for (size_t i = 0; i < 4; ++i)
        list.push_back({QLatin1String(patterns[i].first),
                        ChoiceStrip(QSize(282, 44), patternFrames, QString::fromUtf8(patterns[i].second), 16,
                                    QString::fromUtf8(notes[i])), 4});

    list.push_back({QStringLiteral("bTraining"), MakeStrip(QSize(298, 70), {F::Normal, F::Pressed, F::Hover}, Qt::white,
        [](QPainter &p, const QRectF &cell, F frame) {
            const TFaceLook look = DrawButtonFace(p, cell, TFace::Primary, frame);
            DrawLabel(p, look.Face.adjusted(0, 6, 0, -24), QStringLiteral("トレーニング開始"), JpFont(23, true), look.Text);
            DrawLabel(p, look.Face.adjusted(0, 40, 0, -4), QStringLiteral("Enter キーでも始められます"), JpFont(11), look.Text);
        }), 3});
    list.push_back({QStringLiteral("bNewWord"), ChoiceStrip(QSize(220, 28), {F::Normal, F::Chosen}, QStringLiteral("新しい単語"), 14), 2});
    list.push_back({QStringLiteral("bOnceMore"), ChoiceStrip(QSize(220, 28), {F::Normal, F::Chosen, F::Unavailable},
                                                             QStringLiteral("もう一度（前回の単語）"), 14), 3});
    const std::vector<F> typeFrames{F::Normal, F::Pressed, F::Chosen, F::Unavailable};
    const char *types[] = {"未練習の単語", "順番に", "覚えていない単語"};
    for (int i = 0; i < 3; ++i)
        list.push_back({QStringLiteral("bNewWordType%1").arg(i + 1),
                        ChoiceStrip(QSize(136, 20), typeFrames, QString::fromUtf8(types[i]), 12), 4});
    list.push_back({QStringLiteral("bNewWordType4"), ChoiceStrip(QSize(180, 20), typeFrames, QStringLiteral("チェックした単語"), 12), 4});
}
