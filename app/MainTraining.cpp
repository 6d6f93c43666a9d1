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
#include "TrainingPanels.h"
#include "TrainingScreen.h"
#include "VoicePlayer.h"
#include "Typing.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

namespace {

// Where the target's pronunciation marks go in the training picture.
constexpr QRect SoundMarkStrip(QPoint(100, 122), QPoint(699, 131));

} // namespace

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
    // A control shown since the last paint asks for its area through an
    // event of its own; joined with the rest, the window paints once.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

TBandPieces TFrmMain::TargetPieces()
{
    if (Run.CurItemIndex < 0 || Run.CurItemIndex >= Run.CurItem.size())
        return {};
    const TBandDataItem &item = Run.CurItem[Run.CurItemIndex];
    if (Run.WordOrSentence == wsWord)
        return WordPieces(item.Word, TypingViewOf(Run), FOptions.DispWordNo, imgWordText->geometry(),
                          Picture(QStringLiteral("MARKENTER")).size());
    if (item.SentenceIndex < 0 || item.SentenceIndex >= item.Item.size())
        return {};
    return SentencePieces(imgSentenceText->Left(), imgSentenceText->Top(),
                          {item.Item[item.SentenceIndex], TypingViewOf(Run), Choice.Pattern, FOptions.GuideNo,
                           imgSentenceText->geometry()});
}

void TFrmMain::InvalidateWordText()
{
    TBandPieces shown = TargetPieces();
    update(ChangedArea(TargetOnScreen, shown));
    TargetOnScreen = std::move(shown);
    FollowRelatedWords(false);
    // The instruction follows the typing state as well.
    InvalidateMessage();
}

void TFrmMain::InvalidateTarget(bool wholeBand)
{
    TBandPieces shown = TargetPieces();
    // A sentence clears its band across the whole window, a word only its
    // layout control's part of it; between two targets of the same kind
    // only their pieces differ.
    if (wholeBand || TargetKindOnScreen != Run.WordOrSentence)
        update(QRect(0, imgWordText->Top(), width(), imgWordText->Height())
               | QRect(0, imgSentenceText->Top(), width(), imgSentenceText->Height()));
    else
        update(ChangedArea(TargetOnScreen, shown));
    TargetOnScreen = std::move(shown);
    TargetKindOnScreen = Run.WordOrSentence;
    FollowRelatedWords(true);
}

QRegion TFrmMain::SoundMarkArea() const
{
    QRegion area = SoundMarksLaid ? QRegion(SoundMarkStrip) : QRegion();
    for (const auto &[place, cell] : SoundMarks)
        area += place;
    return area;
}

void TFrmMain::DrawSoundMarks(QPainter &canvas)
{
    if (!SoundMarksLaid)
        return;
    canvas.fillRect(SoundMarkStrip, Qt::white);
    const QImage soundMark = Picture(QStringLiteral("SOUND"));
    for (const auto &[place, cell] : SoundMarks)
        CopyRect(canvas, place, soundMark, cell, TRasterOp::SrcCopy);
}

const TSentenceData *TFrmMain::RelatedWordsShown() const
{
    if (Run.WordOrSentence != wsWord || Run.InputMode != 9 || Run.CurItemIndex < 0 || Run.CurItemIndex >= Run.CurItem.size())
        return nullptr;
    const TBandDataItem &word = Run.CurItem[Run.CurItemIndex];
    if (word.SentenceIndex < 0 || word.SentenceIndex >= word.Item.size())
        return nullptr;
    return &word.Item[word.SentenceIndex];
}

void TFrmMain::FollowRelatedWords(bool relaid)
{
    const TSentenceData *sense = RelatedWordsShown();
    if (!relaid && (sense != nullptr) == RelatedWordsVisible)
        return;
    update(RelatedWordsOnScreen);
    RelatedWordsVisible = sense != nullptr;
    RelatedWordsOnScreen = sense ? RelatedWordsArea(*sense, imgWordText->geometry()) : QRegion();
    update(RelatedWordsOnScreen);
}

void TFrmMain::InvalidateMessage()
{
    const QString message = InstructionMessage(PanelView());
    if (message == MessageOnScreen)
        return;
    MessageOnScreen = message;
    imgMessage->Invalidate();
}

void TFrmMain::bTrainingClick(TEgImage *)
{
    if (WaitingOnStartScreen)
        return;
    SetScreen(scStart);
    PaintPending();
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
        // The target's pronunciation marks are drawn over a strip of the
        // training picture cleared to white; the picture stays as it was
        // loaded.
        update(SoundMarkArea());
        SoundMarksLaid = true;
        SoundMarks.clear();
        for (const TPartPicture &part : layout.Parts)
            if (part.SoundMarkCell >= 0 && part.Visible)
                SoundMarks.append({QRect(part.SoundMarkCenterX - 25, 122, 50, 10), QRect(part.SoundMarkCell * 50, 0, 50, 10)});
        update(SoundMarkArea());
    }

    imgWordMeaning->setVisible(layout.WordMeaningVisible);
    imgSentensMeaning->setVisible(layout.SentenceMeaningVisible);
    imgWordMeaning->Invalidate();
    imgSentensMeaning->Invalidate();
    imgMessage->setVisible(layout.MessageVisible);
    imgMessage->Invalidate();
    MessageOnScreen = InstructionMessage(PanelView());
    // The first paint of a sentence flashes it at the left edge, over the
    // whole band.
    InvalidateTarget(layout.FlashSentence);
    imgMissCount->Invalidate();
    imgFlag->Invalidate();
    imgCheck->SetImageIndex(layout.CheckFrame);
    imgCheck->Invalidate();
    // The word's own panels follow the target too.
    imgWord->Invalidate();
    imgIdNo->Invalidate();

    RewindAvailable = layout.RewindAvailable;
    ShowGreyed(bRewind, !RewindAvailable);
    ShowTrans2Switch();
    if (layout.HideSpecialTraining)
        imgSpecialTraining->hide();

    // The new sentence shows left-aligned with a grey corner for a moment,
    // then settles in its place; the first paint of the target already
    // shows it so.
    FlashingSentence = layout.FlashSentence;
    if (FlashingSentence)
        update(QRect(0, 0, 6, 6));
    PaintPending();

    if (layout.FlashSentence) {
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
    // The related words of a completed word and the look of a completed
    // sentence are parts of the target's own drawing, so repainting what
    // changed in it covers them.
    if (outcome.DrawRelatedWords || outcome.InvalidateWordText || (outcome.InvalidateWindow && FCurScreenNo == scTraining))
        InvalidateWordText();
    if (outcome.RepaintMissCount) {
        imgMissCount->Invalidate();
        imgFlag->Invalidate();
    }
    if (outcome.RepaintFlag)
        imgFlag->Invalidate();
    if (outcome.RepaintMessage)
        InvalidateMessage();
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
    // A writing-guide label at the right edge of the sentence area is one of
    // the target's pieces like any other, so it asks for nothing wider.
    if (outcome.InvalidateWindow && FCurScreenNo != scTraining)
        update();
    if (outcome.RunEnded) {
        ShowCourseThenSave();
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
        InvalidateMessage();
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

void TFrmMain::DrawTrainingTarget(QImage &frame, const QRegion &area)
{
    if (Run.CurItemIndex < 0 || Run.CurItemIndex >= Run.CurItem.size())
        return;
    const TBandDataItem &item = Run.CurItem[Run.CurItemIndex];
    QPainter painter(&frame);
    painter.setClipRegion(area);
    if (Run.WordOrSentence == wsWord) {
        DrawWord(painter, Picture(QStringLiteral("FONTLARGE")), Picture(QStringLiteral("MARKENTER")), item.Word, TypingViewOf(Run), FOptions.DispWordNo, imgWordText->geometry());
    } else if (item.SentenceIndex >= 0 && item.SentenceIndex < item.Item.size()) {
        DrawSentence(imgSentenceText->Left(), imgSentenceText->Top(), painter, {Picture(QStringLiteral("FONTSMALL")), Picture(QStringLiteral("SVOC"))},
                     {item.Item[item.SentenceIndex], TypingViewOf(Run), Choice.Pattern, FOptions.GuideNo, imgSentenceText->geometry()},
                     GuideMarkAtEdge);
    }
}

void TFrmMain::PaintTrainingExtras(QPainter &canvas, const QRegion &area)
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
    // Laying the related words out takes longer than the rest of a key's
    // paint, so a paint that does not reach them leaves them alone.
    if (const TSentenceData *sense = RelatedWordsShown(); sense && (!RelatedWordsVisible || area.intersects(RelatedWordsOnScreen)))
        DrawRelatedWords(canvas, *sense, imgWordText->geometry());
}

void TFrmMain::ShowTrans2Switch()
{
    // The translation switch works on sentences only.
    ShowGreyed(bTrans2, Run.WordOrSentence != wsSentence);
}
