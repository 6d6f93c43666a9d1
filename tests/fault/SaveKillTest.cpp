// A saver killed at any moment leaves the old or the new content, never a
// truncated or empty file.

#include "UserFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {

const char *const PatternA = "101,401,000,";
const char *const PatternB = "#202,#303,";

QByteArray Expected(const char *pattern, int times)
{
    return QByteArray(pattern).repeated(times) + "[END]\r\n";
}

pid_t StartSaver(const QString &file)
{
    const QByteArray path = QFile::encodeName(file);
    const pid_t pid = fork();
    if (pid == 0) {
        execl(TYPEKO_SAVE_LOOP, TYPEKO_SAVE_LOOP, path.constData(), PatternA, PatternB, static_cast<char *>(nullptr));
        _exit(127);
    }
    return pid;
}

TEST(SaveKill, AKilledSaverLeavesTheOldOrTheNewContentOnly)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("-----.dat"));
    const QByteArray small = Expected(PatternA, 8000);
    const QByteArray large = Expected(PatternB, 24000);
    ASSERT_TRUE(SaveWholeFile(file, small).isEmpty());

    std::mt19937 chance(20240601);
    std::uniform_int_distribution<int> delayMs(5, 150);
    int seenSmall = 0;
    int seenLarge = 0;
    for (int kill = 0; kill < 300; ++kill) {
        const pid_t saver = StartSaver(file);
        ASSERT_GT(saver, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs(chance)));
        ASSERT_EQ(::kill(saver, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(saver, &status, 0), saver);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saver stopped by itself with status " << status;

        QFile read(file);
        ASSERT_TRUE(read.open(QIODevice::ReadOnly)) << "kill " << kill << ": the file is gone";
        const QByteArray bytes = read.readAll();
        if (bytes == small)
            ++seenSmall;
        else if (bytes == large)
            ++seenLarge;
        else
            FAIL() << "kill " << kill << ": the file holds " << bytes.size() << " bytes of neither content";
    }
    // Both contents turn up, so the kills did land between saves.
    EXPECT_GT(seenSmall, 0);
    EXPECT_GT(seenLarge, 0);
    std::printf("kills %d: old-or-small %d, large %d\n", 300, seenSmall, seenLarge);
}

} // namespace
