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

TPanelView PanelViewOf(const TFrmMain &w)
{
    TPanelView view;
    if (w.CurItemIndex >= 0 && w.CurItemIndex < w.CurItem.size())
        view.Word = &w.CurItem[w.CurItemIndex];
    view.WordOrSentence = w.WordOrSentence;
    view.Pattern = w.Pattern();
    view.InputMode = w.InputMode;
    view.InputLen = w.InputLen;
    view.MeaningNo = w.MeaningNo;
    view.Trans2Flag = w.Trans2Flag;
    view.IdNoShowFlag = w.IdNoShowFlag;
    return view;
}

} // namespace

void TFrmMain::imgWordMeaningPaint(TEgImage *Sender)
{
    DrawWordMeaningPanel(*Sender->Canvas(), PanelViewOf(*this), Env.ShowMessage);
}

void TFrmMain::imgSentensMeaningPaint(TEgImage *Sender)
{
    DrawSentensMeaningPanel(*Sender->Canvas(), PanelViewOf(*this));
}

void TFrmMain::imgMessagePaint(TEgImage *Sender)
{
    DrawMessagePanel(*Sender->Canvas(), PanelViewOf(*this));
}

void TFrmMain::imgWordPaint(TEgImage *Sender)
{
    DrawWordPanel(*Sender->Canvas(), PanelViewOf(*this));
}

void TFrmMain::imgIdNoPaint(TEgImage *Sender)
{
    DrawIdNoPanel(*Sender->Canvas(), PanelViewOf(*this));
}

void TFrmMain::imgSpecialTrainingPaint(TEgImage *Sender)
{
    DrawSpecialTrainingPanel(*Sender->Canvas());
}

void TFrmMain::imgLevelNamePaint(TEgImage *Sender)
{
    if (FLevelNo >= 0 && FLevelNo < Data.size())
        DrawLevelNamePanel(*Sender->Canvas(), Sender->Width(), LevelNameText(FLevelNo, Data[FLevelNo].LevelName));
}

void TFrmMain::imgBandNamePaint(TEgImage *Sender)
{
    if (const TBandData *band = CurrentBand())
        DrawBandNamePanel(*Sender->Canvas(), Sender->Width(), ShortNameText(band->BandName));
}

void TFrmMain::imgWordAndSentencePaint(TEgImage *Sender)
{
    DrawWordAndSentencePanel(*Sender->Canvas(), Sender->Width(), FPattern);
}

void TFrmMain::imgCounterPaint(TEgImage *Sender)
{
    DrawCounterPanel(*Sender->Canvas(), CounterImage, Sender->Tag());
}

void TFrmMain::imgMissCountPaint(TEgImage *Sender)
{
    DrawMissCountPanel(*Sender->Canvas(), MissMeter, MissCount, Sender->size());
}

void TFrmMain::imgFlagPaint(TEgImage *Sender)
{
    DrawFlagPanel(*Sender->Canvas(), FlagImage, MissCount, InputMode);
}

void TFrmMain::imgPartPaint(TEgImage *Sender)
{
    DrawPartPanel(*Sender->Canvas(), HinshiImage, Sender->Tag());
}
