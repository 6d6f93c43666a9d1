#include "SingleInstance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <future>

namespace {

const QString Title = QStringLiteral("タイポンで英作トレーニング（体験版）");

TEST(SingleInstance, ASecondStartAsksTheFirstToComeForwardAndEnds)
{
    QTemporaryDir dir;
    TSingleInstance first(dir.path(), QStringLiteral("TypeKo_try"), QStringLiteral("TApplication"), Title);
    ASSERT_EQ(first.Start(), TSingleInstance::TStart::Primary);
    int raised = 0;
    QObject::connect(&first, &TSingleInstance::RaiseRequested, [&] { ++raised; });

    // The second start blocks until the first has answered, so it runs on
    // another thread while this one serves the first copy's events.
    std::future<TSingleInstance::TStart> second = std::async(std::launch::async, [&] {
        TSingleInstance later(dir.path(), QStringLiteral("TypeKo_try"), QStringLiteral("TApplication"), Title);
        return later.Start();
    });
    QElapsedTimer timer;
    timer.start();
    while (second.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready && timer.elapsed() < 5000)
        QCoreApplication::processEvents();
    ASSERT_EQ(second.wait_for(std::chrono::seconds(0)), std::future_status::ready);
    EXPECT_EQ(second.get(), TSingleInstance::TStart::Forwarded);
    EXPECT_EQ(raised, 1);
}

TEST(SingleInstance, ALockWithoutAnAnsweringCopyEndsQuietly)
{
    QTemporaryDir dir;
    // The lock is held but nobody listens: a copy that is still starting.
    QLockFile held(dir.path() + QStringLiteral("/TypeKo_try.lock"));
    ASSERT_TRUE(held.tryLock(0));
    TSingleInstance later(dir.path(), QStringLiteral("TypeKo_try"), QStringLiteral("TApplication"), Title);
    EXPECT_EQ(later.Start(), TSingleInstance::TStart::NoAnswer);
}

TEST(SingleInstance, TheLockIsFreeAgainWhenTheFirstCopyEnds)
{
    QTemporaryDir dir;
    {
        TSingleInstance first(dir.path(), QStringLiteral("TypeKo_try"), QStringLiteral("TApplication"), Title);
        ASSERT_EQ(first.Start(), TSingleInstance::TStart::Primary);
    }
    TSingleInstance next(dir.path(), QStringLiteral("TypeKo_try"), QStringLiteral("TApplication"), Title);
    EXPECT_EQ(next.Start(), TSingleInstance::TStart::Primary);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
