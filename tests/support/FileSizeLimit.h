#pragma once

#include <csignal>
#include <sys/resource.h>

// While alive, no file this process writes can grow beyond `bytes`: a write
// past the limit fails half way, as on a full disk, and root is no exception.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous);
        // Without this the kernel would end the process instead of failing the write.
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited{bytes, previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit previous{};
    void (*previousHandler)(int) = SIG_DFL;
};
