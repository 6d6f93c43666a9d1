// Screens: switching, the window's paint, navigation buttons and keys.

#include "Main.h"

#include "ButtonFrames.h"
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
        const qsizetype bands = FLevelNo >= 0 && FLevelNo < FData.size() ? FData[FLevelNo].Item.size() : 0;
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
        ShowTrans2Switch();
        break;
    case 20000:
    case 20001:
    case 20002:
    case 20003:
    case 20004:
        // The first and last pages show their outward button greyed, and a
        // greyed button neither lights up nor presses.
        ShowGreyed(ImgBtnPrev, ScreenNo == 20000);
        ShowGreyed(ImgBtnNext, ScreenNo == 20004);
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
    FCurScreenNo = ScreenNo;
    update();
}

void TFrmMain::ShowGreyed(TEgImage *button, bool greyed)
{
    button->SetImageIndex(greyed ? frGreyed : frNormal);
    button->SetMouseOverImageIndex(greyed ? frGreyed : frHover);
    button->SetMouseDownImageIndex(greyed ? frGreyed : frPressed);
    button->SetCursor(greyed ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

void TFrmMain::paintEvent(QPaintEvent *)
{
    QPainter canvas(this);
    FormPaint(canvas);
}

void TFrmMain::FormPaint(QPainter &canvas)
{
    if (FCurScreenNo != -1) {
        // A close that could not save says so on its own goodbye picture.
        const QString name = ScreenName(FCurScreenNo) + QLatin1String(FCurScreenNo == 99999 && GoodbyeUnsaved ? "N" : "");
        const auto it = ScreenImage.find(name);
        if (it != ScreenImage.end()) {
            // The word or sentence is drawn into the stored picture, which
            // is then copied to the window in one piece.
            if (FCurScreenNo == 13000)
                DrawTrainingTarget(*it);
            canvas.drawImage(0, 0, *it);
        }
    }
    if (FCurScreenNo == 10000)
        DrawLevelStatistics(canvas);
    else if (FCurScreenNo == 13000)
        PaintTrainingExtras(canvas);
}

void TFrmMain::DrawLevelStatistics(QPainter &canvas)
{
    // The menu counts the one level the course fills, in its own row and
    // again in the total row.
    int total = 0;
    int known = 0;
    int unknown = 0;
    if (FData.size() > 1) {
        for (const TBandData &band : FData[1].Item) {
            total += band.Item.size();
            known += band.KnownCount;
            unknown += band.UnknownCount;
        }
    }
    for (const int row : {1, static_cast<int>(FData.size())}) {
        const int top = 38 * row + 173;
        DrawNumber(canvas, NumFont, 386, clBlack, QString::number(total), top);
        DrawNumber(canvas, NumFont, 468, clBlack, QString::number(known), top);
        DrawNumber(canvas, NumFont, 552, clBlack, QString::number(unknown), top);
        DrawProgressBar(canvas, 573, 38 * row + 169, 38 * row + 192, 150, known, unknown, total);
    }
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
    if (FCurScreenNo >= 20001 && FCurScreenNo <= 20004)
        SetScreen(FCurScreenNo - 1);
}

void TFrmMain::ImgBtnNextClick(TEgImage *)
{
    if (FCurScreenNo >= 20000 && FCurScreenNo <= 20003)
        SetScreen(FCurScreenNo + 1);
}

void TFrmMain::bBackClick(TEgImage *)
{
    StopVoice();
    if (FCurScreenNo == 12000) {
        SetScreen(10000);
    } else if (FCurScreenNo == 13000) {
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

void TFrmMain::SelectUser(const QString &name)
{
    FUserId = name;
    SetScreen(10000);
    LoadScore();
}

void TFrmMain::ApplyOptions(const TOptions &options)
{
    FOptions = options;
    // The item being typed is laid out again with the new options; its
    // typing state stays as it is.
    SetScreen(13000);
    SetTrainingScreen(false);
}

void TFrmMain::FormClick(TEgImage *)
{
    if (FCurScreenNo == 88888)
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

