#include "replacing_file.h"

#include "printable.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kalvora::model {

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

/// The folder part of a path ("." for a bare name).
std::string folderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

/// Flushes what was written to path down to the disk; false with errno set when it cannot.
/// A file system that cannot sync (EINVAL) keeps the data as well as it can: not a failure.
bool syncToDisk(const std::string &path, int flags)
{
    const int descriptor = open(path.c_str(), flags | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool synced = fsync(descriptor) == 0 || errno == EINVAL;
    const int reason = errno;
    close(descriptor);
    errno = reason;
    return synced;
}

} // namespace

std::string SystemReason()
{
    return std::strerror(errno);
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
    if (m_direct) {
        m_committed = true;
        return;
    }
    // On disk before the rename: after a crash the target holds the old text or the new one,
    // never a file whose blocks were not written yet.
    if (!syncToDisk(m_temporary, O_RDONLY))
        throw FileError(failure("cannot flush to disk", m_temporary));
    if (std::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        throw FileError(failure("cannot rename the new file into", m_target));
    m_committed = true;
    // The rename itself reaches the disk with the folder; the new file is in place either way.
    syncToDisk(folderOf(m_target), O_RDONLY | O_DIRECTORY);
}

} // namespace kalvora::model
