// Small pictures of the training screen: the miss meter, the result flag,
// the counter digits, the sentence-element labels, the voice markers and
// the part-of-speech cards.

#include "Artwork.h"
#include "ArtPaint.h"

#include <QPainterPath>

#include <array>

namespace {

const QColor MeterYellow(0xFF, 0xD2, 0x00);
const QColor MeterMagenta(0xE0, 0x1E, 0x84);

QImage MissMeter()
{
    // Row n is the meter after n misses: the yellow right half drains first,
    // then the left half turns magenta and drains; the last row is empty.
    // Columns 194 to 199 hold a frame edge that the program leaves out.
    QImage meter = NewImage(200, 11 * 26, Palette::Page);
    QPainter painter(&meter);
    const int halfWidth = 95;
    for (int n = 0; n <= 10; ++n) {
        const int top = n * 26;
        const QRect track(1, top + 3, 192, 20);
        painter.fillRect(track, QColor(0xC9, 0xD1, 0xDB));
        painter.fillRect(track.adjusted(1, 1, -1, -1), QColor(0x3A, 0x46, 0x55));
        const QRect left(2, top + 4, halfWidth, 18);
        const QRect right(2 + halfWidth + 1, top + 4, halfWidth - 1, 18);
        if (n < 5) {
            painter.fillRect(left, MeterYellow);
            painter.fillRect(QRect(right.left(), right.top(), right.width() * (5 - n) / 5, 18), MeterYellow);
        } else if (n < 10) {
            painter.fillRect(QRect(left.left(), left.top(), left.width() * (10 - n) / 5, 18), MeterMagenta);
        }
        // Ticks every miss, so the learner can count what is left.
        for (int k = 1; k < 10; ++k)
            painter.fillRect(QRect(2 + k * 19, top + 4, 1, 18), QColor(0, 0, 0, 40));
        painter.fillRect(QRect(194, top, 6, 26), Palette::Navy);
    }
    return meter;
}

void DrawFlag(QPainter &painter, int top, const QColor &cloth, bool good)
{
    painter.fillRect(QRectF(3, top + 2, 2.5, 25), QColor(0x4A, 0x55, 0x63));
    QPainterPath path;
    if (good) {
        path.moveTo(5.5, top + 3);
        path.cubicTo(12, top + 0, 17, top + 7, 24, top + 4);
        path.lineTo(24, top + 15);
        path.cubicTo(17, top + 18, 12, top + 11, 5.5, top + 14);
    } else {
        path.moveTo(5.5, top + 3);
        path.lineTo(20, top + 6);
        path.lineTo(15, top + 10);
        path.lineTo(20, top + 16);
        path.lineTo(5.5, top + 15);
    }
    path.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(cloth);
    painter.drawPath(path);
    if (good)
        DrawCheckMark(painter, QPointF(14.5, top + 9), 8, Qt::white, 1.8);
}

QImage Flag()
{
    QImage flag = NewAlphaImage(26, 56);
    QPainter painter(&flag);
    PrepareSmooth(painter);
    DrawFlag(painter, 0, QColor(0xD9, 0x3F, 0x3F), false);
    DrawFlag(painter, 28, QColor(0x2E, 0x9E, 0x5B), true);
    return flag;
}

QImage Counter()
{
    QImage counter = NewImage(300, 38, QColor(0x1F, 0x5F, 0xB5));
    QPainter painter(&counter);
    PrepareSmooth(painter);
    for (int d = 0; d < 10; ++d) {
        const QRectF cell(270 - 30 * d, 0, 30, 38);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(32);
        font.setBold(true);
        DrawLabel(painter, cell.adjusted(0, 1, 0, 0), QString::number(d), font,
                  QColor(0xF4, 0xF8, 0xFF));
    }
    return counter;
}

QImage SvocLabels()
{
    QImage labels = NewImage(265, 30, Qt::white);
    QPainter painter(&labels);
    PrepareSmooth(painter);
    const QFont font = JpFont(11, true);
    const QColor silver(0x9A, 0xA0, 0xA8);
    for (int row = 0; row < 2; ++row) {
        const double top = row * 15;
        const bool lit = row == 1;
        auto box = [&](double left, double width, const QColor &fill, const QString &text, const QColor &ink) {
            FillRounded(painter, QRectF(left + 0.5, top + 0.5, width - 1, 14), fill, QColor(), 3);
            DrawLabel(painter, QRectF(left, top, width, 15), text, font, ink);
        };
        auto arrowed = [&](double left, double width, const QString &text, const QColor &ink) {
            painter.setPen(QPen(ink, 1.4));
            painter.drawLine(QPointF(left + 1, top + 7.5), QPointF(left + 6, top + 7.5));
            DrawArrowHead(painter, QPointF(left + 9.5, top + 7.5), 4, true, ink);
            DrawLabel(painter, QRectF(left + 10, top, width - 10, 15), text, font, ink);
        };
        box(0, 27, lit ? Qt::black : QColor(0x1F, 0x6F, 0xD0), QStringLiteral("主語"), lit ? QColor(255, 235, 0) : Qt::white);
        box(27, 27, lit ? Qt::black : QColor(0xD9, 0x30, 0x30), QStringLiteral("動詞"), lit ? QColor(255, 235, 0) : Qt::white);
        const QColor word = lit ? QColor(0xE0, 0x00, 0x00) : QColor(0x1F, 0x5F, 0xC8);
        arrowed(54, 31, QStringLiteral("名詞"), word);
        arrowed(85, 80, QStringLiteral("名詞・形容詞"), word);
        DrawLabel(painter, QRectF(165, top, 46, 15), QStringLiteral("(接続詞)"), font, lit ? Qt::black : silver);
        arrowed(211, 54, QStringLiteral("補足情報"), lit ? Qt::black : silver);
    }
    return labels;
}

QImage SoundMarks()
{
    QImage marks = NewImage(100, 10, Qt::white);
    QPainter painter(&marks);
    PrepareSmooth(painter);
    DrawPronunciationMark(painter, QPointF(0, 0), 0);
    DrawPronunciationMark(painter, QPointF(50, 0), 1);
    return marks;
}

QImage PartOfSpeechCard(const QString &name, const QString &english, const QColor &colour)
{
    QImage card = NewImage(195, 99, Qt::white);
    QPainter painter(&card);
    PrepareSmooth(painter);
    FillRounded(painter, QRectF(6, 8, 183, 83), Mix(colour, Qt::white, 0.88), colour, 10);
    FillRounded(painter, QRectF(6, 8, 12, 83), colour, QColor(), 6);
    painter.fillRect(QRectF(12, 8.5, 8, 82), colour);
    DrawLabel(painter, QRectF(20, 12, 169, 52), name, JpFont(name.size() > 2 ? 32 : 36, true), Mix(colour, Qt::black, 0.25));
    DrawLabel(painter, QRectF(20, 60, 169, 24), english, LatinFont(14), Mix(colour, Qt::black, 0.1));
    return card;
}

} // namespace

void DrawPronunciationMark(QPainter &painter, const QPointF &topLeft, int cell)
{
    // A short blue tag for a sound and a long orange one for the stress:
    // told apart by colour and length before they are read. The text is
    // hinted to the pixel grid so that it stays sharp at ten pixels.
    const bool accent = cell == 1;
    const QRectF tag = accent ? QRectF(topLeft.x() + 1, topLeft.y(), 48, 10) : QRectF(topLeft.x() + 10, topLeft.y(), 30, 10);
    QPainterPath shape;
    shape.addRoundedRect(tag, 3, 3);
    painter.fillPath(shape, accent ? QColor(0xD0, 0x5A, 0x00) : QColor(0x1F, 0x5F, 0xC0));
    QFont font = JpFont(accent ? 9 : 10, true);
    font.setHintingPreference(QFont::PreferFullHinting);
    DrawLabel(painter, tag, accent ? QStringLiteral("アクセント") : QStringLiteral("発音"), font, Qt::white);
}

void AddMarks(TArtworkList &list)
{
    list.push_back({QStringLiteral("MISSMETER"), MissMeter(), 1});
    list.push_back({QStringLiteral("FLAG"), Flag(), 1});
    list.push_back({QStringLiteral("COUNTER"), Counter(), 10});
    list.push_back({QStringLiteral("SVOC"), SvocLabels(), 1});
    list.push_back({QStringLiteral("SOUND"), SoundMarks(), 2});
    struct TPart { const char *Name; const char *English; QColor Colour; };
    const std::array<TPart, 8> parts{{
        {"名詞", "noun", QColor(0x1F, 0x6F, 0xD0)},
        {"形容詞", "adjective", QColor(0xE0, 0x7B, 0x00)},
        {"副詞", "adverb", QColor(0x8E, 0x44, 0xAD)},
        {"動詞", "verb", QColor(0xD9, 0x30, 0x30)},
        {"代名詞", "pronoun", QColor(0x13, 0x8D, 0x90)},
        {"接続詞", "conjunction", QColor(0x7A, 0x6A, 0x58)},
        {"前置詞", "preposition", QColor(0x2E, 0x9E, 0x5B)},
        {"助動詞", "auxiliary verb", QColor(0xC0, 0x39, 0x8B)},
    }};
    for (size_t i = 0; i < parts.size(); ++i)
        list.push_back({QStringLiteral("HINSHI%1").arg(i + 1),
                        PartOfSpeechCard(QString::fromUtf8(parts[i].Name), QString::fromLatin1(parts[i].English), parts[i].Colour), 1});
}
