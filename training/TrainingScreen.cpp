#include "TrainingScreen.h"

#include "Markup.h"
#include "Navigation.h"
#include "Typing.h"

namespace {

// The pictures are spread evenly over the screen by how many there are.
constexpr int PartLefts[3][3] = {{302, 0, 0}, {205, 400, 0}, {107, 302, 497}};

void LayOutParts(TTrainingLayout &layout, TTrainingState &state, const TBandDataItem &word)
{
    std::array<QString, 3> markers;
    state.HinshiSize = 0;
    for (const TSentenceData &sentence : word.Item) {
        const int size = state.HinshiSize;
        if (size >= 3)
            break;
        bool seen = false;
        for (int i = 0; i < size; ++i)
            seen = seen || layout.Parts[i].Tag == sentence.Part;
        if (seen)
            continue;
        layout.Parts[size].Tag = sentence.Part;
        markers[size] = sentence.Etc2;
        state.HinshiSize = size + 1;
    }
    if (state.WordOrSentence == wsSentence) {
        const TSentenceData *current = word.SentenceIndex >= 0 && word.SentenceIndex < word.Item.size()
                                           ? &word.Item[word.SentenceIndex]
                                           : nullptr;
        for (TPartPicture &part : layout.Parts)
            part.Visible = current && part.Tag == current->Part;
        return;
    }
    if (state.HinshiSize == 0) {
        layout.Message = QStringLiteral("品詞数エラー");
        return;
    }
    for (int i = 0; i < state.HinshiSize; ++i) {
        TPartPicture &part = layout.Parts[i];
        part.Visible = true;
        part.Left = PartLefts[state.HinshiSize - 1][i];
        part.SoundMarkCell = PronunciationMarkCell(markers[i]);
        part.SoundMarkCenterX = part.Left + PartPictureWidth / 2;
    }
}

} // namespace

TTrainingLayout LayOutTrainingScreen(TTrainingState &state, TPattern pattern, bool flag)
{
    TTrainingLayout layout;
    const TBandDataItem *word = CurrentWord(state);
    if (word && !IsSentencePattern(pattern))
        LayOutParts(layout, state, *word);
    const bool wordStage = state.WordOrSentence == wsWord;
    layout.WordMeaningVisible = wordStage;
    layout.SentenceMeaningVisible = !wordStage;
    layout.MessageVisible = IsSentencePattern(pattern) ? state.SentenceCounter == 0 : state.CurItemIndex == 0;
    layout.CheckFrame = word && word->Check != 0 ? 1 : 0;
    layout.RewindAvailable = HasPreviousTarget(state, pattern);
    if (flag) {
        layout.HideSpecialTraining = true;
        state.InputMode = 0;
        state.InputMode2 = 0;
        state.HintIndex = 0;
        state.MissCount = 0;
        ResetInput(state, CurrentTarget(state));
    }
    layout.FlashSentence = !wordStage;
    return layout;
}
