#include "ProgressFile.h"

#include <gtest/gtest.h>

namespace {

// A course of eight levels where level 1 has two bands of four and two
// words and level 2 one band of three.
TDataList SmallCourse()
{
    TDataList data(LevelCount);
    const int sizes[][2] = {{1, 4}, {1, 2}, {2, 3}};
    for (const auto &[level, words] : sizes) {
        TBandData band;
        for (int i = 0; i < words; ++i) {
            TBandDataItem word;
            word.Id = level * 100 + i;
            band.Item.append(word);
        }
        data[level].Item.append(band);
    }
    return data;
}

void SetWord(TDataList &data, int level, int band, int index, int check, int judge, int selectCount)
{
    TBandDataItem &w = data[level].Item[band].Item[index];
    w.Check = check;
    w.Judge = static_cast<std::uint16_t>(judge);
    w.SelectCount = static_cast<std::uint16_t>(selectCount);
}

TProgress SampleProgress()
{
    TProgress p;
    p.LevelNo = 1;
    p.Pattern = ptSentence;
    p.WordType = 3;
    p.Options = {1, 1, 1, 1, 2, 3};
    for (int i = 0; i < 24; ++i) {
        p.BaseIndex.append(10 * (i % 4) + 1);
        p.Session.append(i % 99 + 1);
    }
    return p;
}

QList<QByteArray> Lines(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    EXPECT_TRUE(lines.last().isEmpty());
    lines.removeLast();
    for (QByteArray &line : lines) {
        EXPECT_TRUE(line.endsWith('\r'));
        line.chop(1);
    }
    return lines;
}

TEST(ProgressFile, WritesTheSettingsLineBandLinesCountersAndEnd)
{
    TDataList data = SmallCourse();
    SetWord(data, 1, 0, 0, 1, 1, 5);
    SetWord(data, 1, 0, 2, 0, 2, 3);
    SetWord(data, 1, 0, 3, 1, 4, 12);
    const QList<QByteArray> lines = Lines(WriteProgress(data, SampleProgress()));
    ASSERT_EQ(lines.size(), 28);
    EXPECT_EQ(lines[0], "Way=0,Word=0,New=1,Once=0,Level=2,Pattern=3,WordType=3,Set1=1,Set2=1,Set3=1,Set4=1,Set5=2,Set6=3,Set7=0");
    for (int i : {1, 2, 3, 6, 9, 24})
        EXPECT_TRUE(lines[i].isEmpty()) << i;
    EXPECT_EQ(lines[4], "#105,000,203,#412");
    EXPECT_EQ(lines[5], "000,000");
    EXPECT_EQ(lines[7], "000,000,000");
    EXPECT_EQ(lines[25], "BaseIndex=1,11,21,31,1,11,21,31,1,11,21,31,1,11,21,31,1,11,21,31,1,11,21,31");
    EXPECT_EQ(lines[26].left(16), "Session=1,2,3,4,");
    EXPECT_EQ(lines[27], "[END]");
}

TEST(ProgressFile, RoundTripsResultsCountersAndOptions)
{
    TDataList data = SmallCourse();
    SetWord(data, 1, 0, 0, 1, 1, 5);
    SetWord(data, 1, 0, 1, 0, 3, 99);
    SetWord(data, 1, 1, 1, 1, 0, 0);
    SetWord(data, 2, 0, 2, 0, 4, 42);
    TProgress saved = SampleProgress();
    saved.BaseIndex[5] = 6;
    const QByteArray text = WriteProgress(data, saved);

    TDataList loaded = SmallCourse();
    SetWord(loaded, 1, 0, 3, 1, 2, 7); // stale results of another user
    loaded[1].BandNo = 2;
    const TProgress p = ReadProgress(text, loaded);
    for (int level : {1, 2})
        for (int band = 0; band < data[level].Item.size(); ++band)
            for (int i = 0; i < data[level].Item[band].Item.size(); ++i) {
                const TBandDataItem &a = data[level].Item[band].Item[i];
                const TBandDataItem &b = loaded[level].Item[band].Item[i];
                EXPECT_EQ(a.Check, b.Check);
                EXPECT_EQ(a.Judge, b.Judge);
                EXPECT_EQ(a.SelectCount, b.SelectCount);
            }
    EXPECT_EQ(loaded[1].BandNo, 0);
    EXPECT_EQ(loaded[1].Item[0].CheckCount, 1);
    EXPECT_EQ(loaded[1].Item[0].KnownCount, 1);
    EXPECT_EQ(loaded[1].Item[0].UnknownCount, 1);
    EXPECT_EQ(loaded[2].Item[0].UnknownCount, 1);
    EXPECT_EQ(p.Pattern, ptSentence);
    EXPECT_EQ(p.WordType, 3);
    EXPECT_EQ(p.Options, saved.Options);
    EXPECT_EQ(p.Session, saved.Session);
    QList<std::int32_t> expectedBase = saved.BaseIndex;
    expectedBase[5] = 11; // a start of 6 comes back as the next block of ten
    EXPECT_EQ(p.BaseIndex, expectedBase);
}

TEST(ProgressFile, RoundsBandStartsToBlocksOfTen)
{
    const int cases[][2] = {{0, 1}, {1, 1}, {4, 1}, {5, 11}, {7, 11}, {15, 21}, {21, 21}, {-20, -9}};
    for (const auto &[written, read] : cases) {
        TDataList data = SmallCourse();
        const TProgress p = ReadProgress("x\r\nBaseIndex=" + QByteArray::number(written) + "\r\n[END]\r\n", data);
        EXPECT_EQ(p.BaseIndex[0], read) << written;
        EXPECT_EQ(p.BaseIndex[1], 0) << "entries the line does not reach stay 0";
    }
}

TEST(ProgressFile, ReadsOddTokensAsTheirDigitsSay)
{
    struct Case {
        const char *token;
        int check, judge, selectCount;
    };
    const Case cases[] = {
        {"#123", 1, 1, 23}, {"#3", 1, 3, 0}, {"", 0, 0, 0}, {"#", 1, 0, 0}, {"4", 0, 4, 0},
        {"2057", 0, 2, 5}, {"x12", 0, 0, 12}, {"1-5", 0, 1, 0}, {" 3 ", 0, 0, 3},
    };
    for (const Case &c : cases) {
        TDataList data = SmallCourse();
        // Level 0 has no bands, so the fourth line is level 1's first band.
        ReadProgress(QByteArray("s\r\n\r\n\r\n\r\n") + c.token + ",#105\r\n[END]", data);
        const TBandDataItem &w = data[1].Item[0].Item[0];
        EXPECT_EQ(w.Check, c.check) << c.token;
        EXPECT_EQ(w.Judge, c.judge) << c.token;
        EXPECT_EQ(w.SelectCount, c.selectCount) << c.token;
        EXPECT_EQ(data[1].Item[0].Item[1].Judge, 1) << "the next token still lands on the next word";
    }
    TDataList data = SmallCourse();
    ReadProgress("s\n\n\n\n#3\n", data);
    EXPECT_EQ(data[1].Item[0].CheckCount, 1);
    EXPECT_EQ(data[1].Item[0].UnknownCount, 1);
    EXPECT_EQ(data[1].Item[0].KnownCount, 0);
}

TEST(ProgressFile, ReadsSettingsWithTheDefaultsOfAMissingFile)
{
    struct Case {
        const char *settings;
        TPattern pattern;
        int wordType;
        int set1;
    };
    const Case cases[] = {
        {"", ptWordAndSentence, 1, 0},
        {"Pattern=4,WordType=0,Set1=2", ptWriting, 0, 2},
        {"Pattern=9,WordType=7,Level=5", ptWordAndSentence, 1, 0},
        {"Pattern=0,WordType=-1", ptWordAndSentence, 1, 0},
        {"Pattern=abc,WordType=2x,Set1=1.5", ptWordAndSentence, 1, 0},
        {"Pattern= 2 ,Set1=", ptWord, 1, 0},
    };
    for (const Case &c : cases) {
        TDataList data = SmallCourse();
        const TProgress p = ReadProgress(QByteArray(c.settings) + "\r\n", data);
        EXPECT_EQ(p.Pattern, c.pattern) << c.settings;
        EXPECT_EQ(p.WordType, c.wordType) << c.settings;
        EXPECT_EQ(p.Options.TypeSoundNo, c.set1) << c.settings;
        EXPECT_EQ(p.LevelNo, 1) << c.settings;
    }
}

TEST(ProgressFile, MissingShortAndOverlongFilesLoadSafely)
{
    TDataList data = SmallCourse();
    SetWord(data, 1, 0, 0, 1, 1, 1);
    TProgress p = ReadProgress(QByteArray(), data);
    EXPECT_EQ(data[1].Item[0].Item[0].Judge, 0) << "a missing file clears the previous user's results";
    EXPECT_EQ(p.BaseIndex, QList<std::int32_t>(24, 0));
    EXPECT_EQ(p.WordType, 1);

    // Lines after "[END]" (even one that goes on with other text) are ignored.
    p = ReadProgress("s\r\n\r\n\r\n\r\n#105\r\n[END]xyz\r\nSession=5\r\n", data);
    EXPECT_EQ(data[1].Item[0].Item[0].Judge, 1);
    EXPECT_EQ(p.Session[0], 0);

    // Band lines past the course, tokens past a band's words and a file
    // without "[END]" are all harmless.
    QByteArray longFile = "s\n";
    for (int i = 0; i < 40; ++i)
        longFile += "#412,#412,#412,#412,#412,#412\n";
    longFile += "Session=" + QByteArray(400, '7');
    p = ReadProgress(longFile, data);
    EXPECT_EQ(data[1].Item[0].CheckCount, 4);
    EXPECT_EQ(data[1].Item[1].Item.size(), 2);
    EXPECT_EQ(p.Session[0], 0) << "a number beyond 32 bits is not a number";
}

TEST(ProgressFile, KeyValuesStopAtTheTableAndSkipWhatIsNotANumber)
{
    TDataList data = SmallCourse();
    QByteArray session = "Session=";
    for (int i = 0; i < 30; ++i)
        session += QByteArray::number(i + 1) + ",";
    const TProgress p = ReadProgress("s\r\n" + session + "\r\nBaseIndex=,x,33\r\n", data);
    ASSERT_EQ(p.Session.size(), 24);
    EXPECT_EQ(p.Session[23], 24);
    EXPECT_EQ(p.BaseIndex[0], 1) << "an empty value counts as 0";
    EXPECT_EQ(p.BaseIndex[1], 0) << "a value that is not a number keeps the default";
    EXPECT_EQ(p.BaseIndex[2], 31);
}

} // namespace

namespace {

TEST(ProgressFile, TellsAProgressFileFromAForeignOne)
{
    struct Case {
        QByteArray text;
        bool progress;
    };
    const Case cases[] = {
        {QByteArray(), true},            // a user just added
        {QByteArray("\r\n\r\n"), true},  // blank lines only
        {QByteArray("Way=0,Word=0,New=1\r\n"), true},
        {QByteArray("\r\n#105,000,203\r\n"), true},
        {QByteArray("garbage\r\nBaseIndex=1,11\r\n"), true},
        {QByteArray("[END]"), true},
        {QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), false},
        {QByteArray("hello, world\nthis is a letter\n"), false},
        {QByteArray("1234,abc\n"), false},
        {QByteArray(",,,\r\n"), true}, // empty tokens read as zero
    };
    for (const Case &c : cases)
        EXPECT_EQ(LooksLikeProgress(c.text), c.progress) << c.text.toStdString();
    // Random bytes, as a damaged or foreign file holds them.
    QByteArray noise;
    std::uint32_t x = 12345;
    for (int i = 0; i < 4096; ++i) {
        x = x * 1103515245u + 12345u;
        noise.append(char(x >> 24));
    }
    EXPECT_FALSE(LooksLikeProgress(noise));
}

} // namespace
