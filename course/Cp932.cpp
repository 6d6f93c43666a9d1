#include "Cp932.h"

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <string>

namespace {

const iconv_t NoHandle = reinterpret_cast<iconv_t>(-1);

// Converts as much as it can; returns false at the first input it cannot
// convert, leaving in/inLeft there.
bool Convert(iconv_t handle, char *&in, size_t &inLeft, std::string &out)
{
    char buffer[4096];
    while (inLeft > 0) {
        char *outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(handle, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr - buffer);
        if (rc == static_cast<size_t>(-1) && errno != E2BIG)
            return false;
    }
    return true;
}

bool IsAscii(QChar c)
{
    return c.unicode() < 0x80;
}

} // namespace

TCp932Codec::TCp932Codec(const char *encoding)
    : FDecoder(iconv_open("UTF-16LE", encoding)), FEncoder(iconv_open(encoding, "UTF-16LE"))
{
    if (FDecoder == NoHandle || FEncoder == NoHandle) {
        const int error = errno;
        FProblem = QStringLiteral("日本語の文字コード（%1）を変換できないため、教材と利用者の名前を読めません：%2")
                       .arg(QLatin1String(encoding), QString::fromLocal8Bit(std::strerror(error)));
    }
}

TCp932Codec::~TCp932Codec()
{
    if (FDecoder != NoHandle)
        iconv_close(FDecoder);
    if (FEncoder != NoHandle)
        iconv_close(FEncoder);
}

QString TCp932Codec::Decode(const QByteArray &bytes) const
{
    if (!FProblem.isEmpty()) {
        QString text;
        for (const char b : bytes)
            text.append(static_cast<unsigned char>(b) < 0x80 ? QChar(b) : QChar(u'・'));
        return text;
    }
    const std::lock_guard lock(FLock);
    std::string utf16;
    QByteArray copy = bytes;
    char *in = copy.data();
    size_t inLeft = copy.size();
    while (!Convert(FDecoder, in, inLeft, utf16)) {
        // Skip one undecodable byte and show the platform's default mark.
        utf16.append("\xFB\x30", 2);
        ++in;
        --inLeft;
    }
    iconv(FDecoder, nullptr, nullptr, nullptr, nullptr);
    return QString(reinterpret_cast<const QChar *>(utf16.data()), static_cast<qsizetype>(utf16.size() / 2));
}

QByteArray TCp932Codec::Encode(const QString &text) const
{
    if (!FProblem.isEmpty()) {
        QByteArray bytes;
        for (qsizetype i = 0; i < text.size(); ++i) {
            bytes.append(IsAscii(text[i]) ? text[i].toLatin1() : '?');
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
        }
        return bytes;
    }
    const std::lock_guard lock(FLock);
    std::string out;
    QByteArray copy(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    char *in = copy.data();
    size_t inLeft = copy.size();
    while (!Convert(FEncoder, in, inLeft, out)) {
        // Skip the whole unencodable character, surrogate pairs included.
        out.push_back('?');
        const char16_t unit = static_cast<unsigned char>(in[0]) | (static_cast<unsigned char>(in[1]) << 8);
        const size_t skip = (unit >= 0xD800 && unit < 0xDC00 && inLeft >= 4) ? 4 : 2;
        in += skip;
        inLeft -= skip;
    }
    iconv(FEncoder, nullptr, nullptr, nullptr, nullptr);
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

bool TCp932Codec::Encodable(const QString &text) const
{
    if (!FProblem.isEmpty())
        return std::all_of(text.begin(), text.end(), IsAscii);
    const std::lock_guard lock(FLock);
    std::string out;
    QByteArray copy(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    char *in = copy.data();
    size_t inLeft = copy.size();
    const bool ok = Convert(FEncoder, in, inLeft, out);
    iconv(FEncoder, nullptr, nullptr, nullptr, nullptr);
    return ok;
}

const TCp932Codec &Cp932()
{
    static const TCp932Codec codec;
    return codec;
}

QString FromCp932(const QByteArray &bytes)
{
    return Cp932().Decode(bytes);
}

QByteArray ToCp932(const QString &text)
{
    return Cp932().Encode(text);
}

bool IsCp932Encodable(const QString &text)
{
    return Cp932().Encodable(text);
}
