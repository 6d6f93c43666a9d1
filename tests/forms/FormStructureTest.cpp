#include "MainFormDescription.h"
#include "SubFormDescription.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <set>
#include <string>
#include <string_view>

// Rules every row of both windows' tables must keep, whatever its values.

namespace {

struct TFormCase {
    const char *Label;
    const TFormDesc &(*Form)();
    std::set<int> Screens; // every screen number the window knows
};

const TFormCase FormCases[] = {
    {"MainForm", MainFormDescription,
     {0, 10000, 12000, 13000, 20000, 20001, 20002, 20003, 20004, 20005, 88888, 99999}},
    {"SubForm", SubFormDescription, {11000, 11001, 11002, 12100}},
};

void PrintTo(const TFormCase &formCase, std::ostream *out)
{
    *out << formCase.Label;
}

class FormStructure : public testing::TestWithParam<TFormCase> {
protected:
    const TFormDesc &Form() const { return GetParam().Form(); }
};

bool IsIdentifier(std::string_view s)
{
    if (s.empty() || std::isdigit(static_cast<unsigned char>(s.front())))
        return false;
    for (char c : s)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    return true;
}

bool IsHandlerName(const char *name, std::string_view event)
{
    if (name == nullptr)
        return true;
    const std::string_view s(name);
    return IsIdentifier(s) && s.size() > event.size() && s.ends_with(event);
}

TEST_P(FormStructure, NamesAreUniqueIdentifiers)
{
    std::set<std::string> seen;
    for (const TControlDesc &c : Form().Controls) {
        ASSERT_NE(c.Name, nullptr);
        EXPECT_TRUE(IsIdentifier(c.Name)) << c.Name;
        EXPECT_TRUE(seen.insert(c.Name).second) << c.Name << " appears twice";
    }
}

TEST_P(FormStructure, ControlsLieInsideTheClientArea)
{
    for (const TControlDesc &c : Form().Controls) {
        EXPECT_GE(c.Left, 0) << c.Name;
        EXPECT_GE(c.Top, 0) << c.Name;
        EXPECT_GT(c.Width, 0) << c.Name;
        EXPECT_GT(c.Height, 0) << c.Name;
        EXPECT_LE(c.Left + c.Width, Form().ClientWidth) << c.Name;
        EXPECT_LE(c.Top + c.Height, Form().ClientHeight) << c.Name;
    }
}

TEST_P(FormStructure, AStripIsNamedAfterItsControlAndHasFrames)
{
    for (const TControlDesc &c : Form().Controls) {
        if (c.Picture == nullptr) {
            EXPECT_EQ(c.NumBitmaps, 0) << c.Name;
        } else {
            EXPECT_EQ(c.Kind, TControlKind::Image) << c.Name;
            EXPECT_STREQ(c.Picture, c.Name);
            EXPECT_GE(c.NumBitmaps, 1) << c.Name;
        }
    }
}

TEST_P(FormStructure, FrameIndexesPointIntoTheStripOrNowhere)
{
    for (const TControlDesc &c : Form().Controls) {
        const int n = c.NumBitmaps;
        if (n > 0) {
            EXPECT_GE(c.ImageIndex, 0) << c.Name;
            EXPECT_LT(c.ImageIndex, n) << c.Name;
        } else {
            EXPECT_EQ(c.ImageIndex, NoFrame) << c.Name;
        }
        for (int index : {c.MouseDownImageIndex, c.MouseOverImageIndex}) {
            EXPECT_GE(index, NoFrame) << c.Name;
            EXPECT_LT(index, n == 0 ? 0 : n) << c.Name;
        }
    }
}

TEST_P(FormStructure, HandlerNamesAreIdentifiersEndingInTheirEvent)
{
    for (const TControlDesc &c : Form().Controls) {
        EXPECT_TRUE(IsHandlerName(c.OnClick, "Click")) << c.Name;
        EXPECT_TRUE(IsHandlerName(c.OnPaint, "Paint")) << c.Name;
    }
}

TEST_P(FormStructure, PicturePanelsChooseTheirPointerAndNativeControlsKeepTheirOwn)
{
    for (const TControlDesc &c : Form().Controls) {
        if (c.Kind == TControlKind::Image) {
            EXPECT_NE(c.Pointer, TPointer::Default) << c.Name;
            EXPECT_EQ(c.Text.Caption, nullptr) << c.Name;
        } else {
            EXPECT_EQ(c.Pointer, TPointer::Default) << c.Name;
            EXPECT_FALSE(c.Transparent) << c.Name;
        }
    }
}

TEST_P(FormStructure, ScreensAreScreensOfTheWindowListedOnce)
{
    for (const TControlDesc &c : Form().Controls) {
        std::set<int> seen;
        for (int screen : c.Screens) {
            EXPECT_TRUE(GetParam().Screens.contains(screen)) << c.Name << " on " << screen;
            EXPECT_TRUE(seen.insert(screen).second) << c.Name << " lists " << screen << " twice";
        }
    }
}

TEST_P(FormStructure, FindControlFindsEveryRowByName)
{
    for (const TControlDesc &c : Form().Controls)
        EXPECT_EQ(FindControl(Form(), c.Name), &c);
    EXPECT_EQ(FindControl(Form(), "NoSuchControl"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(BothWindows, FormStructure, testing::ValuesIn(FormCases),
                         [](const testing::TestParamInfo<TFormCase> &info) { return info.param.Label; });

} // namespace
