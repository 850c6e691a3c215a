#include "replacing_file.h"

#include "printable.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ext/stdio_filebuf.h>
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

/// The buffer of a file being written, over a descriptor the program opened itself. Every few
/// megabytes it asks the system to start writing the pages written so far to the disk, without
/// waiting for them: the flush before the rename then finds little left to write, where for a
/// file of a hundred megabytes it would wait for all of it.
class WritingBuffer final : public __gnu_cxx::stdio_filebuf<char>
{
public:
    /// Takes the descriptor over: it is closed with the buffer.
    explicit WritingBuffer(int descriptor)
        : stdio_filebuf(descriptor, std::ios::out | std::ios::binary)
    {
    }

private:
    static constexpr std::streamsize kWritebackStep = std::streamsize { 8 } << 20;

    std::streamsize xsputn(const char *text, std::streamsize count) override
    {
        const std::streamsize written = stdio_filebuf::xsputn(text, count);
        m_sinceWriteback += written;
        if (m_sinceWriteback >= kWritebackStep) {
            // Only a request: what it does not start, the flush before the rename writes; a
            // terminal or a pipe refuses it, and holds nothing to flush.
            sync_file_range(fd(), 0, 0, SYNC_FILE_RANGE_WRITE);
            m_sinceWriteback = 0;
        }
        return written;
    }

    std::streamsize m_sinceWriteback = 0;
};

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
        const int descriptor = open(m_target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (descriptor < 0)
            throw FileError(failure("cannot write", target));
        m_buffer = std::make_unique<WritingBuffer>(descriptor);
        m_stream.rdbuf(m_buffer.get());
        return;
    }
    // Beside the target, in the same directory and so on the same file system: the rename is
    // then atomic. (npos + 1 is 0: a bare name lies in the working directory.)
    const std::size_t nameStart = m_target.rfind('/') + 1;
    std::string pattern
        = m_target.substr(0, nameStart) + "." + m_target.substr(nameStart) + ".XXXXXX";
    const int descriptor = mkostemp(pattern.data(), O_CLOEXEC);
    if (descriptor < 0)
        throw FileError(failure("cannot create a file beside", target));
    m_temporary = pattern;
    fchmod(descriptor, exists ? (existing.st_mode & 07777) : newFileMode());
    m_buffer = std::make_unique<WritingBuffer>(descriptor);
    m_stream.rdbuf(m_buffer.get());
}

ReplacingFile::~ReplacingFile()
{
    if (!m_committed && !m_direct)
        std::remove(m_temporary.c_str());
}

void ReplacingFile::commit()
{
    m_stream.flush();
    const bool closed = m_buffer->close() != nullptr;
    if (!m_stream || !closed)
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
