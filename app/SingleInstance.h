#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

// Keeps the program to one running copy per user. The first copy holds a
// lock file and answers on a local socket; a later copy finds the lock
// taken, asks the first to bring its window forward, and ends.
class TSingleInstance : public QObject {
    Q_OBJECT
public:
    enum class TStart {
        // This is the only copy; go on starting.
        Primary,
        // Another copy runs and was asked to come forward.
        Forwarded,
        // Another copy holds the lock but did not answer (it may still be
        // starting); end quietly.
        NoAnswer,
    };

    // lockName names the lock ("TypeKo_try"); windowClass and title name the
    // running copy's window the way a second start searches for it.
    TSingleInstance(const QString &folder, const QString &lockName, const QString &windowClass, const QString &title,
                    QObject *parent = nullptr);
    ~TSingleInstance() override;

    TStart Start();

    // Asks the copy answering at serverPath to bring its window forward;
    // false when nothing answers there.
    static bool AskToRaise(const QString &serverPath);

    // Where this copy answers; the data-folder lock advertises it, so a copy
    // started with another runtime folder can still raise this one.
    QString ServerName() const { return ServerPath; }

signals:
    // A later start asked this copy to restore and raise its window.
    void RaiseRequested();

private:
    void OnConnection();

    QString ServerPath;
    QLockFile Lock;
    std::unique_ptr<QLocalServer> Server;
};

// The folder for the lock and the socket: the user's runtime folder.
QString SingleInstanceFolder();
