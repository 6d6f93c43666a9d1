#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Keeps a second running copy off a data folder that one copy already
// uses, whatever runtime folders the two were started with: a lock file in
// the data folder itself, taken before anything else is written there, and
// beside it the address on which the holder answers, so that a later copy
// can ask it to come forward. A lock left by a copy that died is taken over.
class TDataFolderLock {
public:
    enum class TResult {
        Locked,
        // Another running copy holds the folder.
        Busy,
        // The lock cannot be made here: the folder cannot be written.
        NotWritable,
    };

    TDataFolderLock();
    ~TDataFolderLock();

    // Locks the folder (ending in "/"), releasing a lock held on another.
    TResult Acquire(const QString &folder);
    void Release();
    // The folder held, or an empty text.
    QString Folder() const { return LockedFolder; }

    // Writes where this copy answers; a failure only costs the raise.
    void Advertise(const QString &serverPath);
    // Where the copy holding the folder answers, or an empty text.
    static QString AdvertisedServer(const QString &folder);

    static inline const QString LockFileName = QStringLiteral("TypeKo.lock");
    static inline const QString ServerFileName = QStringLiteral("TypeKo.instance");

private:
    std::unique_ptr<QLockFile> Lock;
    QString LockedFolder;
};
