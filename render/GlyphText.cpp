#include "GlyphText.h"

#include "RasterOps.h"

namespace {

constexpr int DigitWidth = 10;
constexpr int DigitHeight = 13;

QRect DigitCell(int digit, int column)
{
    return QRect(column * DigitWidth, digit * DigitHeight, DigitWidth, DigitHeight);
}

} // namespace

void DrawNumber(QPainter &canvas, const QImage &numFont, int right, TColor colour, const QString &text, int top)
{
    if (colour != clBlack && colour != clWhite && colour != clRed)
        return;
    for (qsizetype k = 1; k <= text.size(); ++k) {
        const QChar c = text[text.size() - k];
        if (c < u'0' || c > u'9')
            continue;
        const int digit = c.unicode() - u'0';
        const QRect cell(right - DigitWidth * static_cast<int>(k), top, DigitWidth, DigitHeight);
        if (colour == clBlack) {
            CopyRect(canvas, cell, numFont, DigitCell(digit, 0), TRasterOp::SrcAnd);
        } else {
            CopyRect(canvas, cell, numFont, DigitCell(digit, 2), TRasterOp::SrcPaint);
            if (colour == clRed)
                CopyRect(canvas, cell, numFont, DigitCell(digit, 1), TRasterOp::SrcAnd);
        }
    }
}
