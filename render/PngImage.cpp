#include "PngImage.h"

#include "Resources.h"

#include <png.h>

#include <bit>
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

} // namespace

TPngResult DecodePng(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    if (bytes.size() < 8 || png_sig_cmp(data, 0, 8) != 0)
        return Failure(QStringLiteral("PNG画像ではありません。"));

    QImage image;
    TDecodeState state = {data, size_t(bytes.size()), 0, {}, &image};
    if (!DecodeInto(&state))
        return Failure(QStringLiteral("PNG画像を読み込めません（%1）。").arg(QString::fromUtf8(state.Message)));
    if (image.format() == QImage::Format_ARGB32)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    return {image, QString()};
}

TPngResult LoadPicture(const QString &name)
{
    const std::optional<QByteArray> bytes = LoadResource(name);
    if (!bytes)
        return Failure(QStringLiteral("画像 %1 が見つかりません。").arg(name));
    TPngResult result = DecodePng(*bytes);
    if (!result)
        result.Error = QStringLiteral("画像 %1: %2").arg(name, result.Error);
    return result;
}
