#include "CourseLoader.h"

#include <gtest/gtest.h>

namespace {

QStringList Split(const QString &line, int highest = 11)
{
    QStringList fields = {QStringLiteral("stale")};
    SplitFields(line, fields, highest);
    return fields;
}

TEST(SplitFields, FillsEveryFieldUpToTheHighestIndex)
{
    const QStringList f = Split(QStringLiteral("a\tb\tc"));
    ASSERT_EQ(f.size(), 12);
    EXPECT_EQ(f[0], "a");
    EXPECT_EQ(f[1], "b");
    EXPECT_EQ(f[2], "c");
    for (int i = 3; i < 12; ++i)
        EXPECT_TRUE(f[i].isEmpty()) << i;
}

TEST(SplitFields, IgnoresTabsAndTextAfterTheTwelfthField)
{
    QString line;
    for (int i = 0; i < 12; ++i)
        line += QString::number(i) + u'\t';
    line += QStringLiteral("extra\tmore");
    const QStringList f = Split(line);
    ASSERT_EQ(f.size(), 12);
    EXPECT_EQ(f[11], "11");
}

TEST(SplitFields, KeepsEmptyFieldsBetweenTabs)
{
    const QStringList f = Split(QStringLiteral("\t\tx\t"), 3);
    EXPECT_EQ(f, (QStringList{"", "", "x", ""}));
}

TEST(TrimControl, RemovesControlCharactersAndBlanksButKeepsIdeographicSpace)
{
    EXPECT_EQ(TrimControl(QStringLiteral(" \t\x01残り\r ")), QStringLiteral("残り"));
    EXPECT_EQ(TrimControl(QStringLiteral("残り\u3000")), QStringLiteral("残り\u3000"));
    EXPECT_EQ(TrimControl(QStringLiteral("   ")), QString());
}

TEST(TryStrToInt, ReadsLikeTheCourseFieldsNeed)
{
    struct Case {
        const char *text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"000348", 348}, {"349", 349}, {" 2", 2}, {"2 ", std::nullopt}, {"", std::nullopt},
        {"+7", 7}, {"-7", -7}, {"-", std::nullopt}, {"12a", std::nullopt}, {"1 2", std::nullopt},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt}, {"\t5", std::nullopt},
    };
    for (const Case &c : cases) {
        const std::optional<std::int32_t> got = TryStrToInt(QString::fromLatin1(c.text));
        EXPECT_EQ(got.has_value(), c.value.has_value()) << c.text;
        if (got && c.value) {
            EXPECT_EQ(*got, *c.value) << c.text;
        }
    }
}

TEST(PartOfSpeechCode, MapsTheEightNamesAndReportsAnyOther)
{
    QStringList reported;
    const TMessageReporter report = [&](const QString &m) { reported << m; };
    const char16_t *names[] = {u"名詞", u"形容詞", u"副詞", u"動詞", u"代名詞", u"接続詞", u"前置詞", u"助動詞"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(PartOfSpeechCode(QString::fromUtf16(names[i]), report), i + 1);
    EXPECT_TRUE(reported.isEmpty());

    EXPECT_EQ(PartOfSpeechCode(QStringLiteral("名詞 "), report), 0);
    EXPECT_EQ(PartOfSpeechCode(QStringLiteral("間投詞"), report), 0);
    EXPECT_EQ(reported, (QStringList{QStringLiteral("品詞エラー：名詞 "), QStringLiteral("品詞エラー：間投詞")}));
}

TEST(SplitLines, EndsLinesAtCrLfLoneCrAndLoneLf)
{
    EXPECT_EQ(SplitLines(QStringLiteral("a\r\nb\rc\nd\r\n")), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines(QStringLiteral("a\n\nb")), (QStringList{"a", "", "b"}));
    EXPECT_EQ(SplitLines(QStringLiteral("a\r\r\nb")), (QStringList{"a", "", "b"}));
}

} // namespace
