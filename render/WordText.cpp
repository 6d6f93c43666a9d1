#include "WordText.h"

#include "GlyphCells.h"
#include "RasterOps.h"

#include <algorithm>

namespace {

constexpr int EnterMarkDrop = 20;
constexpr int CursorDrop = 72;
constexpr int CursorWidth = 28;
constexpr int CursorHeight = 6;

} // namespace

void DrawWord(QPainter &canvas, const QImage &largeFont, const QImage &enterMark, const QByteArray &word,
              const TTypingView &typing, int dispWordNo, const QRect &wordText)
{
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setCompositionMode(QPainter::CompositionMode_Source);
    canvas.fillRect(wordText, Qt::white);

    const int length = static_cast<int>(word.size());
    const int typed = std::clamp(typing.InputLen, 0, length);
    // Integer division truncates toward zero, so a word wider than the
    // band starts left of it.
    const int x0 = (wordText.width() - TextAdvance(word)) / 2;
    const int typedWidth = TextAdvance(QByteArrayView(word).first(typed));
    const int top = wordText.top();

    int x = wordText.left();
    for (int i = 1; i <= length; ++i) {
        if (typing.InputMode == 0 && i > typing.InputLen)
            break;
        if (typing.InputMode == 9 && i > typing.InputLen && dispWordNo != 0)
            break;
        const char c = word[i - 1];
        const int row = LargeGlyphRow(c);
        // A character the strip lacks has no cell and no advance.
        if (row < LargeStripRows) {
            const QRect cell = LargeCell(row, i <= typing.InputLen ? 0 : 1);
            CopyRect(canvas, QRect(x0 + x, top, LargeCellWidth, LargeCellHeight), largeFont, cell, TRasterOp::SrcCopy);
        }
        x += GlyphAdvance(c);
    }

    const int endX = x0 + typedWidth + wordText.left();
    if (typing.InputLen == length) {
        canvas.setCompositionMode(QPainter::CompositionMode_SourceOver);
        canvas.drawImage(QPoint(endX, top + EnterMarkDrop), enterMark);
    } else {
        canvas.fillRect(QRect(endX, top + CursorDrop, CursorWidth, CursorHeight), QColor::fromRgb(CursorRgb));
    }
    canvas.restore();
}
