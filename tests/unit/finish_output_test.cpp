#include "capture.hpp"
#include "finish_output.hpp"

#include <gtest/gtest.h>

#include <cstdio>

#ifdef __GLIBC__
#include <fcntl.h>
#include <unistd.h>
#include <vector>
#endif

namespace {

TEST(FinishOutput, KeepsTheStatusWhenEveryWriteSucceeded)
{
    for (const int status : {0, 1, 42}) {
        SCOPED_TRACE(status);
        const captured_run run = capture([status] {
            std::printf("line\n");
            return fizo_cli::finish_output("prog", status);
        });
        EXPECT_EQ(run.status, status);
        EXPECT_EQ(run.out, "line\n");
        EXPECT_EQ(run.err, "");
    }
}

#ifdef __GLIBC__

// Points standard output at /dev/full, where every write fails.
void redirect_stdout_to_full_device()
{
    const int full = open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    ASSERT_EQ(dup2(full, 1), 1);
    close(full);
}

TEST(FinishOutput, PendingOutputThatCannotBeWrittenFailsWithTheReason)
{
    const captured_run run = capture([] {
        redirect_stdout_to_full_device();
        std::printf("lost\n");
        return fizo_cli::finish_output("prog", 0);
    });
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "prog: write error: No space left on device\n");
}

TEST(FinishOutput, EarlierLostWriteFailsEvenWithNothingPending)
{
    const captured_run run = capture([] {
        redirect_stdout_to_full_device();
        // Larger than the buffer: the C library writes it at once, fails and
        // keeps nothing, so only the stream's error flag remembers it.
        const std::vector<char> block(1 << 16, 'x');
        std::fwrite(block.data(), 1, block.size(), stdout);
        return fizo_cli::finish_output("prog", 0);
    });
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "prog: write error\n");
}

TEST(FinishOutput, ClosedOutputWithNothingWrittenIsNoFailure)
{
    const captured_run run = capture([] {
        close(1);
        return fizo_cli::finish_output("prog", 0);
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
}

#endif

} // namespace
