#include "TrainingPanels.h"

#include "Cp932.h"
#include "Fonts.h"

#include <QFontMetrics>
#include <QGuiApplication>

namespace {

// Centred as the screens centre text: the spare width halved toward zero.
int CentredX(const QPainter &canvas, int panelWidth, const QString &text)
{
    return (panelWidth - canvas.fontMetrics().horizontalAdvance(text)) / 2;
}

int RightAlignedX(const QPainter &canvas, int panelWidth, const QString &text)
{
    return panelWidth - canvas.fontMetrics().horizontalAdvance(text);
}

void UseTransparentText(QPainter &canvas, const QFont &font, const QColor &colour)
{
    canvas.setFont(font);
    canvas.setPen(colour);
    canvas.setBackgroundMode(Qt::TransparentMode);
}

} // namespace

bool ShowsTranslation1(TPattern pattern, int meaningNo, int inputMode)
{
    return pattern == ptWriting || meaningNo == 0 || (meaningNo == 1 && inputMode == 9);
}

QString InstructionMessage(const TPanelView &view)
{
    qsizetype targetLength = 0;
    if (view.WordOrSentence == wsSentence) {
        if (const TSentenceData *sense = CurrentSense(view))
            targetLength = sense->Sentence.size();
    } else if (view.Word) {
        targetLength = view.Word->Word.size();
    }
    if (view.InputMode == 9 && view.InputLen == targetLength)
        return QStringLiteral(">>> Enterキーを押してください。");
    if (view.InputMode != 9 || view.InputLen != 0) {
        return view.WordOrSentence == wsSentence ? QStringLiteral(">>> 英文を打ってください。スペースも打ってください。")
                                                 : QStringLiteral(">>> 単語のスペルを打ってください。");
    }
    return QStringLiteral(">>> 文字の色が変わり、カーソルが先頭の時、Enterキーを押すと次へ進みます。");
}

QString WordPanelText(const TPanelView &view)
{
    if (!view.Word)
        return {};
    if (view.Pattern == ptSentence || view.Pattern == ptWriting)
        return FromCp932(view.Word->Word);
    if (view.Pattern == ptWordAndSentence && view.WordOrSentence == wsSentence)
        return QStringLiteral("%1/%2").arg(view.Word->SentenceIndex + 1).arg(view.Word->Item.size());
    return {};
}

QString IdNoText(const TPanelView &view)
{
    if (!view.IdNoShowFlag || !view.Word)
        return {};
    return QStringLiteral("ID: ") + QString::number(view.Word->Id);
}

void DrawSentensMeaningPanel(QPainter &canvas, int controlWidth, const TPanelView &view)
{
    const TSentenceData *sense = CurrentSense(view);
    if (!sense)
        return;
    UseTransparentText(canvas, PointFont(FaceMsPGothic, 12), Qt::black);
    if (ShowsTranslation1(view.Pattern, view.MeaningNo, view.InputMode))
        TextOut(canvas, CentredX(canvas, controlWidth, sense->Translation1), 0, sense->Translation1);
    if (view.Trans2Flag) {
        canvas.setPen(QColor(46, 91, 155));
        TextOut(canvas, CentredX(canvas, controlWidth, sense->Translation2), 25, sense->Translation2);
    }
}

void DrawMessagePanel(QPainter &canvas, int controlWidth, const TPanelView &view)
{
    const QString message = InstructionMessage(view);
    UseTransparentText(canvas, PointFont(FaceMsPGothic, 10), QColor(255, 0, 0));
    TextOut(canvas, CentredX(canvas, controlWidth, message), 0, message);
}

void DrawWordPanel(QPainter &canvas, int controlWidth, const TPanelView &view)
{
    const QString text = WordPanelText(view);
    UseTransparentText(canvas, PointFont(FaceArial, 12, true), Qt::black);
    TextOut(canvas, RightAlignedX(canvas, controlWidth, text), 0, text);
}

void DrawIdNoPanel(QPainter &canvas, int controlWidth, const TPanelView &view)
{
    const QString text = IdNoText(view);
    if (text.isEmpty())
        return;
    UseTransparentText(canvas, PointFont(FaceMsPGothic, 10), Qt::black);
    TextOut(canvas, RightAlignedX(canvas, controlWidth, text), 0, text);
}

void DrawSpecialTrainingPanel(QPainter &canvas, const QSize &controlSize)
{
    const QColor yellow(255, 255, 0);
    canvas.fillRect(QRect(QPoint(0, 0), controlSize), yellow);
    // The notice keeps the canvas's own face, only its size is set.
    canvas.setFont(PointFont(QGuiApplication::font().family(), 9));
    canvas.setPen(QColor(128, 128, 128));
    canvas.setBackgroundMode(Qt::OpaqueMode);
    canvas.setBackground(yellow);
    const QString start = QStringLiteral("特訓モードに入りました･･･");
    const QString goal = QStringLiteral("最低２回は単語をタイプしてください");
    TextOut(canvas, 12, 0, start);
    TextOut(canvas, RightAlignedX(canvas, controlSize.width(), goal) - 12, 0, goal);
}
