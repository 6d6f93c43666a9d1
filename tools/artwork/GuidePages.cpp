// The five pages of the user guide and the information page: real help for
// a learner who opens the program for the first time.

#include "Artwork.h"
#include "ArtPaint.h"

#include <functional>

namespace {

const QFont &Body()
{
    static const QFont font = JpFont(15);
    return font;
}

// A page with its header, the page number between the previous and next
// buttons (325 and 425, y 523) and room for the back button at the left.
QImage GuidePage(int number, const QString &title, const std::function<void(QPainter &)> &body)
{
    QImage image = NewImage(800, 600, Palette::Page);
    QPainter p(&image);
    PrepareSmooth(p);
    p.fillRect(QRect(0, 0, 800, 56), Palette::Navy);
    p.fillRect(QRect(0, 56, 800, 3), Palette::Accent);
    DrawLabel(p, QRectF(28, 0, 90, 56), QStringLiteral("使い方"), JpFont(15, true), QColor(0x9F, 0xB6, 0xD3),
              Qt::AlignVCenter | Qt::AlignLeft);
    DrawLabel(p, QRectF(100, 0, 560, 56), title, JpFont(23, true), Qt::white, Qt::AlignVCenter | Qt::AlignLeft);
    DrawLabel(p, QRectF(640, 0, 136, 56), QStringLiteral("%1 / 5").arg(number), LatinFont(16, true),
              QColor(0xC8, 0xD6, 0xE8), Qt::AlignVCenter | Qt::AlignRight);
    for (int i = 1; i <= 5; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i == number ? Palette::Accent : Palette::PanelLine);
        p.drawEllipse(QPointF(400 + (i - 3) * 9, 553), 3, 3);
    }
    p.fillRect(QRect(0, 512, 800, 1), Palette::PanelLine);
    body(p);
    return image;
}

// A white card with a heading and wrapped text; returns the card's bottom.
double Card(QPainter &p, const QRectF &box, const QString &heading, const QString &text)
{
    FillRounded(p, box, Qt::white, Palette::PanelLine);
    p.fillRect(QRectF(box.left() + 14, box.top() + 16, 4, 18), Palette::Accent);
    DrawLabel(p, QRectF(box.left() + 26, box.top() + 12, box.width() - 40, 26), heading, JpFont(16, true),
              Palette::Navy, Qt::AlignVCenter | Qt::AlignLeft);
    const double used = DrawParagraph(p, QRectF(box.left() + 16, box.top() + 46, box.width() - 32, box.height() - 52),
                                      text, Body(), Palette::Ink);
    return box.top() + 46 + used;
}

// A small key cap with its name, for the key tables.
void KeyCap(QPainter &p, const QRectF &box, const QString &name)
{
    FillRounded(p, box.translated(0, 2), QColor(0xB8, 0xC3, 0xD0), QColor(), 4);
    FillRounded(p, box, Qt::white, QColor(0x9A, 0xA6, 0xB4), 4);
    DrawLabel(p, box, name, LatinFont(11, true), Palette::Navy);
}

void Step(QPainter &p, const QRectF &box, int n, const QString &text, bool last)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Navy);
    p.drawEllipse(QRectF(box.left(), box.top() + 4, 26, 26));
    DrawLabel(p, QRectF(box.left(), box.top() + 4, 26, 26), QString::number(n), LatinFont(13, true), Qt::white);
    DrawLabel(p, QRectF(box.left() + 36, box.top() - 6, box.width() - 36, 46), text, Body(), Palette::Ink,
              Qt::AlignVCenter | Qt::AlignLeft);
    if (!last)
        p.fillRect(QRectF(box.left() + 12, box.top() + 32, 2, box.height() - 30), Palette::PanelLine);
}

QImage Page1()
{
    return GuidePage(1, QStringLiteral("このソフトでできること"), [](QPainter &p) {
        Card(p, QRectF(24, 76, 360, 300), QStringLiteral("打ちながら覚える英語"),
             QStringLiteral("英単語のつづり、例文、英作文を、キーボードで打ちながら練習します。\n"
                            "単語には日本語の意味と品詞、例文には日本語訳が付きます。\n"
                            "打ち終えた例文は、主語・動詞などの文の要素が色で示されるので、英文の組み立てもわかります。\n"
                            "結果は名前ごとに記録され、覚えた単語・覚えていない単語がひと目でわかります。"));
        FillRounded(p, QRectF(404, 76, 372, 424), Qt::white, Palette::PanelLine);
        DrawLabel(p, QRectF(420, 86, 340, 30), QStringLiteral("練習の流れ"), JpFont(16, true), Palette::Navy,
                  Qt::AlignVCenter | Qt::AlignLeft);
        const char *steps[] = {"タイトルで「トレーニング」", "レベルを選ぶ", "バンド・練習パターン・\n単語の選び方を決める",
                               "「トレーニング開始」を押す", "最大10語をタイプする", "コース画面で結果を確かめる"};
        for (int i = 0; i < 6; ++i)
            Step(p, QRectF(424, 124 + i * 62, 340, 56), i + 1, QString::fromUtf8(steps[i]), i == 5);
        FillRounded(p, QRectF(24, 392, 360, 108), QColor(0xFF, 0xF4, 0xE6), QColor(0xF3, 0xC9, 0x96));
        DrawLabel(p, QRectF(40, 402, 330, 24), QStringLiteral("はじめての方へ"), JpFont(15, true), Palette::Accent,
                  Qt::AlignVCenter | Qt::AlignLeft);
        DrawParagraph(p, QRectF(40, 430, 330, 66),
                      QStringLiteral("まずは自分に合ったレベルを選び、「バンドA」「単語＋例文」で始めてみましょう。"), Body(), Palette::Ink);
    });
}

QImage Page2()
{
    return GuidePage(2, QStringLiteral("レベル・バンド・練習パターンを選ぶ"), [](QPainter &p) {
        Card(p, QRectF(24, 76, 370, 196), QStringLiteral("レベルを選ぶ"),
             QStringLiteral("8つのレベルから選びます。数字は「単語数・覚えた・覚えていない」。"
                            "バーの緑は覚えた単語、赤は覚えていない単語の割合です。\n"
                            "「名前の選択」で、練習する人を切り替え・追加・削除できます。"));
        Card(p, QRectF(24, 286, 370, 214), QStringLiteral("① バンドを選ぶ"),
             QStringLiteral("レベルの単語は A・B・C のバンドに分かれています。"
                            "クリックしたバンドにチェックが付きます。\n"
                            "数字は左から「チェックした単語・単語数・覚えた・覚えていない」の数です。"));
        Card(p, QRectF(406, 76, 370, 196), QStringLiteral("② 練習パターン"),
             QStringLiteral("単語＋例文 … 単語のあとに例文を打つ\n単語 … つづりだけを集中して練習\n"
                            "例文 … 例文だけを打つ\n英作文 … 日本語訳から英文を組み立てる"));
        Card(p, QRectF(406, 286, 370, 214), QStringLiteral("③ 単語の選び方"),
             QStringLiteral("「新しい単語」では、未練習の単語・コースの順番・覚えていない単語・"
                            "チェックした単語から選べます。\n「もう一度」は前回と同じ単語です。"
                            "選べない項目は灰色になります。"));
    });
}

QImage Page3()
{
    return GuidePage(3, QStringLiteral("単語をタイプする"), [](QPainter &p) {
        double y = Card(p, QRectF(24, 76, 470, 424), QStringLiteral("つづりを打つ"),
             QStringLiteral("品詞と日本語の意味を見て、英単語を1文字ずつ打ちます。大文字と小文字は区別しません。\n"
                            "正しく打った文字は青く表示され、次に打つ位置にピンクの線が出ます。\n"
                            "まちがえたキーはミスとして数えられ、ミスメーターが減っていきます。"
                            "Backspaceキーで1文字戻れます。\n"
                            "最後まで打つと Enter マークが出ます。Enterキーを2回押すと次へ進みます"
                            "（1回目で先頭に戻るので、続けて打ち直すこともできます）。"));
        // The two marks over the part-of-speech card, drawn as the training
        // screen shows them, each with what it warns of.
        FillRounded(p, QRectF(40, y + 4, 438, 486 - y), QColor(0xFF, 0xF4, 0xE6), QColor(0xF3, 0xC9, 0x96));
        DrawLabel(p, QRectF(54, y + 12, 400, 22), QStringLiteral("品詞の上の印"), JpFont(14, true), Palette::Accent,
                  Qt::AlignVCenter | Qt::AlignLeft);
        const struct { int Cell; const char *Text; } marks[] = {
            {0, "発音に注意（つづりと違う音：said, listen）"},
            {1, "アクセントに注意（強く読む位置：hotel, event）"}};
        double top = y + 40;
        for (const auto &m : marks) {
            FillRounded(p, QRectF(54, top, 60, 20), Qt::white, QColor(), 3);
            DrawPronunciationMark(p, QPointF(59, top + 5), m.Cell);
            DrawLabel(p, QRectF(124, top - 2, 344, 24), QString::fromUtf8(m.Text), JpFont(13), Palette::Ink,
                      Qt::AlignVCenter | Qt::AlignLeft);
            top += 28;
        }
        DrawParagraph(p, QRectF(54, top + 2, 410, 484 - top),
                      QStringLiteral("音声（Shift+Enter）で発音を聞きながら打つと、つづりと音が結びついて覚えやすくなります。"),
                      JpFont(13), Palette::Ink);
        // A word half typed: blue letters, the rest hidden, the pink cursor.
        FillRounded(p, QRectF(508, 76, 268, 132), Qt::white, Palette::PanelLine);
        DrawLabel(p, QRectF(524, 86, 240, 20), QStringLiteral("打った文字は青"), JpFont(12, true), Palette::Muted, Qt::AlignLeft);
        DrawLabel(p, QRectF(540, 110, 120, 50), QStringLiteral("rece"), LatinFont(38, true), QColor(0, 0, 255),
                  Qt::AlignVCenter | Qt::AlignLeft);
        p.fillRect(QRectF(636, 162, 24, 5), QColor(255, 0, 153));
        DrawLabel(p, QRectF(524, 176, 240, 20), QStringLiteral("受け取る"), JpFont(14), Palette::Ink, Qt::AlignLeft);
        // The miss meter at three stages.
        FillRounded(p, QRectF(508, 222, 268, 278), Qt::white, Palette::PanelLine);
        DrawLabel(p, QRectF(524, 232, 240, 22), QStringLiteral("ミスメーターと特訓"), JpFont(15, true), Palette::Navy, Qt::AlignLeft);
        const struct { int Yellow, Magenta; const char *Text; } stages[] = {
            {180, 0, "ミス0"}, {126, 0, "ミス2"}, {0, 54, "ミス7"}};
        for (int i = 0; i < 3; ++i) {
            const double top = 262 + i * 26;
            p.fillRect(QRectF(524, top, 182, 16), QColor(0x3A, 0x46, 0x55));
            if (stages[i].Yellow)
                p.fillRect(QRectF(525, top + 1, stages[i].Yellow, 14), QColor(0xFF, 0xD2, 0x00));
            if (stages[i].Magenta)
                p.fillRect(QRectF(525, top + 1, stages[i].Magenta, 14), QColor(0xE0, 0x1E, 0x84));
            DrawLabel(p, QRectF(712, top - 2, 60, 20), QString::fromUtf8(stages[i].Text), JpFont(12), Palette::Muted, Qt::AlignLeft | Qt::AlignVCenter);
        }
        DrawParagraph(p, QRectF(524, 346, 240, 150),
                      QStringLiteral("ミスが5回になると「特訓モード」になり、その単語は「覚えていない単語」になります。"
                                     "もう一度打ち直してから進みます。ヒントを使うとミス5回分です。"),
                      JpFont(13), Palette::Ink);
    });
}

QImage Page4()
{
    return GuidePage(4, QStringLiteral("例文をタイプする"), [](QPainter &p) {
        Card(p, QRectF(24, 76, 440, 262), QStringLiteral("例文を打つ"),
             QStringLiteral("単語のあとは例文です。まだ見えない文字は■で表示され、英文の下に日本語訳が出ます。\n"
                            "ヒント（Ctrl+H）で次の部分が灰色で見えます（ミス1回分）。\n"
                            "音声ボタンか Shift+Enter で英文を聞けます。「訳」（Ctrl+I）で自然な日本語訳を表示します。\n"
                            "最後まで打ったら、単語と同じく Enter を2回押して次へ進みます。"));
        Card(p, QRectF(24, 350, 440, 150), QStringLiteral("チェックを付ける"),
             QStringLiteral("右のチェックボックスを押すと単語に印が付き、あとで「チェックした単語」として練習できます。"));
        FillRounded(p, QRectF(40, 456, 30, 30), Palette::Check);
        DrawCheckMark(p, QPointF(55, 471), 17, Qt::white, 3.2);
        DrawLabel(p, QRectF(82, 456, 360, 30), QStringLiteral("もう一度押すと印が外れます"), JpFont(13), Palette::Muted,
                  Qt::AlignVCenter | Qt::AlignLeft);
        FillRounded(p, QRectF(480, 76, 296, 424), Qt::white, Palette::PanelLine);
        DrawLabel(p, QRectF(496, 86, 270, 26), QStringLiteral("文の要素の色"), JpFont(16, true), Palette::Navy, Qt::AlignLeft | Qt::AlignVCenter);
        DrawParagraph(p, QRectF(496, 118, 264, 60), QStringLiteral("打ち終えると、文の要素が色の帯で示されます。"),
                      JpFont(13), Palette::Ink);
        const struct { QColor Colour; const char *Name; } elements[] = {
            {QColor(0, 153, 255), "主語（S）"}, {QColor(255, 0, 0), "動詞（V）"}, {QColor(0, 238, 0), "目的語（O）"},
            {QColor(255, 204, 102), "補語（C）"}, {QColor(192, 192, 192), "修飾語・接続詞など"}};
        for (int i = 0; i < 5; ++i) {
            const double top = 176 + i * 30;
            FillRounded(p, QRectF(500, top, 40, 20), elements[i].Colour, QColor(), 3);
            DrawLabel(p, QRectF(552, top - 2, 210, 24), QString::fromUtf8(elements[i].Name), JpFont(14), Palette::Ink, Qt::AlignLeft | Qt::AlignVCenter);
        }
        DrawLabel(p, QRectF(496, 334, 270, 20), QStringLiteral("例"), JpFont(12, true), Palette::Muted, Qt::AlignLeft);
        const struct { const char *Text; QColor Colour; } chunks[] = {
            {"I", QColor(0, 153, 255)}, {"received", QColor(255, 0, 0)}, {"a present", QColor(0, 238, 0)}};
        double x = 500;
        const QFont latin = LatinFont(15);
        for (const auto &c : chunks) {
            const double w = QFontMetricsF(latin).horizontalAdvance(QString::fromLatin1(c.Text)) + 10;
            p.fillRect(QRectF(x, 360, w, 28), c.Colour);
            DrawLabel(p, QRectF(x, 360, w, 28), QString::fromLatin1(c.Text), latin, Qt::black);
            x += w + 4;
        }
        DrawLabel(p, QRectF(500, 394, 270, 22), QStringLiteral("私は　プレゼントを　受け取った"), JpFont(13), Palette::Muted, Qt::AlignLeft);
    });
}

QImage Page5()
{
    return GuidePage(5, QStringLiteral("英作文とキーの使い方"), [](QPainter &p) {
        Card(p, QRectF(24, 76, 372, 424), QStringLiteral("英作文パターン"),
             QStringLiteral("日本語訳を見て、英文を自分で組み立てて打ちます。■の数で単語の長さがわかります。\n"
                            "語順ガイドは、下線の色と小さなラベルで「主語」「動詞」などの位置を教えてくれます。"
                            "練習画面の設定ボタン（歯車）で、次から選べます。\n"
                            "・色分け（その都度）\n・色分け（すべて）\n・文型ラベルも表示\n・ガイドなし"));
        FillRounded(p, QRectF(410, 76, 366, 424), Qt::white, Palette::PanelLine);
        DrawLabel(p, QRectF(426, 86, 330, 26), QStringLiteral("練習画面のキー"), JpFont(16, true), Palette::Navy, Qt::AlignLeft | Qt::AlignVCenter);
        const struct { const char *Key; const char *Text; } keys[] = {
            {"A–Z", "文字を打つ"}, {"Back", "1文字戻る"}, {"Enter", "先頭に戻る／もう一度で次へ"},
            {"Shift+Enter", "音声を聞く"}, {"Ctrl+F", "前に戻る"}, {"Ctrl+J", "次へ進む"},
            {"Ctrl+H", "ヒントを見る"}, {"Ctrl+I", "自然な訳を表示・非表示"}};
        for (int i = 0; i < 8; ++i) {
            const double top = 124 + i * 44;
            KeyCap(p, QRectF(426, top, 96, 28), QString::fromUtf8(keys[i].Key));
            DrawLabel(p, QRectF(534, top - 4, 236, 36), QString::fromUtf8(keys[i].Text), Body(), Palette::Ink, Qt::AlignLeft | Qt::AlignVCenter);
        }
    });
}

QImage Information()
{
    QImage image = NewImage(800, 600, Palette::Page);
    QPainter p(&image);
    PrepareSmooth(p);
    p.fillRect(QRect(0, 0, 800, 56), Palette::Navy);
    p.fillRect(QRect(0, 56, 800, 3), Palette::Accent);
    DrawLabel(p, QRectF(28, 0, 600, 56), QStringLiteral("インフォメーション"), JpFont(23, true), Qt::white, Qt::AlignVCenter | Qt::AlignLeft);
    FillRounded(p, QRectF(24, 76, 752, 120), Qt::white, Palette::PanelLine);
    DrawLabel(p, QRectF(44, 88, 500, 30), QStringLiteral("タイポンで英作トレーニング（体験版）"), JpFont(19, true), Palette::Navy, Qt::AlignLeft | Qt::AlignVCenter);
    DrawLabel(p, QRectF(560, 88, 196, 30), QStringLiteral("Ver. 1.0"), LatinFont(17, true), Palette::Accent, Qt::AlignRight | Qt::AlignVCenter);
    DrawParagraph(p, QRectF(44, 126, 712, 64),
                  QStringLiteral("英単語のつづり・例文・英作文を、タイピングで練習しながら身につけるソフトです。"
                                 "日本語の意味や訳、文の要素の色分けで、単語と英文の組み立てを一緒に覚えられます。"),
                  Body(), Palette::Ink);
    Card(p, QRectF(24, 210, 368, 290), QStringLiteral("クレジット"),
         QStringLiteral("日本語フォント: IPAexゴシック、IPA Pゴシック（IPAフォントライセンス v1.0）\n"
                        "英字フォント: DejaVu Sans、Liberation Sans\n"
                        "英語の音声: 音声合成ソフト eSpeak NG で作成しています。"));
    Card(p, QRectF(408, 210, 368, 290), QStringLiteral("ライセンス"),
         QStringLiteral("フォントと音声合成ソフトは、それぞれのライセンスに従って利用しています。\n"
                        "このソフトの利用条件は、付属の説明書（README）をご覧ください。\n"
                        "練習の記録は、お使いのパソコンの中だけに保存されます。"));
    return image;
}

} // namespace

void AddGuidePages(TArtworkList &list)
{
    list.push_back({QStringLiteral("SCR20000"), Page1(), 1});
    list.push_back({QStringLiteral("SCR20001"), Page2(), 1});
    list.push_back({QStringLiteral("SCR20002"), Page3(), 1});
    list.push_back({QStringLiteral("SCR20003"), Page4(), 1});
    list.push_back({QStringLiteral("SCR20004"), Page5(), 1});
    list.push_back({QStringLiteral("SCR20005"), Information(), 1});
}
