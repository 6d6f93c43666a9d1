#include "QuitSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int Pipe[2] = {-1, -1};

void OnSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(Pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

TQuitSignals::TQuitSignals(QObject *parent) : QObject(parent)
{
    if (::pipe2(Pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    Notifier = new QSocketNotifier(Pipe[0], QSocketNotifier::Read, this);
    connect(Notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(Pipe[0], bytes, sizeof bytes) > 0) {
        }
        emit QuitRequested();
    });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

TQuitSignals::~TQuitSignals()
{
    signal(SIGTERM, SIG_DFL);
    signal(SIGHUP, SIG_DFL);
}
