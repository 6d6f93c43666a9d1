#include "ChunkBands.h"
#include "PngImage.h"
#include "SentenceText.h"
#include "WordText.h"

#include "StripFixtures.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// Renders a few screens with the real strips over the real training
// background and keeps them in the build folder for a person to look at.
class RealExamples : public testing::Test {
protected:
    void SetUp() override
    {
        const std::pair<QImage *, const char *> pictures[] = {
            {&Background, "SCR13000"}, {&LargeFont, "FONTLARGE"}, {&SmallFont, "FONTSMALL"},
            {&EnterMark, "MARKENTER"}, {&SVOCMark, "SVOC"}};
        for (const auto &[image, name] : pictures) {
            const TPngResult loaded = LoadPicture(QString::fromLatin1(name));
            ASSERT_TRUE(loaded) << name << ": " << loaded.Error.toStdString();
            *image = loaded.Image;
        }
        QDir().mkpath(QStringLiteral(RENDER_EXAMPLES_DIR));
    }

    QImage Word(const QByteArray &word, TTypingView typing, const char *file)
    {
        QImage screen = Background.convertToFormat(QImage::Format_RGB32);
        {
            QPainter painter(&screen);
            DrawWord(painter, LargeFont, EnterMark, word, typing, 0, TypingText);
        }
        Save(screen, file);
        return screen;
    }

    QImage Sentence(const QString &example, TTypingView typing, TPattern pattern, int guideNo, const char *file)
    {
        const TSentenceData sense = SenseOf(example);
        QImage screen = Background.convertToFormat(QImage::Format_RGB32);
        {
            QPainter painter(&screen);
            bool atEdge = false;
            DrawSentence(10, 198, painter, {SmallFont, SVOCMark}, {sense, typing, pattern, guideNo, TypingText}, atEdge);
        }
        Save(screen, file);
        return screen;
    }

    static void Save(const QImage &image, const char *file)
    {
        EXPECT_TRUE(image.save(QStringLiteral(RENDER_EXAMPLES_DIR "/%1").arg(QLatin1String(file))));
    }

    QImage Background, LargeFont, SmallFont, EnterMark, SVOCMark;
};

const QString PresentExample = QStringLiteral("[I ]S[received ]V[a present ]O[from Linda ]M[this morning.]M");
const QString KyotoExample =
    QStringLiteral("[I ]S[have ]V[friends ]O[in Kyoto and Tokyo. ]M[So, ]M[let's visit ]V[either town.]O");

TEST_F(RealExamples, TypedLettersAreBlueAndTheHintedRestGrey)
{
    const QImage typing = Word("receive", {.InputLen = 3, .InputMode = 1}, "word-hinted.png");
    EXPECT_GT(CountRgb(typing, BlueInk), 0);
    EXPECT_GT(CountRgb(typing, GreyInk), 0);
    const QImage hidden = Word("receive", {.InputLen = 3}, "word-typing.png");
    EXPECT_EQ(CountRgb(hidden.copy(TypingText), GreyInk), 0);
    Word("receive", {.InputLen = 7, .InputMode = 9}, "word-complete.png");
}

TEST_F(RealExamples, ACompletedSentenceShowsItsElementsBehindBlackText)
{
    const QImage typing = Sentence(KyotoExample, {.InputLen = 20, .HintIndex = 63}, ptSentence, 0, "sentence-typing.png");
    EXPECT_EQ(CountRgb(typing.copy(TypingText), CursorRgb), 21);
    const QImage complete =
        Sentence(PresentExample, {.InputLen = 45, .InputMode = 9, .HintIndex = 45}, ptSentence, 0, "sentence-complete.png");
    // Black ink over the subject's band keeps both colours exact.
    const QImage band = complete.copy(85, 198, 22, 32);
    EXPECT_GT(CountRgb(band, 0xFF0099FF), 0);
    EXPECT_GT(CountRgb(band, BlackInk), 0);
    Sentence(KyotoExample, {.InputLen = 63, .InputMode = 9, .HintIndex = 63}, ptSentence, 0, "sentence-two-lines-complete.png");
    Sentence(PresentExample, {.InputLen = 3, .InputMode = 9, .HintIndex = 45}, ptSentence, 0, "sentence-again.png");
}

TEST_F(RealExamples, TheWritingGuideLabelsTheElements)
{
    const QImage guided =
        Sentence(PresentExample, {.InputLen = 12, .HintIndex = 12}, ptWriting, 2, "writing-guide-2.png");
    // The labels sit under the underlines.
    EXPECT_LT(CountRgb(guided.copy(85, 198 + 43, 630, 15), Paper), 630 * 15);
    Sentence(KyotoExample, {.InputLen = 42, .HintIndex = 42}, ptWriting, 2, "writing-guide-2-two-lines.png");
    Sentence(KyotoExample, {.InputLen = 42, .HintIndex = 42}, ptWriting, 0, "writing-guide-0.png");
}

} // namespace
