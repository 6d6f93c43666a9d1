#pragma once

#include <csignal>

#include <sys/resource.h>

// Lowers the largest file this process may write, as a full disk would stop
// a save, until the scope ends. A write past the limit then fails with EFBIG
// instead of stopping the process.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &Old);
        OldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = Old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &Old);
        std::signal(SIGXFSZ, OldHandler);
    }
    TFileSizeLimit(const TFileSizeLimit &) = delete;
    TFileSizeLimit &operator=(const TFileSizeLimit &) = delete;

private:
    rlimit Old{};
    void (*OldHandler)(int) = nullptr;
};
