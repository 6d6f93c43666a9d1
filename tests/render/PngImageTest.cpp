#include "PngImage.h"
#include "PngWriter.h"

#include <png.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The 32-bit words as QImage stores them, row by row.
std::vector<std::uint32_t> StoredWords(const QImage &image)
{
    std::vector<std::uint32_t> words;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const std::uint32_t *>(image.constScanLine(y));
        words.insert(words.end(), line, line + image.width());
    }
    return words;
}

struct TPixelCase {
    const char *Label;
    TPngFixture Fixture;
    QImage::Format Format;
    std::vector<std::uint32_t> Words; // premultiplied where there is alpha
};

void PrintTo(const TPixelCase &c, std::ostream *out)
{
    *out << c.Label;
}

constexpr auto Opaque = QImage::Format_RGB32;
constexpr auto WithAlpha = QImage::Format_ARGB32_Premultiplied;

// Premultiplied expectations use channel × alpha products that divide by
// 255 exactly, so they leave no room for rounding.
const TPixelCase PixelCases[] = {
    {"Rgb8", {3, 1, PNG_COLOR_TYPE_RGB, 8, {255, 0, 0, 0, 128, 255, 1, 2, 3}},
     Opaque, {0xFFFF0000, 0xFF0080FF, 0xFF010203}},
    {"Rgb8StoredGammaIsIgnored",
     {2, 1, PNG_COLOR_TYPE_RGB, 8, {100, 150, 200, 1, 2, 3}, {}, {}, {}, false, 1.0},
     Opaque, {0xFF6496C8, 0xFF010203}},
    {"Rgba8", {4, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, {255, 0, 0, 255, 10, 20, 30, 0, 255, 0, 255, 128, 200, 100, 50, 51}},
     WithAlpha, {0xFFFF0000, 0x00000000, 0x80800080, 0x3328140A}},
    {"Palette2BitWithTransparency",
     {2, 2, PNG_COLOR_TYPE_PALETTE, 2, {0, 1, 2, 3}, {{0, 0, 0}, {255, 0, 0}, {0, 0, 255}, {10, 20, 30}}, {0, 128, 255}},
     WithAlpha, {0x00000000, 0x80800000, 0xFF0000FF, 0xFF0A141E}},
    {"Palette8BitOpaque",
     {3, 1, PNG_COLOR_TYPE_PALETTE, 8, {1, 0, 1}, {{1, 2, 3}, {250, 251, 252}}},
     Opaque, {0xFFFAFBFC, 0xFF010203, 0xFFFAFBFC}},
    {"Grey8", {3, 1, PNG_COLOR_TYPE_GRAY, 8, {0, 77, 255}},
     Opaque, {0xFF000000, 0xFF4D4D4D, 0xFFFFFFFF}},
    {"Grey1Bit", {3, 1, PNG_COLOR_TYPE_GRAY, 1, {1, 0, 1}},
     Opaque, {0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF}},
    {"Grey2Bit", {4, 1, PNG_COLOR_TYPE_GRAY, 2, {0, 1, 2, 3}},
     Opaque, {0xFF000000, 0xFF555555, 0xFFAAAAAA, 0xFFFFFFFF}},
    {"GreyAlpha8", {4, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {255, 255, 255, 0, 100, 51, 255, 128}},
     WithAlpha, {0xFFFFFFFF, 0x00000000, 0x33141414, 0x80808080}},
    {"GreyWithTransparentColor",
     {2, 1, PNG_COLOR_TYPE_GRAY, 8, {7, 8}, {}, {}, std::vector<int>{7}},
     WithAlpha, {0x00000000, 0xFF080808}},
    {"RgbWithTransparentColor",
     {2, 1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3, 1, 2, 4}, {}, {}, std::vector<int>{1, 2, 3}},
     WithAlpha, {0x00000000, 0xFF010204}},
    // 0x12FF rounds to 19; cutting off the low byte would give 18.
    {"Rgb16ScaledWithRounding",
     {2, 1, PNG_COLOR_TYPE_RGB, 16, {0xFFFF, 0x0000, 0x8080, 0x12FF, 0x0101, 0xFEFF}},
     Opaque, {0xFFFF0080, 0xFF1301FE}},
    {"Rgba16", {2, 1, PNG_COLOR_TYPE_RGB_ALPHA, 16, {0xFFFF, 0, 0, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0x8080}},
     WithAlpha, {0xFFFF0000, 0x80808080}},
    {"Grey16", {2, 1, PNG_COLOR_TYPE_GRAY, 16, {0x12FF, 0xFFFF}},
     Opaque, {0xFF131313, 0xFFFFFFFF}},
    {"GreyAlpha16", {1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 16, {0xFFFF, 0x3333}},
     WithAlpha, {0x33333333}},
};

class PngPixels : public testing::TestWithParam<TPixelCase> {
};

TEST_P(PngPixels, DecodeToTheStoredValues)
{
    const TPixelCase &c = GetParam();
    const TPngResult result = DecodePng(WritePng(c.Fixture));
    ASSERT_TRUE(result) << result.Error.toStdString();
    EXPECT_TRUE(result.Error.isEmpty());
    EXPECT_EQ(result.Image.format(), c.Format);
    EXPECT_EQ(result.Image.width(), c.Fixture.Width);
    EXPECT_EQ(result.Image.height(), c.Fixture.Height);
    EXPECT_EQ(StoredWords(result.Image), c.Words);
}

INSTANTIATE_TEST_SUITE_P(ColourTypesAndDepths, PngPixels, testing::ValuesIn(PixelCases),
                         [](const testing::TestParamInfo<TPixelCase> &info) { return info.param.Label; });

// A 9 × 9 picture has pixels in all seven interlace passes.
TEST(PngImage, InterlacedPictureDecodesEveryPass)
{
    TPngFixture f{9, 9, PNG_COLOR_TYPE_RGB, 8};
    std::vector<std::uint32_t> expected;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            f.Samples.insert(f.Samples.end(), {x * 20, y * 20, x + y});
            expected.push_back(0xFF000000u | std::uint32_t(x * 20) << 16 | std::uint32_t(y * 20) << 8 | std::uint32_t(x + y));
        }
    f.Interlaced = true;
    const TPngResult result = DecodePng(WritePng(f));
    ASSERT_TRUE(result) << result.Error.toStdString();
    EXPECT_EQ(StoredWords(result.Image), expected);
}

// A picture big enough to need a real deflate stream, so damage can land
// in its middle. With small chunks the compressed data's checksum arrives
// after the last row is complete, where libpng only warns about it.
QByteArray DamageFixture(int chunkSize)
{
    TPngFixture f{16, 16, PNG_COLOR_TYPE_RGB, 8};
    for (int i = 0; i < 16 * 16; ++i)
        f.Samples.insert(f.Samples.end(), {(i * 37) % 256, (i * 11) % 256, (i * 5) % 256});
    f.ChunkSize = chunkSize;
    return WritePng(f);
}

constexpr int OneChunk = 0;
constexpr int SmallChunks = 6;

struct TDamageCase {
    const char *Label;
    QByteArray (*Damage)(QByteArray png);
    int ChunkSize = OneChunk;
};

void PrintTo(const TDamageCase &c, std::ostream *out)
{
    *out << c.Label;
}

int IdatData(const QByteArray &png)
{
    return FindChunk(png, "IDAT") + 8;
}

int IdatLength(const QByteArray &png)
{
    return ChunkLength(png, FindChunk(png, "IDAT"));
}

const TDamageCase DamageCases[] = {
    {"Empty", [](QByteArray) { return QByteArray(); }},
    {"PlainText", [](QByteArray) { return QByteArray("this is not a picture at all"); }},
    {"OtherPictureFormat", [](QByteArray) { return QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13); }},
    {"SignatureOnly", [](QByteArray png) { return png.left(8); }},
    {"CutInsideTheHeader", [](QByteArray png) { return png.left(20); }},
    {"CutInsideTheImageData", [](QByteArray png) { return png.left(IdatData(png) + IdatLength(png) / 2); }},
    {"CutBeforeTheEnd", [](QByteArray png) { return png.left(png.size() - 12); }},
    {"HeaderChecksumWrong", [](QByteArray png) { png[29] = char(png[29] ^ 0x01); return png; }},
    {"ImageDataChecksumWrong", [](QByteArray png) {
         const int crc = IdatData(png) + IdatLength(png);
         png[crc] = char(png[crc] ^ 0x80);
         return png;
     }},
    {"ImageDataScrambled", [](QByteArray png) {
         const int data = IdatData(png);
         for (int i = 2; i < IdatLength(png) - 4; i += 3)
             png[data + i] = char(png[data + i] ^ 0x5A);
         FixChunkCrc(png, FindChunk(png, "IDAT"));
         return png;
     }},
    {"CompressionHeaderWrong", [](QByteArray png) {
         png[IdatData(png)] = char(0x0F);
         FixChunkCrc(png, FindChunk(png, "IDAT"));
         return png;
     }},
    {"CompressedDataChecksumWrong", [](QByteArray png) {
         const int adler = IdatData(png) + IdatLength(png) - 1;
         png[adler] = char(png[adler] ^ 0x01);
         FixChunkCrc(png, FindChunk(png, "IDAT"));
         return png;
     }},
    {"CompressedDataChecksumWrongAfterTheLastRow", [](QByteArray png) {
         const int last = FindLastChunk(png, "IDAT");
         const int adler = last + 8 + ChunkLength(png, last) - 1;
         png[adler] = char(png[adler] ^ 0x01);
         FixChunkCrc(png, last);
         return png;
     }, SmallChunks},
    {"ZeroWidth", [](QByteArray png) {
         png[16] = png[17] = png[18] = png[19] = 0;
         FixChunkCrc(png, 8);
         return png;
     }},
};

class PngDamage : public testing::TestWithParam<TDamageCase> {
};

TEST_P(PngDamage, GivesAMessageAndNoPicture)
{
    const QByteArray png = GetParam().Damage(DamageFixture(GetParam().ChunkSize));
    const TPngResult result = DecodePng(png);
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.Image.isNull());
    EXPECT_FALSE(result.Error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(TruncatedCorruptAndForeign, PngDamage, testing::ValuesIn(DamageCases),
                         [](const testing::TestParamInfo<TDamageCase> &info) { return info.param.Label; });

TEST(PngImage, UndamagedDamageFixturesDecode)
{
    EXPECT_TRUE(DecodePng(DamageFixture(OneChunk)));
    EXPECT_TRUE(DecodePng(DamageFixture(SmallChunks)));
}

// A damaged header could otherwise make the decoder allocate gigabytes
// before it notices the data is missing; no picture of the program comes
// near the limit.
TEST(PngImage, RefusesPicturesWiderOrTallerThan16384Pixels)
{
    for (int side : {16384, 16385}) {
        for (bool wide : {false, true}) {
            TPngFixture f{wide ? side : 1, wide ? 1 : side, PNG_COLOR_TYPE_GRAY, 8};
            f.Samples.assign(size_t(side), 0);
            EXPECT_EQ(bool(DecodePng(WritePng(f))), side <= 16384) << side << (wide ? " wide" : " tall");
        }
    }
}

TEST(LoadPicture, NamesAResourceThatIsMissing)
{
    const TPngResult result = LoadPicture(QStringLiteral("NOSUCHPICTURE"));
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.Error.contains(QStringLiteral("NOSUCHPICTURE")));
}

TEST(LoadPicture, NamesAResourceThatIsNoPicture)
{
    // The course text is embedded in every build and is not a PNG.
    const TPngResult result = LoadPicture(QStringLiteral("LDATA"));
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.Error.contains(QStringLiteral("LDATA")));
}

} // namespace
