// Full-window backgrounds of the main screens. The program draws over
// parts of them, so those places stay plain (white or the page colour).

#include "Artwork.h"
#include "ArtPaint.h"

namespace {

const QString AppTitle = QStringLiteral("タイポンで英作トレーニング（体験版）");

void Header(QPainter &p, int height, const QString &title)
{
    p.fillRect(QRect(0, 0, 800, height), Palette::Navy);
    p.fillRect(QRect(0, height, 800, 3), Palette::Accent);
    if (!title.isEmpty())
        DrawLabel(p, QRectF(40, 0, 560, height), title, JpFont(24, true), Qt::white, Qt::AlignVCenter | Qt::AlignLeft);
}

// The word mark: "Type" in navy and "Ko" in the accent, on key caps.
void WordMark(QPainter &p, const QPointF &centre, double keySize)
{
    const QString letters = QStringLiteral("TypeKo");
    const double gap = keySize * 0.14;
    const double width = letters.size() * keySize + (letters.size() - 1) * gap;
    for (int i = 0; i < letters.size(); ++i) {
        const QRectF key(centre.x() - width / 2 + i * (keySize + gap), centre.y() - keySize / 2, keySize, keySize);
        const QColor face = i >= 4 ? Palette::Accent : Palette::Navy;
        FillRounded(p, key.translated(0, keySize * 0.07), Mix(face, Qt::black, 0.3), QColor(), keySize * 0.16);
        FillRounded(p, key, face, QColor(), keySize * 0.16);
        DrawLabel(p, key.adjusted(0, -keySize * 0.04, 0, 0), letters.mid(i, 1), LatinFont(keySize * 0.58, true), Qt::white);
    }
}

QImage Title()
{
    QImage image = NewImage(800, 600, Palette::Page);
    QPainter p(&image);
    PrepareSmooth(p);
    p.fillRect(QRect(0, 0, 800, 8), Palette::Navy);
    WordMark(p, QPointF(400, 92), 58);
    DrawLabel(p, QRectF(0, 142, 800, 40), AppTitle, JpFont(26, true), Palette::Navy);
    DrawLabel(p, QRectF(0, 186, 800, 26), QStringLiteral("打って覚える英単語と英作文"), JpFont(15), Palette::Muted);
    p.fillRect(QRectF(360, 222, 80, 3), Palette::Accent);
    // Captions to the left of the three buttons say what each leads to.
    const struct { int Top; const char *Text; } captions[] = {
        {249, "レベルを選んで練習を始める"}, {335, "はじめての方はこちら"}, {409, "バージョンとクレジット"}};
    for (const auto &c : captions)
        DrawLabel(p, QRectF(40, c.Top, 250, 40), QString::fromUtf8(c.Text), JpFont(13), Palette::Muted,
                  Qt::AlignVCenter | Qt::AlignRight);
    p.fillRect(QRect(220, 566, 560, 1), Palette::PanelLine);
    DrawLabel(p, QRectF(200, 566, 580, 34), QStringLiteral("英単語のつづり・例文・英作文をタイピングで練習"), JpFont(12),
              Palette::Muted, Qt::AlignVCenter | Qt::AlignRight);
    return image;
}

QImage LevelMenu()
{
    QImage image = NewImage(800, 600, Palette::Page);
    QPainter p(&image);
    PrepareSmooth(p);
    Header(p, 60, QStringLiteral("レベルを選んでください"));
    DrawLabel(p, QRectF(300, 82, 100, 22), QStringLiteral("名前:"), JpFont(15, true), Palette::Ink, Qt::AlignVCenter | Qt::AlignRight);
    FillRounded(p, QRectF(404, 81, 170, 25), Qt::white, QColor(0x9A, 0xA6, 0xB4), 4);
    DrawLabel(p, QRectF(573, 128, 150, 31), QStringLiteral("進みぐあい"), JpFont(12, true), Palette::Navy,
              Qt::AlignVCenter | Qt::AlignLeft);
    // Row guides: alternate stripes across the number columns and bars.
    for (int k = 0; k < 9; ++k) {
        const int top = 162 + 38 * k;
        if (k == 8) {
            p.fillRect(QRect(40, top, 710, 38), Palette::Stripe);
            p.fillRect(QRect(40, top, 710, 2), Palette::Navy);
            DrawLabel(p, QRectF(59, top, 230, 38), QStringLiteral("合計"), JpFont(18, true), Palette::Navy,
                      Qt::AlignVCenter | Qt::AlignRight);
        } else if (k % 2 == 0) {
            p.fillRect(QRect(40, top, 710, 38), QColor(0xFF, 0xFF, 0xFF));
        }
        for (int right : {386, 468, 552})
            FillRounded(p, QRectF(right - 40, top + 8, 44, 21), Qt::white, Palette::PanelLine, 4);
        p.fillRect(QRect(572, top + 6, 152, 25), QColor(0xC9, 0xD1, 0xDB));
        p.fillRect(QRect(573, top + 7, 150, 23), QColor(0xEE, 0xF1, 0xF5));
    }
    // A legend for the bar colours, which the program draws in pure green and red.
    p.fillRect(QRect(560, 518, 14, 14), QColor(0, 255, 0));
    DrawLabel(p, QRectF(580, 512, 70, 26), QStringLiteral("覚えた"), JpFont(12), Palette::Ink, Qt::AlignVCenter | Qt::AlignLeft);
    p.fillRect(QRect(648, 518, 14, 14), QColor(255, 0, 0));
    DrawLabel(p, QRectF(668, 512, 110, 26), QStringLiteral("覚えていない"), JpFont(12), Palette::Ink, Qt::AlignVCenter | Qt::AlignLeft);
    DrawLabel(p, QRectF(120, 512, 420, 26), QStringLiteral("レベルをクリックすると、そのレベルのコースに進みます。"), JpFont(12),
              Palette::Muted, Qt::AlignVCenter | Qt::AlignLeft);
    return image;
}

QImage Course()
{
    QImage image = NewImage(800, 600, Palette::Page);
    QPainter p(&image);
    PrepareSmooth(p);
    Header(p, 58, QString());
    DrawLabel(p, QRectF(50, 66, 140, 36), QStringLiteral("① バンド"), JpFont(16, true), Palette::Navy, Qt::AlignVCenter | Qt::AlignLeft);
    DrawLabel(p, QRectF(50, 100, 140, 40), QStringLiteral("単語のまとまりを\n選びます"), JpFont(11), Palette::Muted,
              Qt::AlignTop | Qt::AlignLeft);
    DrawLabel(p, QRectF(41, 254, 300, 28), QStringLiteral("② 練習のしかたを選ぶ"), JpFont(16, true), Palette::Navy,
              Qt::AlignVCenter | Qt::AlignLeft);
    DrawLabel(p, QRectF(404, 254, 338, 28), QStringLiteral("③ 単語を選んでスタート"), JpFont(16, true), Palette::Navy,
              Qt::AlignVCenter | Qt::AlignLeft);
    FillRounded(p, QRectF(404, 286, 338, 246), Qt::white, Palette::PanelLine);
    // A bracket joins the word types to the "new words" choice above them.
    p.fillRect(QRectF(455, 404, 2, 73), QColor(0xB8, 0xC3, 0xD0));
    for (int y : {415, 435, 455, 477})
        p.fillRect(QRectF(455, y, 16, 2), QColor(0xB8, 0xC3, 0xD0));
    const struct { int Top; const char *Text; } notes[] = {
        {405, "初めて練習する単語"}, {425, "コースの順に"}, {445, "もう一度復習する"}};
    for (const auto &n : notes)
        DrawLabel(p, QRectF(614, n.Top, 124, 20), QString::fromUtf8(n.Text), JpFont(11), Palette::Muted, Qt::AlignVCenter | Qt::AlignLeft);
    DrawLabel(p, QRectF(658, 467, 82, 20), QStringLiteral("印を付けた単語"), JpFont(10), Palette::Muted, Qt::AlignVCenter | Qt::AlignLeft);
    DrawLabel(p, QRectF(662, 496, 78, 28), QStringLiteral("前回と同じ"), JpFont(11), Palette::Muted, Qt::AlignVCenter | Qt::AlignLeft);
    DrawLabel(p, QRectF(110, 540, 660, 30), QStringLiteral("1回のトレーニングで練習するのは最大10語です。"),
              JpFont(12), Palette::Muted, Qt::AlignVCenter | Qt::AlignLeft);
    return image;
}

QImage Training()
{
    QImage image = NewImage(800, 600, Qt::white);
    QPainter p(&image);
    PrepareSmooth(p);
    // Everything above y 450 is where the program draws; the command bar
    // below it carries the key captions.
    p.fillRect(QRect(0, 450, 800, 150), Palette::Page);
    p.fillRect(QRect(0, 450, 800, 1), Palette::PanelLine);
    p.fillRect(QRect(0, 196, 800, 1), QColor(0xEE, 0xF1, 0xF5));
    p.fillRect(QRect(0, 323, 800, 1), QColor(0xEE, 0xF1, 0xF5));
    DrawLabel(p, QRectF(98, 473, 60, 38), QStringLiteral("のこり"), JpFont(14, true), Palette::Navy, Qt::AlignVCenter | Qt::AlignLeft);
    DrawLabel(p, QRectF(240, 485, 58, 24), QStringLiteral("ミス"), JpFont(14, true), Palette::Navy, Qt::AlignVCenter | Qt::AlignRight);
    DrawLabel(p, QRectF(196, 536, 60, 27), QStringLiteral("設定"), JpFont(12), Palette::Muted, Qt::AlignVCenter | Qt::AlignLeft);
    const QFont keys = LatinFont(10, true);
    DrawLabel(p, QRectF(330, 577, 72, 20), QStringLiteral("Ctrl+F"), keys, Palette::Muted);
    DrawLabel(p, QRectF(392, 577, 72, 20), QStringLiteral("Ctrl+J"), keys, Palette::Muted);
    DrawLabel(p, QRectF(500, 533, 46, 32), QStringLiteral("音声"), JpFont(12, true), Palette::Navy, Qt::AlignVCenter | Qt::AlignRight);
    DrawLabel(p, QRectF(488, 567, 120, 14), QStringLiteral("Enter /"), keys, Palette::Muted);
    DrawLabel(p, QRectF(488, 581, 120, 14), QStringLiteral("Shift+Enter"), keys, Palette::Muted);
    DrawLabel(p, QRectF(614, 577, 60, 20), QStringLiteral("Ctrl+H"), keys, Palette::Muted);
    DrawLabel(p, QRectF(700, 577, 60, 20), QStringLiteral("Ctrl+I"), keys, Palette::Muted);
    DrawLabel(p, QRectF(736, 436, 64, 14), QStringLiteral("チェック"), JpFont(11), Palette::Muted);
    return image;
}

QImage StartScreen()
{
    QImage image = NewImage(800, 600, Palette::Page);
    QPainter p(&image);
    PrepareSmooth(p);
    Header(p, 56, QStringLiteral("まもなくスタート"));
    // Backdrops chosen for the fixed caption colours: light behind blue and
    // green, navy behind yellow.
    FillRounded(p, QRectF(170, 112, 460, 94), Qt::white, Palette::PanelLine, 10);
    FillRounded(p, QRectF(170, 206, 460, 76), Palette::Navy, QColor(), 10);
    p.fillRect(QRectF(170, 200, 460, 12), Palette::Navy);
    FillRounded(p, QRectF(170, 350, 460, 80), Qt::white, Palette::PanelLine, 10);
    const QFont caption = JpFont(13, true);
    DrawLabel(p, QRectF(30, 112, 130, 94), QStringLiteral("レベル"), caption, Palette::Muted, Qt::AlignVCenter | Qt::AlignRight);
    DrawLabel(p, QRectF(30, 206, 130, 76), QStringLiteral("バンド"), caption, Palette::Muted, Qt::AlignVCenter | Qt::AlignRight);
    DrawLabel(p, QRectF(30, 350, 130, 80), QStringLiteral("練習パターン"), caption, Palette::Muted, Qt::AlignVCenter | Qt::AlignRight);
    DrawLabel(p, QRectF(0, 292, 800, 50), QStringLiteral("準備はいいですか？"), JpFont(20, true), Palette::Navy);
    FillRounded(p, QRectF(250, 470, 300, 50), Palette::Accent, QColor(), 25);
    DrawLabel(p, QRectF(250, 470, 300, 50), QStringLiteral("Enterキーでスタート"), JpFont(20, true), Qt::white);
    DrawLabel(p, QRectF(0, 528, 800, 30), QStringLiteral("画面をクリックしても始まります"), JpFont(13), Palette::Muted);
    return image;
}

// The goodbye; unsaved says, in the same picture, that the progress of
// this time could not be kept.
QImage Closing(bool unsaved)
{
    QImage image = NewImage(800, 600, Palette::Navy);
    QPainter p(&image);
    PrepareSmooth(p);
    p.fillRect(QRect(0, 360, 800, 4), Palette::Accent);
    DrawLabel(p, QRectF(0, 200, 800, 70), QStringLiteral("おつかれさまでした"), JpFont(44, true), Qt::white);
    if (unsaved)
        DrawLabel(p, QRectF(0, 278, 800, 36), QStringLiteral("進み具合は保存されませんでした。"), JpFont(17),
                  QColor(0xFF, 0xD2, 0x8A));
    else
        DrawLabel(p, QRectF(0, 278, 800, 36), QStringLiteral("今日の練習は記録されました。また一緒に練習しましょう！"),
                  JpFont(17), QColor(0xC8, 0xD6, 0xE8));
    DrawLabel(p, QRectF(0, 390, 800, 40), QStringLiteral("TypeKo"), LatinFont(24, true), QColor(0x9F, 0xB6, 0xD3));
    return image;
}

} // namespace

void AddBackgrounds(TArtworkList &list)
{
    list.push_back({QStringLiteral("SCR00000"), Title(), 1});
    list.push_back({QStringLiteral("SCR10000"), LevelMenu(), 1});
    list.push_back({QStringLiteral("SCR12000"), Course(), 1});
    list.push_back({QStringLiteral("SCR13000"), Training(), 1});
    list.push_back({QStringLiteral("SCR88888"), StartScreen(), 1});
    list.push_back({QStringLiteral("SCR99999"), Closing(false), 1});
    list.push_back({QStringLiteral("SCR99999N"), Closing(true), 1});
}
