#include "Resources.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include <cstdlib>

namespace {

struct TSoundCase {
    const char *Name;
    quint32 DataBytes;
};

quint32 U32(const QByteArray &b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 U16(const QByteArray &b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
qint16 Sample(const QByteArray &b, int i) { return qFromLittleEndian<qint16>(b.constData() + 44 + 2 * i); }

class KeySound : public testing::TestWithParam<TSoundCase> {};

TEST_P(KeySound, IsAPlainMonoWaveOfItsExactLength)
{
    const auto bytes = LoadResource(QString::fromLatin1(GetParam().Name));
    ASSERT_TRUE(bytes);
    const QByteArray &b = *bytes;
    ASSERT_EQ(quint32(b.size()), 44 + GetParam().DataBytes);
    EXPECT_EQ(b.left(4), "RIFF");
    EXPECT_EQ(U32(b, 4), quint32(b.size() - 8));
    EXPECT_EQ(b.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(U32(b, 16), 16u);
    EXPECT_EQ(U16(b, 20), 1u);      // PCM
    EXPECT_EQ(U16(b, 22), 1u);      // mono
    EXPECT_EQ(U32(b, 24), 44100u);
    EXPECT_EQ(U32(b, 28), 88200u);
    EXPECT_EQ(U16(b, 32), 2u);
    EXPECT_EQ(U16(b, 34), 16u);
    EXPECT_EQ(b.mid(36, 4), "data");
    EXPECT_EQ(U32(b, 40), GetParam().DataBytes);
}

TEST_P(KeySound, IsSoftAndStartsAndEndsInSilence)
{
    const QByteArray b = *LoadResource(QString::fromLatin1(GetParam().Name));
    const int count = int(GetParam().DataBytes / 2);
    int peak = 0;
    for (int i = 0; i < count; ++i)
        peak = std::max(peak, std::abs(int(Sample(b, i))));
    EXPECT_LT(peak, 32000) << "no sample at full scale";
    EXPECT_GT(peak, 3000) << "loud enough to hear";
    EXPECT_LT(std::abs(int(Sample(b, 0))), 200);
    EXPECT_LT(std::abs(int(Sample(b, count - 1))), 200);
}

INSTANTIATE_TEST_SUITE_P(Clicks, KeySound,
                         testing::Values(TSoundCase{"TYPESOUND1", 9456}, TSoundCase{"TYPESOUND2", 5816},
                                         TSoundCase{"TYPESOUND3", 7552}),
                         [](const auto &info) { return std::string(info.param.Name); });

// The miss must not be mistaken for a correct key: it is a low tone, far
// below the pitch of the electronic click.
TEST(KeySounds, MissSoundIsMuchLowerThanTheElectronicTone)
{
    auto crossings = [](const char *name) {
        const QByteArray b = *LoadResource(QString::fromLatin1(name));
        const int count = int((b.size() - 44) / 2);
        int n = 0;
        for (int i = 1; i < count; ++i)
            n += (Sample(b, i - 1) < 0) != (Sample(b, i) < 0);
        return n * 44100.0 / count / 2;   // crossings per second, halved: roughly the pitch
    };
    EXPECT_LT(crossings("TYPESOUND3") * 3, crossings("TYPESOUND2"));
}

} // namespace
