#include "RasterOps.h"

namespace {

QPainter::CompositionMode ModeOf(TRasterOp op)
{
    switch (op) {
    case TRasterOp::SrcAnd: return QPainter::RasterOp_SourceAndDestination;
    case TRasterOp::MergePaint: return QPainter::RasterOp_NotSourceOrDestination;
    case TRasterOp::SrcPaint: return QPainter::RasterOp_SourceOrDestination;
    case TRasterOp::SrcCopy: break;
    }
    return QPainter::CompositionMode_Source;
}

} // namespace

void CopyRect(QPainter &dest, const QRect &destRect, const QImage &source, const QRect &srcRect, TRasterOp op)
{
    dest.save();
    dest.setRenderHint(QPainter::Antialiasing, false);
    dest.setRenderHint(QPainter::SmoothPixmapTransform, false);
    dest.setCompositionMode(ModeOf(op));
    dest.drawImage(destRect, source, srcRect);
    dest.restore();
}
