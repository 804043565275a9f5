// POSIX signals reach the event loop through a socket pair: the handler only
// writes the signal number, which is all a signal handler may safely do.
#include "sessionend.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> kSessionSignals = {SIGTERM, SIGHUP, SIGINT};

int g_pipe[2] = {-1, -1};
struct sigaction g_previous[kSessionSignals.size()];
QSocketNotifier* g_notifier = nullptr;

extern "C" void onSessionSignal(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &number, 1);
    errno = savedErrno;
}

} // namespace

void SessionEndWatcher::watchPlatform()
{
    // One watcher per process: the handlers are process-wide.
    if (g_notifier || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0)
        return;
    g_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(g_notifier, &QSocketNotifier::activated, this, [this] {
        unsigned char number = 0;
        if (::read(g_pipe[0], &number, 1) == 1)
            Q_EMIT sessionEnding(number);
    });

    struct sigaction action = {};
    action.sa_handler = onSessionSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSessionSignals.size(); ++i)
        ::sigaction(kSessionSignals[i], &action, &g_previous[i]);
}

void SessionEndWatcher::stopWatchingPlatform()
{
    if (!g_notifier || g_notifier->parent() != this)
        return;
    for (std::size_t i = 0; i < kSessionSignals.size(); ++i)
        ::sigaction(kSessionSignals[i], &g_previous[i], nullptr);
    delete g_notifier;
    g_notifier = nullptr;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}
