// The options role of the sub-window: six groups of switches that act like
// radio buttons, applied to the main window only by OK.

#include "Unit1.h"

#include "ButtonFrames.h"
#include "EgImage.h"
#include "ScreenNo.h"
#include "SubWindowHost.h"

namespace {

// The clicks the typing-sound and miss-sound previews play, by option value;
// 0 plays nothing.
constexpr int TypeSoundPreview[] = {1, 2, 0};
constexpr int MissSoundPreview[] = {3, 0};

} // namespace

void TFrmSub::WriteOption(std::int32_t &field, int value, std::span<TEgImage *const> group)
{
    if (value == field)
        return;
    const auto inRange = [&](int v) { return v >= 0 && v < int(group.size()); };
    if (inRange(field)) {
        group[field]->SetImageIndex(frNormal);
        group[field]->SetMouseDownImageIndex(frPressed);
    }
    field = value;
    if (inRange(value)) {
        // A chosen switch keeps its chosen look while it is pressed again.
        group[value]->SetImageIndex(frSwitchChosen);
        group[value]->SetMouseDownImageIndex(frSwitchChosen);
    }
}

void TFrmSub::SetTypeSoundNo(int value) { WriteOption(Edited.TypeSoundNo, value, bTypeSound); }
void TFrmSub::SetMissSoundNo(int value) { WriteOption(Edited.MissSoundNo, value, bMissSound); }
void TFrmSub::SetDispWordNo(int value) { WriteOption(Edited.DispWordNo, value, bDispWord); }
void TFrmSub::SetVoiceNo(int value) { WriteOption(Edited.VoiceNo, value, bVoice); }
void TFrmSub::SetMeaningNo(int value) { WriteOption(Edited.MeaningNo, value, bMeaning); }
void TFrmSub::SetGuideNo(int value) { WriteOption(Edited.GuideNo, value, bGuide); }

void TFrmSub::bTypeSound1Click(TEgImage *Sender)
{
    SetTypeSoundNo(Sender->Tag());
    const int value = Edited.TypeSoundNo;
    if (value >= 0 && value < int(std::size(TypeSoundPreview)) && TypeSoundPreview[value] > 0)
        PlayKeySound(TypeSoundPreview[value]);
}

void TFrmSub::bMissSound1Click(TEgImage *Sender)
{
    SetMissSoundNo(Sender->Tag());
    const int value = Edited.MissSoundNo;
    if (value >= 0 && value < int(std::size(MissSoundPreview)) && MissSoundPreview[value] > 0)
        PlayKeySound(MissSoundPreview[value]);
}

void TFrmSub::bDispWord1Click(TEgImage *Sender) { SetDispWordNo(Sender->Tag()); }
void TFrmSub::bVoice1Click(TEgImage *Sender) { SetVoiceNo(Sender->Tag()); }
void TFrmSub::bMeaning1Click(TEgImage *Sender) { SetMeaningNo(Sender->Tag()); }
void TFrmSub::bGuide1Click(TEgImage *Sender) { SetGuideNo(Sender->Tag()); }

void TFrmSub::BtnOKClick()
{
    // The item being typed is laid out again with the new options; its
    // typing state stays as it is.
    if (CurScreenNo == scOptions)
        Host.ApplyOptions(Edited);
    done(1);
}

void TFrmSub::btnCancelClick()
{
    done(2);
}
