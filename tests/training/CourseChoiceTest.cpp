// The course screen's choices as a value: what each click and each band
// leaves chosen.

#include "CourseChoice.h"

#include <gtest/gtest.h>

namespace {

TBandData Band(int words, int known, int unknown, int checked)
{
    TBandData band;
    band.Item.resize(words);
    band.KnownCount = known;
    band.UnknownCount = unknown;
    band.CheckCount = checked;
    return band;
}

TEST(CourseChoice, ATypeTheBandNoLongerOffersHandsTheChoiceOn)
{
    struct Case {
        const char *what;
        TWordType chosen;
        TBandData band;
        TWordType after;
        std::array<bool, 4> available;
    };
    const Case cases[] = {
        {"every type offered keeps the choice", wtChecked, Band(10, 2, 3, 1), wtChecked, {true, true, true, true}},
        {"no unknown words: to the fresh words", wtUnknown, Band(10, 2, 0, 1), wtUnpracticed, {true, true, false, true}},
        {"no checks and every word judged: to the words in order", wtChecked, Band(10, 7, 3, 0), wtInOrder,
         {false, true, true, false}},
        {"no fresh words left: to the words in order", wtUnpracticed, Band(4, 4, 0, 0), wtInOrder,
         {false, true, false, false}},
        {"the words in order are always there", wtInOrder, Band(0, 0, 0, 0), wtInOrder, {false, true, false, false}},
    };
    for (const Case &c : cases) {
        TCourseChoice choice;
        choice.WordType = c.chosen;
        UpdateForBand(choice, c.band, false);
        EXPECT_EQ(choice.WordType, c.after) << c.what;
        EXPECT_EQ(choice.TypeAvailable, c.available) << c.what;
        EXPECT_FALSE(ChooseWordType(choice, wtChecked) && !c.available[wtChecked]) << c.what;
    }
}

TEST(CourseChoice, TheLastRunIsOnOfferOnlyOnItsOwnBandAndWritingTakesIt)
{
    TCourseChoice choice;
    EXPECT_FALSE(ChooseSource(choice, srcOnceMore)) << "no run yet";
    ChoosePattern(choice, ptWriting);
    EXPECT_EQ(choice.Source, srcNewWords);

    UpdateForBand(choice, Band(10, 0, 0, 0), true);
    ChoosePattern(choice, ptWriting);
    EXPECT_EQ(choice.Source, srcOnceMore) << "writing practises the last run's words";
    ChoosePattern(choice, ptWord);
    EXPECT_EQ(choice.Source, srcNewWords);
    ASSERT_TRUE(ChooseSource(choice, srcOnceMore));
    EXPECT_TRUE(ChooseWordType(choice, wtInOrder));
    EXPECT_EQ(choice.Source, srcNewWords) << "a word type is one of fresh words";

    ASSERT_TRUE(ChooseSource(choice, srcOnceMore));
    UpdateForBand(choice, Band(10, 0, 0, 0), false);
    EXPECT_FALSE(choice.OnceMoreAvailable);
    EXPECT_EQ(choice.Source, srcNewWords) << "another band has no last run to repeat";
}

} // namespace
