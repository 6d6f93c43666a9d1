#include "CourseLoader.h"
#include "Cp932.h"

#include <gtest/gtest.h>

namespace {

// Builds course text the way the program embeds it: code page 932, CR LF.
QByteArray Course(std::initializer_list<QString> lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += ToCp932(line) + "\r\n";
    return bytes;
}

QString Header(const QString &level, const QString &band)
{
    return level + u'\t' + band + QString(10, u'\t');
}

// A sense line with all twelve fields; the example drives the typing text.
QString Sense(const QString &id, const QString &id2, const QString &word, const QString &part = QStringLiteral("動詞"),
              const QString &meaning = QStringLiteral("意味"),
              const QString &example = QStringLiteral("[I ]S[go.]V"))
{
    return QStringList{QStringLiteral("1"), id, id2, word, part, meaning, QStringLiteral("go - went - gone"),
                       QStringLiteral("<ア1>"), QStringLiteral("[b]x[/b]"), example, QStringLiteral("私は/行く。"),
                       QStringLiteral("私は行く。")}
        .join(u'\t');
}

struct Loaded {
    TCourseLoadResult Result;
    QStringList Messages;
};

Loaded Load(std::initializer_list<QString> lines)
{
    Loaded loaded;
    loaded.Result = LoadCourse(Course(lines), [&](const QString &m) { loaded.Messages << m; });
    return loaded;
}

TEST(CourseLoader, FillsEverySenseFieldFromItsColumn)
{
    const Loaded l = Load({
        QStringLiteral("; a comment line is skipped"),
        QString(),
        Header(QStringLiteral("#Level 2 "), QStringLiteral(" Band A ")),
        QStringLiteral("499\t000348\t\t receive \t動詞\t[s]を[/s]受け取る\t\t\t\t"
                       "[I ]S[received ]V[a present ]O[from Linda ]M[this morning.]M\t"
                       "私は受け取った/プレゼントを/Lindaから/今朝。\t今朝、リンダからのプレゼントを受け取った。"),
    });
    ASSERT_TRUE(l.Result.Ok()) << l.Result.Error.toStdString();
    ASSERT_EQ(l.Result.Data.size(), LevelCount);
    const TLevelData &level = l.Result.Data[1];
    EXPECT_EQ(ShortNameText(level.LevelName), QStringLiteral("Level 2"));
    ASSERT_EQ(level.Item.size(), 1);
    EXPECT_EQ(ShortNameText(level.Item[0].BandName), QStringLiteral("Band A"));
    ASSERT_EQ(level.Item[0].Item.size(), 1);
    const TBandDataItem &word = level.Item[0].Item[0];
    EXPECT_EQ(word.Id, 348);
    EXPECT_EQ(word.Word, QByteArray("receive"));
    ASSERT_EQ(word.Item.size(), 1);
    const TSentenceData &s = word.Item[0];
    EXPECT_EQ(s.Id2, 0);
    EXPECT_EQ(s.Part, posVerb);
    EXPECT_EQ(s.Meaning, QStringLiteral("[s]を[/s]受け取る"));
    EXPECT_EQ(s.Sentence, QByteArray("I received a present from Linda this morning."));
    EXPECT_EQ(s.Sentence.size(), 45);
    EXPECT_EQ(s.Example, QStringLiteral("[I ]S[received ]V[a present ]O[from Linda ]M[this morning.]M"));
    EXPECT_EQ(s.Translation1, QStringLiteral("私は受け取った/プレゼントを/Lindaから/今朝。"));
    EXPECT_EQ(s.Translation2, QStringLiteral("今朝、リンダからのプレゼントを受け取った。"));
    EXPECT_TRUE(s.Etc1.isEmpty() && s.Etc2.isEmpty() && s.Etc3.isEmpty());
    EXPECT_TRUE(l.Messages.isEmpty());
    // Results start cleared.
    EXPECT_EQ(level.Item[0].CheckCount + level.Item[0].KnownCount + level.Item[0].UnknownCount, 0);
}

TEST(CourseLoader, GroupsConsecutiveLinesOfOneIdIntoOneWord)
{
    const Loaded l = Load({
        Header(QStringLiteral("#L"), QStringLiteral("B")),
        Sense(QStringLiteral("000349"), QStringLiteral("1"), QStringLiteral("rest")),
        Sense(QStringLiteral("349"), QStringLiteral("2 "), QStringLiteral("ignored")),
        Sense(QStringLiteral("000349"), QStringLiteral(" 3"), QStringLiteral("ignored")),
        Sense(QStringLiteral("000350"), QString(), QStringLiteral("send")),
        Sense(QStringLiteral("000349"), QStringLiteral("1"), QStringLiteral("rest again")),
    });
    ASSERT_TRUE(l.Result.Ok());
    const QList<TBandDataItem> &words = l.Result.Data[1].Item[0].Item;
    ASSERT_EQ(words.size(), 3);
    EXPECT_EQ(words[0].Word, QByteArray("rest"));
    ASSERT_EQ(words[0].Item.size(), 3);
    EXPECT_EQ(words[0].Item[0].Id2, 1);
    EXPECT_EQ(words[0].Item[1].Id2, 0) << "a trailing blank makes the sense number no number";
    EXPECT_EQ(words[0].Item[2].Id2, 3) << "leading blanks are allowed";
    EXPECT_EQ(words[1].Item[0].Id2, 0);
    // The same id after another word opens a new word.
    EXPECT_EQ(words[2].Id, 349);
    EXPECT_EQ(words[2].Word, QByteArray("rest again"));
}

TEST(CourseLoader, ShortLinesGetEmptyTrailingFieldsAndLongLinesAreCut)
{
    QString tenFields = Sense(QStringLiteral("1"), QString(), QStringLiteral("go"));
    tenFields = tenFields.section(u'\t', 0, 9);
    const QString longLine = Sense(QStringLiteral("2"), QString(), QStringLiteral("come")) + QStringLiteral("\tmore\tfields");
    const Loaded l = Load({Header(QStringLiteral("#L"), QStringLiteral("B")), tenFields, longLine});
    ASSERT_TRUE(l.Result.Ok());
    const QList<TBandDataItem> &words = l.Result.Data[1].Item[0].Item;
    ASSERT_EQ(words.size(), 2);
    EXPECT_TRUE(words[0].Item[0].Translation1.isEmpty());
    EXPECT_TRUE(words[0].Item[0].Translation2.isEmpty());
    EXPECT_EQ(words[0].Item[0].Sentence, QByteArray("I go."));
    EXPECT_EQ(words[1].Item[0].Translation2, QStringLiteral("私は行く。"));
}

TEST(CourseLoader, KeepsIdeographicSpaceAtTheEndOfAMeaning)
{
    const Loaded l = Load({Header(QStringLiteral("#L"), QStringLiteral("B")),
                           Sense(QStringLiteral("1"), QString(), QStringLiteral("go"), QStringLiteral("動詞"),
                                 QStringLiteral("行く\u3000 "))});
    ASSERT_TRUE(l.Result.Ok());
    EXPECT_EQ(l.Result.Data[1].Item[0].Item[0].Item[0].Meaning, QStringLiteral("行く\u3000"));
}

TEST(CourseLoader, UnknownPartOfSpeechIsReportedAndLoadingGoesOn)
{
    const Loaded l = Load({Header(QStringLiteral("#L"), QStringLiteral("B")),
                           Sense(QStringLiteral("1"), QString(), QStringLiteral("oh"), QStringLiteral("間投詞")),
                           Sense(QStringLiteral("2"), QString(), QStringLiteral("go"))});
    ASSERT_TRUE(l.Result.Ok());
    EXPECT_EQ(l.Messages, QStringList{QStringLiteral("品詞エラー：間投詞")});
    const QList<TBandDataItem> &words = l.Result.Data[1].Item[0].Item;
    ASSERT_EQ(words.size(), 2);
    EXPECT_EQ(words[0].Item[0].Part, posUnknown);
    EXPECT_EQ(words[1].Item[0].Part, posVerb);
}

TEST(CourseLoader, HeadersOpenLevelsAndBandsByComparingOnlyTheLastLevel)
{
    const Loaded l = Load({
        Header(QStringLiteral("#Level 2"), QStringLiteral("Band A")),
        Header(QStringLiteral("#Level 2"), QStringLiteral("Band B")),
        Header(QStringLiteral("#Level 3"), QStringLiteral("Band A")),
        Header(QStringLiteral("#Level 2"), QStringLiteral("Band C")),
        Header(QStringLiteral("#Level 2"), QStringLiteral("Band C")),
    });
    ASSERT_TRUE(l.Result.Ok());
    const TDataList &d = l.Result.Data;
    ASSERT_EQ(d.size(), 8);
    EXPECT_TRUE(d[0].Item.isEmpty());
    EXPECT_EQ(d[1].Item.size(), 2);
    EXPECT_EQ(ShortNameText(d[2].LevelName), QStringLiteral("Level 3"));
    EXPECT_EQ(ShortNameText(d[3].LevelName), QStringLiteral("Level 2"));
    ASSERT_EQ(d[3].Item.size(), 2) << "a repeated header opens a new band even with the same band name";
    EXPECT_EQ(ShortNameText(d[3].Item[1].BandName), QStringLiteral("Band C"));
}

TEST(CourseLoader, AnEmptyFirstLevelNameGoesIntoTheInitialLevel)
{
    const Loaded l = Load({Header(QStringLiteral("#"), QStringLiteral("A")),
                           Sense(QStringLiteral("1"), QString(), QStringLiteral("go"))});
    ASSERT_TRUE(l.Result.Ok());
    ASSERT_EQ(l.Result.Data[0].Item.size(), 1);
    EXPECT_EQ(l.Result.Data[0].Item[0].Item.size(), 1);
    EXPECT_TRUE(l.Result.Data[0].LevelName.isEmpty());
    EXPECT_TRUE(l.Result.Data[1].Item.isEmpty());
}

TEST(CourseLoader, ShowsOnlyTheUnnamedFirstLevelByANameOfItsOwn)
{
    const struct {
        int index;
        const char *stored;
        const char *shown;
    } cases[] = {
        {0, "", "Level 1"},
        {0, "Intro", "Intro"},
        {1, "", ""},
        {1, "Level 2", "Level 2"},
        {7, "Level 1", "Level 1"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LevelNameText(c.index, QByteArray(c.stored)), QString::fromLatin1(c.shown))
            << c.index << " \"" << c.stored << '"';
}

TEST(CourseLoader, CutsLongNamesToTheirByteLimitsEvenThroughACharacter)
{
    // "A" and ten kana make 21 bytes; the cut at 20 leaves the first byte of
    // the last kana, which shows as the platform's default mark.
    const QString longLevel = QStringLiteral("Aあいうえおかきくけこ");
    // "B" and five kana make 11 bytes; the cut at 10 halves the last kana.
    const QString longBand = QStringLiteral("Bアイウエオ");
    const Loaded l = Load({Header(u'#' + longLevel, longBand), Header(u'#' + longLevel, QStringLiteral("X"))});
    ASSERT_TRUE(l.Result.Ok());
    const TDataList &d = l.Result.Data;
    EXPECT_EQ(d[1].LevelName.size(), 20);
    EXPECT_EQ(ShortNameText(d[1].LevelName), QStringLiteral("Aあいうえおかきくけ・"));
    EXPECT_EQ(d[1].Item[0].BandName.size(), 10);
    EXPECT_EQ(ShortNameText(d[1].Item[0].BandName), QStringLiteral("Bアイウエ・"));
    // The cut name never equals the whole name, so the second header opens
    // another level.
    EXPECT_EQ(d[2].Item.size(), 1);
    EXPECT_EQ(d[1].Item.size(), 1);
}

TEST(CourseLoader, ReadsAtMostFortyCharactersOfALevelName)
{
    const QString name = QString(45, u'x');
    const Loaded l = Load({Header(u'#' + name, QStringLiteral("A"))});
    EXPECT_EQ(ShortNameText(l.Result.Data[1].LevelName), QString(20, u'x'));
}

TEST(CourseLoader, EndsLinesAtLoneCrAndLoneLfToo)
{
    QByteArray text = ToCp932(Header(QStringLiteral("#L"), QStringLiteral("B"))) + "\r";
    text += ToCp932(Sense(QStringLiteral("1"), QString(), QStringLiteral("go"))) + "\n";
    text += ToCp932(Sense(QStringLiteral("2"), QString(), QStringLiteral("come")));
    const TCourseLoadResult r = LoadCourse(text, {});
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.Data[1].Item[0].Item.size(), 2);
}

TEST(CourseLoader, RejectsBrokenStructureWithALineNumberedMessage)
{
    struct Case {
        const char *what;
        QList<QString> lines;
        const char16_t *message;
    };
    const Case cases[] = {
        {"id not a number",
         {Header(QStringLiteral("#L"), QStringLiteral("B")), Sense(QStringLiteral("12x"), QString(), QStringLiteral("go"))},
         u"教材データの2行目を読み込めません：単語ID「12x」は整数ではありません。"},
        {"empty id",
         {Header(QStringLiteral("#L"), QStringLiteral("B")), Sense(QString(), QString(), QStringLiteral("go"))},
         u"教材データの2行目を読み込めません：単語ID「」は整数ではありません。"},
        {"sense before any header",
         {QStringLiteral(";c"), Sense(QStringLiteral("1"), QString(), QStringLiteral("go"))},
         u"教材データの2行目を読み込めません：見出し行（#で始まる行）より前に単語の行があります。"},
    };
    for (const Case &c : cases) {
        QByteArray text;
        for (const QString &line : c.lines)
            text += ToCp932(line) + "\r\n";
        const TCourseLoadResult r = LoadCourse(text, {});
        EXPECT_FALSE(r.Ok()) << c.what;
        EXPECT_EQ(r.Error, QString::fromUtf16(c.message)) << c.what;
        EXPECT_EQ(r.Data.size(), LevelCount) << c.what;
    }
}

TEST(CourseLoader, KeepsOnlyEightLevels)
{
    QList<QString> lines;
    for (int i = 0; i < 10; ++i)
        lines << Header(QStringLiteral("#Level %1").arg(i), QStringLiteral("A"));
    QByteArray text;
    for (const QString &line : lines)
        text += ToCp932(line) + "\r\n";
    const TCourseLoadResult r = LoadCourse(text, {});
    ASSERT_EQ(r.Data.size(), LevelCount);
    EXPECT_EQ(ShortNameText(r.Data[7].LevelName), QStringLiteral("Level 6"));
}

TEST(CourseLoader, VendorCharactersOfTheCodePageSurviveTheRoundTrip)
{
    const QString etc3 = QStringLiteral("⇔ [b]win[/b] ～に勝つ①");
    QStringList f = Sense(QStringLiteral("1"), QString(), QStringLiteral("lose")).split(u'\t');
    f[8] = etc3;
    const Loaded l = Load({Header(QStringLiteral("#L"), QStringLiteral("B")), f.join(u'\t')});
    ASSERT_TRUE(l.Result.Ok());
    EXPECT_EQ(l.Result.Data[1].Item[0].Item[0].Item[0].Etc3, etc3);
}

TEST(RecountBand, CountsChecksKnownAndUnknownWords)
{
    TBandData band;
    const int judges[] = {0, 1, 2, 3, 4, 5};
    for (int j : judges) {
        TBandDataItem word;
        word.Judge = static_cast<std::uint16_t>(j);
        word.Check = j % 2;
        band.Item.append(word);
    }
    RecountBand(band);
    EXPECT_EQ(band.CheckCount, 3);
    EXPECT_EQ(band.KnownCount, 2);
    EXPECT_EQ(band.UnknownCount, 2);
}

} // namespace
