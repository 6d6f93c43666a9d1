// Course choices: level, band, pattern, word source and word type. The
// choices live in fields; ShowChoices draws every button of them.

#include "Main.h"

#include "ButtonFrames.h"
#include "EgImage.h"

void TFrmMain::ShowChoices()
{
    for (int i = 0; i < int(bLevel.size()); ++i)
        bLevel[i]->SetImageIndex(i == FLevelNo ? frLevelChosen : frNormal);
    for (int i = 0; i < int(bBand.size()); ++i) {
        // A chosen band keeps its chosen look while it is pressed again.
        const bool chosen = i == FBandNo;
        bBand[i]->SetImageIndex(chosen ? frBandChosen : frNormal);
        bBand[i]->SetMouseDownImageIndex(chosen ? frBandChosen : frPressed);
    }
    for (int i = 0; i < int(bPattern.size()); ++i) {
        const bool chosen = i == Choice.Pattern;
        bPattern[i]->SetImageIndex(chosen ? frPatternChosen : frNormal);
        bPattern[i]->SetMouseOverImageIndex(chosen ? frPatternChosen : frHover);
    }
    bNewWord->SetImageIndex(Choice.Source == srcNewWords ? frSourceChosen : frNormal);
    bOnceMore->SetImageIndex(!Choice.OnceMoreAvailable          ? frOnceMoreGreyed
                             : Choice.Source == srcOnceMore ? frSourceChosen
                                                            : frNormal);
    for (int i = 0; i < int(bWordType.size()); ++i) {
        const bool available = Choice.TypeAvailable[i];
        bWordType[i]->SetImageIndex(!available ? frTypeGreyed : i == Choice.WordType ? frTypeChosen : frNormal);
        bWordType[i]->SetMouseDownImageIndex(available ? frPressed : frTypeGreyed);
    }
}

void TFrmMain::SetLevelNo(int value)
{
    FLevelNo = value;
    ShowChoices();
}

void TFrmMain::SetBandNo(int value)
{
    FBandNo = value;
    ShowChoices();
}

void TFrmMain::SetPattern(TPattern value)
{
    Choice.Pattern = value;
    ShowChoices();
}

TBandData *TFrmMain::CurrentBand()
{
    if (FLevelNo < 0 || FLevelNo >= FData.size())
        return nullptr;
    TLevelData &level = FData[FLevelNo];
    if (FBandNo < 0 || FBandNo >= level.Item.size())
        return nullptr;
    return &level.Item[FBandNo];
}

void TFrmMain::bLevel1Click(TEgImage *Sender)
{
    const int level = Sender->Tag();
    // Levels without words have nothing to practise: say so and stay on the
    // menu instead of opening an empty course screen.
    if (level < 0 || level >= FData.size() || LevelWordCount(FData[level]) == 0) {
        Env.ShowMessage(QStringLiteral("このレベルの教材は体験版には入っていません。\nほかのレベルを選んでください。"));
        return;
    }
    SetLevelNo(level);
    PaintPending();
    // The chosen level shows for a moment before the course screen.
    PauseThen(300, [this] {
        SetBandNo(FData[FLevelNo].BandNo);
        SetScreen(scCourse);
    });
}

void TFrmMain::bBandAClick(TEgImage *Sender)
{
    SetBandNo(Sender->Tag());
    if (FLevelNo >= 0 && FLevelNo < FData.size())
        FData[FLevelNo].BandNo = FBandNo;
    UpdateWordTypeButtons();
}

void TFrmMain::bWordAndSentenceClick(TEgImage *Sender)
{
    const auto pattern = static_cast<TPattern>(Sender->Tag());
    if (pattern == Choice.Pattern)
        return;
    ChoosePattern(Choice, pattern);
    ShowChoices();
}

void TFrmMain::bNewWordClick(TEgImage *Sender)
{
    if (ChooseSource(Choice, Sender == bOnceMore ? srcOnceMore : srcNewWords))
        ShowChoices();
}

void TFrmMain::bNewWordTypeClick(TEgImage *Sender)
{
    for (int i = 0; i < int(bWordType.size()); ++i)
        if (bWordType[i] == Sender && ChooseWordType(Choice, static_cast<TWordType>(i)))
            ShowChoices();
}

int TFrmMain::ChosenWordType() const
{
    return Choice.WordType;
}

void TFrmMain::UpdateWordTypeButtons()
{
    const TBandData *band = CurrentBand();
    if (!band)
        return;
    UpdateForBand(Choice, *band, FLevelNo * BandsPerLevel + FBandNo == Run.LastIndex);
    ShowChoices();
}
