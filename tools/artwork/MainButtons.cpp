// Buttons of the title, the guide pages, the level menu and the training
// screen: one strip per control, frames side by side.

#include "Artwork.h"
#include "ArtPaint.h"

#include <QPainterPath>

#include <cmath>

namespace {

using F = TFrame;

void DrawSpeaker(QPainter &painter, const QPointF &c, double size, const QColor &colour)
{
    painter.save();
    QPainterPath body;
    body.moveTo(c + QPointF(-size * 0.5, -size * 0.18));
    body.lineTo(c + QPointF(-size * 0.25, -size * 0.18));
    body.lineTo(c + QPointF(size * 0.05, -size * 0.45));
    body.lineTo(c + QPointF(size * 0.05, size * 0.45));
    body.lineTo(c + QPointF(-size * 0.25, size * 0.18));
    body.lineTo(c + QPointF(-size * 0.5, size * 0.18));
    body.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(body);
    painter.setPen(QPen(colour, qMax(1.2, size / 9), Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(c.x() - size * 0.2, c.y() - size * 0.25, size * 0.5, size * 0.5), -50 * 16, 100 * 16);
    painter.drawArc(QRectF(c.x() - size * 0.35, c.y() - size * 0.45, size * 0.9, size * 0.9), -50 * 16, 100 * 16);
    painter.restore();
}

void DrawGear(QPainter &painter, const QPointF &c, double radius, const QColor &colour, const QColor &hole)
{
    painter.save();
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double a0 = (i - 0.5) * M_PI / teeth, a1 = (i + 0.5) * M_PI / teeth;
        const double r = i % 2 ? radius * 0.78 : radius;
        const QPointF p0 = c + QPointF(std::cos(a0) * r, std::sin(a0) * r);
        const QPointF p1 = c + QPointF(std::cos(a1) * r, std::sin(a1) * r);
        if (i == 0)
            gear.moveTo(p0);
        else
            gear.lineTo(p0);
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(gear);
    painter.setBrush(hole);
    painter.drawEllipse(c, radius * 0.33, radius * 0.33);
    painter.restore();
}

// Triangles pointing left or right, one or two of them.
void DrawTriangles(QPainter &painter, const QPointF &c, double size, bool right, int count, const QColor &colour)
{
    const double step = size * 0.75;
    const double start = -(count - 1) * step / 2;
    for (int i = 0; i < count; ++i) {
        const double x = c.x() + start + i * step + (right ? size / 2 : -size / 2);
        DrawArrowHead(painter, QPointF(x, c.y()), size, right, colour);
    }
}

// A command button with an icon above a short label.
QImage IconStrip(QSize size, const std::vector<F> &frames, TFace face, const QString &label,
                 const std::function<void(QPainter &, const QPointF &, const TFaceLook &)> &icon)
{
    return MakeStrip(size, frames, Palette::Page, [&](QPainter &p, const QRectF &cell, F frame) {
        const TFaceLook look = DrawButtonFace(p, cell, face, frame);
        const QRectF r = look.Face;
        icon(p, QPointF(r.center().x(), r.top() + r.height() * 0.36), look);
        DrawLabel(p, QRectF(r.left(), r.top() + r.height() * 0.58, r.width(), r.height() * 0.38),
                  label, JpFont(12, true), look.Text);
    });
}

QImage LevelStrip(int level)
{
    return MakeStrip(QSize(244, 38), {F::Normal, F::Pressed, F::Chosen}, Palette::Page,
                     [&](QPainter &p, const QRectF &cell, F frame) {
        const TFaceLook look = DrawButtonFace(p, cell.adjusted(0, 2, -2, -1), TFace::Plain, frame);
        const QRectF r = look.Face;
        const QPointF dot(r.left() + 20, r.center().y());
        if (frame == F::Chosen) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(dot, 9, 9);
            DrawCheckMark(p, dot, 11, Palette::Chosen, 2.4);
        } else {
            p.setPen(QPen(Palette::PanelLine, 2));
            p.setBrush(Qt::white);
            p.drawEllipse(dot, 8, 8);
        }
        DrawLabel(p, r.adjusted(40, 0, 0, 0), QStringLiteral("レベル %1").arg(level), JpFont(17, true),
                  look.Text, Qt::AlignVCenter | Qt::AlignLeft);
        DrawLabel(p, r.adjusted(0, 0, -12, 0), frame == F::Chosen ? QStringLiteral("選択中") : QStringLiteral("選ぶ"),
                  JpFont(11), frame == F::Chosen ? QColor(Qt::white) : Palette::Muted, Qt::AlignVCenter | Qt::AlignRight);
    });
}

} // namespace

void AddMainButtons(TArtworkList &list)
{
    const std::vector<F> three{F::Normal, F::Pressed, F::Hover};
    const std::vector<F> four{F::Normal, F::Pressed, F::Hover, F::Unavailable};

    list.push_back({QStringLiteral("ImgBtn1"), MakeLabelStrip(QSize(192, 40), three, TFace::Primary, QStringLiteral("トレーニング"), 17), 3});
    list.push_back({QStringLiteral("ImgBtn2"), MakeLabelStrip(QSize(192, 40), three, TFace::Secondary, QStringLiteral("使い方"), 17), 3});
    list.push_back({QStringLiteral("ImgBtn3"), MakeLabelStrip(QSize(308, 40), {F::Normal, F::Pressed}, TFace::Plain, QStringLiteral("インフォメーション"), 16), 2});

    list.push_back({QStringLiteral("ImgBtnPrev"), IconStrip(QSize(50, 52), four, TFace::Secondary, QStringLiteral("前へ"),
        [](QPainter &p, const QPointF &c, const TFaceLook &l) { DrawTriangles(p, c, 10, false, 1, l.Text); }), 4});
    list.push_back({QStringLiteral("ImgBtnNext"), IconStrip(QSize(50, 52), four, TFace::Secondary, QStringLiteral("次へ"),
        [](QPainter &p, const QPointF &c, const TFaceLook &l) { DrawTriangles(p, c, 10, true, 1, l.Text); }), 4});

    list.push_back({QStringLiteral("bNameSelect"), MakeLabelStrip(QSize(130, 22), three, TFace::Plain, QStringLiteral("名前の選択"), 12), 3});
    for (int level = 1; level <= 8; ++level)
        list.push_back({QStringLiteral("bLevel%1").arg(level), LevelStrip(level), 3});

    list.push_back({QStringLiteral("bRewind"), IconStrip(QSize(52, 52), four, TFace::Secondary, QStringLiteral("戻る"),
        [](QPainter &p, const QPointF &c, const TFaceLook &l) { DrawTriangles(p, c, 9, false, 2, l.Text); }), 4});
    list.push_back({QStringLiteral("bForward"), IconStrip(QSize(52, 52), four, TFace::Secondary, QStringLiteral("次へ"),
        [](QPainter &p, const QPointF &c, const TFaceLook &l) { DrawTriangles(p, c, 9, true, 2, l.Text); }), 4});
    list.push_back({QStringLiteral("bHint"), IconStrip(QSize(44, 52), three, TFace::Secondary, QStringLiteral("ヒント"),
        [](QPainter &p, const QPointF &c, const TFaceLook &l) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xFF, 0xD2, 0x4A));
            p.drawEllipse(c + QPointF(0, -1.5), 6.5, 6.5);
            p.setBrush(l.Text);
            p.drawRoundedRect(QRectF(c.x() - 3.5, c.y() + 5, 7, 4), 1.5, 1.5);
        }), 3});
    list.push_back({QStringLiteral("bNatural"), MakeStrip(QSize(20, 32), three, Palette::Page, [](QPainter &p, const QRectF &cell, F frame) {
        const TFaceLook look = DrawButtonFace(p, cell, TFace::Secondary, frame);
        DrawSpeaker(p, look.Face.center() + QPointF(1, 0), 14, look.Text);
    }), 3});
    list.push_back({QStringLiteral("bTrans2"), MakeStrip(QSize(36, 52), four, Palette::Page, [](QPainter &p, const QRectF &cell, F frame) {
        const TFaceLook look = DrawButtonFace(p, cell, TFace::Secondary, frame);
        DrawLabel(p, look.Face, QStringLiteral("訳"), JpFont(22, true), look.Text);
    }), 4});
    list.push_back({QStringLiteral("bSetup"), MakeStrip(QSize(27, 27), three, Palette::Page, [](QPainter &p, const QRectF &cell, F frame) {
        const TFaceLook look = DrawButtonFace(p, cell, TFace::Plain, frame);
        DrawGear(p, look.Face.center(), 8.5, look.Text, look.Fill);
    }), 3});
    list.push_back({QStringLiteral("imgCheck"), MakeStrip(QSize(42, 42), {F::Normal, F::Chosen}, Qt::white, [](QPainter &p, const QRectF &cell, F frame) {
        const QRectF box = cell.adjusted(5, 5, -5, -5);
        if (frame == F::Chosen) {
            FillRounded(p, box, Palette::Check);
            DrawCheckMark(p, box.center(), 22, Qt::white, 4);
        } else {
            FillRounded(p, box, Qt::white, QColor(0x9A, 0xA6, 0xB4));
            FillRounded(p, box.adjusted(1.5, 1.5, -1.5, -1.5), Qt::white, QColor(0x9A, 0xA6, 0xB4));
        }
    }), 2});
    for (const char *name : {"bBack1", "bBack2"})
        list.push_back({QString::fromLatin1(name), IconStrip(QSize(71, 52), three, TFace::Plain, QStringLiteral("戻る"),
            [](QPainter &p, const QPointF &c, const TFaceLook &l) {
                p.setPen(QPen(l.Text, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.setBrush(Qt::NoBrush);
                QPainterPath path;
                path.moveTo(c + QPointF(9, 6));
                path.lineTo(c + QPointF(9, -1));
                path.lineTo(c + QPointF(-5, -1));
                p.drawPath(path);
                DrawArrowHead(p, c + QPointF(-10, -1), 6, false, l.Text);
            }), 3});
}
