#pragma once

#include <QByteArray>
#include <QString>

#include <iconv.h>

#include <mutex>

// Conversion between Qt's UTF-16 text and code page 932 (Shift-JIS with the
// vendor extensions), the encoding of the course text and of the 8-bit
// strings of the course tree.

// Both directions of one code page, opened once and kept; calls may come
// from any thread. When the platform lacks the conversion nothing throws:
// Problem() says so and the conversions keep to ASCII, so the window can
// report it at start-up and every later call still returns.
class TCp932Codec {
public:
    explicit TCp932Codec(const char *encoding = "CP932");
    ~TCp932Codec();
    TCp932Codec(const TCp932Codec &) = delete;
    TCp932Codec &operator=(const TCp932Codec &) = delete;

    // Empty when both directions are open; otherwise a Japanese message
    // with the platform's reason.
    const QString &Problem() const { return FProblem; }

    QString Decode(const QByteArray &bytes) const;
    QByteArray Encode(const QString &text) const;
    bool Encodable(const QString &text) const;

private:
    iconv_t FDecoder;
    iconv_t FEncoder;
    QString FProblem;
    mutable std::mutex FLock;
};

// The program's one codec for code page 932, opened at first use.
const TCp932Codec &Cp932();

// Decodes code page 932. A byte that starts no valid character, such as the
// first half of a character cut in two, becomes "・", as the platform shows it.
QString FromCp932(const QByteArray &bytes);

// Encodes to code page 932. A character the code page lacks becomes "?".
QByteArray ToCp932(const QString &text);

// Whether every character of the text exists in code page 932.
bool IsCp932Encodable(const QString &text);
