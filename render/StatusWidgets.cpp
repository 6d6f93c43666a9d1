#include "StatusWidgets.h"

#include "Fonts.h"
#include "RasterOps.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainterPath>

namespace {

constexpr int CounterCellWidth = 30;
constexpr int CounterCellHeight = 38;
constexpr int MeterRowHeight = 26;
constexpr int FlagCellHeight = 28;
constexpr int MissThreshold = 5;

// Qt loses the synthetic bold of a face that has no bold style of its own
// once glyphs outgrow its glyph cache (64 pixels), which would leave the
// largest caption thinner than the others. So captions draw their outline
// and thicken it themselves at every size, about as much as the synthetic
// bold does.
void DrawCaption(QPainter &canvas, int controlWidth, const QString &text, int points, const QColor &colour)
{
    const QFont bold = PointFont(FaceMsPGothic, points, true);
    const bool realBold = QFontInfo(bold).styleName().contains(QStringLiteral("Bold"), Qt::CaseInsensitive);
    const QFont outlineFont = realBold ? bold : PointFont(FaceMsPGothic, points);
    const QFontMetrics metrics(bold);
    const int x = CaptionX(controlWidth, metrics.horizontalAdvance(text));
    const qreal thickening = realBold ? 0 : bold.pixelSize() / 24.0;
    QPainterPath outline;
    outline.addText(x + thickening / 2, QFontMetrics(outlineFont).ascent(), outlineFont, text);
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, true);
    canvas.fillPath(outline, colour);
    if (thickening > 0)
        canvas.strokePath(outline, QPen(colour, thickening, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    canvas.restore();
    // The canvas keeps the caption's font and colour, as a text drawn with
    // them would leave it.
    canvas.setFont(bold);
    canvas.setPen(colour);
}

// The digits run 9 to 0 from left to right.
QRect DigitCell(int digit)
{
    return QRect(270 - CounterCellWidth * digit, 0, CounterCellWidth, CounterCellHeight);
}

} // namespace

QString PatternCaption(TPattern pattern)
{
    switch (pattern) {
    case ptWordAndSentence: return QStringLiteral("word & sentence");
    case ptWord: return QStringLiteral("word");
    case ptSentence: return QStringLiteral("sentence");
    case ptWriting: return QStringLiteral("writing");
    }
    return {};
}

int CaptionX(int controlWidth, int textWidth)
{
    return controlWidth / 2 - textWidth / 2;
}

void DrawLevelNamePanel(QPainter &canvas, int controlWidth, const QString &levelName)
{
    DrawCaption(canvas, controlWidth, levelName, 56, QColor(0, 0, 255));
}

void DrawBandNamePanel(QPainter &canvas, int controlWidth, const QString &bandName)
{
    DrawCaption(canvas, controlWidth, bandName, 42, QColor(255, 255, 0));
}

void DrawWordAndSentencePanel(QPainter &canvas, int controlWidth, TPattern pattern)
{
    DrawCaption(canvas, controlWidth, PatternCaption(pattern), 38, QColor(0, 128, 0));
}

QList<TCellCopy> CounterCells(int value)
{
    if (value < 0 || value > 99)
        return {};
    const QSize cell(CounterCellWidth, CounterCellHeight);
    if (value < 10)
        return {{DigitCell(value), QRect(QPoint(15, 0), cell)}};
    return {{DigitCell(value / 10), QRect(QPoint(0, 0), cell)}, {DigitCell(value % 10), QRect(QPoint(30, 0), cell)}};
}

void DrawCounterPanel(QPainter &canvas, const QImage &counterImage, int value)
{
    for (const TCellCopy &copy : CounterCells(value))
        CopyRect(canvas, copy.Dest, counterImage, copy.Source, TRasterOp::SrcCopy);
}

QRect MissMeterRow(int missCount, int controlWidth)
{
    return QRect(0, MeterRowHeight * missCount, controlWidth, MeterRowHeight);
}

void DrawMissCountPanel(QPainter &canvas, const QImage &missMeter, int missCount, const QSize &controlSize)
{
    CopyRect(canvas, QRect(QPoint(0, 0), controlSize), missMeter, MissMeterRow(missCount, controlSize.width()),
             TRasterOp::SrcCopy);
}

std::optional<int> FlagTop(int missCount, int inputMode)
{
    if (missCount >= MissThreshold)
        return 0;
    if (inputMode == 9)
        return -FlagCellHeight;
    return std::nullopt;
}

void DrawFlagPanel(QPainter &canvas, const QImage &flagImage, int missCount, int inputMode)
{
    const std::optional<int> top = FlagTop(missCount, inputMode);
    if (!top)
        return;
    canvas.save();
    canvas.setCompositionMode(QPainter::CompositionMode_SourceOver);
    canvas.drawImage(QPoint(0, *top), flagImage);
    canvas.restore();
}

void DrawPartPanel(QPainter &canvas, const std::array<QImage, 9> &hinshiImage, int code)
{
    if (code < 1 || code >= static_cast<int>(hinshiImage.size()))
        return;
    canvas.drawImage(QPoint(0, 0), hinshiImage[static_cast<std::size_t>(code)]);
}
