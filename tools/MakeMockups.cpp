// Places the embedded buttons over the embedded backgrounds at their form
// positions, screen by screen, with sample drawings where the program draws,
// so the finished screens can be judged before the windows exist.

#include "MainFormDescription.h"
#include "PngImage.h"
#include "ProgressBar.h"
#include "SubFormDescription.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {

QImage Picture(const char *name)
{
    const TPngResult result = LoadPicture(QString::fromUtf8(name));
    if (!result) {
        std::fprintf(stderr, "%s: %s\n", name, qPrintable(result.Error));
        std::exit(1);
    }
    return result.Image;
}

// The frame a control shows on a screen before anything is clicked, with
// the few frames and places the screen switch sets.
int FrameOn(const TControlDesc &c, int screen)
{
    const QString name = QString::fromUtf8(c.Name);
    if (screen == 20000 && name == u"ImgBtnPrev")
        return 3;
    if (screen == 20004 && name == u"ImgBtnNext")
        return 3;
    if (screen == 10000 && name == u"bLevel2")
        return 2;
    if (screen == 12000 && name == u"bWordAndSentence")
        return 3;
    // The options as a new user finds them, with the label guide chosen.
    if (screen == 12100 && (name == u"bTypeSound1" || name == u"bMissSound1" || name == u"bDispWord1"
                            || name == u"bVoice1" || name == u"bMeaning1" || name == u"bGuide3"))
        return 2;
    return c.ImageIndex;
}

QPoint PlaceOn(const TControlDesc &c, int screen)
{
    const QString name = QString::fromUtf8(c.Name);
    if (name == u"bBack1")
        return QPoint(c.Left, screen == 20005 ? 540 : 523);
    return QPoint(c.Left, c.Top);
}

QFont Face(const char *family, int pixels, bool bold)
{
    QFont font{QString::fromUtf8(family)};
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Digits from the digit strip ending at right edge x: black, red or white.
void DrawDigits(QPainter &p, int right, int top, int value, int column)
{
    static const QImage digits = Picture("FONTNUM");
    const QString text = QString::number(value);
    for (int k = 1; k <= text.size(); ++k) {
        const int d = text[text.size() - k].digitValue();
        const QRect source(column * 10, d * 13, 10, 13);
        const QPoint at(right - 10 * k, top);
        // The light cells take dark digits, the dark cell takes white ones.
        p.setCompositionMode(column == 2 ? QPainter::RasterOp_SourceOrDestination : QPainter::RasterOp_SourceAndDestination);
        p.drawImage(at, digits, source);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// A few sample drawings of the program, in its fixed colours.
void DrawSamples(QPainter &p, int screen)
{
    auto centred = [&](QRect box, const QString &text, const QFont &font, QColor colour) {
        p.setFont(font);
        p.setPen(colour);
        p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
    };
    switch (screen) {
    case 10000:
        p.setFont(Face("IPAPGothic", 16, false));
        p.setPen(QColor(0, 0, 255));
        p.drawText(QPoint(412, 100), QStringLiteral("taro"));
        {
            // Eight levels of 30 words at different stages, and their sum.
            const int known[8] = {24, 12, 5, 0, 0, 0, 0, 0};
            const int unknown[8] = {3, 6, 4, 0, 0, 0, 0, 0};
            int allKnown = 0;
            int allUnknown = 0;
            for (int r = 0; r <= 8; ++r) {
                const int k = r < 8 ? known[r] : allKnown;
                const int u = r < 8 ? unknown[r] : allUnknown;
                const int total = r < 8 ? 30 : 240;
                DrawDigits(p, 386, 38 * r + 173, total, 0);
                DrawDigits(p, 468, 38 * r + 173, k, 0);
                DrawDigits(p, 552, 38 * r + 173, u, 0);
                DrawProgressBar(p, 573, 38 * r + 169, 38 * r + 192, 150, k, u, total);
                if (r < 8) {
                    allKnown += k;
                    allUnknown += u;
                }
            }
        }
        break;
    case 12000:
        p.setFont(Face("IPAexGothic", 32, true));
        p.setPen(Qt::white);
        p.drawText(QRect(50, 16, 300, 40), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("レベル2"));
        for (int top : {66, 105, 145}) {
            DrawDigits(p, 204 + 216, top + 12, 3, 0);
            DrawDigits(p, 204 + 274, top + 12, 40, 2);
            DrawDigits(p, 204 + 332, top + 12, 12, 0);
            DrawDigits(p, 204 + 386, top + 12, 8, 1);
        }
        DrawDigits(p, 194 + 226, 190 + 16, 9, 0);
        DrawDigits(p, 194 + 284, 190 + 16, 120, 2);
        DrawDigits(p, 194 + 342, 190 + 16, 36, 0);
        DrawDigits(p, 194 + 396, 190 + 16, 24, 1);
        p.fillRect(QRect(204 + 402, 66 + 6, 36, 23), QColor(0, 255, 0));
        p.fillRect(QRect(204 + 438, 66 + 6, 25, 23), QColor(255, 0, 0));
        break;
    case 88888:
        centred(QRect(200, 124, 400, 70), QStringLiteral("レベル2"), Face("IPAPGothic", 75, true), QColor(0, 0, 255));
        centred(QRect(200, 212, 400, 60), QStringLiteral("バンドA"), Face("IPAPGothic", 56, true), QColor(255, 255, 0));
        centred(QRect(200, 362, 400, 60), QStringLiteral("word & sentence"), Face("IPAPGothic", 51, true), QColor(0, 128, 0));
        break;
    case 13000: {
        const QImage large = Picture("FONTLARGE");
        const int widths[] = {41, 41, 41, 40, 41, 28, 46, 40, 12, 21, 43, 12, 57, 40, 41, 41, 40, 30, 41, 32, 40, 45, 61, 44, 44, 38};
        const QString word = QStringLiteral("receive");
        int total = 0;
        for (QChar ch : word)
            total += widths[ch.toLatin1() - 'a'] + 3;
        int x = 10 + (780 - total) / 2;
        for (int i = 0; i < word.size(); ++i) {
            const int row = word[i].toLatin1() - 'a';
            if (i < 4)
                p.drawImage(QPoint(x, 198), large, QRect(0, row * 70, 61, 70));
            if (i == 4)
                p.fillRect(QRect(x, 270, 28, 6), QColor(255, 0, 153));
            x += widths[row] + 3;
        }
        p.drawImage(QPoint(3, 13), Picture("HINSHI4"));
        p.setFont(Face("IPAPGothic", 24, false));
        p.setPen(Qt::black);
        p.drawText(QRect(50, 150, 700, 45), Qt::AlignCenter, QStringLiteral("受け取る、受ける"));
        p.setFont(Face("IPAPGothic", 16, false));
        p.setPen(QColor(255, 0, 0));
        p.drawText(QRect(116, 422, 568, 25), Qt::AlignCenter, QStringLiteral("単語をタイプしてください"));
        const QImage counter = Picture("COUNTER");
        p.drawImage(QRect(15 + 35, 473, 30, 38), counter, QRect(270 - 30 * 7, 0, 30, 38));
        p.drawImage(QRect(303, 485, 194, 24), Picture("MISSMETER"), QRect(0, 2 * 26, 194, 26));
        p.drawImage(QPoint(387, 451), Picture("FLAG"), QRect(0, 28, 26, 28));
        p.fillRect(QRect(8, 116, 780, 16), QColor(255, 255, 0));
        p.setFont(Face("IPAPGothic", 12, false));
        p.setPen(QColor(128, 128, 128));
        p.drawText(QPoint(20, 128), QStringLiteral("特訓モードに入りました･･･"));
        break;
    }
    default:
        break;
    }
}

QImage Mockup(const TFormDesc &form, int screen)
{
    QImage image = Picture(QStringLiteral("SCR%1").arg(screen, 5, 10, QLatin1Char('0')).toUtf8().constData())
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const TControlDesc &c : form.Controls) {
        if (!c.Screens.Contains(screen))
            continue;
        const QPoint at = PlaceOn(c, screen);
        if (c.Picture != nullptr) {
            const QImage strip = Picture(c.Picture);
            const int width = strip.width() / c.NumBitmaps;
            p.drawImage(at, strip, QRect(FrameOn(c, screen) * width, 0, width, strip.height()));
        } else if (c.Kind == TControlKind::PushButton) {
            p.fillRect(QRect(at, QSize(c.Width, c.Height)), QColor(0xE1, 0xE1, 0xE1));
            p.setPen(QColor(0x70, 0x70, 0x70));
            p.drawRect(QRect(at, QSize(c.Width - 1, c.Height - 1)));
            p.setFont(Face("DejaVu Sans", 11, false));
            p.setPen(Qt::black);
            p.drawText(QRect(at, QSize(c.Width, c.Height)), Qt::AlignCenter, QString::fromUtf8(c.Text.Caption));
        } else if (c.Kind == TControlKind::ListBox || c.Kind == TControlKind::Edit) {
            p.fillRect(QRect(at, QSize(c.Width, c.Height)), Qt::white);
            p.setFont(Face("IPAPGothic", c.Kind == TControlKind::Edit ? 19 : 16, c.Kind == TControlKind::Edit));
            p.setPen(QColor(0, 0, 255));
            p.drawText(QRect(at + QPoint(2, 0), QSize(c.Width, 20)), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("taro"));
        } else if (c.Kind == TControlKind::Label) {
            p.setFont(Face("IPAPGothic", 12, false));
            p.setPen(Qt::black);
            p.drawText(QRect(at, QSize(c.Width, c.Height)), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Version 1.0"));
        }
    }
    if (screen == 11002) {
        p.setFont(Face("IPAPGothic", 16, true));
        p.setPen(QColor(255, 0, 0));
        p.drawText(QPoint(248 + 8, 230 + 8 + 14), QStringLiteral("taro"));
    }
    DrawSamples(p, screen);
    return image;
}

// The training screen in the sentence stage: a completed sentence with its
// element bands, composed from the small glyph strip at the pitch of 14.
QImage SentenceMockup()
{
    QImage image = Mockup(MainFormDescription(), 13000);
    QPainter p(&image);
    p.fillRect(QRect(0, 13, 600, 100), Qt::white);
    p.fillRect(QRect(0, 150, 800, 45), Qt::white);
    p.fillRect(QRect(0, 198, 800, 124), Qt::white);
    p.fillRect(QRect(8, 116, 780, 16), Qt::white);
    const QImage small = Picture("FONTSMALL");
    const QString rows = QStringLiteral("abcdefghijklmnopqrstuvwxyz,.'?\"ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890!:- ");
    const struct { const char *Text; QColor Colour; } chunks[] = {
        {"I ", QColor(0, 153, 255)}, {"received ", QColor(255, 0, 0)}, {"a present ", QColor(0, 238, 0)},
        {"from my aunt.", QColor(192, 192, 192)}};
    QString sentence;
    for (const auto &c : chunks)
        sentence += QString::fromLatin1(c.Text);
    const int x0 = 10 + (780 - 14 * int(sentence.size())) / 2, top = 198;
    int start = 0;
    for (const auto &c : chunks) {
        const int count = int(qstrlen(c.Text));
        p.fillRect(QRect(x0 + 14 * start, top, 14 * (start + count) - 6 - 14 * start, 32), c.Colour);
        start += count;
    }
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    for (int i = 0; i < sentence.size(); ++i) {
        const int row = int(rows.indexOf(sentence[i]));
        p.drawImage(QPoint(x0 + 14 * i, top + 4), small, QRect(0, (row < 0 ? 71 : row) * 27, 21, 27));
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // A second line as it looks while typing: black typed, squares still hidden.
    const QString typing = QStringLiteral("She has two cats.");
    for (int i = 0; i < typing.size(); ++i) {
        const int row = i < 7 ? int(rows.indexOf(typing[i])) : (typing[i] == QLatin1Char(' ') ? 70 : 71);
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        p.drawImage(QPoint(x0 + 14 * i, top + 64), small, QRect(i < 7 ? 0 : 21, row * 27, 21, 27));
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.fillRect(QRect(x0 + 14 * 7 + 7, top + 97, 7, 3), QColor(255, 0, 153));
    p.drawImage(QRect(x0 + 4 + 100, top + 64 + 27 + 12, 54, 15), Picture("SVOC"), QRect(211, 15, 54, 15));
    p.setFont(Face("IPAPGothic", 16, false));
    p.setPen(Qt::black);
    p.drawText(QRect(0, 330, 800, 50), Qt::AlignCenter, QStringLiteral("私は　プレゼントを　受け取った　おばから"));
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int screen : {0, 10000, 12000, 13000, 88888, 20000, 20002, 20003, 20005, 99999})
        if (!Mockup(MainFormDescription(), screen).save(folder.filePath(QStringLiteral("mockup-%1.png").arg(screen))))
            return 1;
    if (!SentenceMockup().save(folder.filePath(QStringLiteral("mockup-13000-sentence.png"))))
        return 1;
    for (int screen : {11000, 11001, 11002, 12100})
        if (!Mockup(SubFormDescription(), screen).save(folder.filePath(QStringLiteral("mockup-%1.png").arg(screen))))
            return 1;
    return 0;
}
