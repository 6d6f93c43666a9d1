#include "Navigation.h"
#include "RunFixtures.h"
#include "Typing.h"

#include <gtest/gtest.h>

namespace {

const TTrainingOptions Options{ptWordAndSentence, 0, 0, 0, 0, 0, 0};

TTrainingState Typing(const char *target, TWordOrSentence stage)
{
    TTrainingState state = FreshState();
    TBandDataItem word = WordItem(1, stage == wsWord ? target : "word", 0);
    word.Item.append(Sense(stage == wsSentence ? target : "A b."));
    state.CurItem = {word};
    state.WordOrSentence = stage;
    ResetInput(state, CurrentTarget(state));
    return state;
}

// Types every character of `keys` and returns the outcome of the last one.
TTrainingOutcome TypeKeys(TTrainingState &state, const char *keys, const TTrainingOptions &options = Options)
{
    TTrainingOutcome last;
    for (const char *k = keys; *k; ++k)
        last = TypeKey(state, static_cast<char16_t>(*k), options);
    return last;
}

TEST(TypeKey, TypingTheWholeTargetCompletesIt)
{
    struct Row {
        const char *target;
        TWordOrSentence stage;
        const char *keys;
    };
    const Row rows[] = {
        {"receive", wsWord, "receive"},
        {"receive", wsWord, "RECEIVE"},
        {"o'clock", wsWord, "oclock"},
        {"What's the difference between the two plans?", wsSentence, "Whats the difference between the two plans"},
        {"\"Yes,\" she said.", wsSentence, "yes she said"},
        {"It's 5 o'clock.", wsSentence, "its 5 oclock"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.target);
        TTrainingState state = Typing(row.target, row.stage);
        const TTrainingOutcome last = TypeKeys(state, row.keys);
        EXPECT_EQ(state.InputLen, qstrlen(row.target));
        EXPECT_EQ(state.InputMode, 9);
        EXPECT_EQ(state.MissCount, 0);
        EXPECT_FALSE(state.MissType);
        EXPECT_TRUE(last.PlayTargetVoice);
        EXPECT_TRUE(last.RepaintFlag);
        EXPECT_TRUE(last.PaintNow);
        EXPECT_EQ(last.KeySound, 1);
        EXPECT_EQ(last.DrawRelatedWords, row.stage == wsWord);
        EXPECT_EQ(state.InputMode2, row.stage == wsSentence ? 9 : 0);
    }
}

TEST(TypeKey, AWrongKeyIsAMissAndTheCursorStays)
{
    TTrainingState state = Typing("receive", wsWord);
    const TTrainingOutcome last = TypeKeys(state, "receivr");
    EXPECT_EQ(state.InputLen, 6);
    EXPECT_EQ(state.MissCount, 1);
    EXPECT_TRUE(state.MissType);
    EXPECT_EQ(state.InputMode, 0);
    EXPECT_EQ(last.KeySound, 3);
    EXPECT_TRUE(last.RepaintMissCount);
    EXPECT_FALSE(last.PlayTargetVoice);
    TypeKeys(state, "e");
    EXPECT_EQ(state.InputMode, 9);
    EXPECT_FALSE(state.MissType);
}

TEST(TypeKey, TheCursorSkipsOverAnApostropheAfterTheLetterBeforeIt)
{
    TTrainingState state = Typing("o'clock", wsWord);
    TypeKeys(state, "o");
    EXPECT_EQ(state.InputLen, 2);
}

TEST(ResetInput, ATargetStartsAfterItsLeadingPunctuation)
{
    const std::pair<const char *, int> rows[] = {{"\"Yes,\" she said.", 1}, {"'Tis.", 1}, {"...and", 3}, {"yes", 0}, {"", 0}, {"?!", 2}};
    for (const auto &[target, start] : rows) {
        TTrainingState state = FreshState();
        state.InputLen = 7;
        ResetInput(state, target);
        EXPECT_EQ(state.InputLen, start) << target;
    }
}

TEST(TypeKey, RetypingACompletedTargetRequiresEveryCharacter)
{
    TTrainingState state = Typing("o'clock", wsWord);
    TypeKeys(state, "oclock");
    ReturnCursorToStart(state);
    TypeKeys(state, "oc");
    EXPECT_EQ(state.InputLen, 1);
    EXPECT_TRUE(state.MissType);
    // A miss at the end of the word is not counted, but one inside it is.
    EXPECT_EQ(state.MissCount, 1);
    const TTrainingOutcome last = TypeKeys(state, "'clock");
    EXPECT_EQ(state.InputLen, 7);
    EXPECT_TRUE(last.PlayTargetVoice);
    EXPECT_FALSE(last.DrawRelatedWords);
    EXPECT_EQ(last.SpecialTraining, TStripChange::Hide);

    TTrainingState sentence = Typing("Hi, you.", wsSentence);
    TypeKeys(sentence, "hi you");
    ReturnCursorToStart(sentence);
    TypeKeys(sentence, "hi you");
    EXPECT_EQ(sentence.InputLen, 2);
    TypeKeys(sentence, ", you.");
    EXPECT_EQ(sentence.InputLen, 8);
}

TEST(TypeKey, AKeyAfterTheEndOfAWordSoundsAsAMissButCostsNothing)
{
    TTrainingState state = Typing("go", wsWord);
    TypeKeys(state, "go");
    const TTrainingOutcome extra = TypeKeys(state, "o");
    EXPECT_EQ(state.MissCount, 0);
    EXPECT_TRUE(state.MissType);
    EXPECT_EQ(extra.KeySound, 3);
    EXPECT_FALSE(extra.RepaintMissCount);
    EXPECT_EQ(state.InputLen, 2);
}

TEST(TypeKey, MissesOfAWordStopAtTen)
{
    TTrainingState state = Typing("receive", wsWord);
    TypeKeys(state, "xxxxxxxxxx");
    EXPECT_EQ(state.MissCount, 10);
    const TTrainingOutcome eleventh = TypeKeys(state, "x");
    EXPECT_EQ(state.MissCount, 10);
    EXPECT_FALSE(eleventh.RepaintMissCount);
    EXPECT_EQ(eleventh.KeySound, 3);
}

TEST(TypeKey, MissesInASentenceSoundButAreNotCounted)
{
    const std::pair<int, int> rows[] = {{0, 3}, {1, 0}};
    for (const auto &[missSoundNo, sound] : rows) {
        TTrainingState state = Typing("I see.", wsSentence);
        TTrainingOptions options = Options;
        options.MissSoundNo = missSoundNo;
        const TTrainingOutcome miss = TypeKeys(state, "x", options);
        EXPECT_EQ(state.MissCount, 0);
        EXPECT_TRUE(state.MissType);
        EXPECT_EQ(miss.KeySound, sound);
        EXPECT_FALSE(miss.RepaintMissCount);
        EXPECT_TRUE(miss.RepaintMessage);
    }
}

TEST(TypeKey, FiveMissesOnAWordStartTheSpecialTraining)
{
    const std::pair<const char *, TStripChange> rows[] = {{"xxxx", TStripChange::Unchanged}, {"xxxxx", TStripChange::Show}};
    for (const auto &[misses, strip] : rows) {
        TTrainingState state = Typing("go", wsWord);
        TypeKeys(state, misses);
        const TTrainingOutcome done = TypeKeys(state, "go");
        EXPECT_EQ(done.SpecialTraining, strip) << misses;
        EXPECT_EQ(state.InputMode, 9);
    }
}

TEST(TypeKey, CharactersOutside32To126AreSwallowedWithoutASound)
{
    const char16_t keys[] = {u'あ', 127, 31, 13, 8, 10, 0xFF41};
    for (char16_t key : keys) {
        TTrainingState state = Typing("receive", wsWord);
        TTrainingState before = state;
        const TTrainingOutcome outcome = TypeKey(state, key, Options);
        EXPECT_EQ(outcome.KeySound, 0) << int(key);
        EXPECT_FALSE(outcome.InvalidateWordText);
        EXPECT_FALSE(outcome.RepaintMessage);
        EXPECT_EQ(state.InputLen, before.InputLen);
        EXPECT_EQ(state.MissType, before.MissType);
    }
}

TEST(TypeKey, TheCorrectKeySoundFollowsTheOption)
{
    const std::pair<int, int> rows[] = {{0, 1}, {1, 2}, {2, 0}, {5, 1}, {-1, 1}};
    for (const auto &[typeSoundNo, sound] : rows) {
        TTrainingState state = Typing("go", wsWord);
        TTrainingOptions options = Options;
        options.TypeSoundNo = typeSoundNo;
        EXPECT_EQ(TypeKeys(state, "g", options).KeySound, sound) << typeSoundNo;
    }
}

TEST(TypeKey, InsideAStretchRevealedByAHintEveryCharacterMustBeTyped)
{
    TTrainingState state = Typing("I don't know.", wsSentence);
    TypeKeys(state, "I ");
    state.HintIndex = 8;
    TypeKeys(state, "dont");
    EXPECT_EQ(state.InputLen, 5);
    EXPECT_TRUE(state.MissType);
    TypeKeys(state, "'t know");
    EXPECT_EQ(state.InputLen, 13);
    EXPECT_EQ(state.HintIndex, 13);

    // At the end of the revealed stretch the cursor skips again.
    TTrainingState quote = Typing("I said \"yes\".", wsSentence);
    TypeKeys(quote, "I ");
    quote.HintIndex = 7;
    TypeKeys(quote, "said ");
    EXPECT_EQ(quote.InputLen, 8);
}

TEST(TypeKey, ACompletedSentenceShowsItsTranslationWhenAskedForAfterTyping)
{
    const std::pair<TPattern, bool> rows[] = {{ptSentence, true}, {ptWriting, false}};
    for (const auto &[pattern, repaint] : rows) {
        TTrainingState state = Typing("Go.", wsSentence);
        TTrainingOptions options = Options;
        options.Pattern = pattern;
        options.MeaningNo = 1;
        EXPECT_FALSE(TypeKeys(state, "G", options).RepaintSentenceMeaning);
        const TTrainingOutcome done = TypeKeys(state, "o", options);
        EXPECT_EQ(done.RepaintSentenceMeaning, repaint);
        EXPECT_TRUE(done.InvalidateWindow);
        // The next correct key clears the completion mark.
        ReturnCursorToStart(state);
        TypeKeys(state, "G", options);
        EXPECT_EQ(state.InputMode2, 0);
    }
}

TEST(MoveCursorBack, StepsBackWithoutUndoingAMissAndStopsAtTheStart)
{
    TTrainingState state = Typing("receive", wsWord);
    EXPECT_FALSE(MoveCursorBack(state).InvalidateWordText);
    EXPECT_EQ(state.InputLen, 0);
    TypeKeys(state, "rex");
    EXPECT_TRUE(MoveCursorBack(state).InvalidateWordText);
    EXPECT_EQ(state.InputLen, 1);
    EXPECT_EQ(state.MissCount, 1);
    TypeKeys(state, "e");
    EXPECT_EQ(state.InputLen, 2);
}

} // namespace
