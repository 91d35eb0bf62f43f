#include "capture.hpp"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

// Clang's one sanitizer runtime takes a report descriptor; GCC's two do not.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define FIZO_SANITIZED 1
#include <cstdint>
#include <sanitizer/common_interface_defs.h>
#endif
#endif

namespace {

#ifdef _WIN32
// The Windows runtime's tmpfile names its file after the clock and opens it
// without O_EXCL, so two test processes started together can share one file
// and see each other's output. A name with the process id cannot collide.
std::FILE* temporary_file()
{
    static int count = 0;
    char name[64];
    std::snprintf(name, sizeof name, "fizo-capture-%d-%d.tmp", _getpid(), count++);
    const int descriptor =
        _open(name, _O_CREAT | _O_EXCL | _O_RDWR | _O_BINARY | _O_TEMPORARY, _S_IREAD | _S_IWRITE);
    return descriptor < 0 ? nullptr : _fdopen(descriptor, "w+b");
}
#else
std::FILE* temporary_file()
{
    return std::tmpfile();
}
#endif

// A standard descriptor's temporary file, and a copy of the descriptor as it
// was before.
struct redirection {
    std::FILE* temporary;
    int original;
};

redirection redirect(int descriptor, std::FILE* stream)
{
    const redirection held{temporary_file(), dup(descriptor)};
    if (held.temporary == nullptr || held.original < 0) {
        std::abort();
    }
    std::fflush(stream);
    dup2(fileno(held.temporary), descriptor);
    return held;
}

// Points the descriptor back and returns what was written to it.
std::string restore(int descriptor, std::FILE* stream, const redirection& held)
{
    std::fflush(stream);
    dup2(held.original, descriptor);
    close(held.original);
    std::clearerr(stream);
    if (std::fseek(held.temporary, 0, SEEK_SET) != 0) {
        std::abort();
    }
    std::string bytes;
    char chunk[4096];
    std::size_t count = sizeof chunk;
    while (count == sizeof chunk) {
        count = std::fread(chunk, 1, sizeof chunk, held.temporary);
        bytes.append(chunk, count);
    }
    std::fclose(held.temporary);
    return bytes;
}

} // namespace

captured_run capture(const std::function<int()>& action)
{
#ifdef FIZO_SANITIZED
    // A sanitizer reports where standard error was before the capture, so
    // that a test it stops says why.
    static const int report_descriptor = dup(2);
    // NOLINTNEXTLINE(performance-no-int-to-ptr): the interface takes a descriptor as a pointer.
    __sanitizer_set_report_fd(
        reinterpret_cast<void*>(static_cast<std::intptr_t>(report_descriptor)));
#endif
    const redirection out = redirect(1, stdout);
    const redirection err = redirect(2, stderr);
    captured_run run;
    run.status = action();
    run.out = restore(1, stdout, out);
    run.err = restore(2, stderr, err);
    return run;
}

captured_run capture_void(const std::function<void()>& action)
{
    return capture([&action] {
        action();
        return 0;
    });
}
