#pragma once
// An output that counts the bytes written and keeps none, so that a figure is the pipeline's own
// and not the growth of a string holding a hundred megabytes.

#include <streambuf>

namespace kalvora::bench {

class DiscardingBuffer : public std::streambuf
{
public:
    std::streamsize written() const { return m_written; }

protected:
    std::streamsize xsputn(const char *, std::streamsize count) override
    {
        m_written += count;
        return count;
    }
    int_type overflow(int_type c) override
    {
        ++m_written;
        return traits_type::not_eof(c);
    }

private:
    std::streamsize m_written = 0;
};

} // namespace kalvora::bench
