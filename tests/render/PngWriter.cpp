#include "PngWriter.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstring>
#include <stdexcept>

namespace {

int ChannelsOf(int colorType)
{
    switch (colorType) {
    case PNG_COLOR_TYPE_GRAY:
    case PNG_COLOR_TYPE_PALETTE:
        return 1;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return 2;
    case PNG_COLOR_TYPE_RGB:
        return 3;
    default:
        return 4;
    }
}

// Packs samples as the file stores them: below 8 bits several to a byte,
// first sample in the high bits; 16 bits big-endian.
std::vector<unsigned char> PackRows(const TPngFixture &f)
{
    const int perRow = f.Width * ChannelsOf(f.ColorType);
    const size_t rowBytes = (size_t(perRow) * f.BitDepth + 7) / 8;
    std::vector<unsigned char> out(rowBytes * f.Height, 0);
    for (int y = 0; y < f.Height; ++y) {
        unsigned char *row = out.data() + rowBytes * y;
        for (int i = 0; i < perRow; ++i) {
            const int v = f.Samples.at(size_t(y) * perRow + i);
            if (f.BitDepth == 16) {
                row[2 * i] = static_cast<unsigned char>(v >> 8);
                row[2 * i + 1] = static_cast<unsigned char>(v);
            } else if (f.BitDepth == 8) {
                row[i] = static_cast<unsigned char>(v);
            } else {
                const int bit = i * f.BitDepth;
                row[bit / 8] |= static_cast<unsigned char>(v << (8 - f.BitDepth - bit % 8));
            }
        }
    }
    return out;
}

void AppendToBuffer(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<QByteArray *>(png_get_io_ptr(png))->append(reinterpret_cast<const char *>(data), qsizetype(length));
}

void Flush(png_structp)
{
}

// C-style locals only: libpng leaves by longjmp on a writing error.
bool Encode(const TPngFixture *f, png_bytep *rows, png_colorp palette, int paletteSize, png_bytep alpha,
            int alphaSize, png_color_16p key, QByteArray *out)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, out, AppendToBuffer, Flush);
    if (f->ChunkSize > 0)
        png_set_compression_buffer_size(png, size_t(f->ChunkSize));
    png_set_IHDR(png, info, png_uint_32(f->Width), png_uint_32(f->Height), f->BitDepth, f->ColorType,
                 f->Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (paletteSize > 0)
        png_set_PLTE(png, info, palette, paletteSize);
    if (alphaSize > 0 || key != nullptr)
        png_set_tRNS(png, info, alpha, alphaSize, key);
    if (f->FileGamma > 0)
        png_set_gAMA(png, info, f->FileGamma);
    png_set_rows(png, info, rows);
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

QByteArray WritePng(const TPngFixture &fixture)
{
    std::vector<unsigned char> pixels = PackRows(fixture);
    const size_t rowBytes = pixels.size() / size_t(fixture.Height);
    std::vector<png_bytep> rows;
    for (int y = 0; y < fixture.Height; ++y)
        rows.push_back(pixels.data() + rowBytes * y);

    std::vector<png_color> palette;
    for (const std::vector<int> &c : fixture.Palette)
        palette.push_back({png_byte(c.at(0)), png_byte(c.at(1)), png_byte(c.at(2))});
    std::vector<png_byte> alpha(fixture.PaletteAlpha.begin(), fixture.PaletteAlpha.end());
    png_color_16 key = {};
    if (fixture.TransparentColor) {
        const std::vector<int> &k = *fixture.TransparentColor;
        if (k.size() == 1) {
            key.gray = png_uint_16(k[0]);
        } else {
            key.red = png_uint_16(k.at(0));
            key.green = png_uint_16(k.at(1));
            key.blue = png_uint_16(k.at(2));
        }
    }

    QByteArray out;
    if (!Encode(&fixture, rows.data(), palette.data(), int(palette.size()), alpha.data(), int(alpha.size()),
                fixture.TransparentColor ? &key : nullptr, &out))
        throw std::runtime_error("libpng could not write the test picture");
    return out;
}

int ChunkLength(const QByteArray &png, int chunkOffset)
{
    const auto *p = reinterpret_cast<const unsigned char *>(png.constData()) + chunkOffset;
    return int(p[0]) << 24 | int(p[1]) << 16 | int(p[2]) << 8 | int(p[3]);
}

int FindChunk(const QByteArray &png, const char *type)
{
    for (int offset = 8; offset + 8 <= png.size(); offset += 12 + ChunkLength(png, offset))
        if (std::memcmp(png.constData() + offset + 4, type, 4) == 0)
            return offset;
    return -1;
}

int FindLastChunk(const QByteArray &png, const char *type)
{
    int found = -1;
    for (int offset = 8; offset + 8 <= png.size(); offset += 12 + ChunkLength(png, offset))
        if (std::memcmp(png.constData() + offset + 4, type, 4) == 0)
            found = offset;
    return found;
}

void FixChunkCrc(QByteArray &png, int chunkOffset)
{
    const unsigned length = unsigned(ChunkLength(png, chunkOffset));
    auto *p = reinterpret_cast<unsigned char *>(png.data()) + chunkOffset;
    const uLong crc = crc32(0L, p + 4, length + 4);
    unsigned char *out = p + 8 + length;
    out[0] = static_cast<unsigned char>(crc >> 24);
    out[1] = static_cast<unsigned char>(crc >> 16);
    out[2] = static_cast<unsigned char>(crc >> 8);
    out[3] = static_cast<unsigned char>(crc);
}
