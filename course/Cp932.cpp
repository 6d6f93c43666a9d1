#include "Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#include <string>

namespace {

// One open conversion, closed when it goes out of scope.
class TIconv {
public:
    TIconv(const char *to, const char *from) : Handle(iconv_open(to, from))
    {
        if (Handle == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~TIconv() { iconv_close(Handle); }
    TIconv(const TIconv &) = delete;
    TIconv &operator=(const TIconv &) = delete;

    // Converts as much as it can; returns false at the first input it cannot
    // convert, leaving in/inLeft there.
    bool Convert(char *&in, size_t &inLeft, std::string &out)
    {
        char buffer[4096];
        while (inLeft > 0) {
            char *outPtr = buffer;
            size_t outLeft = sizeof buffer;
            const size_t rc = iconv(Handle, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, outPtr - buffer);
            if (rc == static_cast<size_t>(-1) && errno != E2BIG)
                return false;
        }
        return true;
    }

private:
    iconv_t Handle;
};

} // namespace

QString FromCp932(const QByteArray &bytes)
{
    TIconv conv("UTF-16LE", "CP932");
    std::string utf16;
    QByteArray copy = bytes;
    char *in = copy.data();
    size_t inLeft = copy.size();
    while (!conv.Convert(in, inLeft, utf16)) {
        // Skip one undecodable byte and show the platform's default mark.
        utf16.append("\xFB\x30", 2);
        ++in;
        --inLeft;
    }
    return QString(reinterpret_cast<const QChar *>(utf16.data()), static_cast<qsizetype>(utf16.size() / 2));
}

QByteArray ToCp932(const QString &text)
{
    TIconv conv("CP932", "UTF-16LE");
    std::string out;
    const QByteArray utf16(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    QByteArray copy = utf16;
    char *in = copy.data();
    size_t inLeft = copy.size();
    while (!conv.Convert(in, inLeft, out)) {
        // Skip the whole unencodable character, surrogate pairs included.
        out.push_back('?');
        const char16_t unit = static_cast<unsigned char>(in[0]) | (static_cast<unsigned char>(in[1]) << 8);
        const size_t skip = (unit >= 0xD800 && unit < 0xDC00 && inLeft >= 4) ? 4 : 2;
        in += skip;
        inLeft -= skip;
    }
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

bool IsCp932Encodable(const QString &text)
{
    TIconv conv("CP932", "UTF-16LE");
    std::string out;
    QByteArray copy(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    char *in = copy.data();
    size_t inLeft = copy.size();
    return conv.Convert(in, inLeft, out);
}
