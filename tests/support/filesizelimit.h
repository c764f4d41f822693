#pragma once

// While a FileSizeLimit lives, the files this process writes cannot grow past its size: a write
// beyond fails as on a full disk (EFBIG), the signal the system sends with it ignored.
#include <csignal>
#include <sys/resource.h>

namespace testing
{

struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) : handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit limit{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    void (*handler)(int);
    rlimit old{};
};

} // namespace testing
