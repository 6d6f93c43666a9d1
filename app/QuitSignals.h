#pragma once

#include <QObject>

class QSocketNotifier;

// Turns a request from the system to end the program (SIGTERM, SIGHUP) into
// a Qt signal on the window's thread, so the learner's progress can still be
// saved. The handler itself only writes one byte to a pipe.
class TQuitSignals : public QObject {
    Q_OBJECT
public:
    explicit TQuitSignals(QObject *parent = nullptr);
    ~TQuitSignals() override;

signals:
    void QuitRequested();

private:
    QSocketNotifier *Notifier = nullptr;
};
