#include "PngImage.h"

#include "Resources.h"

#include <png.h>
#include <zlib.h>

#include <bit>
#include <cstdint>
#include <csetjmp>
#include <cstdio>
#include <cstring>

namespace {

constexpr png_uint_32 MaxSide = 16384;

// Everything the libpng callbacks and the decoding step share. It is plain
// data, because libpng reports errors by longjmp, which must not skip any
// destructor.
struct TDecodeState {
    const unsigned char *Data;
    size_t Size;
    size_t Position;
    char Message[200];
    // Filled in by AllocateImage, which the decoding step calls once the
    // picture's size is known; the image itself lives with the caller.
    QImage *Image;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count)
{
    auto *state = static_cast<TDecodeState *>(png_get_io_ptr(png));
    if (count > state->Size - state->Position)
        png_error(png, "unexpected end of data");
    std::memcpy(out, state->Data + state->Position, count);
    state->Position += count;
}

void OnError(png_structp png, png_const_charp message)
{
    auto *state = static_cast<TDecodeState *>(png_get_error_ptr(png));
    std::snprintf(state->Message, sizeof state->Message, "%s", message);
    png_longjmp(png, 1);
}

// Warnings concern ancillary data that decoding ignores anyway.
void OnWarning(png_structp, png_const_charp)
{
}

unsigned char *AllocateImage(TDecodeState *state, int width, int height, bool withAlpha)
{
    *state->Image = QImage(width, height, withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return state->Image->isNull() ? nullptr : state->Image->bits();
}

// Returns true when the picture was decoded into *state->Image. Only C-style
// locals live here, so the longjmp out of libpng leaves nothing undestroyed.
bool DecodeInto(TDecodeState *state)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, state, OnError, OnWarning);
    if (png == nullptr) {
        std::snprintf(state->Message, sizeof state->Message, "out of memory");
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        std::snprintf(state->Message, sizeof state->Message, "out of memory");
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }

    png_set_read_fn(png, state, ReadFromMemory);
    // Far above any picture of the program, far below what a damaged header
    // could make us allocate.
    png_set_user_limits(png, MaxSide, MaxSide);
    // libpng passes some damage with a mere warning (a wrong zlib checksum,
    // surplus image data, a broken ancillary chunk); the program's own
    // pictures have none of it, so any of it means a damaged picture.
    png_set_benign_errors(png, 0);
    png_read_info(png, info);

    const int colorType = png_get_color_type(png, info);
    const bool withAlpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;

    // Palette, low-bit grey and a transparent colour all become 8-bit
    // channels; 16-bit samples are rounded, not cut.
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    // QImage keeps a pixel as one native 32-bit word 0xAARRGGBB.
    if constexpr (std::endian::native == std::endian::little) {
        png_set_bgr(png);
        if (!withAlpha)
            png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    } else {
        if (withAlpha)
            png_set_swap_alpha(png);
        else
            png_set_filler(png, 0xFF, PNG_FILLER_BEFORE);
    }
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);

    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (png_get_rowbytes(png, info) != size_t(width) * 4)
        png_error(png, "unexpected pixel layout");
    unsigned char *bits = AllocateImage(state, int(width), int(height), withAlpha);
    if (bits == nullptr)
        png_error(png, "picture too large");
    const size_t stride = size_t(state->Image->bytesPerLine());

    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < height; ++y)
            png_read_row(png, bits + y * stride, nullptr);
    // Reading to the end also checks the trailing chunks.
    png_read_end(png, nullptr);

    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

TPngResult Failure(const QString &message)
{
    return {QImage(), message};
}

const QString NotPngMessage = QStringLiteral("PNG画像ではありません。");

QString UnreadableMessage(const QString &reason)
{
    return QStringLiteral("PNG画像を読み込めません（%1）。").arg(reason);
}

QString MissingPictureMessage(const QString &name)
{
    return QStringLiteral("画像 %1 が見つかりません。").arg(name);
}

QString NamedMessage(const QString &name, const QString &message)
{
    return QStringLiteral("画像 %1: %2").arg(name, message);
}

std::uint32_t BigEndian32(const unsigned char *p)
{
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | std::uint32_t(p[3]);
}

// The bit depths each colour type allows.
bool ValidDepth(int colorType, int depth)
{
    switch (colorType) {
    case 0: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2:
    case 4:
    case 6: return depth == 8 || depth == 16;
    default: return false;
    }
}

} // namespace

TPngHeader ReadPngHeader(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    if (bytes.size() < 8 || png_sig_cmp(data, 0, 8) != 0)
        return {QSize(), NotPngMessage};
    // The signature, the header chunk (length, type, 13 bytes, checksum)
    // and the empty end chunk.
    constexpr qsizetype HeaderEnd = 8 + 4 + 4 + 13 + 4;
    constexpr unsigned char EndChunk[] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
    if (bytes.size() < HeaderEnd + qsizetype(sizeof EndChunk))
        return {QSize(), UnreadableMessage(QStringLiteral("unexpected end of data"))};
    const unsigned char *header = data + 8;
    if (BigEndian32(header) != 13 || std::memcmp(header + 4, "IHDR", 4) != 0)
        return {QSize(), UnreadableMessage(QStringLiteral("IHDR: missing"))};
    if (crc32(0, header + 4, 4 + 13) != BigEndian32(header + 4 + 4 + 13))
        return {QSize(), UnreadableMessage(QStringLiteral("IHDR: CRC error"))};
    const std::uint32_t width = BigEndian32(header + 8);
    const std::uint32_t height = BigEndian32(header + 12);
    if (width == 0 || height == 0 || width > MaxSide || height > MaxSide)
        return {QSize(), UnreadableMessage(QStringLiteral("IHDR: invalid size"))};
    if (!ValidDepth(header[17], header[16]) || header[18] != 0 || header[19] != 0 || header[20] > 1)
        return {QSize(), UnreadableMessage(QStringLiteral("IHDR: invalid format"))};
    if (std::memcmp(data + bytes.size() - sizeof EndChunk, EndChunk, sizeof EndChunk) != 0)
        return {QSize(), UnreadableMessage(QStringLiteral("IEND: missing"))};
    return {QSize(int(width), int(height)), QString()};
}

TPngResult DecodePng(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    if (bytes.size() < 8 || png_sig_cmp(data, 0, 8) != 0)
        return Failure(NotPngMessage);

    QImage image;
    TDecodeState state = {data, size_t(bytes.size()), 0, {}, &image};
    if (!DecodeInto(&state))
        return Failure(UnreadableMessage(QString::fromUtf8(state.Message)));
    if (image.format() == QImage::Format_ARGB32)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    return {image, QString()};
}

TPngResult LoadPicture(const QString &name)
{
    return LoadPicture(name, LoadResource);
}

TPngResult LoadPicture(const QString &name, const TPictureSource &source)
{
    const std::optional<QByteArray> bytes = source(name);
    if (!bytes)
        return Failure(MissingPictureMessage(name));
    TPngResult result = DecodePng(*bytes);
    if (!result)
        result.Error = NamedMessage(name, result.Error);
    return result;
}

TPngHeader PictureHeader(const QString &name, const TPictureSource &source)
{
    const std::optional<QByteArray> bytes = source(name);
    if (!bytes)
        return {QSize(), MissingPictureMessage(name)};
    TPngHeader header = ReadPngHeader(*bytes);
    if (!header)
        header.Error = NamedMessage(name, header.Error);
    return header;
}
