#include "output_file.h"

#include "printable.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace kalvora::cli {

namespace {

std::string failure(const std::string &what, const std::string &path)
{
    return what + " " + Quoted(path) + ": " + SystemReason();
}

/// The file a path names, links resolved; the path itself when it does not exist yet.
std::string resolved(const std::string &path)
{
    char real[PATH_MAX];
    return realpath(path.c_str(), real) ? std::string(real) : path;
}

/// The permissions a new file would get: 0666 less the process's umask.
mode_t newFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::string SystemReason()
{
    return std::strerror(errno);
}

bool SameFile(const std::string &first, const std::string &second)
{
    struct stat a
    {
    };
    struct stat b
    {
    };
    return stat(first.c_str(), &a) == 0 && stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev
        && a.st_ino == b.st_ino;
}

ReplacingFile::ReplacingFile(const std::string &target)
    : m_target(resolved(target))
{
    struct stat existing
    {
    };
    const bool exists = stat(m_target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        throw FileError("cannot write " + Quoted(target) + ": " + std::strerror(EISDIR));
    if (exists && !S_ISREG(existing.st_mode)) {
        m_direct = true;
        m_stream.open(m_target, std::ios::binary);
        if (!m_stream)
            throw FileError(failure("cannot write", target));
        return;
    }
    // Beside the target, in the same directory and so on the same file system: the rename is
    // then atomic. (npos + 1 is 0: a bare name lies in the working directory.)
    const std::size_t nameStart = m_target.rfind('/') + 1;
    std::string pattern
        = m_target.substr(0, nameStart) + "." + m_target.substr(nameStart) + ".XXXXXX";
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0)
        throw FileError(failure("cannot create a file beside", target));
    m_temporary = pattern;
    fchmod(descriptor, exists ? (existing.st_mode & 07777) : newFileMode());
    close(descriptor);
    m_stream.open(m_temporary, std::ios::binary | std::ios::trunc);
    if (!m_stream) {
        const std::string reason = failure("cannot write", m_temporary);
        std::remove(m_temporary.c_str());
        throw FileError(reason);
    }
}

ReplacingFile::~ReplacingFile()
{
    if (!m_committed && !m_direct)
        std::remove(m_temporary.c_str());
}

void ReplacingFile::commit()
{
    m_stream.close();
    if (!m_stream)
        throw FileError("cannot write " + Quoted(m_direct ? m_target : m_temporary));
    if (!m_direct && std::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        throw FileError(failure("cannot rename the results into", m_target));
    m_committed = true;
}

} // namespace kalvora::cli
