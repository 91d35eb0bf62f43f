// The feed_fizo driver called in-process, for argument vectors that no
// process can be started with.
#include "capture.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// feed_fizo's main, compiled under this name for the tests.
int feed_fizo_main(int argc, char* argv[]);

namespace {

const std::string no_food = "Invalid arguments. Use `feed_fizo -h' for help.\n";

captured_run run_feed_fizo(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const int argc = static_cast<int>(arguments.size());
    return capture([argc, &argv] { return feed_fizo_main(argc, argv.data()); });
}

TEST(FeedFizoMain, EmptyArgumentVectorIsMissingFood)
{
    const captured_run run = run_feed_fizo({});
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, no_food);
    EXPECT_EQ(run.status, 1);
}

TEST(FeedFizoMain, NameAloneIsMissingFood)
{
    const captured_run run = run_feed_fizo({"feed_fizo"});
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, no_food);
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
