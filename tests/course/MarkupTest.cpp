#include "Markup.h"

#include <gtest/gtest.h>

namespace {

TEST(StripTags, KeepsOnlyWhatStandsInsideBrackets)
{
    struct Case {
        const char16_t *example;
        const char16_t *target;
    };
    const Case cases[] = {
        {u"[I ]S[received ]V[a present ]O[from Linda ]M[this morning.]M",
         u"I received a present from Linda this morning."},
        {u"[Why ]M[don't ]V[we ]S[take ]V[a short rest?]O", u"Why don't we take a short rest?"},
        {u"", u""},
        {u"[Hello there.]", u"Hello there."},
        // Text between chunks is never typed, even letters and blanks.
        {u"[I ]S x[go.]V", u"I go."},
        // Brackets do not nest, and a stray "]" changes nothing.
        {u"[a[b]c]d[e]", u"abe"},
        {u"]x[y]", u"y"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(StripTags(QString::fromUtf16(c.example)), QString::fromUtf16(c.target));

    const QString rest = StripTags(QStringLiteral("[Why ]M[don't ]V[we ]S[take ]V[a short rest?]O"));
    EXPECT_EQ(rest.size(), 31);
}

TEST(TagColor, GivesEachElementItsColourInEitherCase)
{
    struct Case {
        char letter;
        TColor colour;
    };
    const Case cases[] = {
        {'S', 0xFF9900}, {'V', 0x0000FF}, {'O', 0x00EE00}, {'C', 0x66CCFF}, {'M', 0xC0C0C0},
        {'Z', 0xC0C0C0}, {'Y', 0xC0C0C0}, {'s', 0xFF9900}, {'v', 0x0000FF}, {'o', 0x00EE00},
        {'c', 0x66CCFF}, {'m', 0xC0C0C0}, {'z', 0xC0C0C0}, {'y', 0xC0C0C0}, {'X', 0xFFFFFF},
        {'x', 0xFFFFFF}, {' ', 0xFFFFFF}, {'.', 0xFFFFFF},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TagColor(QChar(c.letter)), c.colour) << c.letter;
    EXPECT_EQ(TagColor(QChar()), clWhite);
    // RGB of the subject colour.
    EXPECT_EQ(RedOf(TagColor(u'S')), 0);
    EXPECT_EQ(GreenOf(TagColor(u'S')), 153);
    EXPECT_EQ(BlueOf(TagColor(u'S')), 255);
}

TEST(HasGuideLabel, OnlyUpperCaseElementsOtherThanYGetALabel)
{
    for (QChar c : QStringLiteral("SVOCMZ"))
        EXPECT_TRUE(HasGuideLabel(c)) << c.toLatin1();
    for (QChar c : QStringLiteral("Ysvocmzy?"))
        EXPECT_FALSE(HasGuideLabel(c)) << c.toLatin1();
}

TEST(ParseChunks, CountsTargetPositionsOverChunkTextsOnly)
{
    const QList<TChunk> chunks =
        ParseChunks(QStringLiteral("[I ]S[have ]V[friends ]O[in Kyoto and Tokyo. ]M[So, ]M[let's visit ]V[either town.]O"));
    ASSERT_EQ(chunks.size(), 7);
    const int starts[] = {1, 3, 8, 16, 36, 40, 52};
    const char tags[] = "SVOMMVO";
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(chunks[i].TargetStart, starts[i]) << i;
        EXPECT_EQ(chunks[i].Tag, QChar(tags[i])) << i;
        EXPECT_EQ(chunks[i].OutsideCount, 1) << i;
    }
    EXPECT_EQ(chunks[5].Text, QStringLiteral("let's visit "));
    // The last chunk ends at position 63, the length of the target.
    EXPECT_EQ(chunks.last().TargetStart + chunks.last().Text.size() - 1, 63);
}

TEST(ParseChunks, ContractionsAndOddChunksKeepTheirShape)
{
    const QList<TChunk> contraction = ParseChunks(QStringLiteral("[where']M[s ]V[the station?]S"));
    ASSERT_EQ(contraction.size(), 3);
    EXPECT_EQ(contraction[1].TargetStart, 7);
    EXPECT_EQ(contraction[1].Tag, u'V');

    // A whole example in one bracket has no tag.
    const QList<TChunk> untagged = ParseChunks(QStringLiteral("[Hello.]"));
    ASSERT_EQ(untagged.size(), 1);
    EXPECT_TRUE(untagged[0].Tag.isNull());

    // A stray character after the tag letter is what the scan finds last,
    // so the chunk loses its colour.
    const QList<TChunk> stray = ParseChunks(QStringLiteral("[I ]Sx[go.]V"));
    EXPECT_EQ(stray[0].Tag, u'x');
    EXPECT_EQ(stray[0].OutsideCount, 2);
    EXPECT_EQ(TagColor(stray[0].Tag), clWhite);
    EXPECT_EQ(stray[1].TargetStart, 3);

    // Only a tag standing alone names the chunk's element; a stray letter
    // that has a colour of its own names none either.
    EXPECT_TRUE(ElementLetter(stray[0]).isNull());
    EXPECT_EQ(ElementLetter(stray[1]), u'V');
    EXPECT_TRUE(ElementLetter(ParseChunks(QStringLiteral("[I ]VS[go.]V"))[0]).isNull());
    EXPECT_TRUE(ElementLetter(untagged[0]).isNull());

    EXPECT_TRUE(ParseChunks(QString()).isEmpty());
}

QList<TMeaningPiece> Split(const QString &meaning, QStringList *messages = nullptr)
{
    return SplitMeaning(meaning, [&](const QString &m) {
        if (messages)
            *messages << m;
    });
}

TEST(SplitMeaning, CutsAnnotationsIntoSmallPiecesFollowedByABlank)
{
    QStringList messages;
    EXPECT_EQ(Split(QStringLiteral("[s]を[/s]受け取る"), &messages),
              (QList<TMeaningPiece>{{"", false}, {"を ", true}, {"受け取る", false}}));
    EXPECT_EQ(Split(QStringLiteral("残り"), &messages), (QList<TMeaningPiece>{{"残り", false}}));
    EXPECT_EQ(Split(QStringLiteral("増える、[s]を[/s]増やす"), &messages),
              (QList<TMeaningPiece>{{"増える、", false}, {"を ", true}, {"増やす", false}}));
    EXPECT_EQ(Split(QStringLiteral("[s](に)[/s]負ける"), &messages),
              (QList<TMeaningPiece>{{"", false}, {"(に) ", true}, {"負ける", false}}));
    // Marks are case-sensitive: "[S]" is text.
    EXPECT_EQ(Split(QStringLiteral("[S]を[/S]得る"), &messages), (QList<TMeaningPiece>{{"[S]を[/S]得る", false}}));
    EXPECT_TRUE(Split(QString()).isEmpty());
    EXPECT_TRUE(messages.isEmpty());
}

TEST(SplitMeaning, ReportsMalformedAnnotationsAndLaysThemOutAnyway)
{
    struct Case {
        const char16_t *meaning;
        QList<TMeaningPiece> pieces;
        QStringList messages;
    };
    const Case cases[] = {
        // Never closed: the message carries the text from the "[s]" on and
        // the scan resumes at the fourth character.
        {u"[s]を受け取る",
         {{"", false}, {" ", true}, {"を受け取る", false}},
         {QStringLiteral("[s]エラー:[s]を受け取る")}},
        // Text before the open mark is scanned again from the fourth character.
        {u"とても[s]を",
         {{"とても", false}, {" ", true}, {"", false}, {" ", true}, {"を", false}},
         {QStringLiteral("[s]エラー:とても[s]を"), QStringLiteral("[s]エラー:[s]を")}},
        // A close mark before the open one: shown as written, then the scan
        // resumes right after it.
        {u"ab[/s]cd[s]ef[/s]",
         {{"ab[/s]cd", false}, {" ", true}, {"cd", false}, {"ef ", true}},
         {QStringLiteral("[s]エラー:ab[/s]cd[s]ef[/s]")}},
    };
    for (const Case &c : cases) {
        QStringList messages;
        EXPECT_EQ(Split(QString::fromUtf16(c.meaning), &messages), c.pieces) << QString::fromUtf16(c.meaning).toStdString();
        EXPECT_EQ(messages, c.messages) << QString::fromUtf16(c.meaning).toStdString();
    }
}

TEST(RelatedWords, SplitsLinesAtCrMarks)
{
    EXPECT_EQ(RelatedWordLines(QStringLiteral("a[cr]b[cr]c")), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(RelatedWordLines(QStringLiteral("one line")), QStringList{"one line"});
    EXPECT_EQ(RelatedWordLines(QString()).size(), 1);
}

TEST(RelatedWords, MarksHeadwordsAndCarriesAnOpenMarkIntoLaterLines)
{
    const QStringList lines =
        RelatedWordLines(QStringLiteral("[b]loss[/b] <名> 喪失[cr][b]lost[/b] <形> 失くした、道に迷った[cr]⇔ [b]win[/b] ～に勝つ、勝つ"));
    bool headword = false;
    EXPECT_EQ(MarkedLineRuns(lines[0], headword),
              (QList<TMarkedRun>{{"", false}, {"loss", true}, {" <名> 喪失", false}}));
    EXPECT_EQ(MarkedLineRuns(lines[2], headword),
              (QList<TMarkedRun>{{"⇔ ", false}, {"win", true}, {" ～に勝つ、勝つ", false}}));
    EXPECT_FALSE(headword);

    // An "[b]" never closed colours the rest of its line and the next lines.
    EXPECT_EQ(MarkedLineRuns(QStringLiteral("x [b]open"), headword), (QList<TMarkedRun>{{"x ", false}, {"open", true}}));
    EXPECT_TRUE(headword);
    EXPECT_EQ(MarkedLineRuns(QStringLiteral("next"), headword), (QList<TMarkedRun>{{"next", true}}));

    // A "[/b]" without an "[b]" before it is shown as written.
    headword = false;
    EXPECT_EQ(MarkedLineRuns(QStringLiteral("a[/b]b"), headword), (QList<TMarkedRun>{{"a[/b]b", false}}));
}

TEST(PronunciationMarkCell, SelectsACellOnlyForTheFourWholeTokens)
{
    struct Case {
        const char16_t *etc2;
        int cell;
    };
    const Case cases[] = {
        {u"<発1>", 0}, {u"<ア1>", 0}, {u"<発2>", 1}, {u"<ア2>", 1},
        {u"", -1}, {u"<発3>", -1}, {u" <ア2>", -1}, {u"<ア2>x", -1}, {u"発1", -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PronunciationMarkCell(QString::fromUtf16(c.etc2)), c.cell) << QString::fromUtf16(c.etc2).toStdString();
}

} // namespace

#include "LineSplit.h"

namespace {

TEST(LineSplit, BreaksLongSentencesAfterTheLastBlankThatFits)
{
    EXPECT_EQ(MaxLineChars(780), 53);
    const QByteArray either = "I have friends in Kyoto and Tokyo. So, let's visit either town.";
    ASSERT_EQ(either.size(), 63);
    EXPECT_EQ(LineSplit(either, 53), (TLineSplit{51, 12}));

    const QByteArray received = "I received a present from Linda this morning.";
    EXPECT_EQ(LineSplit(received, 53), (TLineSplit{45, 0}));
    EXPECT_EQ(LineSplit(QByteArray(53, 'a'), 53), (TLineSplit{53, 0}));

    // No blank in the first 53 characters: one overflowing line.
    EXPECT_EQ(LineSplit(QByteArray(60, 'a'), 53), (TLineSplit{60, 0}));
    // A blank at position 54 is too late; one at 53 ends line 1.
    EXPECT_EQ(LineSplit(QByteArray(53, 'a') + " bc", 53), (TLineSplit{56, 0}));
    EXPECT_EQ(LineSplit(QByteArray(52, 'a') + " bc", 53), (TLineSplit{53, 2}));
    EXPECT_EQ(LineSplit(QByteArray(), 53), (TLineSplit{0, 0}));
}

} // namespace
