#pragma once

#include <csignal>
#include <sys/resource.h>

// While alive, no file this process writes can grow beyond `bytes`: a write past
// the limit fails half way, as on a full disk, and root is no exception. SIGXFSZ
// is ignored meanwhile, or the kernel would end the process instead.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes) : handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit limited{bytes, previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, handler);
    }

private:
    void (*handler)(int);
    rlimit previous{};
};
