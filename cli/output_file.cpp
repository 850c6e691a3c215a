#include "output_file.h"

#include "printable.h"

#include <ostream>
#include <sys/stat.h>

namespace kalvora::cli {

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

bool OutputIsInput(const std::string &input, const std::string &output, std::string_view command,
    std::ostream &err)
{
    if (output.empty() || output == "-" || !SameFile(input, output))
        return false;
    err << "kalvora-cli: " << command << ": the output " << Quoted(output)
        << " is the input file; write to another file\n";
    return true;
}

int WriteOutput(const std::string &output, std::ostream &out, std::ostream &err,
    std::string_view command, int lastKept, const std::function<int(std::ostream &)> &write)
{
    if (output.empty() || output == "-")
        return write(out);
    try {
        ReplacingFile target(output);
        const int status = write(target.stream());
        if (status <= lastKept)
            target.commit();
        return status;
    } catch (const FileError &error) {
        err << "kalvora-cli: " << command << ": " << error.what() << '\n';
        return 2;
    }
}

ReplacingFile::ReplacingFile(const std::string &target)
{
    // No signal between the file's creation and the handler that removes it.
    const SignalsHeld held;
    m_file.emplace(target);
    if (!m_file->temporaryPath().empty())
        m_removal.emplace(m_file->temporaryPath());
}

} // namespace kalvora::cli
