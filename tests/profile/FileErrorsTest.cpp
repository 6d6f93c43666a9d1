#include "FileErrors.h"

#include <cerrno>
#include <cstring>

#include <gtest/gtest.h>

namespace {

TEST(FileErrors, CommonSystemReasonsReachTheLearnerInJapanese)
{
    struct Case {
        QString reason;
        const char16_t *japanese;
    };
    const Case cases[] = {
        {QString::fromLocal8Bit(std::strerror(EACCES)), u"書き込む権限がありません"},
        {QString::fromLocal8Bit(std::strerror(ENOSPC)), u"ディスクに空きがありません"},
        {QString::fromLocal8Bit(std::strerror(ENAMETOOLONG)), u"ファイル名が長すぎます"},
        {QStringLiteral("Existing file /d/Score/a.dat is not writable"), u"書き込む権限がありません"},
        {QStringLiteral("Filename refers to a directory"), u"同じ名前のフォルダがあるので書き込めません"},
        {QStringLiteral("Something new went wrong"), u"システムの報告：Something new went wrong"},
        {QString(), u"原因はわかりません"},
        {QStringLiteral("ファイルではなくディレクトリを参照しています"), u"ファイルではなくディレクトリを参照しています"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(JapaneseReason(c.reason), QString::fromUtf16(c.japanese)) << c.reason.toStdString();
}

TEST(FileErrors, MessagesCannotGrowPastTheScreen)
{
    EXPECT_EQ(BoundedMessageText(QStringLiteral("短い\nままの文")), QStringLiteral("短い\nままの文"));
    const QString huge = BoundedMessageText(QString(5 * 1024 * 1024, u'x'), 40, 16);
    EXPECT_EQ(huge.size(), 40);
    EXPECT_TRUE(huge.contains(u'…'));
    const QString many = BoundedMessageText(QStringLiteral("line\n").repeated(1000), 40, 5);
    EXPECT_EQ(many.count(u'\n'), 5) << "five lines and the mark of the rest";
}

} // namespace
