#pragma once
// Ctrl+C, SIGTERM or SIGHUP while a result file is being written: the temporary file beside the
// target is removed, the target stays as it was, and the program ends with the signal's usual
// status, as if it had not caught it.

#include <csignal>
#include <string>

namespace kalvora::cli {

/// Holds SIGINT, SIGTERM and SIGHUP back in the calling thread while it lives; one that arrives
/// meanwhile is delivered when it ends.
class SignalsHeld
{
public:
    SignalsHeld();
    SignalsHeld(const SignalsHeld &) = delete;
    SignalsHeld &operator=(const SignalsHeld &) = delete;
    ~SignalsHeld();

private:
    sigset_t m_previous;
};

/// While it lives, SIGINT, SIGTERM and SIGHUP remove the file at path before the program ends on
/// them; a signal the program was started to ignore stays ignored. One at a time.
class TemporaryFileRemoval
{
public:
    explicit TemporaryFileRemoval(const std::string &path);
    TemporaryFileRemoval(const TemporaryFileRemoval &) = delete;
    TemporaryFileRemoval &operator=(const TemporaryFileRemoval &) = delete;
    /// Puts back the handlers it found.
    ~TemporaryFileRemoval();

private:
    struct sigaction m_previous[3];
};

} // namespace kalvora::cli
