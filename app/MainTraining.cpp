// The training screen: starting a run, laying out each target, keys and
// commands. The rules live in the training logic; this file applies their
// outcomes to the controls, the sounds and the paint.

#include "Main.h"

#include "Commands.h"
#include "EgImage.h"
#include "KeyCommands.h"
#include "KeySounds.h"
#include "RasterOps.h"
#include "RelatedWords.h"
#include "SentenceText.h"
#include "WordText.h"
#include "RunStart.h"
#include "TrainingScreen.h"
#include "VoicePlayer.h"
#include "Typing.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

TTrainingOptions TFrmMain::TrainingOptions() const
{
    TTrainingOptions options;
    options.Pattern = Choice.Pattern;
    options.LevelNo = FLevelNo;
    options.BandNo = FBandNo;
    options.TypeSoundNo = FOptions.TypeSoundNo;
    options.MissSoundNo = FOptions.MissSoundNo;
    options.VoiceNo = FOptions.VoiceNo;
    options.MeaningNo = FOptions.MeaningNo;
    return options;
}

void TFrmMain::PaintPending()
{
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

void TFrmMain::InvalidateWordText()
{
    update(imgWordText->geometry());
}

void TFrmMain::bTrainingClick(TEgImage *)
{
    if (WaitingOnStartScreen)
        return;
    SetScreen(scStart);
    repaint();
    SkipStartScreen = false;
    const qint64 deadline = Env.TickCount() + 3000;

    const TRandomBelow randomBelow = RandomBelowFrom(Random);
    if (!StartRun(Run, FData, TrainingOptions(), Choice.Source, Choice.WordType, randomBelow)) {
        SetScreen(scCourse);
        return;
    }
    Run.Trans2Flag = false;

    // The start screen shows until Enter or a click, or three seconds; the
    // window keeps handling events meanwhile, which is how the skip arrives.
    WaitingOnStartScreen = true;
    WaitOnStartScreen(deadline);
}

void TFrmMain::WaitOnStartScreen(qint64 deadline)
{
    // A close, or anything else that left the start screen, ends the wait.
    if (Closing || GoodbyeShowing || FCurScreenNo != scStart) {
        WaitingOnStartScreen = false;
        return;
    }
    if (Env.TickCount() < deadline && !SkipStartScreen) {
        Env.Pause(10, [this, deadline] { WaitOnStartScreen(deadline); });
        return;
    }
    WaitingOnStartScreen = false;
    SetScreen(scTraining);
    const TTrainingOutcome begun = BeginRun(Run, TrainingOptions());
    ApplyOutcome(begun);
    Run.MissType = false;
}

void TFrmMain::SetTrainingScreen(bool Flag)
{
    const TTrainingLayout layout = LayOutTrainingScreen(Run, Choice.Pattern, Flag);
    TEgImage *const parts[] = {imgPart1, imgPart2, imgPart3};
    for (int i = 0; i < 3; ++i) {
        const TPartPicture &part = layout.Parts[i];
        parts[i]->SetTag(part.Tag);
        if (part.Left >= 0)
            parts[i]->SetLeft(part.Left);
        parts[i]->setVisible(part.Visible);
    }
    if (!layout.Message.isEmpty())
        Env.ShowMessage(layout.Message);
    for (TEgImage *part : parts)
        part->Invalidate();

    if (FCurScreenNo == scTraining) {
        // The target's pronunciation marks go onto a copy of the training
        // picture's rows they stand in, over a strip cleared to white; the
        // picture itself stays as it was decoded.
        TrainingMarks = Picture(ScreenPictureName(scTraining)).copy(TrainingMarksArea);
        QPainter painter(&TrainingMarks);
        painter.translate(-TrainingMarksArea.topLeft());
        painter.fillRect(QRect(QPoint(100, 122), QPoint(699, 131)), Qt::white);
        const QImage soundMark = Picture(QStringLiteral("SOUND"));
        for (const TPartPicture &part : layout.Parts) {
            if (part.SoundMarkCell < 0 || !part.Visible)
                continue;
            const QRect source(part.SoundMarkCell * 50, 0, 50, 10);
            CopyRect(painter, QRect(part.SoundMarkCenterX - 25, 122, 50, 10), soundMark, source, TRasterOp::SrcCopy);
        }
    }

    imgWordMeaning->setVisible(layout.WordMeaningVisible);
    imgSentensMeaning->setVisible(layout.SentenceMeaningVisible);
    imgWordMeaning->Invalidate();
    imgSentensMeaning->Invalidate();
    imgMessage->setVisible(layout.MessageVisible);
    imgMessage->Invalidate();
    InvalidateWordText();
    imgMissCount->Invalidate();
    imgFlag->Invalidate();
    imgCheck->SetImageIndex(layout.CheckFrame);
    imgCheck->Invalidate();

    RewindAvailable = layout.RewindAvailable;
    ShowGreyed(bRewind, !RewindAvailable);
    ShowTrans2Switch();
    update(QRect(QPoint(10, 36), QPoint(799, 113)));
    if (layout.HideSpecialTraining)
        imgSpecialTraining->hide();
    PaintPending();

    if (layout.FlashSentence) {
        // The new sentence shows left-aligned with a grey corner for a
        // moment, then settles in its place.
        FlashingSentence = true;
        repaint();
        PauseThen(50, [this] {
            FlashingSentence = false;
            update(QRect(0, imgSentenceText->Top(), 800, imgSentenceText->Height()));
            update(QRect(0, 0, 6, 6));
        });
    }
}

void TFrmMain::ApplyOutcome(const TTrainingOutcome &outcome)
{
    ShowTrans2Switch();
    if (outcome.StopVoice)
        StopVoice();
    if (outcome.SpecialTraining == TStripChange::Show)
        imgSpecialTraining->show();
    else if (outcome.SpecialTraining == TStripChange::Hide)
        imgSpecialTraining->hide();
    if (outcome.DrawRelatedWords)
        update();
    if (outcome.InvalidateWordText)
        InvalidateWordText();
    if (outcome.RepaintMissCount) {
        imgMissCount->Invalidate();
        imgFlag->Invalidate();
    }
    if (outcome.RepaintFlag)
        imgFlag->Invalidate();
    if (outcome.RepaintMessage)
        imgMessage->Invalidate();
    if (outcome.RepaintSentenceMeaning)
        imgSentensMeaning->Invalidate();
    if (outcome.RepaintIdNo)
        imgIdNo->Invalidate();
    if (outcome.CounterTag >= 0) {
        imgCounter->SetTag(outcome.CounterTag);
        imgCounter->Invalidate();
    }
    if (outcome.CheckFrame >= 0)
        imgCheck->SetImageIndex(outcome.CheckFrame);
    if (outcome.InvalidateWindow || (outcome.InvalidateWindowIfGuideAtEdge && GuideMarkAtEdge))
        update();
    if (outcome.RunEnded) {
        SetScreen(scCourse);
        SaveAfterChange();
        return;
    }
    if (outcome.LayOutTarget)
        SetTrainingScreen(true);
    if (outcome.PaintNow)
        PaintPending();
    if (outcome.KeySound > 0)
        PlayKeySound(outcome.KeySound);
    if (outcome.PlayTargetVoice)
        bNaturalClick(bNatural);
    if (!outcome.VoiceFile.isEmpty())
        PlayVoice(outcome.VoiceFile);
}

void TFrmMain::bRewindClick(TEgImage *)
{
    if (!RewindAvailable)
        return;
    ApplyOutcome(Rewind(Run, TrainingOptions()));
}

void TFrmMain::bForwardClick(TEgImage *)
{
    ApplyOutcome(Forward(Run, TrainingOptions(), FData));
}

void TFrmMain::bHintClick(TEgImage *)
{
    ApplyOutcome(Hint(Run));
}

void TFrmMain::bNaturalClick(TEgImage *)
{
    ApplyOutcome(NaturalVoice(Run, TrainingOptions(), ExePath));
}

void TFrmMain::bTrans2Click(TEgImage *)
{
    // The switch is greyed while a word is typed.
    if (Run.WordOrSentence != wsSentence)
        return;
    ApplyOutcome(ToggleTrans2(Run));
}

void TFrmMain::imgCheckClick(TEgImage *)
{
    ApplyOutcome(ToggleCheck(Run));
}

void TFrmMain::RunKeyCommand(int command)
{
    switch (static_cast<TKeyCommand>(command)) {
    case TKeyCommand::StartTraining: bTrainingClick(bTraining); break;
    case TKeyCommand::SkipStartScreen: SkipStartScreen = true; break;
    case TKeyCommand::Forward: bForwardClick(bForward); break;
    case TKeyCommand::Rewind: bRewindClick(bRewind); break;
    case TKeyCommand::Hint: bHintClick(bHint); break;
    case TKeyCommand::Trans2: bTrans2Click(bTrans2); break;
    case TKeyCommand::PlayVoice: bNaturalClick(bNatural); break;
    case TKeyCommand::CursorToStart: ApplyOutcome(ReturnCursorToStart(Run)); break;
    case TKeyCommand::CursorBack: ApplyOutcome(MoveCursorBack(Run)); break;
    case TKeyCommand::ToggleIdNo:
        Run.IdNoShowFlag = !Run.IdNoShowFlag;
        imgIdNo->Invalidate();
        break;
    case TKeyCommand::None: break;
    }
}

void TFrmMain::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    if (InputPaused)
        return;
    if (FormKeyDown(event))
        return;
    if (!FormKeyPress(event))
        QWidget::keyPressEvent(event);
}

bool TFrmMain::FormKeyDown(QKeyEvent *event)
{
    const TKeyDownAction action =
        KeyDownAction(FCurScreenNo, event->key(), event->modifiers(), Run, imgSpecialTraining->isVisible());
    RunKeyCommand(static_cast<int>(action.Command));
    if (action.RepaintMessage)
        imgMessage->Invalidate();
    return action.Consumed;
}

bool TFrmMain::FormKeyPress(QKeyEvent *event)
{
    if (FCurScreenNo == TrainingScreenNo) {
        if (const char16_t c = TypedCharacter(event->text(), event->modifiers()))
            ApplyOutcome(TypeKey(Run, c, TrainingOptions()));
        return true;
    }
    // Character keys do nothing on the course and start screens.
    return FCurScreenNo == CourseScreenNo || FCurScreenNo == StartScreenNo;
}

void TFrmMain::PlayKeySound(int n)
{
    StartSound();
    ::PlayKeySound(n);
}

void TFrmMain::PlayVoice(const QString &file)
{
    StartSound();
    ::PlayVoice(file);
}

void TFrmMain::StopVoice()
{
    ::StopVoice();
}

void TFrmMain::ClearCurVoiceFile()
{
    ::ClearCurVoiceFile();
}

void TFrmMain::DrawTrainingTarget(QImage &frame)
{
    if (Run.CurItemIndex < 0 || Run.CurItemIndex >= Run.CurItem.size())
        return;
    const TBandDataItem &item = Run.CurItem[Run.CurItemIndex];
    QPainter painter(&frame);
    if (Run.WordOrSentence == wsWord) {
        DrawWord(painter, Picture(QStringLiteral("FONTLARGE")), Picture(QStringLiteral("MARKENTER")), item.Word, TypingViewOf(Run), FOptions.DispWordNo, imgWordText->geometry());
    } else if (item.SentenceIndex >= 0 && item.SentenceIndex < item.Item.size()) {
        DrawSentence(imgSentenceText->Left(), imgSentenceText->Top(), painter, {Picture(QStringLiteral("FONTSMALL")), Picture(QStringLiteral("SVOC"))},
                     {item.Item[item.SentenceIndex], TypingViewOf(Run), Choice.Pattern, FOptions.GuideNo, imgSentenceText->geometry()},
                     GuideMarkAtEdge);
    }
}

void TFrmMain::PaintTrainingExtras(QPainter &canvas)
{
    if (FlashingSentence && Run.WordOrSentence == wsSentence && Run.CurItemIndex >= 0 && Run.CurItemIndex < Run.CurItem.size()) {
        // The new sentence stands left-aligned for a moment with a grey
        // corner, before the next paint puts it in its place.
        canvas.fillRect(QRect(0, 0, 6, 6), QColor(128, 128, 128));
        const TBandDataItem &item = Run.CurItem[Run.CurItemIndex];
        if (item.SentenceIndex >= 0 && item.SentenceIndex < item.Item.size()) {
            bool unused = false;
            DrawSentence(0, imgSentenceText->Top(), canvas, {Picture(QStringLiteral("FONTSMALL")), Picture(QStringLiteral("SVOC"))},
                         {item.Item[item.SentenceIndex], TypingViewOf(Run), Choice.Pattern, FOptions.GuideNo, imgSentenceText->geometry()},
                         unused);
        }
    }
    if (Run.WordOrSentence == wsWord && Run.InputMode == 9 && Run.CurItemIndex >= 0 && Run.CurItemIndex < Run.CurItem.size()) {
        const TBandDataItem &word = Run.CurItem[Run.CurItemIndex];
        if (word.SentenceIndex >= 0 && word.SentenceIndex < word.Item.size())
            DrawRelatedWords(canvas, word.Item[word.SentenceIndex], imgWordText->geometry());
    }
}

void TFrmMain::ShowTrans2Switch()
{
    // The translation switch works on sentences only.
    ShowGreyed(bTrans2, Run.WordOrSentence != wsSentence);
}
