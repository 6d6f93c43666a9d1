// Screens: switching, the window's paint, navigation buttons and keys.

#include "Main.h"

#include "ButtonFrames.h"
#include "EgImage.h"
#include "MainFormDescription.h"
#include "GlyphText.h"
#include "ProgressBar.h"
#include "Unit1.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSet>
#include <QTimer>

#include <algorithm>

void TFrmMain::SetScreen(int ScreenNo)
{
    // The form table lists each control's screens; the rules below adjust
    // what depends on the course and the run. Only controls whose state
    // differs are shown or hidden, behind the hidden layer when any does.
    QSet<const TEgImage *> listed;
    bool labelListed = false;
    for (const TControlDesc &desc : MainFormDescription().Controls) {
        if (!desc.Screens.Contains(ScreenNo))
            continue;
        if (desc.Kind == TControlKind::Label)
            labelListed = true;
        else if (const TEgImage *control = Control(QString::fromUtf8(desc.Name)))
            listed.insert(control);
    }
    const bool changes = LblVersion->isHidden() == labelListed ||
                         std::any_of(Controls.cbegin(), Controls.cend(), [&](const TEgImage *control) {
                             return control->isHidden() == listed.contains(control);
                         });
    const bool layerShown = changes && ControlLayer->isVisible();
    if (layerShown)
        ControlLayer->hide();
    for (TEgImage *control : std::as_const(Controls))
        if (control->isHidden() == listed.contains(control))
            control->setVisible(listed.contains(control));
    if (LblVersion->isHidden() == labelListed)
        LblVersion->setVisible(labelListed);
    ApplyScreenRules(ScreenNo);
    if (layerShown)
        ControlLayer->show();
    FCurScreenNo = ScreenNo;
    HoldPicturesOf(ScreenNo);
    update();
}

void TFrmMain::ApplyScreenRules(int ScreenNo)
{
    switch (ScreenNo) {
    case scCourse: {
        // A row per band the level has, and the total row below the last.
        const qsizetype bands = FLevelNo >= 0 && FLevelNo < FData.size() ? FData[FLevelNo].Item.size() : 0;
        bBandB->setVisible(bands >= 2);
        bBandC->setVisible(bands >= 3);
        bBandTotal->SetTop(bands >= 3 ? 190 : bands == 2 ? 150 : 110);
        UpdateWordTypeButtons();
        bBack1->SetTop(bBack2->Top());
        break;
    }
    case scTraining:
        // The layout of each target decides which of these show; the
        // special-training strip shows only once a run earns it.
        for (TEgImage *control :
             {imgPart1, imgPart2, imgPart3, imgWordMeaning, imgSentensMeaning, imgMessage, imgSpecialTraining})
            control->hide();
        ClearCurVoiceFile();
        bRewind->SetCursor(Qt::PointingHandCursor);
        ShowTrans2Switch();
        break;
    case scInformation:
        bBack1->SetTop(540);
        break;
    default:
        if (ScreenNo >= scGuideFirst && ScreenNo <= scGuideLast) {
            // The first and last pages show their outward button greyed.
            ShowGreyed(ImgBtnPrev, ScreenNo == scGuideFirst);
            ShowGreyed(ImgBtnNext, ScreenNo == scGuideLast);
            bBack1->SetTop(bBack2->Top());
        }
        break;
    }
}

void TFrmMain::ShowGreyed(TEgImage *button, bool greyed)
{
    button->SetImageIndex(greyed ? frGreyed : frNormal);
    button->SetMouseOverImageIndex(greyed ? frGreyed : frHover);
    button->SetMouseDownImageIndex(greyed ? frGreyed : frPressed);
    button->SetCursor(greyed ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

void TFrmMain::paintEvent(QPaintEvent *event)
{
    QPainter canvas(this);
    FormPaint(canvas, event->region());
    // The sound device opens once the first screen is on its way to the
    // display; a sound asked for earlier opens it itself.
    if (!SoundStarted && FCurScreenNo != scNone)
        QTimer::singleShot(0, this, [this] {
            // The first screen has taken what was decoded for it ahead.
            Pictures.UseDecodedAhead(nullptr);
            StartSound();
        });
    if (PicturesToSettle != scNone)
        QTimer::singleShot(0, this, [this, screen = PicturesToSettle] {
            if (PicturesToSettle == screen)
                SettlePictures(screen);
        });
}

void TFrmMain::FormPaint(QPainter &canvas, const QRegion &area)
{
    if (FCurScreenNo != scNone) {
        // A close that could not save says so on its own goodbye picture.
        const QString name =
            FCurScreenNo == scGoodbye && GoodbyeUnsaved ? UnsavedGoodbyeName() : ScreenPictureName(FCurScreenNo);
        const QImage background = Picture(name);
        if (background.isNull()) {
            // A picture that could not be decoded has been told; the
            // screen's controls still work over a plain ground.
            canvas.fillRect(area.boundingRect(), Qt::white);
        } else if (FCurScreenNo == scTraining) {
            // The word or sentence is composed onto a copy of the target's
            // background, which goes to the window in one piece. Only the
            // area being painted is copied: the target clears its own band
            // before it draws.
            if (TrainingFrame.size() != background.size() || TrainingFrame.format() != background.format())
                TrainingFrame = QImage(background.size(), background.format());
            {
                QPainter copy(&TrainingFrame);
                copy.setCompositionMode(QPainter::CompositionMode_Source);
                for (const QRect &rect : area)
                    copy.drawImage(rect.topLeft(), background, rect);
                copy.setClipRegion(area);
                DrawSoundMarks(copy);
            }
            DrawTrainingTarget(TrainingFrame, area);
            for (const QRect &rect : area)
                canvas.drawImage(rect.topLeft(), TrainingFrame, rect);
        } else {
            for (const QRect &rect : area)
                canvas.drawImage(rect.topLeft(), background, rect);
        }
    }
    if (FCurScreenNo == scLevelMenu)
        DrawLevelStatistics(canvas);
    else if (FCurScreenNo == scTraining)
        PaintTrainingExtras(canvas, area);
}

void TFrmMain::DrawLevelStatistics(QPainter &canvas)
{
    // Every level with words gets its counts and bar in its own row, and the
    // row below the eight levels adds them all up. A level without words has
    // nothing to count and leaves its row empty.
    const QImage numFont = Picture(QStringLiteral("FONTNUM"));
    const auto drawRow = [&](int row, int total, int known, int unknown) {
        if (total <= 0)
            return;
        const int top = 38 * row + 173;
        DrawNumber(canvas, numFont, 386, clBlack, QString::number(total), top);
        DrawNumber(canvas, numFont, 468, clBlack, QString::number(known), top);
        DrawNumber(canvas, numFont, 552, clBlack, QString::number(unknown), top);
        DrawProgressBar(canvas, 573, 38 * row + 169, 38 * row + 192, 150, known, unknown, total);
    };
    int allTotal = 0;
    int allKnown = 0;
    int allUnknown = 0;
    for (int level = 0; level < FData.size(); ++level) {
        const int total = LevelWordCount(FData[level]);
        int known = 0;
        int unknown = 0;
        for (const TBandData &band : FData[level].Item) {
            known += band.KnownCount;
            unknown += band.UnknownCount;
        }
        drawRow(level, total, known, unknown);
        allTotal += total;
        allKnown += known;
        allUnknown += unknown;
    }
    drawRow(static_cast<int>(FData.size()), allTotal, allKnown, allUnknown);
}

void TFrmMain::ImgBtn1Click(TEgImage *)
{
    SetScreen(scLevelMenu);
}

void TFrmMain::ImgBtn2Click(TEgImage *)
{
    SetScreen(scGuideFirst);
}

void TFrmMain::ImgBtn3Click(TEgImage *)
{
    SetScreen(scInformation);
}

void TFrmMain::ImgBtnPrevClick(TEgImage *)
{
    if (FCurScreenNo > scGuideFirst && FCurScreenNo <= scGuideLast)
        SetScreen(FCurScreenNo - 1);
}

void TFrmMain::ImgBtnNextClick(TEgImage *)
{
    if (FCurScreenNo >= scGuideFirst && FCurScreenNo < scGuideLast)
        SetScreen(FCurScreenNo + 1);
}

void TFrmMain::bBackClick(TEgImage *)
{
    StopVoice();
    if (FCurScreenNo == scCourse) {
        SetScreen(scLevelMenu);
    } else if (FCurScreenNo == scTraining) {
        FinishRunInMemory();
        ShowCourseThenSave();
    } else {
        SetScreen(scTitle);
    }
}

void TFrmMain::ShowCourseThenSave()
{
    SetScreen(scCourse);
    // The learner sees the course screen before the progress file is
    // written, which takes a few milliseconds more.
    PaintPending();
    SaveAfterChange();
}

void TFrmMain::bNameSelectClick(TEgImage *)
{
    // The progress is saved first so that the dialog's files are current.
    SaveScore();
    ShowSubForm(*this, scUserList);
}

void TFrmMain::bSetupClick(TEgImage *)
{
    if (ShowSubForm(*this, scOptions) == 1)
        SaveAfterChange();
}

void TFrmMain::SelectUser(const QString &name)
{
    FUserId = name;
    SetScreen(scLevelMenu);
    LoadScore();
}

void TFrmMain::ApplyOptions(const TOptions &options)
{
    FOptions = options;
    // The item being typed is laid out again with the new options; its
    // typing state stays as it is.
    SetScreen(scTraining);
    SetTrainingScreen(false);
}

void TFrmMain::FormClick(TEgImage *)
{
    if (FCurScreenNo == scStart)
        SkipStartScreen = true;
}

void TFrmMain::mousePressEvent(QMouseEvent *event)
{
    PressedOnWindow = event->button() == Qt::LeftButton;
}

void TFrmMain::mouseReleaseEvent(QMouseEvent *event)
{
    // A click on the window itself: pressed and released on it.
    if (!InputPaused && PressedOnWindow && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        FormClick(nullptr);
    PressedOnWindow = false;
}

