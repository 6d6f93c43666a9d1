#include "ArtworkPixels.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TPictureSize {
    const char *Name;
    int FrameWidth, Height, Frames;
    bool Alpha = false;
};

std::vector<TPictureSize> ExpectedPictures()
{
    std::vector<TPictureSize> sizes{
        {"FONTLARGE", 122, 1960, 1}, {"FONTSMALL", 63, 1944, 1}, {"FONTNUM", 30, 130, 1},
        {"MARKENTER", 31, 40, 1, true}, {"MISSMETER", 200, 286, 1}, {"FLAG", 26, 56, 1, true},
        {"COUNTER", 30, 38, 10}, {"SVOC", 265, 30, 1}, {"SOUND", 50, 10, 2},
        {"ImgBtn1", 192, 40, 3}, {"ImgBtn2", 192, 40, 3}, {"ImgBtn3", 308, 40, 2},
        {"ImgBtnPrev", 50, 52, 4}, {"ImgBtnNext", 50, 52, 4}, {"bNameSelect", 130, 22, 3},
        {"bBandA", 528, 36, 3}, {"bBandB", 528, 36, 3}, {"bBandC", 528, 36, 3}, {"bBandTotal", 533, 36, 1},
        {"imgCountHeader2", 230, 26, 1}, {"imgCountHeader1", 255, 31, 1},
        {"imgExPattern", 300, 232, 1}, {"imgLevelPhrase", 300, 112, 1},
        {"bWordAndSentence", 282, 44, 4}, {"bWord", 282, 44, 4}, {"bSentence", 282, 44, 4}, {"bWriting", 282, 44, 4},
        {"bTraining", 298, 70, 3}, {"bNewWord", 220, 28, 2}, {"bOnceMore", 220, 28, 3},
        {"bNewWordType1", 136, 20, 4}, {"bNewWordType2", 136, 20, 4}, {"bNewWordType3", 136, 20, 4},
        {"bNewWordType4", 180, 20, 4}, {"bRewind", 52, 52, 4}, {"bForward", 52, 52, 4},
        {"bHint", 44, 52, 3}, {"bNatural", 20, 32, 3}, {"bTrans2", 36, 52, 4}, {"bSetup", 27, 27, 3},
        {"imgCheck", 42, 42, 2}, {"bBack1", 71, 52, 3}, {"bBack2", 71, 52, 3},
        {"ImgBtnSelect", 145, 35, 3},
    };
    for (const char *name : {"SCR00000", "SCR10000", "SCR12000", "SCR13000", "SCR20000", "SCR20001", "SCR20002",
                             "SCR20003", "SCR20004", "SCR20005", "SCR88888", "SCR99999", "SCR99999N"})
        sizes.push_back({name, 800, 600, 1});
    for (const char *name : {"SCR11000", "SCR11001", "SCR11002", "SCR12100"})
        sizes.push_back({name, 700, 525, 1});
    for (const char *name : {"HINSHI1", "HINSHI2", "HINSHI3", "HINSHI4", "HINSHI5", "HINSHI6", "HINSHI7", "HINSHI8"})
        sizes.push_back({name, 195, 99, 1});
    for (const char *name : {"bLevel1", "bLevel2", "bLevel3", "bLevel4", "bLevel5", "bLevel6", "bLevel7", "bLevel8"})
        sizes.push_back({name, 244, 38, 3});
    for (const char *name : {"ImgBtnAdd", "ImgBtnDelete", "ImgBtnCancel", "ImgBtnCancelA", "ImgBtnAddA",
                             "ImgBtnCancelD", "ImgBtnDeleteD"})
        sizes.push_back({name, 131, 31, 3});
    for (const char *name : {"bTypeSound1", "bTypeSound2", "bTypeSound3", "bMissSound1", "bMissSound2", "bDispWord1",
                             "bDispWord2", "bVoice1", "bVoice2", "bMeaning1", "bMeaning2", "bMeaning3", "bGuide4"})
        sizes.push_back({name, 220, 20, 3});
    for (const char *name : {"bGuide1", "bGuide2", "bGuide3"})
        sizes.push_back({name, 240, 20, 3});
    return sizes;
}

TEST(EmbeddedPictures, EachDecodesAtItsSizeWithAlphaOnlyWhereItHasTransparency)
{
    for (const TPictureSize &expected : ExpectedPictures()) {
        SCOPED_TRACE(expected.Name);
        const QImage image = LoadEmbedded(QString::fromLatin1(expected.Name));
        EXPECT_EQ(image.size(), QSize(expected.FrameWidth * expected.Frames, expected.Height));
        EXPECT_EQ(image.hasAlphaChannel(), expected.Alpha);
    }
}

// Frames of one button must be told apart at a glance, so no two frames of
// a strip may be the same picture.
TEST(EmbeddedPictures, FramesOfAStripAllDiffer)
{
    for (const TPictureSize &expected : ExpectedPictures()) {
        if (expected.Frames < 2)
            continue;
        SCOPED_TRACE(expected.Name);
        const QImage strip = LoadEmbedded(QString::fromLatin1(expected.Name));
        for (int a = 0; a < expected.Frames; ++a)
            for (int b = a + 1; b < expected.Frames; ++b)
                EXPECT_NE(strip.copy(a * expected.FrameWidth, 0, expected.FrameWidth, expected.Height),
                          strip.copy(b * expected.FrameWidth, 0, expected.FrameWidth, expected.Height))
                    << "frames " << a << " and " << b;
    }
}

} // namespace
