#include "SubFormDescription.h"

namespace {

constexpr auto Image = TControlKind::Image;
constexpr auto ListBox = TControlKind::ListBox;
constexpr auto Edit = TControlKind::Edit;
constexpr auto PushButton = TControlKind::PushButton;
constexpr auto Arrow = TPointer::Arrow;
constexpr auto Hand = TPointer::Hand;
constexpr bool Opaque = false;
constexpr bool SeeThrough = true;

constexpr const char *ListFace = "MS UI Gothic";
constexpr std::uint32_t ListTextBlue = 0xFF0000; // 0x00BBGGRR
constexpr int UserNameMaxLength = 12;

// The switches are stated one pixel shorter than their strips; once a strip
// is loaded the control takes the strip's height.
constexpr int SwitchHeight = 19;

// Columns: name, kind, left, top, width, height, strip, frames,
// frame normal / pressed / hover, tag, pointer, transparency, click, paint,
// screens, and for native controls their text. A switch's tag is the option
// value it stands for.
constexpr TControlDesc Controls[] = {
    {"ListBox1", ListBox, 238, 173, 171, 219, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, TPointer::Default, Opaque, nullptr, nullptr, {11000},
     {nullptr, {ListFace, 16, false}, ListTextBlue, 0, true}},
    {"ImgBtnAdd", Image, 444, 172, 131, 31, "ImgBtnAdd", 3, 0, 1, 2, 0, Hand, Opaque, "ImgBtnAddClick", nullptr, {11000}},
    {"ImgBtnDelete", Image, 444, 212, 131, 31, "ImgBtnDelete", 3, 0, 1, 2, 0, Hand, Opaque, "ImgBtnDeleteClick", nullptr, {11000}},
    {"ImgBtnCancel", Image, 133, 445, 131, 31, "ImgBtnCancel", 3, 0, 1, 2, 0, Hand, Opaque, "ImgBtnCancelClick", nullptr, {11000}},
    {"ImgBtnSelect", Image, 430, 443, 145, 35, "ImgBtnSelect", 3, 0, 1, 2, 0, Hand, Opaque, "ImgBtnSelectClick", nullptr, {11000}},
    {"Edit1", Edit, 253, 235, 191, 20, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, TPointer::Default, Opaque, nullptr, nullptr, {11001},
     {nullptr, {ListFace, 19, true}, WindowTextColor, UserNameMaxLength}},
    {"ImgBtnCancelA", Image, 133, 406, 131, 31, "ImgBtnCancelA", 3, 0, 1, 2, 0, Hand, Opaque, "ImgBtnCancelAClick", nullptr, {11001}},
    {"ImgBtnAddA", Image, 440, 407, 131, 31, "ImgBtnAddA", 3, 0, 1, 2, 0, Hand, Opaque, "ImgBtnAddAClick", nullptr, {11001}},
    {"imgUserId", Image, 248, 230, 203, 30, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Arrow, SeeThrough, nullptr, "imgUserIdPaint", {11002}},
    {"ImgBtnCancelD", Image, 133, 407, 131, 31, "ImgBtnCancelD", 3, 0, 1, 2, 0, Hand, Opaque, "ImgBtnCancelDClick", nullptr, {11002}},
    {"ImgBtnDeleteD", Image, 440, 406, 131, 31, "ImgBtnDeleteD", 3, 0, 1, 2, 0, Hand, Opaque, "ImgBtnDeleteDClick", nullptr, {11002}},
    {"bTypeSound1", Image, 400, 70, 220, SwitchHeight, "bTypeSound1", 3, 0, 1, NoFrame, 0, Hand, Opaque, "bTypeSound1Click", nullptr, {12100}},
    {"bTypeSound2", Image, 400, 89, 220, SwitchHeight, "bTypeSound2", 3, 0, 1, NoFrame, 1, Hand, Opaque, "bTypeSound1Click", nullptr, {12100}},
    {"bTypeSound3", Image, 400, 108, 220, SwitchHeight, "bTypeSound3", 3, 0, 1, NoFrame, 2, Hand, Opaque, "bTypeSound1Click", nullptr, {12100}},
    {"bMissSound1", Image, 400, 134, 220, SwitchHeight, "bMissSound1", 3, 0, 1, NoFrame, 0, Hand, Opaque, "bMissSound1Click", nullptr, {12100}},
    {"bMissSound2", Image, 400, 153, 220, SwitchHeight, "bMissSound2", 3, 0, 1, NoFrame, 1, Hand, Opaque, "bMissSound1Click", nullptr, {12100}},
    {"bDispWord1", Image, 400, 185, 220, SwitchHeight, "bDispWord1", 3, 0, 1, NoFrame, 0, Hand, Opaque, "bDispWord1Click", nullptr, {12100}},
    {"bDispWord2", Image, 400, 204, 220, SwitchHeight, "bDispWord2", 3, 0, 1, NoFrame, 1, Hand, Opaque, "bDispWord1Click", nullptr, {12100}},
    {"bVoice1", Image, 400, 237, 220, SwitchHeight, "bVoice1", 3, 0, 1, NoFrame, 0, Hand, Opaque, "bVoice1Click", nullptr, {12100}},
    {"bVoice2", Image, 400, 256, 220, SwitchHeight, "bVoice2", 3, 0, 1, NoFrame, 1, Hand, Opaque, "bVoice1Click", nullptr, {12100}},
    {"bMeaning1", Image, 400, 293, 220, SwitchHeight, "bMeaning1", 3, 0, 1, NoFrame, 0, Hand, Opaque, "bMeaning1Click", nullptr, {12100}},
    {"bMeaning2", Image, 400, 312, 220, SwitchHeight, "bMeaning2", 3, 0, 1, NoFrame, 1, Hand, Opaque, "bMeaning1Click", nullptr, {12100}},
    {"bMeaning3", Image, 400, 331, 220, SwitchHeight, "bMeaning3", 3, 0, 1, NoFrame, 2, Hand, Opaque, "bMeaning1Click", nullptr, {12100}},
    {"bGuide1", Image, 400, 369, 240, SwitchHeight, "bGuide1", 3, 0, 1, NoFrame, 0, Hand, Opaque, "bGuide1Click", nullptr, {12100}},
    {"bGuide2", Image, 400, 388, 240, SwitchHeight, "bGuide2", 3, 0, 1, NoFrame, 1, Hand, Opaque, "bGuide1Click", nullptr, {12100}},
    {"bGuide3", Image, 400, 407, 240, SwitchHeight, "bGuide3", 3, 0, 1, NoFrame, 2, Hand, Opaque, "bGuide1Click", nullptr, {12100}},
    {"bGuide4", Image, 400, 427, 220, SwitchHeight, "bGuide4", 3, 0, 1, NoFrame, 3, Hand, Opaque, "bGuide1Click", nullptr, {12100}},
    {"btnCancel", PushButton, 16, 472, 75, 25, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, TPointer::Default, Opaque, "btnCancelClick", nullptr, {12100},
     {"ｷｬﾝｾﾙ"}},
    {"BtnOK", PushButton, 600, 472, 75, 25, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, TPointer::Default, Opaque, "BtnOKClick", nullptr, {12100},
     {"OK"}},
};

constexpr TFormDesc Form = {
    "FrmSub", "TypeKo", 700, 525, {"Tahoma", 11, false}, Controls,
};

} // namespace

const TFormDesc &SubFormDescription()
{
    return Form;
}
