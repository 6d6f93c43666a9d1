#include "Cp932.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp932, TextAndBytesConvertBothWaysWithTheVendorCharacters)
{
    struct Case {
        const char16_t *Text;
        QByteArray Bytes;
    };
    const Case cases[] = {
        {u"go", "go"},
        {u"受け取る", "\x8e\xf3\x82\xaf\x8e\xe6\x82\xe9"},
        {u"～", "\x81\x60"},
        {u"①", "\x87\x40"},
    };
    for (const Case &c : cases) {
        const QString text = QString::fromUtf16(c.Text);
        EXPECT_EQ(ToCp932(text), c.Bytes) << text.toStdString();
        EXPECT_EQ(FromCp932(c.Bytes), text) << text.toStdString();
        EXPECT_TRUE(IsCp932Encodable(text)) << text.toStdString();
    }
}

TEST(Cp932, WhatTheCodePageLacksBecomesAMarkInEachDirection)
{
    // A character cut in two decodes to the platform's mark; a character the
    // code page lacks, a surrogate pair included, encodes to one "?".
    EXPECT_EQ(FromCp932("a\x8e"), QStringLiteral("a・"));
    EXPECT_EQ(ToCp932(QStringLiteral("a😀b€")), QByteArray("a?b?"));
    EXPECT_FALSE(IsCp932Encodable(QStringLiteral("€")));
    // A failed call leaves nothing behind for the next one.
    EXPECT_EQ(ToCp932(QStringLiteral("受")), QByteArray("\x8e\xf3"));
}

TEST(Cp932, AMissingConversionIsReportedAndKeepsToAscii)
{
    EXPECT_TRUE(Cp932().Problem().isEmpty());
    const TCp932Codec missing("NO-SUCH-CODE-PAGE");
    EXPECT_TRUE(missing.Problem().startsWith(QStringLiteral("日本語の文字コード（NO-SUCH-CODE-PAGE）を変換できない")))
        << missing.Problem().toStdString();
    EXPECT_EQ(missing.Decode("go\x8e\xf3"), QStringLiteral("go・・"));
    EXPECT_EQ(missing.Encode(QStringLiteral("go受😀")), QByteArray("go??"));
    EXPECT_TRUE(missing.Encodable(QStringLiteral("go")));
    EXPECT_FALSE(missing.Encodable(QStringLiteral("受")));
}

} // namespace
