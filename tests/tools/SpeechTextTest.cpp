#include "SpeechText.h"

#include <gtest/gtest.h>

namespace {

struct TSpeechCase {
    QString Text;
    QByteArray Spoken;
};

class SpeechTextTest : public testing::TestWithParam<TSpeechCase> {};

TEST_P(SpeechTextTest, IsThePlainAsciiLineOfTheText)
{
    EXPECT_EQ(SpeechText(GetParam().Text), GetParam().Spoken);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpeechTextTest,
    testing::Values(
        TSpeechCase{"Let's take a ten-minute break.", "Let's take a ten-minute break."},
        TSpeechCase{"He said, \"Hi!\" at 7 o'clock.", "He said, \"Hi!\" at 7 o'clock."},
        TSpeechCase{QString::fromUtf8("Don\u2019t say \u201Cno\u201D \u2014 ok"), "Don't say \"no\" - ok"},
        TSpeechCase{QString::fromUtf8("\uFF34\uFF36 at\u00A0ten\tnow\r\n"), "TV at ten now"},
        TSpeechCase{QString::fromUtf8("Caf\u00E9 na\u00EFve \u3042\u3002\uFF11\uFF10"), "Cafe naive 10"}));

} // namespace
