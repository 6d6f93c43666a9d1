// Checks the course the program carries against every rule a program can
// check: its shape, its ids, its markup, and that each target can be drawn
// and fits the sentence band. Every level the course fills is checked; a
// level with no band yet is allowed, because the levels are written one at a
// time, but a level that is there must be whole.

#include "CourseLoader.h"
#include "Cp932.h"
#include "LineSplit.h"
#include "Markup.h"
#include "Resources.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// Every level holds one band A of this many words, and level N numbers its
// words from (N - 1) * IdsPerLevel + 1, so the ids and voice names of one
// level never run into the next.
constexpr int WordsPerBand = 30;
constexpr int IdsPerLevel = 330;

// A filled level, named by the number its name carries ("Level 3" is 3).
struct TFilledLevel {
    int Index = 0;
    int Number = 0;
    const TLevelData *Level = nullptr;
};

class BuiltInCourse : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const std::optional<QByteArray> text = LoadResource(QStringLiteral("LDATA"));
        ASSERT_TRUE(text.has_value()) << "the program carries no course text";
        Raw = *text;
        Result = LoadCourse(*text, [](const QString &m) { Messages.append(m); });
    }

    // The level's number as the name it is shown by gives it: "Level N" is
    // N. The first level is written with an empty name so that it takes the
    // unnamed level the loader starts with, and is shown as "Level 1"; 0
    // means the name is none of these.
    static int LevelNumber(int index, const TLevelData &level)
    {
        static const QRegularExpression named(QStringLiteral("^Level ([1-8])$"));
        const QRegularExpressionMatch m = named.match(LevelNameText(index, level.LevelName));
        return m.hasMatch() ? m.captured(1).toInt() : 0;
    }

    static QList<TFilledLevel> FilledLevels()
    {
        QList<TFilledLevel> levels;
        for (int i = 0; i < Result.Data.size(); ++i)
            if (!Result.Data[i].Item.isEmpty())
                levels.append({i, LevelNumber(i, Result.Data[i]), &Result.Data[i]});
        return levels;
    }

    static std::string Where(const TFilledLevel &level)
    {
        return "level index " + std::to_string(level.Index);
    }

    // Calls f(level, word) for every word of every band of every filled level.
    template <typename F>
    static void ForEachWord(F f)
    {
        for (const TFilledLevel &level : FilledLevels())
            for (const TBandData &band : level.Level->Item)
                for (const TBandDataItem &word : band.Item)
                    f(level, word);
    }

    template <typename F>
    static void ForEachSense(F f)
    {
        ForEachWord([&](const TFilledLevel &level, const TBandDataItem &word) {
            for (const TSentenceData &sense : word.Item)
                f(word, sense, level);
        });
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

TEST_F(BuiltInCourse, LoadsWithoutMessagesIntoEightLevelsOneHeaderPerBand)
{
    ASSERT_TRUE(Result.Ok()) << Result.Error.toStdString();
    EXPECT_TRUE(Messages.isEmpty()) << Messages.join(u'\n').toStdString();
    ASSERT_EQ(Result.Data.size(), LevelCount);
    EXPECT_FALSE(Result.Data[1].Item.isEmpty()) << "level 2 is filled";
    int bands = 0;
    for (const TLevelData &level : Result.Data)
        bands += level.Item.size();
    int headers = 0;
    for (const QString &line : SplitLines(FromCp932(Raw)))
        headers += line.startsWith(u'#');
    EXPECT_EQ(headers, bands) << "a header that repeats the level before it merges two bands";
}

TEST_F(BuiltInCourse, EveryFilledLevelIsOneBandAOfThirtyWords)
{
    for (const TFilledLevel &level : FilledLevels()) {
        EXPECT_NE(level.Number, 0) << Where(level) << " is shown as \""
                                   << LevelNameText(level.Index, level.Level->LevelName).toStdString() << '"';
        ASSERT_EQ(level.Level->Item.size(), 1) << Where(level);
        const TBandData &band = level.Level->Item[0];
        EXPECT_EQ(ShortNameText(band.BandName), QStringLiteral("Band A")) << Where(level);
        EXPECT_EQ(band.Item.size(), WordsPerBand) << Where(level);
    }
}

// A level that is not written yet leaves a gap that pulls every later level
// one place forward, onto another level's button and voice folder.
TEST_F(BuiltInCourse, EveryLevelSitsAtTheIndexOfItsNumber)
{
    for (const TFilledLevel &level : FilledLevels())
        EXPECT_EQ(level.Index, level.Number - 1)
            << "Level " << level.Number << " sits at " << Where(level) << ": a level before it is missing";
}

TEST_F(BuiltInCourse, WordIdsFollowTheLevelAndSensesAreNumberedFromOne)
{
    QSet<int> ids;
    for (const TFilledLevel &level : FilledLevels()) {
        if (level.Number == 0 || level.Level->Item.isEmpty())
            continue;
        const QList<TBandDataItem> &words = level.Level->Item[0].Item;
        for (int i = 0; i < words.size(); ++i)
            EXPECT_EQ(words[i].Id, (level.Number - 1) * IdsPerLevel + 1 + i)
                << "Level " << level.Number << ' ' << words[i].Word.constData();
    }
    ForEachWord([&](const TFilledLevel &level, const TBandDataItem &word) {
        EXPECT_FALSE(ids.contains(word.Id)) << Where(level) << " id " << word.Id << " twice";
        ids.insert(word.Id);
        ASSERT_FALSE(word.Item.isEmpty());
        if (word.Item.size() == 1) {
            EXPECT_EQ(word.Item[0].Id2, 0) << word.Word.constData();
            return;
        }
        for (int i = 0; i < word.Item.size(); ++i)
            EXPECT_EQ(word.Item[i].Id2, i + 1) << word.Word.constData();
    });
}

TEST_F(BuiltInCourse, NoWordOrExampleSentenceComesTwice)
{
    QHash<QString, std::string> words;
    QHash<QString, std::string> sentences;
    ForEachSense([&](const TBandDataItem &word, const TSentenceData &s, const TFilledLevel &level) {
        const std::string here = Where(level) + " " + word.Word.toStdString();
        const QString sentence = QString::fromLatin1(s.Sentence).toLower();
        EXPECT_FALSE(sentences.contains(sentence))
            << here << " repeats \"" << s.Sentence.constData() << "\" of " << sentences.value(sentence);
        sentences.insert(sentence, here);
    });
    ForEachWord([&](const TFilledLevel &level, const TBandDataItem &word) {
        const std::string here = Where(level);
        const QString key = QString::fromLatin1(word.Word).toLower();
        EXPECT_FALSE(words.contains(key)) << word.Word.constData() << " in " << here << " and " << words.value(key);
        words.insert(key, here);
    });
}

TEST_F(BuiltInCourse, WordsUseOnlyWhatTheLargeGlyphsCanDraw)
{
    static const QRegularExpression allowed(QStringLiteral("^[a-z -]+$"));
    ForEachWord([](const TFilledLevel &level, const TBandDataItem &word) {
        EXPECT_TRUE(allowed.match(QString::fromLatin1(word.Word)).hasMatch())
            << Where(level) << ' ' << word.Word.constData();
    });
}

TEST_F(BuiltInCourse, ExamplesAreWellFormedDrawableAndFitTwoLines)
{
    static const QRegularExpression chunks(QStringLiteral("^(\\[[^\\[\\]]+\\][SVOCMZY])+$"));
    static const QRegularExpression drawable(QStringLiteral("^[A-Za-z0-9 ,.'?!\":-]+$"));
    ForEachSense([](const TBandDataItem &word, const TSentenceData &s, const TFilledLevel &) {
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
    ForEachSense([](const TBandDataItem &word, const TSentenceData &s, const TFilledLevel &level) {
        const std::string where = Where(level) + " " + word.Word.toStdString() + " " + std::to_string(s.Id2);
        EXPECT_FALSE(s.Meaning.isEmpty()) << where;
        EXPECT_TRUE(s.Translation1.contains(u'/')) << where << " literal translation in phrases";
        EXPECT_FALSE(s.Translation2.isEmpty()) << where;
        EXPECT_NE(s.Part, posUnknown) << where;
        if (s.Part == posVerb) {
            EXPECT_FALSE(s.Etc1.isEmpty()) << where << " a verb lists its forms";
        }
        // The course gives the two cells one meaning each: "<発1>" warns of a
        // sound, "<ア2>" of the stress.
        EXPECT_TRUE(s.Etc2.isEmpty() || s.Etc2 == QStringLiteral("<発1>") || s.Etc2 == QStringLiteral("<ア2>"))
            << where << ' ' << s.Etc2.toStdString();

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

TEST_F(BuiltInCourse, CoversEveryPartOfSpeechAndBothMarksAndMostWordsListRelatedWords)
{
    QSet<int> parts;
    QSet<int> cells;
    for (const TFilledLevel &level : FilledLevels()) {
        int words = 0;
        int withRelatedWords = 0;
        for (const TBandData &band : level.Level->Item) {
            for (const TBandDataItem &word : band.Item) {
                bool related = false;
                for (const TSentenceData &s : word.Item) {
                    parts.insert(s.Part);
                    if (!s.Etc2.isEmpty())
                        cells.insert(PronunciationMarkCell(s.Etc2));
                    related = related || !s.Etc3.isEmpty();
                }
                ++words;
                withRelatedWords += related;
            }
        }
        EXPECT_GT(withRelatedWords * 3, words * 2) << Where(level) << ": most words list related words";
    }
    EXPECT_EQ(parts, (QSet<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(cells, (QSet<int>{0, 1}));
}

// Only the first sense's related words are shown, once the word is typed,
// so a word whose later senses list related words lists them in its first
// sense too; which of them are the key ones is the writer's choice.
TEST_F(BuiltInCourse, TheFirstSenseListsRelatedWordsWhenAnySenseDoes)
{
    ForEachWord([&](const TFilledLevel &level, const TBandDataItem &word) {
        bool later = false;
        for (int i = 1; i < word.Item.size(); ++i)
            later = later || !word.Item[i].Etc3.isEmpty();
        if (later) {
            EXPECT_FALSE(word.Item[0].Etc3.isEmpty()) << Where(level) << ' ' << word.Word.constData();
        }
    });
}

// A conjunction or discourse word that stands alone as a chunk joins two
// parts; it is no modifier.
TEST_F(BuiltInCourse, ConjunctionsStandingAloneAreTaggedZ)
{
    static const QSet<QString> joining{QStringLiteral("so, "), QStringLiteral("so "),      QStringLiteral("and "),
                                       QStringLiteral("but "), QStringLiteral("or "),      QStringLiteral("because "),
                                       QStringLiteral("although "), QStringLiteral("though "), QStringLiteral("unless ")};
    ForEachSense([](const TBandDataItem &word, const TSentenceData &s, const TFilledLevel &level) {
        for (const TChunk &chunk : ParseChunks(s.Example))
            if (joining.contains(chunk.Text.toLower())) {
                EXPECT_EQ(chunk.Tag, u'Z') << Where(level) << ' ' << word.Word.constData() << ' '
                                           << s.Example.toStdString();
            }
    });
}

// Level 2 is the level the other tests of the program type through; these
// are the lines they rely on.
class BuiltInLevelTwo : public BuiltInCourse {
protected:
    static const QList<TBandDataItem> &Words() { return Result.Data[1].Item[0].Item; }

    static const TBandDataItem *Find(const char *word)
    {
        for (const TBandDataItem &w : Words())
            if (w.Word == word)
                return &w;
        return nullptr;
    }
};

TEST_F(BuiltInLevelTwo, CarriesTheWordsItIsKnownBy)
{
    ASSERT_EQ(Result.Data[1].Item.size(), 1);
    EXPECT_EQ(ShortNameText(Result.Data[1].LevelName), QStringLiteral("Level 2"));

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
        twoSentences = twoSentences || s.Sentence == "There are two roads to the station. You can take either road.";
    EXPECT_TRUE(twoSentences);

    int address = 0;
    int contraction = 0;
    for (const TBandDataItem &w : Words())
        for (const TSentenceData &s : w.Item) {
            address += s.Example.contains(QStringLiteral("[John, ]Y")) + s.Example.contains(QStringLiteral("[Oh no, ]Y"));
            contraction += s.Example.contains(QStringLiteral("[where']M[s ]V"));
        }
    EXPECT_EQ(address, 2);
    EXPECT_GE(contraction, 1);
}

} // namespace
