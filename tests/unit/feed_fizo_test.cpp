// The feed_fizo driver called in-process, for argument vectors that no
// process can be started with.
#include "argument_vector.hpp"
#include "capture.hpp"
#include "expected_output.hpp"
#include "feed_fizo.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

captured_run run_feed_fizo(std::vector<std::string> arguments)
{
    argument_vector vector(std::move(arguments));
    return capture([&vector] { return fizo_cli::feed_fizo(vector.argc(), vector.argv()); });
}

TEST(FeedFizoMain, EmptyArgumentVectorIsMissingFood)
{
    const captured_run run = run_feed_fizo({});
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, expected_output::no_food);
    EXPECT_EQ(run.status, 1);
}

TEST(FeedFizoMain, EmptyProgramNameIsNeverAFood)
{
    const captured_run run = run_feed_fizo({"", "pear"});
    EXPECT_EQ(run.out, "fizo refuses to eat pear!\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
}

} // namespace
