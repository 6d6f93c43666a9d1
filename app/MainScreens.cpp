// Screens: switching, the window's paint, navigation buttons and keys.

#include "Main.h"

#include "EgImage.h"
#include "GlyphText.h"
#include "ProgressBar.h"
#include "Unit1.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {

QString ScreenName(int screenNo)
{
    return QStringLiteral("SCR%1").arg(screenNo, 5, 10, QLatin1Char('0'));
}

} // namespace

void TFrmMain::SetScreen(int ScreenNo)
{
    for (TEgImage *control : std::as_const(Controls))
        if (control->isVisible())
            control->hide();
    LblVersion->hide();

    const auto show = [](std::initializer_list<TEgImage *> controls) {
        for (TEgImage *control : controls)
            control->show();
    };
    switch (ScreenNo) {
    case 0:
        show({ImgBtn1, ImgBtn2, ImgBtn3});
        LblVersion->show();
        break;
    case 10000:
        show({bLevel1, bLevel2, bLevel3, bLevel4, bLevel5, bLevel6, bLevel7, bLevel8, imgUserId2, bNameSelect, bBack2,
              imgCountHeader1});
        break;
    case 12000: {
        show({imgLevelName2, bBandA});
        const qsizetype bands = FLevelNo >= 0 && FLevelNo < Data.size() ? Data[FLevelNo].Item.size() : 0;
        if (bands >= 3) {
            show({bBandB, bBandC});
            bBandTotal->SetTop(190);
        } else if (bands == 2) {
            show({bBandB});
            bBandTotal->SetTop(150);
        } else {
            bBandTotal->SetTop(110);
        }
        show({bBandTotal, imgCountHeader2, imgExPattern, bWordAndSentence, bWord, bSentence, bWriting, bTraining,
              bNewWord, bNewWordType1, bNewWordType2, bNewWordType3, bNewWordType4, bOnceMore});
        UpdateWordTypeButtons();
        show({bBack1});
        bBack1->SetTop(bBack2->Top());
        break;
    }
    case 13000:
        show({imgWord, imgIdNo, imgCheck, bSetup, bRewind, bForward, bHint, bNatural, bTrans2, imgCounter, imgMissCount,
              imgFlag, bBack2});
        ClearCurVoiceFile();
        bRewind->SetCursor(Qt::PointingHandCursor);
        bTrans2->SetCursor(Qt::PointingHandCursor);
        break;
    case 20000:
    case 20001:
    case 20002:
    case 20003:
    case 20004:
        // The first and last pages show their outward button greyed, and a
        // greyed button neither lights up nor presses.
        for (auto [button, greyed] : {std::pair{ImgBtnPrev, ScreenNo == 20000}, std::pair{ImgBtnNext, ScreenNo == 20004}}) {
            button->SetImageIndex(greyed ? 3 : 0);
            button->SetMouseOverImageIndex(greyed ? 3 : 2);
            button->SetMouseDownImageIndex(greyed ? 3 : 1);
            button->SetCursor(greyed ? Qt::ArrowCursor : Qt::PointingHandCursor);
        }
        show({ImgBtnPrev, ImgBtnNext, bBack1});
        bBack1->SetTop(bBack2->Top());
        break;
    case 20005:
        show({bBack1});
        bBack1->SetTop(540);
        break;
    case 88888:
        show({imgLevelName, imgBandName, imgWordAndSentence});
        break;
    default:
        break;
    }
    CurScreenNo = ScreenNo;
    update();
}

void TFrmMain::paintEvent(QPaintEvent *)
{
    QPainter canvas(this);
    FormPaint(canvas);
}

void TFrmMain::FormPaint(QPainter &canvas)
{
    if (CurScreenNo != -1) {
        // A close that could not save says so on its own goodbye picture.
        const QString name = ScreenName(CurScreenNo) + QLatin1String(CurScreenNo == 99999 && GoodbyeUnsaved ? "N" : "");
        const auto it = ScreenImage.find(name);
        if (it != ScreenImage.end()) {
            // The word or sentence is drawn into the stored picture, which
            // is then copied to the window in one piece.
            if (CurScreenNo == 13000)
                DrawTrainingTarget(*it);
            canvas.drawImage(0, 0, *it);
        }
    }
    if (CurScreenNo == 10000)
        DrawLevelStatistics(canvas);
    else if (CurScreenNo == 13000)
        PaintTrainingExtras(canvas);
}

void TFrmMain::DrawLevelStatistics(QPainter &canvas)
{
    // Every level with words gets its counts and bar in its own row, and the
    // row below the eight levels adds them all up. A level without words has
    // nothing to count and leaves its row empty.
    const auto drawRow = [&](int row, int total, int known, int unknown) {
        if (total <= 0)
            return;
        const int top = 38 * row + 173;
        DrawNumber(canvas, NumFont, 386, clBlack, QString::number(total), top);
        DrawNumber(canvas, NumFont, 468, clBlack, QString::number(known), top);
        DrawNumber(canvas, NumFont, 552, clBlack, QString::number(unknown), top);
        DrawProgressBar(canvas, 573, 38 * row + 169, 38 * row + 192, 150, known, unknown, total);
    };
    int allTotal = 0;
    int allKnown = 0;
    int allUnknown = 0;
    for (int level = 0; level < Data.size(); ++level) {
        const int total = LevelWordCount(Data[level]);
        int known = 0;
        int unknown = 0;
        for (const TBandData &band : Data[level].Item) {
            known += band.KnownCount;
            unknown += band.UnknownCount;
        }
        drawRow(level, total, known, unknown);
        allTotal += total;
        allKnown += known;
        allUnknown += unknown;
    }
    drawRow(static_cast<int>(Data.size()), allTotal, allKnown, allUnknown);
}

void TFrmMain::ImgBtn1Click(TEgImage *)
{
    SetScreen(10000);
}

void TFrmMain::ImgBtn2Click(TEgImage *)
{
    SetScreen(20000);
}

void TFrmMain::ImgBtn3Click(TEgImage *)
{
    SetScreen(20005);
}

void TFrmMain::ImgBtnPrevClick(TEgImage *)
{
    if (CurScreenNo >= 20001 && CurScreenNo <= 20004)
        SetScreen(CurScreenNo - 1);
}

void TFrmMain::ImgBtnNextClick(TEgImage *)
{
    if (CurScreenNo >= 20000 && CurScreenNo <= 20003)
        SetScreen(CurScreenNo + 1);
}

void TFrmMain::bBackClick(TEgImage *)
{
    StopVoice();
    if (CurScreenNo == 12000) {
        SetScreen(10000);
    } else if (CurScreenNo == 13000) {
        FinishRunInMemory();
        SetScreen(12000);
        SaveAfterChange();
    } else {
        SetScreen(0);
    }
}

void TFrmMain::bNameSelectClick(TEgImage *)
{
    // The progress is saved first so that the dialog's files are current.
    SaveScore();
    ShowSubForm(*this, 11000);
}

void TFrmMain::bSetupClick(TEgImage *)
{
    if (ShowSubForm(*this, 12100) == 1)
        SaveAfterChange();
}

void TFrmMain::FormClick(TEgImage *)
{
    if (CurScreenNo == 88888)
        SkipStartScreen = true;
}

void TFrmMain::mousePressEvent(QMouseEvent *event)
{
    PressedOnWindow = event->button() == Qt::LeftButton;
}

void TFrmMain::mouseReleaseEvent(QMouseEvent *event)
{
    // A click on the window itself: pressed and released on it.
    if (PressedOnWindow && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        FormClick(nullptr);
    PressedOnWindow = false;
}

