#pragma once
// A result file is written beside its target under a temporary name and renamed into place only
// when the run ends normally, so that a run that stops early never empties an existing file; a
// run ended by Ctrl+C, SIGTERM or SIGHUP leaves no temporary file behind either.

#include "model/replacing_file.h"
#include "signal_cleanup.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace kalvora::cli {

using model::FileError;
using model::SystemReason;

/// Whether two paths name the same existing file (same device and inode), through links too.
bool SameFile(const std::string &first, const std::string &second);

/// Whether output names the input file (also through a link), which writing would destroy; if
/// so, says it on err for command.
bool OutputIsInput(const std::string &input, const std::string &output, std::string_view command,
    std::ostream &err);

/// Runs write on out when output is empty or "-"; otherwise on a file beside output, renamed
/// into place when write returns a status of at most lastKept, the old output left as it was on
/// any other ending. Returns write's status, or 2 with the reason on err when the file cannot
/// be created or renamed.
int WriteOutput(const std::string &output, std::ostream &out, std::ostream &err,
    std::string_view command, int lastKept, const std::function<int(std::ostream &)> &write);

/// model::ReplacingFile whose temporary file a terminating signal removes as well.
class ReplacingFile
{
public:
    /// Throws FileError when the temporary file cannot be created.
    explicit ReplacingFile(const std::string &target);

    std::ostream &stream() { return m_file->stream(); }

    /// Renames the written file over the target; throws FileError, the target unchanged.
    void commit() { m_file->commit(); }

private:
    // Declared first, so destroyed last: the temporary file is removed while a signal would
    // still remove it too.
    std::optional<TemporaryFileRemoval> m_removal;
    std::optional<model::ReplacingFile> m_file;
};

} // namespace kalvora::cli
