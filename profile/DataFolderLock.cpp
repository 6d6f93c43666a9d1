#include "DataFolderLock.h"

#include <QFile>
#include <QLockFile>
#include <QSaveFile>

TDataFolderLock::TDataFolderLock() = default;

TDataFolderLock::~TDataFolderLock()
{
    Release();
}

TDataFolderLock::TResult TDataFolderLock::Acquire(const QString &folder)
{
    if (Lock && folder == LockedFolder)
        return TResult::Locked;
    Release();
    auto lock = std::make_unique<QLockFile>(folder + LockFileName);
    // Only a dead holder makes a lock stale, never its age.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        Lock = std::move(lock);
        LockedFolder = folder;
        return TResult::Locked;
    }
    return lock->error() == QLockFile::LockFailedError ? TResult::Busy : TResult::NotWritable;
}

void TDataFolderLock::Release()
{
    if (!Lock)
        return;
    QFile::remove(LockedFolder + ServerFileName);
    Lock->unlock();
    Lock.reset();
    LockedFolder.clear();
}

void TDataFolderLock::Advertise(const QString &serverPath)
{
    if (!Lock || serverPath.isEmpty())
        return;
    QSaveFile file(LockedFolder + ServerFileName);
    const QByteArray bytes = serverPath.toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        file.commit();
}

QString TDataFolderLock::AdvertisedServer(const QString &folder)
{
    QFile file(folder + ServerFileName);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // An address is a short path; anything longer is not one of ours.
    return QString::fromUtf8(file.read(4096)).trimmed();
}
