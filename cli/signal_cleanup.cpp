#include "signal_cleanup.h"

#include <array>
#include <climits>
#include <cstring>
#include <unistd.h>

namespace kalvora::cli {

namespace {

constexpr int kSignals[] = { SIGINT, SIGTERM, SIGHUP };

/// The path the handler removes, kept ready: a handler may not allocate or build strings.
std::array<char, PATH_MAX> g_path {};
volatile std::sig_atomic_t g_armed = 0;

extern "C" void removeAndEnd(int signal)
{
    // Only async-signal-safe calls: unlink, sigaction, raise. The raised signal waits until the
    // handler returns, then ends the program by the default action with the signal's status.
    if (g_armed)
        unlink(g_path.data());
    struct sigaction standard
    {
    };
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    sigaction(signal, &standard, nullptr);
    raise(signal);
}

sigset_t cleanupSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kSignals)
        sigaddset(&set, signal);
    return set;
}

} // namespace

SignalsHeld::SignalsHeld()
{
    const sigset_t held = cleanupSignals();
    pthread_sigmask(SIG_BLOCK, &held, &m_previous);
}

SignalsHeld::~SignalsHeld()
{
    pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
}

TemporaryFileRemoval::TemporaryFileRemoval(const std::string &path)
{
    const SignalsHeld held; // the path and the handlers change together
    // A path too long for the buffer is not kept: removing a cut name could hit another file.
    g_armed = path.size() < g_path.size();
    if (g_armed)
        std::memcpy(g_path.data(), path.c_str(), path.size() + 1);
    struct sigaction cleanup
    {
    };
    cleanup.sa_handler = removeAndEnd;
    cleanup.sa_mask = cleanupSignals();
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        sigaction(kSignals[i], nullptr, &m_previous[i]);
        if (m_previous[i].sa_handler != SIG_IGN)
            sigaction(kSignals[i], &cleanup, nullptr);
    }
}

TemporaryFileRemoval::~TemporaryFileRemoval()
{
    const SignalsHeld held;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        sigaction(kSignals[i], &m_previous[i], nullptr);
    g_armed = 0;
}

} // namespace kalvora::cli
