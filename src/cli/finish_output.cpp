#include "finish_output.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace fizo_cli {

int finish_output(const char* program_name, int status)
{
    errno = 0;
    const bool flush_failed = std::fflush(stdout) != 0;
    if (!flush_failed && std::ferror(stdout) == 0) {
        return status;
    }
    // errno only tells the reason when this last flush failed; an earlier
    // failed write leaves just the stream's error flag behind.
    const int reason = flush_failed ? errno : 0;
    if (reason != 0) {
        std::fprintf(stderr, "%s: write error: %s\n", program_name, std::strerror(reason));
    } else {
        std::fprintf(stderr, "%s: write error\n", program_name);
    }
    return 1;
}

} // namespace fizo_cli
