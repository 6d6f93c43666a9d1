#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

// A window described as data: every control with the properties it is
// created with, in form order, which is also the painting order (a later
// control is drawn over an earlier one). The windows build their controls
// from these tables and bind the handler names to their own methods; nothing
// here knows about widgets.

enum class TControlKind {
    Image,      // the picture control: a button, a switch or a painted panel
    Label,      // a line of static text
    ListBox,    // a list without a frame of its own: the background draws it
    Edit,       // a single-line edit without a frame of its own
    PushButton, // a platform push button with a caption
};

enum class TPointer {
    Default, // the platform control's own pointer (native controls)
    Arrow,
    Hand,
};

// Frame index meaning "no such frame"; the control then falls back to its
// ImageIndex.
inline constexpr int NoFrame = -1;

// Text colour meaning "the platform's window-text colour".
inline constexpr std::uint32_t WindowTextColor = 0xFF000000u;

// The screens on which a window's screen switch shows a control. Empty for
// controls no screen shows.
class TScreenList {
public:
    static constexpr int Capacity = 8;

    constexpr TScreenList() = default;
    constexpr TScreenList(std::initializer_list<int> screens)
    {
        // A constant table with too many screens fails to compile here.
        if (screens.size() > Capacity)
            throw "TScreenList: too many screens";
        for (int screen : screens)
            FNumbers[FCount++] = screen;
    }

    constexpr int Count() const { return FCount; }
    constexpr bool IsEmpty() const { return FCount == 0; }
    constexpr int operator[](int i) const { return FNumbers[i]; }
    constexpr const int *begin() const { return FNumbers; }
    constexpr const int *end() const { return FNumbers + FCount; }
    constexpr bool Contains(int screen) const
    {
        return std::find(begin(), end(), screen) != end();
    }

private:
    int FNumbers[Capacity] = {};
    int FCount = 0;
};

struct TFontDesc {
    const char *Face = nullptr; // UTF-8; nullptr: the window's font
    int PixelSize = 0;
    bool Bold = false;
};

// What the native kinds need besides their bounds; picture controls leave
// it empty.
struct TTextDesc {
    const char *Caption = nullptr; // UTF-8
    TFontDesc Font = {};
    std::uint32_t TextColor = WindowTextColor; // 0x00BBGGRR
    int MaxLength = 0;                         // characters; 0: no limit
    bool Sorted = false;                       // a list keeps its items sorted
};

struct TControlDesc {
    const char *Name;
    TControlKind Kind;
    int Left, Top, Width, Height;
    // Resource name of the picture strip, nullptr for a control without one
    // (a drawing area or a native control). A control with a strip takes
    // the size of one frame once the strip is loaded.
    const char *Picture;
    // Frames side by side in the strip; 0 when there is no strip.
    int NumBitmaps;
    int ImageIndex, MouseDownImageIndex, MouseOverImageIndex; // or NoFrame
    int Tag;
    TPointer Pointer;
    bool Transparent;
    // Handler names, bound by the window by name; nullptr when none.
    const char *OnClick;
    const char *OnPaint;
    TScreenList Screens;
    TTextDesc Text = {};
};

struct TFormDesc {
    const char *Name;
    const char *Caption; // UTF-8
    int ClientWidth, ClientHeight;
    TFontDesc Font; // for controls that do not set their own
    std::span<const TControlDesc> Controls;
};

// The control of that name, or nullptr. The pointer refers into the static
// table and stays valid for the life of the program.
inline const TControlDesc *FindControl(const TFormDesc &form, std::string_view name)
{
    for (const TControlDesc &control : form.Controls)
        if (name == control.Name)
            return &control;
    return nullptr;
}
