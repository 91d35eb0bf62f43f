// Runs the real feed_fizo on every argument vector of up to three arguments
// drawn from a small alphabet of awkward arguments, and compares standard
// output, standard error and exit status with what the documented rules
// give. It finds orderings that no hand-written case thought of.
#include "argument_vector.hpp"
#include "capture.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h> // environ
#include <utility>
#include <vector>

namespace {

const std::string help_text = "FiZo  < options >  [first number] [second number]\n"
                              "Will not eat what you feed it.\n"
                              "Options:\n"
                              "  -h    : print help\n"
                              "  -v    : returns version number\n";

// The documented command line: options before the first food, read by their
// first two bytes, -h before -v; anything else starting with '-' is ignored;
// the first other argument, and all after it, are foods.
captured_run documented(const std::vector<std::string>& arguments)
{
    std::size_t first_food = 0;
    while (first_food < arguments.size() && arguments[first_food].rfind('-', 0) == 0) {
        const std::string& option = arguments[first_food];
        if (option.size() > 1 && option[1] == 'h') {
            return {help_text, "", 0};
        }
        if (option.size() > 1 && option[1] == 'v') {
            return {"FiZo Version: 00.01.00\n", "", 0};
        }
        ++first_food;
    }
    if (first_food == arguments.size()) {
        return {"", "Invalid arguments. Use `feed_fizo -h' for help.\n", 1};
    }
    captured_run expected;
    for (std::size_t i = first_food; i < arguments.size(); ++i) {
        expected.out += "fizo refuses to eat " + arguments[i] + "!\n";
    }
    return expected;
}

// feed_fizo as a process, whose output lands where capture() puts it.
captured_run run_feed_fizo(const std::vector<std::string>& arguments)
{
    std::vector<std::string> strings = {FEED_FIZO_PATH};
    strings.insert(strings.end(), arguments.begin(), arguments.end());
    argument_vector argv(std::move(strings));
    return capture([&argv] {
        pid_t child = 0;
        const int error =
            posix_spawn(&child, FEED_FIZO_PATH, nullptr, nullptr, argv.argv(), environ);
        if (error != 0) {
            std::fprintf(stderr, "cannot start " FEED_FIZO_PATH ": %s\n", std::strerror(error));
            return -1;
        }
        int wait_status = 0;
        waitpid(child, &wait_status, 0);
        return WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
    });
}

TEST(Differential, EveryVectorOfUpToThreeAwkwardArguments)
{
    const std::vector<std::string> alphabet = {"",    "-",   "-h",    "-v",  "-x",  "--",  "--help",
                                               "-hv", "-vh", "apple", "a b", "50%", "%s%n"};
    std::vector<std::vector<std::string>> vectors = {{}};
    for (std::size_t length = 1; length <= 3; ++length) {
        std::vector<std::vector<std::string>> longer;
        for (const auto& vector : vectors) {
            if (vector.size() + 1 != length) {
                continue;
            }
            for (const std::string& argument : alphabet) {
                longer.push_back(vector);
                longer.back().push_back(argument);
            }
        }
        vectors.insert(vectors.end(), longer.begin(), longer.end());
    }
    ASSERT_EQ(vectors.size(), 1U + 13U + (13U * 13U) + (13U * 13U * 13U));

    int failures = 0;
    for (const auto& arguments : vectors) {
        const captured_run expected = documented(arguments);
        const captured_run actual = run_feed_fizo(arguments);
        if (actual.out != expected.out || actual.err != expected.err ||
            actual.status != expected.status) {
            ADD_FAILURE() << "feed_fizo " << testing::PrintToString(arguments) << "\n  stdout: ["
                          << actual.out << "] expected [" << expected.out << "]\n  stderr: ["
                          << actual.err << "] expected [" << expected.err
                          << "]\n  status: " << actual.status << " expected " << expected.status;
            if (++failures == 10) {
                FAIL() << "stopping after 10 differences";
            }
        }
    }
}

} // namespace
