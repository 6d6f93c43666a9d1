#include "ChunkLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(LayOutChunks, ChunksKeepTheirTargetIndexesAndElementLetters)
{
    const TChunkLayout layout = LayOutChunks(QStringLiteral("[Oh, ]Y[I ]S[ab]Vx[lost ]V[it.]"), 19);
    struct Case {
        int First;
        int End;
        char16_t Letter; // 0: none
    };
    // The stray "x" and the missing tag leave their chunks without a letter.
    const Case cases[] = {{0, 4, u'Y'}, {4, 6, u'S'}, {6, 8, 0}, {8, 13, u'V'}, {13, 16, 0}};
    ASSERT_EQ(layout.Chunks.size(), std::size(cases));
    for (int k = 0; k < layout.Chunks.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(layout.Chunks[k].First, cases[k].First);
        EXPECT_EQ(layout.Chunks[k].End, cases[k].End);
        EXPECT_EQ(layout.Chunks[k].Letter, QChar(cases[k].Letter));
    }
}

TEST(TChunkLayout, SpansAreCutAtTheLineBreak)
{
    TChunkLayout layout;
    layout.L1 = 10;
    struct Case {
        int First;
        int End;
        QList<TCellSpan> Spans;
    };
    const Case cases[] = {
        {0, 4, {{0, 0, 4}}},
        {6, 10, {{0, 6, 10}}},
        {10, 14, {{1, 0, 4}}},
        {7, 13, {{0, 7, 10}, {1, 0, 3}}},
        {5, 5, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(layout.SpansOf(c.First, c.End), c.Spans) << c.First << " to " << c.End;
    EXPECT_EQ(layout.CellOf(9), (TCellSpan{0, 9, 10}));
    EXPECT_EQ(layout.CellOf(10), (TCellSpan{1, 0, 1}));
}

TEST(TChunkLayout, ALineEndsAfterEveryL1Characters)
{
    TChunkLayout layout;
    layout.L1 = 10;
    for (const auto &[end, ends] : {std::pair{10, true}, {20, true}, {9, false}, {14, false}, {0, false}})
        EXPECT_EQ(layout.EndsLine(end), ends) << end;
    layout.L1 = 0;
    EXPECT_FALSE(layout.EndsLine(0));
}

} // namespace
