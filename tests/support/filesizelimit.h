#pragma once

#include <csignal>
#include <sys/resource.h>

namespace tirta::test {

/// Lets no file of this process grow beyond `bytes` while it lives, as a full disk would: a write
/// past the limit fails (its signal is ignored). Works for root, unlike folder permissions.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        const rlimit limited { bytes, m_saved.rlim_max };
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_saved); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved {};
};

} // namespace tirta::test
