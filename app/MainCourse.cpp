// Course choices: level, band, pattern, word source and word type. The
// choice of source and type lives only in the frames the buttons show.

#include "Main.h"

#include "EgImage.h"

namespace {

// Frames of the buttons whose frame is their state.
constexpr int BandChosen = 2;
constexpr int PatternChosen = 3;
constexpr int SourceChosen = 1;
constexpr int OnceMoreUnavailable = 2;
constexpr int TypeChosen = 2;
constexpr int TypeUnavailable = 3;

} // namespace

void TFrmMain::SetLevelNo(int value)
{
    if (value == FLevelNo)
        return;
    if (FLevelNo >= 0 && FLevelNo <= 7)
        bLevel[FLevelNo]->SetImageIndex(0);
    FLevelNo = value;
    if (value >= 0 && value <= 7)
        bLevel[value]->SetImageIndex(2);
}

void TFrmMain::SetBandNo(int value)
{
    if (value == FBandNo)
        return;
    if (FBandNo >= 0 && FBandNo <= 2) {
        bBand[FBandNo]->SetImageIndex(0);
        bBand[FBandNo]->SetMouseDownImageIndex(1);
    }
    FBandNo = value;
    if (value >= 0 && value <= 2) {
        bBand[value]->SetImageIndex(BandChosen);
        bBand[value]->SetMouseDownImageIndex(BandChosen);
    }
}

void TFrmMain::SetPattern(TPattern value)
{
    if (value == FPattern)
        return;
    bPattern[FPattern]->SetImageIndex(0);
    bPattern[FPattern]->SetMouseOverImageIndex(2);
    FPattern = value;
    bPattern[value]->SetImageIndex(PatternChosen);
    bPattern[value]->SetMouseOverImageIndex(PatternChosen);
}

TBandData *TFrmMain::CurrentBand()
{
    if (FLevelNo < 0 || FLevelNo >= Data.size())
        return nullptr;
    TLevelData &level = Data[FLevelNo];
    if (FBandNo < 0 || FBandNo >= level.Item.size())
        return nullptr;
    return &level.Item[FBandNo];
}

void TFrmMain::bLevel1Click(TEgImage *Sender)
{
    const int level = Sender->Tag();
    // Levels without words have nothing to practise: say so and stay on the
    // menu instead of opening an empty course screen.
    if (!Loading && (level < 0 || level >= Data.size() || LevelWordCount(Data[level]) == 0)) {
        Env.ShowMessage(QStringLiteral("このレベルの教材は体験版には入っていません。\nほかのレベルを選んでください。"));
        return;
    }
    SetLevelNo(level);
    if (Loading)
        return;
    repaint();
    Env.Sleep(300);
    SetBandNo(Data[FLevelNo].BandNo);
    SetScreen(12000);
}

void TFrmMain::bBandAClick(TEgImage *Sender)
{
    SetBandNo(Sender->Tag());
    if (FLevelNo >= 0 && FLevelNo < Data.size())
        Data[FLevelNo].BandNo = FBandNo;
    UpdateWordTypeButtons();
}

void TFrmMain::bWordAndSentenceClick(TEgImage *Sender)
{
    if (Sender->ImageIndex() == PatternChosen)
        return;
    SetPattern(static_cast<TPattern>(Sender->Tag()));
    if (FPattern == ptWriting && bOnceMore->ImageIndex() == 0) {
        // Writing practises the words of the last run when it can.
        bNewWord->SetImageIndex(0);
        bOnceMore->SetImageIndex(SourceChosen);
    } else if (FPattern != ptWriting && bNewWord->ImageIndex() == 0 &&
               bOnceMore->ImageIndex() != OnceMoreUnavailable) {
        bOnceMore->SetImageIndex(0);
        bNewWord->SetImageIndex(SourceChosen);
    }
}

void TFrmMain::bNewWordClick(TEgImage *Sender)
{
    if (Sender == bOnceMore && bOnceMore->ImageIndex() == OnceMoreUnavailable)
        return;
    if (Sender != bNewWord && bNewWord->ImageIndex() == SourceChosen)
        bNewWord->SetImageIndex(0);
    if (Sender != bOnceMore && bOnceMore->ImageIndex() == SourceChosen)
        bOnceMore->SetImageIndex(0);
    Sender->SetImageIndex(SourceChosen);
}

void TFrmMain::bNewWordTypeClick(TEgImage *Sender)
{
    if (Sender->ImageIndex() == TypeUnavailable)
        return;
    for (TEgImage *type : {bNewWordType1, bNewWordType2, bNewWordType3, bNewWordType4})
        if (type != Sender && type->ImageIndex() == TypeChosen)
            type->SetImageIndex(0);
    bNewWordClick(bNewWord);
    Sender->SetImageIndex(TypeChosen);
}

int TFrmMain::ChosenWordType() const
{
    const TEgImage *types[] = {bNewWordType1, bNewWordType2, bNewWordType3, bNewWordType4};
    for (int i = 0; i < 4; ++i)
        if (types[i]->ImageIndex() == TypeChosen)
            return i;
    return 0;
}

void TFrmMain::UpdateWordTypeButtons()
{
    const TBandData *band = CurrentBand();
    if (!band)
        return;
    const auto makeAvailable = [](TEgImage *type) {
        if (type->ImageIndex() == TypeUnavailable) {
            type->SetImageIndex(0);
            type->SetMouseDownImageIndex(1);
        }
    };
    const auto makeUnavailable = [](TEgImage *type) {
        type->SetImageIndex(TypeUnavailable);
        type->SetMouseDownImageIndex(TypeUnavailable);
    };
    // A type that can no longer be chosen hands the choice on: to the
    // not-yet-practised words when they exist, else to the words in order.
    const auto fallBack = [&](TEgImage *type) {
        if (type->ImageIndex() == TypeChosen) {
            if (bNewWordType1->ImageIndex() != TypeUnavailable)
                bNewWordType1->SetImageIndex(TypeChosen);
            else
                bNewWordType2->SetImageIndex(TypeChosen);
        }
        makeUnavailable(type);
    };

    if (band->Item.size() > band->KnownCount + band->UnknownCount) {
        makeAvailable(bNewWordType1);
    } else {
        if (bNewWordType1->ImageIndex() == TypeChosen)
            bNewWordType2->SetImageIndex(TypeChosen);
        makeUnavailable(bNewWordType1);
    }
    if (band->UnknownCount != 0)
        makeAvailable(bNewWordType3);
    else
        fallBack(bNewWordType3);
    if (band->CheckCount != 0)
        makeAvailable(bNewWordType4);
    else
        fallBack(bNewWordType4);

    if (FLevelNo * BandsPerLevel + FBandNo == LastIndex) {
        if (bOnceMore->ImageIndex() == OnceMoreUnavailable)
            bOnceMore->SetImageIndex(0);
    } else {
        if (bOnceMore->ImageIndex() == SourceChosen)
            bNewWord->SetImageIndex(SourceChosen);
        bOnceMore->SetImageIndex(OnceMoreUnavailable);
    }
}
