#include "MainFormDescription.h"

namespace {

constexpr auto Image = TControlKind::Image;
constexpr auto Label = TControlKind::Label;
constexpr auto Arrow = TPointer::Arrow;
constexpr auto Hand = TPointer::Hand;
constexpr bool Opaque = false;
constexpr bool SeeThrough = true;

constexpr const char *MainFace = "ＭＳ Ｐゴシック";
constexpr const char *VersionCaption = "Ver. 1.0　体験版";

// Columns: name, kind, left, top, width, height, strip, frames,
// frame normal / pressed / hover, tag, pointer, transparency, click, paint,
// screens. A drawing area has no strip, no frames and no frame indexes.
constexpr TControlDesc Controls[] = {
    {"imgExPattern", Image, 41, 286, 300, 232, "imgExPattern", 1, 0, NoFrame, NoFrame, 0, Arrow, Opaque, nullptr, nullptr, {12000}},
    {"imgLevelPhrase", Image, 41, 286, 300, 112, "imgLevelPhrase", 1, 0, NoFrame, NoFrame, 0, Arrow, Opaque, nullptr, nullptr, {}},
    {"ImgBtnNext", Image, 425, 523, 50, 52, "ImgBtnNext", 4, 0, 1, 2, 0, Hand, Opaque, "ImgBtnNextClick", nullptr, {20000, 20001, 20002, 20003, 20004}},
    {"ImgBtnPrev", Image, 325, 523, 50, 52, "ImgBtnPrev", 4, 0, 1, 2, 0, Hand, Opaque, "ImgBtnPrevClick", nullptr, {20000, 20001, 20002, 20003, 20004}},
    {"ImgBtn1", Image, 302, 249, 192, 40, "ImgBtn1", 3, 0, 1, 2, 0, Hand, Opaque, "ImgBtn1Click", nullptr, {0}},
    {"ImgBtn2", Image, 302, 335, 192, 40, "ImgBtn2", 3, 0, 1, 2, 0, Hand, Opaque, "ImgBtn2Click", nullptr, {0}},
    {"bNameSelect", Image, 576, 82, 130, 22, "bNameSelect", 3, 0, 1, 2, 0, Hand, Opaque, "bNameSelectClick", nullptr, {10000}},
    {"bBandA", Image, 204, 66, 528, 36, "bBandA", 3, 2, 2, NoFrame, 0, Hand, Opaque, "bBandAClick", "bBandAPaint", {12000}},
    {"bBandB", Image, 204, 105, 528, 36, "bBandB", 3, 0, 1, NoFrame, 1, Hand, Opaque, "bBandAClick", "bBandAPaint", {12000}},
    {"bBandC", Image, 204, 145, 528, 36, "bBandC", 3, 0, 1, NoFrame, 2, Hand, Opaque, "bBandAClick", "bBandAPaint", {12000}},
    {"bWordAndSentence", Image, 50, 300, 282, 44, "bWordAndSentence", 4, 0, 1, 2, 0, Hand, Opaque, "bWordAndSentenceClick", nullptr, {12000}},
    {"bWord", Image, 50, 347, 282, 44, "bWord", 4, 0, 1, 2, 1, Hand, Opaque, "bWordAndSentenceClick", nullptr, {12000}},
    {"bSentence", Image, 50, 394, 282, 44, "bSentence", 4, 0, 1, 2, 2, Hand, Opaque, "bWordAndSentenceClick", nullptr, {12000}},
    {"bWriting", Image, 50, 441, 282, 44, "bWriting", 4, 0, 1, 2, 3, Hand, Opaque, "bWordAndSentenceClick", nullptr, {12000}},
    {"bTraining", Image, 414, 296, 298, 70, "bTraining", 3, 0, 1, 2, 0, Hand, Opaque, "bTrainingClick", nullptr, {12000}},
    {"bNewWord", Image, 438, 375, 220, 28, "bNewWord", 2, 1, NoFrame, NoFrame, 0, Hand, Opaque, "bNewWordClick", nullptr, {12000}},
    {"bOnceMore", Image, 438, 496, 220, 28, "bOnceMore", 3, 2, NoFrame, NoFrame, 0, Hand, Opaque, "bNewWordClick", nullptr, {12000}},
    {"bNewWordType1", Image, 474, 405, 136, 20, "bNewWordType1", 4, 2, 1, NoFrame, 0, Hand, Opaque, "bNewWordTypeClick", nullptr, {12000}},
    {"bNewWordType2", Image, 474, 425, 136, 20, "bNewWordType2", 4, 0, 1, NoFrame, 0, Hand, Opaque, "bNewWordTypeClick", nullptr, {12000}},
    {"bNewWordType3", Image, 474, 445, 136, 20, "bNewWordType3", 4, 0, 1, NoFrame, 0, Hand, Opaque, "bNewWordTypeClick", nullptr, {12000}},
    {"bNewWordType4", Image, 474, 467, 180, 20, "bNewWordType4", 4, 0, 1, NoFrame, 0, Hand, Opaque, "bNewWordTypeClick", nullptr, {12000}},
    {"bRewind", Image, 340, 523, 52, 52, "bRewind", 4, 0, 1, 2, 0, Hand, Opaque, "bRewindClick", nullptr, {13000}},
    {"bForward", Image, 402, 523, 52, 52, "bForward", 4, 0, 1, 2, 0, Hand, Opaque, "bForwardClick", nullptr, {13000}},
    {"bHint", Image, 622, 523, 44, 52, "bHint", 3, 0, 1, 2, 0, Hand, Opaque, "bHintClick", nullptr, {13000}},
    {"bNatural", Image, 548, 533, 20, 32, "bNatural", 3, 0, 1, 2, 0, Hand, Opaque, "bNaturalClick", nullptr, {13000}},
    {"imgLevelName", Image, 200, 124, 400, 70, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Arrow, SeeThrough, "FormClick", "imgLevelNamePaint", {88888}},
    {"imgBandName", Image, 200, 212, 400, 60, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Arrow, SeeThrough, "FormClick", "imgBandNamePaint", {88888}},
    {"imgWordAndSentence", Image, 200, 362, 400, 60, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Arrow, SeeThrough, "FormClick", "imgWordAndSentencePaint", {88888}},
    {"bBandTotal", Image, 194, 190, 533, 36, "bBandTotal", 1, 0, NoFrame, NoFrame, 0, Arrow, Opaque, nullptr, "bBandTotalPaint", {12000}},
    {"imgLevelName2", Image, 50, 16, 300, 40, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Arrow, SeeThrough, nullptr, "imgLevelName2Paint", {12000}},
    {"imgCounter", Image, 35, 473, 60, 38, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Arrow, Opaque, nullptr, "imgCounterPaint", {13000}},
    {"imgUserId2", Image, 408, 84, 165, 19, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Arrow, SeeThrough, nullptr, "imgUserId2Paint", {10000}},
    {"imgPart1", Image, 3, 13, 195, 99, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Hand, Opaque, nullptr, "imgPartPaint", {13000}},
    {"imgPart2", Image, 199, 13, 195, 99, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Hand, Opaque, nullptr, "imgPartPaint", {13000}},
    {"imgPart3", Image, 400, 13, 195, 99, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Hand, Opaque, nullptr, "imgPartPaint", {13000}},
    {"imgWordMeaning", Image, 50, 150, 700, 45, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Arrow, Opaque, nullptr, "imgWordMeaningPaint", {13000}},
    {"imgSentensMeaning", Image, 0, 330, 800, 50, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Arrow, Opaque, nullptr, "imgSentensMeaningPaint", {13000}},
    {"imgMessage", Image, 116, 422, 568, 25, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Arrow, Opaque, nullptr, "imgMessagePaint", {13000}},
    {"imgWordText", Image, 10, 198, 780, 124, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Arrow, Opaque, nullptr, nullptr, {}},
    {"imgSentenceText", Image, 10, 198, 780, 124, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Arrow, Opaque, nullptr, nullptr, {}},
    {"bLevel1", Image, 59, 162, 244, 38, "bLevel1", 3, 0, NoFrame, NoFrame, 0, Hand, Opaque, "bLevel1Click", nullptr, {10000}},
    {"bLevel2", Image, 59, 200, 244, 38, "bLevel2", 3, 2, 1, NoFrame, 1, Hand, Opaque, "bLevel1Click", nullptr, {10000}},
    {"bLevel3", Image, 59, 238, 244, 38, "bLevel3", 3, 0, NoFrame, NoFrame, 2, Hand, Opaque, "bLevel1Click", nullptr, {10000}},
    {"bLevel4", Image, 59, 276, 244, 38, "bLevel4", 3, 0, NoFrame, NoFrame, 3, Hand, Opaque, "bLevel1Click", nullptr, {10000}},
    {"bLevel5", Image, 59, 314, 244, 38, "bLevel5", 3, 0, NoFrame, NoFrame, 4, Hand, Opaque, "bLevel1Click", nullptr, {10000}},
    {"bLevel6", Image, 59, 352, 244, 38, "bLevel6", 3, 0, NoFrame, NoFrame, 5, Hand, Opaque, "bLevel1Click", nullptr, {10000}},
    {"bLevel7", Image, 59, 390, 244, 38, "bLevel7", 3, 0, NoFrame, NoFrame, 6, Hand, Opaque, "bLevel1Click", nullptr, {10000}},
    {"bLevel8", Image, 59, 428, 244, 38, "bLevel8", 3, 0, NoFrame, NoFrame, 7, Hand, Opaque, "bLevel1Click", nullptr, {10000}},
    {"imgMissCount", Image, 303, 485, 194, 24, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Arrow, Opaque, nullptr, "imgMissCountPaint", {13000}},
    {"imgFlag", Image, 387, 451, 26, 28, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Arrow, Opaque, nullptr, "imgFlagPaint", {13000}},
    {"imgSpecialTraining", Image, 8, 116, 780, 16, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Arrow, Opaque, nullptr, "imgSpecialTrainingPaint", {13000}},
    {"imgCountHeader2", Image, 380, 22, 230, 26, "imgCountHeader2", 1, 0, NoFrame, NoFrame, 0, Arrow, Opaque, nullptr, "imgLevelName2Paint", {12000}},
    {"imgCheck", Image, 748, 394, 42, 42, "imgCheck", 2, 0, NoFrame, NoFrame, 0, Hand, Opaque, "imgCheckClick", nullptr, {13000}},
    {"imgWord", Image, 606, 129, 182, 28, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Arrow, Opaque, nullptr, "imgWordPaint", {13000}},
    {"imgCountHeader1", Image, 318, 128, 255, 31, "imgCountHeader1", 1, 0, NoFrame, NoFrame, 0, Arrow, Opaque, nullptr, nullptr, {10000}},
    {"bTrans2", Image, 712, 523, 36, 52, "bTrans2", 4, 0, 1, 2, 0, Hand, Opaque, "bTrans2Click", nullptr, {13000}},
    {"bSetup", Image, 166, 536, 27, 27, "bSetup", 3, 0, 1, 2, 0, Hand, SeeThrough, "bSetupClick", nullptr, {13000}},
    {"imgIdNo", Image, 670, 7, 116, 16, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, Arrow, Opaque, nullptr, "imgIdNoPaint", {13000}},
    {"bBack1", Image, 21, 523, 71, 52, "bBack1", 3, 0, 1, 2, 0, Hand, SeeThrough, "bBackClick", nullptr, {12000, 20000, 20001, 20002, 20003, 20004, 20005}},
    {"bBack2", Image, 23, 523, 71, 52, "bBack2", 3, 0, 1, 2, 0, Hand, SeeThrough, "bBackClick", nullptr, {10000, 13000}},
    {"ImgBtn3", Image, 318, 409, 308, 40, "ImgBtn3", 2, 0, 1, 1, 0, Hand, Opaque, "ImgBtn3Click", nullptr, {0}},
    {"LblVersion", Label, 10, 585, 180, 13, nullptr, 0, NoFrame, NoFrame, NoFrame, 0, TPointer::Default, Opaque, nullptr, nullptr, {0},
     {VersionCaption, {MainFace, 13, false}}},
};

constexpr TFormDesc Form = {
    "FrmMain", "TypeKo", 800, 600, {MainFace, 12, false}, Controls,
};

} // namespace

const TFormDesc &MainFormDescription()
{
    return Form;
}
