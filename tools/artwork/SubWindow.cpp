// The sub-window: user list, name entry, delete confirmation and options,
// with their buttons and option switches.

#include "Artwork.h"
#include "ArtPaint.h"

#include <QPainterPath>

namespace {

using F = TFrame;

// A blank sub-window page: pale ground, a thin frame (the window has no
// border of its own) and a navy title bar.
QImage SubPage(const QString &title, QPainter &p, QImage &image)
{
    image = NewImage(700, 525, Palette::Page);
    p.begin(&image);
    PrepareSmooth(p);
    p.fillRect(QRect(0, 0, 700, 46), Palette::Navy);
    DrawLabel(p, QRectF(24, 0, 400, 46), title, JpFont(20, true), Qt::white, Qt::AlignVCenter | Qt::AlignLeft);
    DrawLabel(p, QRectF(400, 0, 276, 46), QStringLiteral("TypeKo"), LatinFont(14, true), QColor(0x9F, 0xB6, 0xD3),
              Qt::AlignVCenter | Qt::AlignRight);
    p.setPen(QPen(Palette::NavyDeep, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 698, 523));
    return image;
}

// A white well where a native control or the program's drawing lies.
void Well(QPainter &p, const QRectF &inner, double pad = 4)
{
    FillRounded(p, inner.adjusted(-pad, -pad, pad, pad), Qt::white, QColor(0x9A, 0xA6, 0xB4), 4);
}

QImage UserList()
{
    QImage image;
    QPainter p;
    SubPage(QStringLiteral("ユーザー"), p, image);
    DrawLabel(p, QRectF(0, 80, 700, 40), QStringLiteral("ユーザーを選んでください"), JpFont(22, true), Palette::Navy);
    DrawLabel(p, QRectF(0, 118, 700, 24), QStringLiteral("練習の記録はユーザーごとに保存されます。"), JpFont(13), Palette::Muted);
    Well(p, QRectF(238, 173, 171, 219));
    DrawLabel(p, QRectF(444, 250, 200, 60), QStringLiteral("新しいユーザーを追加したり、\n不要なユーザーを削除したりできます。"),
              JpFont(11), Palette::Muted, Qt::AlignLeft | Qt::AlignTop);
    p.end();
    return image;
}

QImage NameEntry()
{
    QImage image;
    QPainter p;
    SubPage(QStringLiteral("ユーザーの追加"), p, image);
    DrawLabel(p, QRectF(0, 130, 700, 40), QStringLiteral("新しい名前を入力してください"), JpFont(22, true), Palette::Navy);
    DrawLabel(p, QRectF(140, 235, 98, 20), QStringLiteral("名前:"), JpFont(15, true), Palette::Ink, Qt::AlignVCenter | Qt::AlignRight);
    Well(p, QRectF(253, 235, 191, 20), 6);
    DrawLabel(p, QRectF(0, 285, 700, 24), QStringLiteral("名前は12文字までです。日本語も使えます。"), JpFont(14), Palette::Ink);
    DrawLabel(p, QRectF(0, 310, 700, 24), QStringLiteral("（例: taro2024、はなこ）"), JpFont(13), Palette::Muted);
    p.end();
    return image;
}

QImage DeleteConfirmation()
{
    QImage image;
    QPainter p;
    SubPage(QStringLiteral("ユーザーの削除"), p, image);
    QPainterPath sign;
    sign.moveTo(350, 78);
    sign.lineTo(386, 140);
    sign.lineTo(314, 140);
    sign.closeSubpath();
    p.setPen(QPen(Palette::Warning, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Palette::Warning);
    p.drawPath(sign);
    DrawLabel(p, QRectF(314, 92, 72, 48), QStringLiteral("!"), LatinFont(34, true), Qt::white);
    DrawLabel(p, QRectF(0, 160, 700, 40), QStringLiteral("このユーザーを削除しますか？"), JpFont(22, true), Palette::Navy);
    Well(p, QRectF(248, 230, 203, 30));
    DrawLabel(p, QRectF(0, 285, 700, 24), QStringLiteral("削除した練習の記録は元に戻せません。"), JpFont(14), Palette::Warning);
    p.end();
    return image;
}

QImage Options()
{
    QImage image;
    QPainter p;
    SubPage(QStringLiteral("設定"), p, image);
    DrawLabel(p, QRectF(90, 0, 400, 46), QStringLiteral("練習のしかたを選びます"), JpFont(13), QColor(0xC8, 0xD6, 0xE8),
              Qt::AlignVCenter | Qt::AlignLeft);
    FillRounded(p, QRectF(14, 58, 672, 398), Qt::white, Palette::PanelLine);
    struct TGroup { const char *Label; int Top, Bottom; };
    struct TSection { const char *Heading; int Top, Bottom; std::vector<TGroup> Groups; };
    const std::vector<TSection> sections{
        {"タイプ音", 64, 178, {{"正解音", 70, 127}, {"ミス音", 134, 172}}},
        {"単語練習", 179, 281, {{"下書き", 185, 223}, {"音声", 237, 275}}},
        {"例文練習", 287, 356, {{"和訳", 293, 350}}},
        {"英作文練習", 363, 450, {{"語順ガイド", 369, 446}}},
    };
    for (size_t i = 0; i < sections.size(); ++i) {
        const TSection &s = sections[i];
        if (i > 0)
            p.fillRect(QRectF(26, s.Top - 3, 648, 1), Palette::PanelLine);
        p.fillRect(QRectF(30, s.Top + 6, 4, 18), Palette::Accent);
        DrawLabel(p, QRectF(42, s.Top + 2, 170, 26), QString::fromUtf8(s.Heading), JpFont(16, true), Palette::Navy,
                  Qt::AlignVCenter | Qt::AlignLeft);
        for (const TGroup &g : s.Groups)
            DrawLabel(p, QRectF(200, g.Top, 186, 19), QString::fromUtf8(g.Label), JpFont(14, true), Palette::Ink,
                      Qt::AlignVCenter | Qt::AlignRight);
    }
    DrawLabel(p, QRectF(42, 396, 200, 40), QStringLiteral("主語・動詞などを色で示します"), JpFont(11), Palette::Muted,
              Qt::AlignLeft | Qt::AlignTop);
    p.end();
    return image;
}

QImage Switch(int width, const QString &label)
{
    return MakeStrip(QSize(width, 20), {F::Normal, F::Pressed, F::Chosen}, Qt::white, [&](QPainter &p, const QRectF &cell, F frame) {
        const QRectF face = cell.adjusted(0, 0, 0, -1);
        const QPointF shift = frame == F::Pressed ? QPointF(1, 1) : QPointF();
        if (frame == F::Chosen)
            FillRounded(p, face, Mix(Palette::Chosen, Qt::white, 0.86), QColor(), 4);
        else if (frame == F::Pressed)
            FillRounded(p, face, Palette::Sky, QColor(), 4);
        const QPointF dot = QPointF(face.left() + 11, face.center().y()) + shift;
        p.setPen(QPen(frame == F::Chosen ? Palette::Chosen : QColor(0x9A, 0xA6, 0xB4), 1.5));
        p.setBrush(Qt::white);
        p.drawEllipse(dot, 6.5, 6.5);
        if (frame == F::Chosen) {
            p.setPen(Qt::NoPen);
            p.setBrush(Palette::Chosen);
            p.drawEllipse(dot, 3.6, 3.6);
        }
        DrawLabel(p, face.adjusted(24, 0, 0, 0).translated(shift), label, JpFont(13, frame == F::Chosen),
                  frame == F::Chosen ? Palette::NavyDeep : Palette::Ink, Qt::AlignVCenter | Qt::AlignLeft);
    });
}

} // namespace

void AddSubWindow(TArtworkList &list)
{
    list.push_back({QStringLiteral("SCR11000"), UserList(), 1});
    list.push_back({QStringLiteral("SCR11001"), NameEntry(), 1});
    list.push_back({QStringLiteral("SCR11002"), DeleteConfirmation(), 1});
    list.push_back({QStringLiteral("SCR12100"), Options(), 1});

    const std::vector<F> three{F::Normal, F::Pressed, F::Hover};
    struct TButton { const char *Name; const char *Label; TFace Face; };
    const TButton buttons[] = {
        {"ImgBtnAdd", "追加", TFace::Plain},          {"ImgBtnDelete", "削除", TFace::Plain},
        {"ImgBtnCancel", "キャンセル", TFace::Plain}, {"ImgBtnCancelA", "キャンセル", TFace::Plain},
        {"ImgBtnAddA", "登録", TFace::Primary},       {"ImgBtnCancelD", "キャンセル", TFace::Plain},
        {"ImgBtnDeleteD", "削除する", TFace::Secondary},
    };
    for (const TButton &b : buttons)
        list.push_back({QLatin1String(b.Name), MakeLabelStrip(QSize(131, 31), three, b.Face, QString::fromUtf8(b.Label), 15), 3});
    list.push_back({QStringLiteral("ImgBtnSelect"), MakeLabelStrip(QSize(145, 35), three, TFace::Primary, QStringLiteral("選択"), 16), 3});

    struct TSwitch { const char *Name; int Width; const char *Label; };
    const TSwitch switches[] = {
        {"bTypeSound1", 220, "キーボード音"}, {"bTypeSound2", 220, "電子音"}, {"bTypeSound3", 220, "なし"},
        {"bMissSound1", 220, "鳴らす"}, {"bMissSound2", 220, "鳴らさない"},
        {"bDispWord1", 220, "下書きを表示する"}, {"bDispWord2", 220, "表示しない"},
        {"bVoice1", 220, "タイプ前に聞く"}, {"bVoice2", 220, "タイプ後に聞く"},
        {"bMeaning1", 220, "常に表示"}, {"bMeaning2", 220, "英文を聞いた後に表示"}, {"bMeaning3", 220, "表示しない"},
        {"bGuide1", 240, "色分け（その都度）"}, {"bGuide2", 240, "色分け（すべて）"},
        {"bGuide3", 240, "文型ラベルも表示"}, {"bGuide4", 220, "ガイドなし"},
    };
    for (const TSwitch &s : switches)
        list.push_back({QLatin1String(s.Name), Switch(s.Width, QString::fromUtf8(s.Label)), 3});
}
