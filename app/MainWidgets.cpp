// The widgets of the level menu and the course screen: user name, level
// name, band rows and the level's total row.

#include "Main.h"

#include "CourseLoader.h"
#include "EgImage.h"
#include "Fonts.h"
#include "GlyphText.h"
#include "ProgressBar.h"

#include <QPainter>

void TFrmMain::imgUserId2Paint(TEgImage *Sender)
{
    QPainter &canvas = *Sender->Canvas();
    canvas.setFont(PointFont(FaceMsPGothic, 12));
    canvas.setPen(QColor(0, 0, 255));
    // A name wider than the box is cut with "…" instead of running out of it.
    TextOut(canvas, 4, 2, canvas.fontMetrics().elidedText(FUserId, Qt::ElideRight, Sender->width() - 4));
}

void TFrmMain::imgLevelName2Paint(TEgImage *Sender)
{
    // The column heads share this handler but get nothing drawn on them.
    if (Sender != imgLevelName2 || FLevelNo < 0 || FLevelNo >= FData.size())
        return;
    QPainter &canvas = *Sender->Canvas();
    canvas.setFont(PointFont(FaceMeiryo, 24, true));
    canvas.setPen(Qt::white);
    TextOut(canvas, 0, 0, LevelNameText(FLevelNo, FData[FLevelNo].LevelName));
}

void TFrmMain::bBandAPaint(TEgImage *Sender)
{
    if (FLevelNo < 0 || FLevelNo >= FData.size() || Sender->Tag() < 0 || Sender->Tag() >= FData[FLevelNo].Item.size())
        return;
    const TBandData &band = FData[FLevelNo].Item[Sender->Tag()];
    QPainter &canvas = *Sender->Canvas();
    const QImage numFont = Picture(QStringLiteral("FONTNUM"));
    DrawNumber(canvas, numFont, 216, clBlack, QString::number(band.CheckCount), 12);
    DrawNumber(canvas, numFont, 274, clWhite, QString::number(band.Item.size()), 12);
    DrawNumber(canvas, numFont, 332, clBlack, QString::number(band.KnownCount), 12);
    DrawNumber(canvas, numFont, 386, clRed, QString::number(band.UnknownCount), 12);
    DrawProgressBar(canvas, 402, 6, 29, 122, band.KnownCount, band.UnknownCount, static_cast<int>(band.Item.size()));
}

void TFrmMain::bBandTotalPaint(TEgImage *Sender)
{
    if (FLevelNo < 0 || FLevelNo >= FData.size())
        return;
    int checked = 0;
    int words = 0;
    int known = 0;
    int unknown = 0;
    for (const TBandData &band : FData[FLevelNo].Item) {
        checked += band.CheckCount;
        words += band.Item.size();
        known += band.KnownCount;
        unknown += band.UnknownCount;
    }
    QPainter &canvas = *Sender->Canvas();
    const QImage numFont = Picture(QStringLiteral("FONTNUM"));
    DrawNumber(canvas, numFont, 226, clBlack, QString::number(checked), 16);
    DrawNumber(canvas, numFont, 284, clWhite, QString::number(words), 16);
    DrawNumber(canvas, numFont, 342, clBlack, QString::number(known), 16);
    DrawNumber(canvas, numFont, 396, clRed, QString::number(unknown), 16);
}
