#include "KeyCommands.h"
#include "RunFixtures.h"

#include <gtest/gtest.h>

namespace {

using enum TKeyCommand;

struct TypingAt {
    int inputLen;
    int inputMode;
};

TTrainingState TypingReceive(TypingAt at)
{
    TTrainingState state = FreshState();
    state.CurItem = {WordItem(1, "receive")};
    state.InputLen = at.inputLen;
    state.InputMode = at.inputMode;
    return state;
}

TEST(KeyDownAction, EnterMovesOnReturnsTheCursorOrPlaysTheVoice)
{
    struct Row {
        TypingAt at;
        Qt::KeyboardModifiers modifiers;
        bool strip;
        TKeyCommand command;
    };
    const Row rows[] = {
        {{0, 9}, Qt::NoModifier, false, Forward},
        {{0, 9}, Qt::ControlModifier, false, Forward},
        {{0, 9}, Qt::ShiftModifier, false, PlayVoice},
        {{0, 9}, Qt::NoModifier, true, PlayVoice},
        {{7, 9}, Qt::NoModifier, false, CursorToStart},
        {{7, 9}, Qt::NoModifier, true, CursorToStart},
        {{7, 9}, Qt::ShiftModifier, false, PlayVoice},
        {{7, 0}, Qt::ShiftModifier | Qt::ControlModifier, false, CursorToStart},
        {{3, 0}, Qt::NoModifier, false, PlayVoice},
        {{0, 0}, Qt::NoModifier, false, PlayVoice},
        {{0, 1}, Qt::KeypadModifier, false, PlayVoice},
    };
    for (const Row &row : rows) {
        for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
            const TKeyDownAction action =
                KeyDownAction(TrainingScreenNo, key, row.modifiers, TypingReceive(row.at), row.strip);
            EXPECT_EQ(action.Command, row.command) << row.at.inputLen << " " << row.at.inputMode << " " << row.modifiers.toInt();
            EXPECT_TRUE(action.RepaintMessage);
            EXPECT_FALSE(action.Consumed);
        }
    }
}

TEST(KeyDownAction, ShortcutsNeedExactlyTheirModifiers)
{
    struct Row {
        int key;
        Qt::KeyboardModifiers modifiers;
        TKeyCommand command;
    };
    const Row rows[] = {
        {Qt::Key_F, Qt::ControlModifier, Rewind},
        {Qt::Key_J, Qt::ControlModifier, Forward},
        {Qt::Key_H, Qt::ControlModifier, Hint},
        {Qt::Key_I, Qt::ControlModifier, Trans2},
        {Qt::Key_P, Qt::ShiftModifier | Qt::ControlModifier, ToggleIdNo},
        {Qt::Key_J, Qt::ControlModifier | Qt::AltModifier, None},
        {Qt::Key_J, Qt::ShiftModifier | Qt::ControlModifier, None},
        {Qt::Key_J, Qt::NoModifier, None},
        {Qt::Key_P, Qt::ControlModifier, None},
        {Qt::Key_K, Qt::ControlModifier, None},
    };
    for (const Row &row : rows)
        EXPECT_EQ(KeyDownAction(TrainingScreenNo, row.key, row.modifiers, TypingReceive({2, 0}), false).Command, row.command)
            << row.key << " " << row.modifiers.toInt();
}

TEST(KeyDownAction, BackspaceStepsBackOnlyAfterTheStart)
{
    EXPECT_EQ(KeyDownAction(TrainingScreenNo, Qt::Key_Backspace, Qt::NoModifier, TypingReceive({2, 0}), false).Command, CursorBack);
    EXPECT_EQ(KeyDownAction(TrainingScreenNo, Qt::Key_Backspace, Qt::NoModifier, TypingReceive({0, 0}), false).Command, None);
}

TEST(KeyDownAction, OnTheCourseAndStartScreensOnlyEnterActs)
{
    const TTrainingState state = TypingReceive({0, 9});
    const TKeyDownAction start = KeyDownAction(CourseScreenNo, Qt::Key_Return, Qt::NoModifier, state, false);
    EXPECT_EQ(start.Command, StartTraining);
    EXPECT_TRUE(start.Consumed);
    const TKeyDownAction skip = KeyDownAction(StartScreenNo, Qt::Key_Enter, Qt::KeypadModifier, state, false);
    EXPECT_EQ(skip.Command, SkipStartScreen);
    EXPECT_TRUE(skip.Consumed);
    for (int screen : {CourseScreenNo, StartScreenNo, 10000, 0})
        EXPECT_EQ(KeyDownAction(screen, Qt::Key_J, Qt::ControlModifier, state, false).Command, None) << screen;
    EXPECT_EQ(KeyDownAction(10000, Qt::Key_Return, Qt::NoModifier, state, false).Command, None);
}

} // namespace

namespace {

TEST(TypedCharacter, KeysWithCtrlAltOrMetaTypeNothing)
{
    EXPECT_EQ(TypedCharacter("r", Qt::NoModifier), u'r');
    EXPECT_EQ(TypedCharacter("R", Qt::ShiftModifier), u'R');
    EXPECT_EQ(TypedCharacter("7", Qt::KeypadModifier), u'7');
    EXPECT_EQ(TypedCharacter(QString(), Qt::NoModifier), 0);
    for (Qt::KeyboardModifiers held : {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::KeyboardModifiers(Qt::AltModifier),
                                       Qt::KeyboardModifiers(Qt::MetaModifier), Qt::ShiftModifier | Qt::AltModifier})
        EXPECT_EQ(TypedCharacter("j", held), 0) << held.toInt();
}

} // namespace
