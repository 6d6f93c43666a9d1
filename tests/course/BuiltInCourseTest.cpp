// Checks the course the program carries against every rule a program can
// check: its shape, its ids, its markup, and that each target can be drawn
// and fits the sentence band.

#include "CourseLoader.h"
#include "Cp932.h"
#include "LineSplit.h"
#include "Markup.h"
#include "Resources.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

class BuiltInCourse : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const std::optional<QByteArray> text = LoadResource(QStringLiteral("LDATA"));
        ASSERT_TRUE(text.has_value()) << "the program carries no course text";
        Raw = *text;
        Result = LoadCourse(*text, [](const QString &m) { Messages.append(m); });
    }

    static const QList<TBandDataItem> &Words() { return Result.Data[1].Item[0].Item; }

    template <typename F>
    static void ForEachSense(F f)
    {
        for (const TBandDataItem &word : Words())
            for (const TSentenceData &sense : word.Item)
                f(word, sense);
    }

    static const TBandDataItem *Find(const char *word)
    {
        for (const TBandDataItem &w : Words())
            if (w.Word == word)
                return &w;
        return nullptr;
    }

    static inline QByteArray Raw;
    static inline TCourseLoadResult Result;
    static inline QStringList Messages;
};

TEST_F(BuiltInCourse, IsStoredInCodePage932WithCrLfAfterEveryLine)
{
    ASSERT_FALSE(Raw.isEmpty());
    EXPECT_TRUE(Raw.endsWith("\r\n"));
    for (qsizetype i = 0; i < Raw.size(); ++i) {
        if (Raw.at(i) == '\n') {
            ASSERT_TRUE(i > 0 && Raw.at(i - 1) == '\r') << "lone LF at byte " << i;
        }
        if (Raw.at(i) == '\r') {
            ASSERT_TRUE(i + 1 < Raw.size() && Raw.at(i + 1) == '\n') << "lone CR at byte " << i;
        }
    }
    EXPECT_FALSE(Raw.startsWith("\xEF\xBB\xBF")) << "no byte-order mark";
    EXPECT_EQ(ToCp932(FromCp932(Raw)), Raw) << "every byte decodes and encodes back";
}

TEST_F(BuiltInCourse, LoadsIntoEightLevelsWithEverythingInLevelTwo)
{
    ASSERT_TRUE(Result.Ok()) << Result.Error.toStdString();
    EXPECT_TRUE(Messages.isEmpty()) << Messages.join(u'\n').toStdString();
    ASSERT_EQ(Result.Data.size(), 8);
    for (int i = 0; i < 8; ++i) {
        if (i != 1) {
            EXPECT_TRUE(Result.Data[i].Item.isEmpty()) << "level index " << i;
        }
    }
    const TLevelData &level = Result.Data[1];
    EXPECT_EQ(ShortNameText(level.LevelName), QStringLiteral("Level 2"));
    ASSERT_EQ(level.Item.size(), 1);
    EXPECT_EQ(ShortNameText(level.Item[0].BandName), QStringLiteral("Band A"));
    EXPECT_EQ(Words().size(), 30);
    int senses = 0;
    ForEachSense([&](const TBandDataItem &, const TSentenceData &) { ++senses; });
    EXPECT_EQ(senses, 51);
    int headers = 0;
    for (const QString &line : SplitLines(FromCp932(Raw)))
        headers += line.startsWith(u'#');
    EXPECT_EQ(headers, 1);
}

TEST_F(BuiltInCourse, WordIdsAreConsecutiveAndSensesNumberedFromOne)
{
    ASSERT_TRUE(Result.Ok());
    for (int i = 1; i < Words().size(); ++i)
        EXPECT_EQ(Words()[i].Id, Words()[i - 1].Id + 1) << Words()[i].Word.constData();
    for (const TBandDataItem &word : Words()) {
        ASSERT_FALSE(word.Item.isEmpty());
        if (word.Item.size() == 1) {
            EXPECT_EQ(word.Item[0].Id2, 0) << word.Word.constData();
            continue;
        }
        for (int i = 0; i < word.Item.size(); ++i)
            EXPECT_EQ(word.Item[i].Id2, i + 1) << word.Word.constData();
    }
}

TEST_F(BuiltInCourse, WordsUseOnlyWhatTheLargeGlyphsCanDraw)
{
    static const QRegularExpression allowed(QStringLiteral("^[a-z -]+$"));
    for (const TBandDataItem &word : Words())
        EXPECT_TRUE(allowed.match(QString::fromLatin1(word.Word)).hasMatch()) << word.Word.constData();
}

TEST_F(BuiltInCourse, ExamplesAreWellFormedDrawableAndFitTwoLines)
{
    static const QRegularExpression chunks(QStringLiteral("^(\\[[^\\[\\]]+\\][SVOCMZY])+$"));
    static const QRegularExpression drawable(QStringLiteral("^[A-Za-z0-9 ,.'?!\":-]+$"));
    ForEachSense([](const TBandDataItem &word, const TSentenceData &s) {
        const QString where = QString::fromLatin1(word.Word) + u' ' + s.Example;
        EXPECT_TRUE(chunks.match(s.Example).hasMatch()) << where.toStdString();
        const QString target = QString::fromLatin1(s.Sentence);
        EXPECT_EQ(target, StripTags(s.Example));
        EXPECT_TRUE(drawable.match(target).hasMatch()) << where.toStdString();
        const TLineSplit split = LineSplit(s.Sentence, MaxLineChars(780));
        EXPECT_LE(split.L1, 53) << where.toStdString();
        EXPECT_LE(split.L2, 53) << where.toStdString();
    });
}

TEST_F(BuiltInCourse, EverySenseHasItsTextsAndWellFormedMarks)
{
    ForEachSense([](const TBandDataItem &word, const TSentenceData &s) {
        const std::string where = word.Word.toStdString() + " " + std::to_string(s.Id2);
        EXPECT_FALSE(s.Meaning.isEmpty()) << where;
        EXPECT_TRUE(s.Translation1.contains(u'/')) << where << " literal translation in phrases";
        EXPECT_FALSE(s.Translation2.isEmpty()) << where;
        EXPECT_NE(s.Part, posUnknown) << where;
        if (s.Part == posVerb) {
            EXPECT_FALSE(s.Etc1.isEmpty()) << where << " a verb lists its forms";
        }
        EXPECT_TRUE(s.Etc2.isEmpty() || PronunciationMarkCell(s.Etc2) >= 0) << where;

        QStringList messages;
        SplitMeaning(s.Meaning, [&](const QString &m) { messages << m; });
        EXPECT_TRUE(messages.isEmpty()) << where;
        EXPECT_EQ(s.Meaning.count(QStringLiteral("[s]")), s.Meaning.count(QStringLiteral("[/s]"))) << where;

        bool headword = false;
        for (const QString &line : RelatedWordLines(s.Etc3)) {
            EXPECT_EQ(line.count(QStringLiteral("[b]")), line.count(QStringLiteral("[/b]"))) << where;
            MarkedLineRuns(line, headword);
            EXPECT_FALSE(headword) << where;
        }
    });
}

TEST_F(BuiltInCourse, CoversEveryPartOfSpeechAndPronunciationMark)
{
    QSet<int> parts;
    QSet<QString> marks;
    int withRelatedWords = 0;
    for (const TBandDataItem &word : Words()) {
        bool related = false;
        for (const TSentenceData &s : word.Item) {
            parts.insert(s.Part);
            if (!s.Etc2.isEmpty())
                marks.insert(s.Etc2);
            related = related || !s.Etc3.isEmpty();
        }
        withRelatedWords += related;
    }
    EXPECT_EQ(parts, (QSet<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(marks, (QSet<QString>{QStringLiteral("<発1>"), QStringLiteral("<ア1>"), QStringLiteral("<発2>"),
                                    QStringLiteral("<ア2>")}));
    EXPECT_GT(withRelatedWords * 3, Words().size() * 2) << "most words list related words";
}

TEST_F(BuiltInCourse, CarriesTheWordsItIsKnownBy)
{
    const TBandDataItem *receive = Find("receive");
    ASSERT_NE(receive, nullptr);
    EXPECT_EQ(receive->Id, 348);
    EXPECT_EQ(receive->Item[0].Meaning, QStringLiteral("[s]を[/s]受け取る"));
    EXPECT_EQ(receive->Item[0].Sentence, QByteArray("I received a present from Linda this morning."));
    EXPECT_EQ(receive->Item[0].Translation1, QStringLiteral("私は受け取った/プレゼントを/Lindaから/今朝。"));

    const TBandDataItem *next = nullptr;
    for (const TBandDataItem &w : Words())
        if (w.Id == 349)
            next = &w;
    ASSERT_NE(next, nullptr);
    EXPECT_GE(next->Item.size(), 2);

    const TBandDataItem *rest = Find("rest");
    ASSERT_NE(rest, nullptr);
    ASSERT_EQ(rest->Item.size(), 3);
    EXPECT_EQ(rest->Item[0].Meaning, QStringLiteral("残り"));
    EXPECT_EQ(rest->Item[1].Meaning, QStringLiteral("休息"));
    EXPECT_EQ(rest->Item[2].Meaning, QStringLiteral("休息する"));
    EXPECT_EQ(rest->Item[1].Example, QStringLiteral("[Why ]M[don't ]V[we ]S[take ]V[a short rest?]O"));

    const TBandDataItem *lose = Find("lose");
    ASSERT_NE(lose, nullptr);
    bool hasNi = false;
    for (const TSentenceData &s : lose->Item)
        hasNi = hasNi || s.Meaning == QStringLiteral("[s](に)[/s]負ける");
    EXPECT_TRUE(hasNi);
    EXPECT_EQ(lose->Item[0].Etc1, QStringLiteral("lose - lost - lost"));

    const TBandDataItem *either = Find("either");
    ASSERT_NE(either, nullptr);
    bool twoSentences = false;
    for (const TSentenceData &s : either->Item)
        twoSentences = twoSentences || s.Sentence == "I have friends in Kyoto and Tokyo. So, let's visit either town.";
    EXPECT_TRUE(twoSentences);

    int address = 0;
    int contraction = 0;
    ForEachSense([&](const TBandDataItem &, const TSentenceData &s) {
        address += s.Example.contains(QStringLiteral("[John, ]Y")) + s.Example.contains(QStringLiteral("[Oh no, ]Y"));
        contraction += s.Example.contains(QStringLiteral("[where']M[s ]V"));
    });
    EXPECT_EQ(address, 2);
    EXPECT_GE(contraction, 1);
}

} // namespace
