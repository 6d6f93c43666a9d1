#include "PictureStore.h"
#include "PngImage.h"
#include "PngWriter.h"

#include <png.h>

#include <QHash>

#include <gtest/gtest.h>

#include <ostream>

namespace {

// Sixteen by sixteen pixels of varied colour: enough data that damage can
// land inside the compressed stream.
QByteArray Fixture()
{
    TPngFixture f{16, 16, PNG_COLOR_TYPE_RGB, 8};
    for (int i = 0; i < 16 * 16; ++i)
        f.Samples.insert(f.Samples.end(), {(i * 37) % 256, (i * 11) % 256, (i * 5) % 256});
    return WritePng(f);
}

// Damage that keeps every chunk whole and its checksum right, so only
// decoding can find it.
QByteArray ScrambledPixels(QByteArray png)
{
    const int chunk = FindChunk(png, "IDAT");
    for (int i = 2; i < ChunkLength(png, chunk) - 4; i += 3)
        png[chunk + 8 + i] = char(png[chunk + 8 + i] ^ 0x5A);
    FixChunkCrc(png, chunk);
    return png;
}

struct THeaderCase {
    const char *Label;
    QByteArray (*Damage)(QByteArray png);
    // Empty when the header reads; otherwise a part of the message.
    const char16_t *Message;
};

void PrintTo(const THeaderCase &c, std::ostream *out)
{
    *out << c.Label;
}

const THeaderCase HeaderCases[] = {
    {"Whole", [](QByteArray png) { return png; }, u""},
    {"PixelsScrambledInsideSoundChunks", ScrambledPixels, u""},
    {"Empty", [](QByteArray) { return QByteArray(); }, u"PNG画像ではありません。"},
    {"PlainText", [](QByteArray) { return QByteArray("not a picture, but long enough to be one"); },
     u"PNG画像ではありません。"},
    {"CutInsideTheHeader", [](QByteArray png) { return png.left(20); }, u"PNG画像を読み込めません"},
    {"HeaderChecksumWrong", [](QByteArray png) { png[29] = char(png[29] ^ 0x01); return png; },
     u"PNG画像を読み込めません（IHDR: CRC error）"},
    {"ZeroWidth", [](QByteArray png) {
         png[16] = png[17] = png[18] = png[19] = 0;
         FixChunkCrc(png, 8);
         return png;
     }, u"IHDR: invalid size"},
    {"CutInsideTheData", [](QByteArray png) { return png.left(png.size() / 2); }, u"IEND: missing"},
    {"CutBeforeTheEnd", [](QByteArray png) { return png.left(png.size() - 12); }, u"IEND: missing"},
};

class PngHeader : public testing::TestWithParam<THeaderCase> {
};

TEST_P(PngHeader, GivesTheSizeOrWhyThePictureIsNotWhole)
{
    const THeaderCase &c = GetParam();
    const TPngHeader header = ReadPngHeader(c.Damage(Fixture()));
    const QString message = QString::fromUtf16(c.Message);
    if (message.isEmpty()) {
        EXPECT_TRUE(header) << header.Error.toStdString();
        EXPECT_EQ(header.Size, QSize(16, 16));
    } else {
        EXPECT_FALSE(header);
        EXPECT_TRUE(header.Error.contains(message)) << header.Error.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(WholeAndDamaged, PngHeader, testing::ValuesIn(HeaderCases),
                         [](const testing::TestParamInfo<THeaderCase> &info) { return info.param.Label; });

// A source of three pictures that counts how often each is read.
struct TCountingSource {
    QHash<QString, QByteArray> Files{{QStringLiteral("A"), Fixture()},
                                     {QStringLiteral("B"), Fixture()},
                                     {QStringLiteral("BAD"), ScrambledPixels(Fixture())}};
    QHash<QString, int> Reads;

    TPictureSource Source()
    {
        return [this](const QString &name) -> std::optional<QByteArray> {
            ++Reads[name];
            if (!Files.contains(name))
                return std::nullopt;
            return Files.value(name);
        };
    }
};

TEST(PictureStore, DecodesAPictureOnceWhenFirstAskedForAndAgainOnlyAfterItWasDropped)
{
    TCountingSource files;
    TPictureStore store(files.Source());
    EXPECT_TRUE(store.Decoded().isEmpty());

    const QImage first = store.Picture(QStringLiteral("A"));
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first, DecodePng(files.Files.value(QStringLiteral("A"))).Image);
    store.Picture(QStringLiteral("A"));
    store.Picture(QStringLiteral("B"));
    EXPECT_EQ(files.Reads.value(QStringLiteral("A")), 1);
    QStringList decoded = store.Decoded();
    decoded.sort();
    EXPECT_EQ(decoded, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));

    // Kept names stay, whether they are decoded or not; the rest go.
    store.KeepOnly({QStringLiteral("B"), QStringLiteral("C")});
    EXPECT_EQ(store.Decoded(), QStringList{QStringLiteral("B")});
    EXPECT_EQ(store.Picture(QStringLiteral("A")), first);
    EXPECT_EQ(files.Reads.value(QStringLiteral("A")), 2);
    EXPECT_EQ(files.Reads.value(QStringLiteral("B")), 1);
}

TEST(PictureStore, CheckNamesTheFirstPictureMissingOrDamagedWithoutDecodingAny)
{
    TCountingSource files;
    files.Files.insert(QStringLiteral("CUT"), Fixture().left(60));
    TPictureStore store(files.Source());
    EXPECT_EQ(store.Check({QStringLiteral("A"), QStringLiteral("B")}), QString());
    // Damage inside sound chunks is not visible without decoding.
    EXPECT_EQ(store.Check({QStringLiteral("BAD")}), QString());
    EXPECT_EQ(store.Check({QStringLiteral("A"), QStringLiteral("NONE"), QStringLiteral("CUT")}),
              QStringLiteral("画像 NONE が見つかりません。"));
    EXPECT_TRUE(store.Check({QStringLiteral("A"), QStringLiteral("CUT"), QStringLiteral("NONE")})
                    .startsWith(QStringLiteral("画像 CUT: PNG画像を読み込めません")));
    EXPECT_TRUE(store.Decoded().isEmpty());
}

TEST(PictureStore, APictureThatFailsToDecodeIsToldOnceAndGivesNoImage)
{
    TCountingSource files;
    TPictureStore store(files.Source());
    QStringList told;
    store.OnDecodeError = [&](const QString &message) { told.append(message); };
    EXPECT_TRUE(store.Picture(QStringLiteral("BAD")).isNull());
    EXPECT_TRUE(store.Picture(QStringLiteral("BAD")).isNull());
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith(QStringLiteral("画像 BAD: PNG画像を読み込めません（"))) << told[0].toStdString();
    EXPECT_TRUE(store.Decoded().isEmpty());

    // A control's own decoder tells the same way, and decodes what is whole.
    const auto bad = store.Decoder(QStringLiteral("BAD"));
    EXPECT_TRUE(bad().isNull());
    EXPECT_EQ(told.size(), 2);
    EXPECT_EQ(store.Decoder(QStringLiteral("A"))(), store.Picture(QStringLiteral("A")));
}

// What is decoded ahead is read once, by the other thread, and taken once,
// by the store or a control's decoder; afterwards each is decoded as usual.
TEST(PictureStore, PicturesDecodedAheadAreTakenOnceInsteadOfBeingDecodedAgain)
{
    TCountingSource files;
    TPictureStore store(files.Source());
    QStringList told;
    store.OnDecodeError = [&](const QString &message) { told.append(message); };
    store.UseDecodedAhead(std::make_shared<TDecodeAhead>(
        QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("BAD")}, files.Source()));
    const auto strip = store.Decoder(QStringLiteral("B"));

    const QImage a = store.Picture(QStringLiteral("A"));
    EXPECT_EQ(a, DecodePng(files.Files.value(QStringLiteral("A"))).Image);
    EXPECT_EQ(strip(), DecodePng(files.Files.value(QStringLiteral("B"))).Image);
    EXPECT_TRUE(store.Picture(QStringLiteral("BAD")).isNull());
    EXPECT_TRUE(store.Picture(QStringLiteral("BAD")).isNull());
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith(QStringLiteral("画像 BAD: "))) << told[0].toStdString();
    // Every named picture has been taken, so the other thread is done
    // reading, each once.
    for (const char *name : {"A", "B", "BAD"})
        EXPECT_EQ(files.Reads.value(QString::fromLatin1(name)), 1) << name;

    EXPECT_FALSE(strip().isNull());
    EXPECT_EQ(files.Reads.value(QStringLiteral("B")), 2) << "taken once, then read from the source";
    store.KeepOnly({});
    store.UseDecodedAhead(nullptr);
    EXPECT_EQ(store.Picture(QStringLiteral("A")), a);
    EXPECT_EQ(files.Reads.value(QStringLiteral("A")), 2);
}

} // namespace
