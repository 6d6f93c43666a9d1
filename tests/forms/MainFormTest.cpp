#include "MainFormDescription.h"
#include "FormQueries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const TControlDesc &Get(const char *name)
{
    return ControlNamed(MainFormDescription(), name);
}

std::vector<std::string> NamesOn(int screen)
{
    return ControlNamesOn(MainFormDescription(), screen);
}

TEST(MainForm, IsAnEightHundredBySixHundredWindowCaptionedTypeKo)
{
    const TFormDesc &form = MainFormDescription();
    EXPECT_EQ(form.ClientWidth, 800);
    EXPECT_EQ(form.ClientHeight, 600);
    EXPECT_STREQ(form.Caption, "TypeKo");
    EXPECT_STREQ(form.Font.Face, "ＭＳ Ｐゴシック");
    EXPECT_EQ(form.Font.PixelSize, 12);
}

// Form order is painting order, so the whole sequence matters, not just
// the set of names.
TEST(MainForm, HoldsEveryControlOnceInPaintingOrder)
{
    const std::vector<std::string> expected = {
        "imgExPattern", "imgLevelPhrase", "ImgBtnNext", "ImgBtnPrev", "ImgBtn1",
        "ImgBtn2", "bNameSelect", "bBandA", "bBandB", "bBandC",
        "bWordAndSentence", "bWord", "bSentence", "bWriting", "bTraining",
        "bNewWord", "bOnceMore", "bNewWordType1", "bNewWordType2", "bNewWordType3",
        "bNewWordType4", "bRewind", "bForward", "bHint", "bNatural",
        "imgLevelName", "imgBandName", "imgWordAndSentence", "bBandTotal", "imgLevelName2",
        "imgCounter", "imgUserId2", "imgPart1", "imgPart2", "imgPart3",
        "imgWordMeaning", "imgSentensMeaning", "imgMessage", "imgWordText", "imgSentenceText",
        "bLevel1", "bLevel2", "bLevel3", "bLevel4", "bLevel5",
        "bLevel6", "bLevel7", "bLevel8", "imgMissCount", "imgFlag",
        "imgSpecialTraining", "imgCountHeader2", "imgCheck", "imgWord", "imgCountHeader1",
        "bTrans2", "bSetup", "imgIdNo", "bBack1", "bBack2",
        "ImgBtn3", "LblVersion",
    };
    EXPECT_EQ(ControlNames(MainFormDescription()), expected);
}

struct TStripRow {
    const char *Name;
    int Left, Top, Width, Height, Frames, Normal, Pressed, Hover, Tag;
};

// Rows whose values break a pattern of their neighbours: the chosen band and
// level, the word-source buttons without a hover frame, the two-frame and
// one-frame strips, the odd sizes and the two back buttons two pixels apart.
const TStripRow StripRows[] = {
    {"ImgBtnNext", 425, 523, 50, 52, 4, 0, 1, 2, 0},
    {"ImgBtnPrev", 325, 523, 50, 52, 4, 0, 1, 2, 0},
    {"bNameSelect", 576, 82, 130, 22, 3, 0, 1, 2, 0},
    {"bBandA", 204, 66, 528, 36, 3, 2, 2, NoFrame, 0},
    {"bBandB", 204, 105, 528, 36, 3, 0, 1, NoFrame, 1},
    {"bBandC", 204, 145, 528, 36, 3, 0, 1, NoFrame, 2},
    {"bBandTotal", 194, 190, 533, 36, 1, 0, NoFrame, NoFrame, 0},
    {"bWriting", 50, 441, 282, 44, 4, 0, 1, 2, 3},
    {"bTraining", 414, 296, 298, 70, 3, 0, 1, 2, 0},
    {"bNewWord", 438, 375, 220, 28, 2, 1, NoFrame, NoFrame, 0},
    {"bOnceMore", 438, 496, 220, 28, 3, 2, NoFrame, NoFrame, 0},
    {"bNewWordType1", 474, 405, 136, 20, 4, 2, 1, NoFrame, 0},
    {"bNewWordType3", 474, 445, 136, 20, 4, 0, 1, NoFrame, 0},
    {"bNewWordType4", 474, 467, 180, 20, 4, 0, 1, NoFrame, 0},
    {"bHint", 622, 523, 44, 52, 3, 0, 1, 2, 0},
    {"bNatural", 548, 533, 20, 32, 3, 0, 1, 2, 0},
    {"bLevel1", 59, 162, 244, 38, 3, 0, NoFrame, NoFrame, 0},
    {"bLevel2", 59, 200, 244, 38, 3, 2, 1, NoFrame, 1},
    {"bLevel8", 59, 428, 244, 38, 3, 0, NoFrame, NoFrame, 7},
    {"imgCountHeader2", 380, 22, 230, 26, 1, 0, NoFrame, NoFrame, 0},
    {"imgCheck", 748, 394, 42, 42, 2, 0, NoFrame, NoFrame, 0},
    {"imgCountHeader1", 318, 128, 255, 31, 1, 0, NoFrame, NoFrame, 0},
    {"bTrans2", 712, 523, 36, 52, 4, 0, 1, 2, 0},
    {"bSetup", 166, 536, 27, 27, 3, 0, 1, 2, 0},
    {"bBack1", 21, 523, 71, 52, 3, 0, 1, 2, 0},
    {"bBack2", 23, 523, 71, 52, 3, 0, 1, 2, 0},
    {"ImgBtn3", 318, 409, 308, 40, 2, 0, 1, 1, 0},
};

TEST(MainForm, ButtonsHaveTheirBoundsFramesAndTags)
{
    for (const TStripRow &row : StripRows) {
        SCOPED_TRACE(row.Name);
        const TControlDesc &c = Get(row.Name);
        EXPECT_EQ(c.Kind, TControlKind::Image);
        EXPECT_STREQ(c.Picture, row.Name);
        EXPECT_EQ(c.Left, row.Left);
        EXPECT_EQ(c.Top, row.Top);
        EXPECT_EQ(c.Width, row.Width);
        EXPECT_EQ(c.Height, row.Height);
        EXPECT_EQ(c.NumBitmaps, row.Frames);
        EXPECT_EQ(c.ImageIndex, row.Normal);
        EXPECT_EQ(c.MouseDownImageIndex, row.Pressed);
        EXPECT_EQ(c.MouseOverImageIndex, row.Hover);
        EXPECT_EQ(c.Tag, row.Tag);
    }
}

struct TPanelRow {
    const char *Name;
    int Left, Top, Width, Height;
    TPointer Pointer;
    bool Transparent;
    const char *OnClick, *OnPaint;
};

// Drawing areas: no strip, so their stated size is their size.
const TPanelRow PanelRows[] = {
    {"imgLevelName", 200, 124, 400, 70, TPointer::Arrow, true, "FormClick", "imgLevelNamePaint"},
    {"imgWordAndSentence", 200, 362, 400, 60, TPointer::Arrow, true, "FormClick", "imgWordAndSentencePaint"},
    {"imgLevelName2", 50, 16, 300, 40, TPointer::Arrow, true, nullptr, "imgLevelName2Paint"},
    {"imgCounter", 35, 473, 60, 38, TPointer::Arrow, false, nullptr, "imgCounterPaint"},
    {"imgUserId2", 408, 84, 165, 19, TPointer::Arrow, true, nullptr, "imgUserId2Paint"},
    {"imgPart2", 199, 13, 195, 99, TPointer::Hand, false, nullptr, "imgPartPaint"},
    {"imgSentensMeaning", 0, 330, 800, 50, TPointer::Arrow, false, nullptr, "imgSentensMeaningPaint"},
    {"imgMessage", 116, 422, 568, 25, TPointer::Arrow, false, nullptr, "imgMessagePaint"},
    {"imgSentenceText", 10, 198, 780, 124, TPointer::Arrow, false, nullptr, nullptr},
    {"imgMissCount", 303, 485, 194, 24, TPointer::Arrow, false, nullptr, "imgMissCountPaint"},
    {"imgFlag", 387, 451, 26, 28, TPointer::Arrow, false, nullptr, "imgFlagPaint"},
    {"imgSpecialTraining", 8, 116, 780, 16, TPointer::Arrow, false, nullptr, "imgSpecialTrainingPaint"},
    {"imgWord", 606, 129, 182, 28, TPointer::Arrow, false, nullptr, "imgWordPaint"},
    {"imgIdNo", 670, 7, 116, 16, TPointer::Arrow, false, nullptr, "imgIdNoPaint"},
};

TEST(MainForm, DrawingAreasHaveTheirBoundsPointerAndHandlers)
{
    for (const TPanelRow &row : PanelRows) {
        SCOPED_TRACE(row.Name);
        const TControlDesc &c = Get(row.Name);
        EXPECT_EQ(c.Kind, TControlKind::Image);
        EXPECT_EQ(c.Picture, nullptr);
        EXPECT_EQ(c.Left, row.Left);
        EXPECT_EQ(c.Top, row.Top);
        EXPECT_EQ(c.Width, row.Width);
        EXPECT_EQ(c.Height, row.Height);
        EXPECT_EQ(c.Pointer, row.Pointer);
        EXPECT_EQ(c.Transparent, row.Transparent);
        if (row.OnClick) EXPECT_STREQ(c.OnClick, row.OnClick); else EXPECT_EQ(c.OnClick, nullptr);
        if (row.OnPaint) EXPECT_STREQ(c.OnPaint, row.OnPaint); else EXPECT_EQ(c.OnPaint, nullptr);
    }
}

TEST(MainForm, OnlyTheSetupAndBackButtonsOfTheButtonsAreTransparent)
{
    for (const TControlDesc &c : MainFormDescription().Controls) {
        if (c.Picture == nullptr)
            continue;
        const std::string name = c.Name;
        EXPECT_EQ(c.Transparent, name == "bSetup" || name == "bBack1" || name == "bBack2") << name;
    }
}

TEST(MainForm, PanelsThatAreNotClickedShowTheArrow)
{
    for (const char *name : {"imgExPattern", "imgLevelPhrase", "bBandTotal", "imgCountHeader1",
                             "imgCountHeader2", "imgWordText", "imgLevelName"})
        EXPECT_EQ(Get(name).Pointer, TPointer::Arrow) << name;
    for (const char *name : {"ImgBtn1", "bBandA", "bLevel5", "imgCheck", "bTrans2", "imgPart1"})
        EXPECT_EQ(Get(name).Pointer, TPointer::Hand) << name;
}

TEST(MainForm, BandRowsAndTheHeaderShareOneHandlerForEachEvent)
{
    for (const char *name : {"bBandA", "bBandB", "bBandC"}) {
        EXPECT_STREQ(Get(name).OnClick, "bBandAClick") << name;
        EXPECT_STREQ(Get(name).OnPaint, "bBandAPaint") << name;
    }
    EXPECT_EQ(Get("bBandTotal").OnClick, nullptr);
    EXPECT_STREQ(Get("bBandTotal").OnPaint, "bBandTotalPaint");
    // The column header carries the level name's painting.
    EXPECT_STREQ(Get("imgCountHeader2").OnPaint, "imgLevelName2Paint");
    EXPECT_EQ(Get("imgCountHeader1").OnPaint, nullptr);
    EXPECT_STREQ(Get("bOnceMore").OnClick, "bNewWordClick");
    EXPECT_STREQ(Get("bNewWordType4").OnClick, "bNewWordTypeClick");
    EXPECT_STREQ(Get("bBack2").OnClick, "bBackClick");
}

struct TGroupCase {
    const char *Handler;
    std::vector<std::string> Members; // in form order; tags count up from 0
};

TEST(MainForm, ChoiceGroupsTellTheirButtonsApartByTag)
{
    const TGroupCase groups[] = {
        {"bLevel1Click", {"bLevel1", "bLevel2", "bLevel3", "bLevel4", "bLevel5", "bLevel6", "bLevel7", "bLevel8"}},
        {"bBandAClick", {"bBandA", "bBandB", "bBandC"}},
        {"bWordAndSentenceClick", {"bWordAndSentence", "bWord", "bSentence", "bWriting"}},
    };
    for (const TGroupCase &group : groups) {
        SCOPED_TRACE(group.Handler);
        std::vector<std::string> members;
        for (const TControlDesc &c : MainFormDescription().Controls) {
            if (c.OnClick == nullptr || std::string(c.OnClick) != group.Handler)
                continue;
            EXPECT_EQ(c.Tag, static_cast<int>(members.size())) << c.Name;
            members.emplace_back(c.Name);
        }
        EXPECT_EQ(members, group.Members);
    }
}

struct TScreenCase {
    int Screen;
    std::vector<std::string> Controls; // in form order
};

TEST(MainForm, EachScreenShowsItsControls)
{
    const std::vector<std::string> guide = {"ImgBtnNext", "ImgBtnPrev", "bBack1"};
    const TScreenCase screens[] = {
        {0, {"ImgBtn1", "ImgBtn2", "ImgBtn3", "LblVersion"}},
        {10000, {"bNameSelect", "imgUserId2", "bLevel1", "bLevel2", "bLevel3", "bLevel4", "bLevel5",
                 "bLevel6", "bLevel7", "bLevel8", "imgCountHeader1", "bBack2"}},
        {12000, {"imgExPattern", "bBandA", "bBandB", "bBandC", "bWordAndSentence", "bWord", "bSentence",
                 "bWriting", "bTraining", "bNewWord", "bOnceMore", "bNewWordType1", "bNewWordType2",
                 "bNewWordType3", "bNewWordType4", "bBandTotal", "imgLevelName2", "imgCountHeader2", "bBack1"}},
        {13000, {"bRewind", "bForward", "bHint", "bNatural", "imgCounter", "imgPart1", "imgPart2", "imgPart3",
                 "imgWordMeaning", "imgSentensMeaning", "imgMessage", "imgMissCount", "imgFlag",
                 "imgSpecialTraining", "imgCheck", "imgWord", "bTrans2", "bSetup", "imgIdNo", "bBack2"}},
        {20000, guide},
        {20002, guide},
        {20004, guide},
        {20005, {"bBack1"}},
        {88888, {"imgLevelName", "imgBandName", "imgWordAndSentence"}},
        {99999, {}},
    };
    for (const TScreenCase &screen : screens)
        EXPECT_EQ(NamesOn(screen.Screen), screen.Controls) << "screen " << screen.Screen;
}

TEST(MainForm, PanelsOnlyPlacingDrawnTextAreOnNoScreen)
{
    for (const char *name : {"imgLevelPhrase", "imgWordText", "imgSentenceText"})
        EXPECT_TRUE(Get(name).Screens.IsEmpty()) << name;
}

TEST(MainForm, VersionLabelIsTextInThe13PixelFace)
{
    const TControlDesc &label = Get("LblVersion");
    EXPECT_EQ(label.Kind, TControlKind::Label);
    EXPECT_EQ(label.Left, 10);
    EXPECT_EQ(label.Top, 585);
    EXPECT_EQ(label.Width, 180);
    EXPECT_EQ(label.Height, 13);
    ASSERT_NE(label.Text.Caption, nullptr);
    EXPECT_TRUE(std::string(label.Text.Caption).starts_with("Ver. 1.0"));
    EXPECT_STREQ(label.Text.Font.Face, "ＭＳ Ｐゴシック");
    EXPECT_EQ(label.Text.Font.PixelSize, 13);
    EXPECT_FALSE(label.Text.Font.Bold);
}

} // namespace
