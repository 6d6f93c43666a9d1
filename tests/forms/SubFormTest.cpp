#include "SubFormDescription.h"
#include "FormQueries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const TControlDesc &Get(const char *name)
{
    return ControlNamed(SubFormDescription(), name);
}

std::vector<std::string> NamesOn(int screen)
{
    return ControlNamesOn(SubFormDescription(), screen);
}

TEST(SubForm, IsASevenHundredByFiveHundredTwentyFiveWindowInTahoma)
{
    const TFormDesc &form = SubFormDescription();
    EXPECT_EQ(form.ClientWidth, 700);
    EXPECT_EQ(form.ClientHeight, 525);
    EXPECT_STREQ(form.Caption, "TypeKo");
    EXPECT_STREQ(form.Font.Face, "Tahoma");
    EXPECT_EQ(form.Font.PixelSize, 11);
}

TEST(SubForm, HoldsTheUserControlsThenTheSwitchesThenThePushButtons)
{
    const std::vector<std::string> expected = {
        "ListBox1", "ImgBtnAdd", "ImgBtnDelete", "ImgBtnCancel", "ImgBtnSelect",
        "Edit1", "ImgBtnCancelA", "ImgBtnAddA", "imgUserId", "ImgBtnCancelD", "ImgBtnDeleteD",
        "bTypeSound1", "bTypeSound2", "bTypeSound3", "bMissSound1", "bMissSound2",
        "bDispWord1", "bDispWord2", "bVoice1", "bVoice2", "bMeaning1", "bMeaning2", "bMeaning3",
        "bGuide1", "bGuide2", "bGuide3", "bGuide4", "btnCancel", "BtnOK",
    };
    EXPECT_EQ(ControlNames(SubFormDescription()), expected);
}

TEST(SubForm, EachScreenShowsItsControls)
{
    EXPECT_EQ(NamesOn(11000),
              (std::vector<std::string>{"ListBox1", "ImgBtnAdd", "ImgBtnDelete", "ImgBtnCancel", "ImgBtnSelect"}));
    EXPECT_EQ(NamesOn(11001), (std::vector<std::string>{"Edit1", "ImgBtnCancelA", "ImgBtnAddA"}));
    EXPECT_EQ(NamesOn(11002), (std::vector<std::string>{"imgUserId", "ImgBtnCancelD", "ImgBtnDeleteD"}));
    const std::vector<std::string> options = NamesOn(12100);
    ASSERT_EQ(options.size(), 18u);
    EXPECT_EQ(options.front(), "bTypeSound1");
    EXPECT_EQ(options[15], "bGuide4");
    EXPECT_EQ(options[16], "btnCancel");
    EXPECT_EQ(options[17], "BtnOK");
}

struct TButtonRow {
    const char *Name;
    int Left, Top, Width, Height;
};

// The cancel and confirm buttons of the two inner screens stand one pixel
// apart in opposite directions, which is easy to swap.
const TButtonRow ButtonRows[] = {
    {"ImgBtnAdd", 444, 172, 131, 31},
    {"ImgBtnDelete", 444, 212, 131, 31},
    {"ImgBtnCancel", 133, 445, 131, 31},
    {"ImgBtnSelect", 430, 443, 145, 35},
    {"ImgBtnCancelA", 133, 406, 131, 31},
    {"ImgBtnAddA", 440, 407, 131, 31},
    {"ImgBtnCancelD", 133, 407, 131, 31},
    {"ImgBtnDeleteD", 440, 406, 131, 31},
};

TEST(SubForm, UserButtonsAreThreeFrameButtonsWithTheirOwnClick)
{
    for (const TButtonRow &row : ButtonRows) {
        SCOPED_TRACE(row.Name);
        const TControlDesc &c = Get(row.Name);
        EXPECT_EQ(c.Left, row.Left);
        EXPECT_EQ(c.Top, row.Top);
        EXPECT_EQ(c.Width, row.Width);
        EXPECT_EQ(c.Height, row.Height);
        EXPECT_STREQ(c.Picture, row.Name);
        EXPECT_EQ(c.NumBitmaps, 3);
        EXPECT_EQ(c.ImageIndex, 0);
        EXPECT_EQ(c.MouseDownImageIndex, 1);
        EXPECT_EQ(c.MouseOverImageIndex, 2);
        EXPECT_EQ(c.Pointer, TPointer::Hand);
        EXPECT_EQ(std::string(c.OnClick), std::string(row.Name) + "Click");
    }
}

struct TSwitchRow {
    const char *Name;
    int Top, Width, Tag;
    const char *OnClick;
};

// Each group's switches share the first switch's handler and carry the
// option value as their tag; the last guide switch is narrower than the
// three above it.
const TSwitchRow SwitchRows[] = {
    {"bTypeSound1", 70, 220, 0, "bTypeSound1Click"},
    {"bTypeSound2", 89, 220, 1, "bTypeSound1Click"},
    {"bTypeSound3", 108, 220, 2, "bTypeSound1Click"},
    {"bMissSound1", 134, 220, 0, "bMissSound1Click"},
    {"bMissSound2", 153, 220, 1, "bMissSound1Click"},
    {"bDispWord1", 185, 220, 0, "bDispWord1Click"},
    {"bDispWord2", 204, 220, 1, "bDispWord1Click"},
    {"bVoice1", 237, 220, 0, "bVoice1Click"},
    {"bVoice2", 256, 220, 1, "bVoice1Click"},
    {"bMeaning1", 293, 220, 0, "bMeaning1Click"},
    {"bMeaning2", 312, 220, 1, "bMeaning1Click"},
    {"bMeaning3", 331, 220, 2, "bMeaning1Click"},
    {"bGuide1", 369, 240, 0, "bGuide1Click"},
    {"bGuide2", 388, 240, 1, "bGuide1Click"},
    {"bGuide3", 407, 240, 2, "bGuide1Click"},
    {"bGuide4", 427, 220, 3, "bGuide1Click"},
};

TEST(SubForm, OptionSwitchesStandInTheirColumnWithTheirValueAsTag)
{
    for (const TSwitchRow &row : SwitchRows) {
        SCOPED_TRACE(row.Name);
        const TControlDesc &c = Get(row.Name);
        EXPECT_EQ(c.Left, 400);
        EXPECT_EQ(c.Top, row.Top);
        EXPECT_EQ(c.Width, row.Width);
        EXPECT_EQ(c.Height, 19);
        EXPECT_EQ(c.Tag, row.Tag);
        EXPECT_STREQ(c.OnClick, row.OnClick);
        EXPECT_STREQ(c.Picture, row.Name);
        EXPECT_EQ(c.NumBitmaps, 3);
        EXPECT_EQ(c.ImageIndex, 0);
        EXPECT_EQ(c.MouseDownImageIndex, 1);
        EXPECT_EQ(c.MouseOverImageIndex, NoFrame);
    }
}

TEST(SubForm, NamePanelIsATransparentDrawingArea)
{
    const TControlDesc &c = Get("imgUserId");
    EXPECT_EQ(c.Kind, TControlKind::Image);
    EXPECT_EQ(c.Picture, nullptr);
    EXPECT_EQ(c.Left, 248);
    EXPECT_EQ(c.Top, 230);
    EXPECT_EQ(c.Width, 203);
    EXPECT_EQ(c.Height, 30);
    EXPECT_TRUE(c.Transparent);
    EXPECT_EQ(c.Pointer, TPointer::Arrow);
    EXPECT_EQ(c.OnClick, nullptr);
    EXPECT_STREQ(c.OnPaint, "imgUserIdPaint");
}

TEST(SubForm, UserListIsASortedBlueList)
{
    const TControlDesc &c = Get("ListBox1");
    EXPECT_EQ(c.Kind, TControlKind::ListBox);
    EXPECT_EQ(c.Left, 238);
    EXPECT_EQ(c.Top, 173);
    EXPECT_EQ(c.Width, 171);
    EXPECT_EQ(c.Height, 219);
    EXPECT_STREQ(c.Text.Font.Face, "MS UI Gothic");
    EXPECT_EQ(c.Text.Font.PixelSize, 16);
    EXPECT_FALSE(c.Text.Font.Bold);
    EXPECT_EQ(c.Text.TextColor, 0xFF0000u); // blue, as 0x00BBGGRR
    EXPECT_TRUE(c.Text.Sorted);
}

TEST(SubForm, NameEditTakesTwelveCharactersInBold19Pixels)
{
    const TControlDesc &c = Get("Edit1");
    EXPECT_EQ(c.Kind, TControlKind::Edit);
    EXPECT_EQ(c.Left, 253);
    EXPECT_EQ(c.Top, 235);
    EXPECT_EQ(c.Width, 191);
    EXPECT_EQ(c.Height, 20);
    EXPECT_EQ(c.Text.MaxLength, 12);
    EXPECT_STREQ(c.Text.Font.Face, "MS UI Gothic");
    EXPECT_EQ(c.Text.Font.PixelSize, 19);
    EXPECT_TRUE(c.Text.Font.Bold);
}

TEST(SubForm, PushButtonsCarryTheirCaptionsInTheWindowFont)
{
    struct {
        const char *Name;
        int Left;
        const char *Caption, *OnClick;
    } const rows[] = {
        {"btnCancel", 16, "ｷｬﾝｾﾙ", "btnCancelClick"},
        {"BtnOK", 600, "OK", "BtnOKClick"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.Name);
        const TControlDesc &c = Get(row.Name);
        EXPECT_EQ(c.Kind, TControlKind::PushButton);
        EXPECT_EQ(c.Left, row.Left);
        EXPECT_EQ(c.Top, 472);
        EXPECT_EQ(c.Width, 75);
        EXPECT_EQ(c.Height, 25);
        EXPECT_STREQ(c.Text.Caption, row.Caption);
        EXPECT_EQ(c.Text.Font.Face, nullptr);
        EXPECT_STREQ(c.OnClick, row.OnClick);
    }
}

TEST(SubForm, NamesDifferingOnlyInCaseAreDifferentControls)
{
    EXPECT_NE(FindControl(SubFormDescription(), "BtnOK"), nullptr);
    EXPECT_EQ(FindControl(SubFormDescription(), "btnOK"), nullptr);
}

} // namespace
