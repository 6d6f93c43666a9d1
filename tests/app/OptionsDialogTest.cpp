// The options dialog driven through its switches and push buttons.

#include "SubWindowFixture.h"

#include "EgImage.h"

#include <QPushButton>
#include <QTest>

#include <array>
#include <span>

namespace {

constexpr int Chosen = 2;

struct Groups {
    std::array<std::span<TEgImage *const>, 6> All;
};

Groups GroupsOf(const TFrmSub &sub)
{
    return {{sub.bTypeSound, sub.bMissSound, sub.bDispWord, sub.bVoice, sub.bMeaning, sub.bGuide}};
}

// The chosen switch of each group by its index, -1 when none shows chosen
// and -2 when several do.
std::array<int, 6> ChosenSwitches(const TFrmSub &sub)
{
    std::array<int, 6> chosen{};
    const Groups groups = GroupsOf(sub);
    for (std::size_t g = 0; g < groups.All.size(); ++g) {
        chosen[g] = -1;
        for (std::size_t i = 0; i < groups.All[g].size(); ++i) {
            if (groups.All[g][i]->ImageIndex() != Chosen)
                continue;
            chosen[g] = chosen[g] == -1 ? int(i) : -2;
            EXPECT_EQ(groups.All[g][i]->MouseDownImageIndex(), Chosen) << "a chosen switch stays chosen while pressed";
        }
    }
    return chosen;
}

void SetMainOptions(TFrmMain &main, const std::array<int, 6> &v)
{
    TFrmMainTestAccess::Options(main) = {v[0], v[1], v[2], v[3], v[4], v[5]};
}

std::array<int, 6> MainOptions(const TFrmMain &main)
{
    const TOptions &o = main.Options();
    return {o.TypeSoundNo, o.MissSoundNo, o.DispWordNo, o.VoiceNo, o.MeaningNo, o.GuideNo};
}

TEST_F(SubWindow, OpeningMarksTheSwitchOfEachValueAndNoneForAValueOutOfRange)
{
    struct Case {
        std::array<int, 6> values;
        std::array<int, 6> chosen;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
        {{2, 1, 1, 1, 2, 3}, {2, 1, 1, 1, 2, 3}},
        {{1, 0, 1, 0, 1, 2}, {1, 0, 1, 0, 1, 2}},
        {{0, 0, 0, 0, 0, 7}, {0, 0, 0, 0, 0, -1}},
        {{3, -1, 2, 0, 0, 0}, {-1, -1, -1, 0, 0, 0}},
    };
    for (const Case &c : cases) {
        SetMainOptions(*Main, c.values);
        Open(12100);
        EXPECT_EQ(ChosenSwitches(*Sub), c.chosen);
        EXPECT_TRUE(Sub->btnCancel->isVisible());
        EXPECT_TRUE(Sub->BtnOK->isVisible());
    }
}

TEST_F(SubWindow, AGuideValueFromAFileMarksNoSwitchAndSurvivesOk)
{
    TOptions options;
    options.GuideNo = 7;
    MakeUser(QStringLiteral("alice"), options);
    TFrmMainTestAccess::UserId(*Main) = QStringLiteral("alice");
    Main->LoadScore();
    ASSERT_EQ(Main->Options().GuideNo, 7);
    StartTraining();
    Open(12100);
    EXPECT_EQ(ChosenSwitches(*Sub)[5], -1);
    Click(Sub->bMeaning2);
    Click(Sub->BtnOK);
    EXPECT_EQ(Sub->result(), 1);
    EXPECT_EQ(Main->Options().GuideNo, 7);
    EXPECT_EQ(Main->Options().MeaningNo, 1);
}

TEST_F(SubWindow, TheSoundSwitchesPreviewTheirClick)
{
    SetMainOptions(*Main, {0, 0, 0, 0, 0, 0});
    struct Case {
        const char *switchName;
        std::vector<int> sounds;
    };
    const Case cases[] = {
        {"bTypeSound1", {1}}, {"bTypeSound2", {2}}, {"bTypeSound3", {}},
        {"bMissSound1", {3}}, {"bMissSound2", {}},  {"bDispWord2", {}},
    };
    for (const Case &c : cases) {
        Open(12100);
        Sounds.clear();
        Click(Sub->findChild<TEgImage *>(QString::fromUtf8(c.switchName)));
        EXPECT_EQ(Sounds, c.sounds) << c.switchName;
    }
}

TEST_F(SubWindow, ClickingTheChosenTypingSoundPlaysItAgainAndKeepsTheFrames)
{
    SetMainOptions(*Main, {1, 0, 0, 0, 0, 0});
    Open(12100);
    const std::array<int, 6> before = ChosenSwitches(*Sub);
    Click(Sub->bTypeSound2);
    Click(Sub->bTypeSound2);
    EXPECT_EQ(Sounds, (std::vector<int>{2, 2}));
    EXPECT_EQ(ChosenSwitches(*Sub), before);
}

TEST_F(SubWindow, CancelAfterChangesLeavesTheTrainingAsItWas)
{
    SetMainOptions(*Main, {0, 0, 0, 0, 0, 0});
    StartTraining();
    const QByteArray word = Main->RunState().CurItem[Main->RunState().CurItemIndex].Word;
    QTest::keyClick(Main->windowHandle(), word[0]);
    ASSERT_EQ(Main->RunState().InputLen, 1);
    const bool meaningShown = Main->Control("imgWordMeaning")->isVisible();
    WhenDialogOpens([](TFrmSub &sub) {
        for (TEgImage *s : {sub.bTypeSound3, sub.bMissSound2, sub.bDispWord2, sub.bVoice2, sub.bMeaning3, sub.bGuide4})
            QTest::mouseClick(sub.windowHandle(), Qt::LeftButton, {}, s->geometry().center());
        QTest::mouseClick(sub.btnCancel, Qt::LeftButton);
    });
    Click(Main->Control("bSetup"));
    EXPECT_EQ(MainOptions(*Main), (std::array<int, 6>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Main->CurScreenNo(), 13000);
    EXPECT_EQ(Main->RunState().InputLen, 1);
    EXPECT_EQ(Main->Control("imgWordMeaning")->isVisible(), meaningShown);
    EXPECT_EQ(Sounds, (std::vector<int>{})) << "the chosen switches were the silent ones";
}

TEST_F(SubWindow, OkInTheMiddleOfAWordAppliesTheChoicesAndKeepsTheTyping)
{
    SetMainOptions(*Main, {0, 0, 0, 0, 0, 0});
    StartTraining();
    const QByteArray word = Main->RunState().CurItem[Main->RunState().CurItemIndex].Word;
    ASSERT_GE(word.size(), 3);
    QTest::keyClick(Main->windowHandle(), word[0]);
    QTest::keyClick(Main->windowHandle(), word[1]);
    ASSERT_EQ(Main->RunState().InputLen, 2);
    WhenDialogOpens([](TFrmSub &sub) {
        for (TEgImage *s : {sub.bTypeSound2, sub.bMissSound2, sub.bMeaning3, sub.bGuide3})
            QTest::mouseClick(sub.windowHandle(), Qt::LeftButton, {}, s->geometry().center());
        QTest::mouseClick(sub.BtnOK, Qt::LeftButton);
    });
    Click(Main->Control("bSetup"));
    EXPECT_EQ(MainOptions(*Main), (std::array<int, 6>{1, 1, 0, 0, 2, 2}));
    EXPECT_EQ(Main->CurScreenNo(), 13000);
    EXPECT_EQ(Main->RunState().InputLen, 2);
    EXPECT_EQ(Sounds, (std::vector<int>{2}));
}

} // namespace
