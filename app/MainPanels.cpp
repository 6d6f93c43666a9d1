// The panels of the training and start screens: each paint handler hands
// the control's canvas and a read-only view of the run to its renderer.

#include "Main.h"

#include "CourseLoader.h"
#include "EgImage.h"
#include "MeaningPanel.h"
#include "PanelView.h"
#include "RelatedWords.h"
#include "StatusWidgets.h"
#include "TrainingPanels.h"

namespace {

TPanelView PanelViewOf(const TTrainingState &run, TPattern pattern, const TOptions &options)
{
    TPanelView view;
    if (run.CurItemIndex >= 0 && run.CurItemIndex < run.CurItem.size())
        view.Word = &run.CurItem[run.CurItemIndex];
    view.WordOrSentence = run.WordOrSentence;
    view.Pattern = pattern;
    view.InputMode = run.InputMode;
    view.InputLen = run.InputLen;
    view.MeaningNo = options.MeaningNo;
    view.Trans2Flag = run.Trans2Flag;
    view.IdNoShowFlag = run.IdNoShowFlag;
    return view;
}

} // namespace

TPanelView TFrmMain::PanelView() const
{
    return PanelViewOf(Run, Choice.Pattern, FOptions);
}

void TFrmMain::ReportMarkupProblems()
{
    for (const TLevelData &level : std::as_const(FData))
        for (const TBandData &band : level.Item)
            for (const TBandDataItem &word : band.Item)
                MeaningLinePieces(word, Env.ShowMessage);
}

void TFrmMain::imgWordMeaningPaint(TEgImage *Sender)
{
    // Problems of the course's markup were told when it was loaded.
    DrawWordMeaningPanel(*Sender->Canvas(), PanelViewOf(Run, Choice.Pattern, FOptions), [](const QString &) {});
}

void TFrmMain::imgSentensMeaningPaint(TEgImage *Sender)
{
    DrawSentensMeaningPanel(*Sender->Canvas(), Sender->Width(), PanelViewOf(Run, Choice.Pattern, FOptions));
}

void TFrmMain::imgMessagePaint(TEgImage *Sender)
{
    DrawMessagePanel(*Sender->Canvas(), Sender->Width(), PanelViewOf(Run, Choice.Pattern, FOptions));
}

void TFrmMain::imgWordPaint(TEgImage *Sender)
{
    DrawWordPanel(*Sender->Canvas(), Sender->Width(), PanelViewOf(Run, Choice.Pattern, FOptions));
}

void TFrmMain::imgIdNoPaint(TEgImage *Sender)
{
    DrawIdNoPanel(*Sender->Canvas(), Sender->Width(), PanelViewOf(Run, Choice.Pattern, FOptions));
}

void TFrmMain::imgSpecialTrainingPaint(TEgImage *Sender)
{
    DrawSpecialTrainingPanel(*Sender->Canvas(), Sender->size());
}

void TFrmMain::imgLevelNamePaint(TEgImage *Sender)
{
    if (FLevelNo >= 0 && FLevelNo < FData.size())
        DrawLevelNamePanel(*Sender->Canvas(), Sender->Width(), LevelNameText(FLevelNo, FData[FLevelNo].LevelName));
}

void TFrmMain::imgBandNamePaint(TEgImage *Sender)
{
    if (const TBandData *band = CurrentBand())
        DrawBandNamePanel(*Sender->Canvas(), Sender->Width(), ShortNameText(band->BandName));
}

void TFrmMain::imgWordAndSentencePaint(TEgImage *Sender)
{
    DrawWordAndSentencePanel(*Sender->Canvas(), Sender->Width(), Choice.Pattern);
}

void TFrmMain::imgCounterPaint(TEgImage *Sender)
{
    DrawCounterPanel(*Sender->Canvas(), Picture(QStringLiteral("COUNTER")), Sender->Tag());
}

void TFrmMain::imgMissCountPaint(TEgImage *Sender)
{
    DrawMissCountPanel(*Sender->Canvas(), Picture(QStringLiteral("MISSMETER")), Run.MissCount, Sender->size());
}

void TFrmMain::imgFlagPaint(TEgImage *Sender)
{
    DrawFlagPanel(*Sender->Canvas(), Picture(QStringLiteral("FLAG")), Run.MissCount, Run.InputMode);
}

void TFrmMain::imgPartPaint(TEgImage *Sender)
{
    // Only the picture of the part shown is decoded.
    std::array<QImage, 9> hinshiImage;
    if (Sender->Tag() >= 1 && Sender->Tag() < int(hinshiImage.size()))
        hinshiImage[std::size_t(Sender->Tag())] = Picture(QStringLiteral("HINSHI%1").arg(Sender->Tag()));
    DrawPartPanel(*Sender->Canvas(), hinshiImage, Sender->Tag());
}
