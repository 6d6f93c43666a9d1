#include "StatusWidgets.h"

#include "Fonts.h"
#include "RasterOps.h"

#include <QFontMetrics>

namespace {

constexpr int CounterCellWidth = 30;
constexpr int CounterCellHeight = 38;
constexpr int MeterRowHeight = 26;
constexpr int FlagCellHeight = 28;
constexpr int MissThreshold = 5;

void DrawCaption(QPainter &canvas, int controlWidth, const QString &text, int points, const QColor &colour)
{
    canvas.setFont(PointFont(FaceMsPGothic, points, true));
    canvas.setPen(colour);
    canvas.setBackgroundMode(Qt::TransparentMode);
    TextOut(canvas, CaptionX(controlWidth, canvas.fontMetrics().horizontalAdvance(text)), 0, text);
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
