#pragma once
// A file is written beside its target under a temporary name, flushed to disk and renamed into
// place only when everything was written, so that a write that stops early (a full disk, a
// program ended half way) never empties or corrupts the file that was there.

#include <fstream>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>

namespace kalvora::model {

/// A file that cannot be opened or written; the text names it and gives the system's reason.
class FileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// The system's reason for the last failed call, as strerror gives it.
std::string SystemReason();

class ReplacingFile
{
public:
    /// Creates the temporary file beside target (through a link: beside the file it names), with
    /// the permissions of an existing target. A target that exists and is no regular file (a
    /// terminal, a pipe, /dev/null) is written directly: it holds nothing to lose and must not be
    /// replaced by a file. Throws FileError when it cannot.
    explicit ReplacingFile(const std::string &target);
    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;
    /// Removes the temporary file unless it was committed.
    ~ReplacingFile();

    std::ostream &stream() { return m_stream; }

    /// The temporary file; empty when the target is written directly.
    const std::string &temporaryPath() const { return m_temporary; }

    /// Closes the temporary file, flushes it to disk and renames it over the target. Throws
    /// FileError when the file cannot be written out or renamed; the target is then unchanged.
    void commit();

private:
    std::string m_target;
    std::string m_temporary;
    std::unique_ptr<std::filebuf> m_buffer;
    std::ostream m_stream { nullptr };
    bool m_direct = false;
    bool m_committed = false;
};

} // namespace kalvora::model
