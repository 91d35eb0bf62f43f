// Runs the real feed_fizo on every argument vector of up to three arguments
// drawn from a small alphabet of awkward arguments, and compares standard
// output, standard error and exit status with what the documented rules
// give. It finds orderings that no hand-written case thought of.
#include "argument_vector.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h> // environ
#include <utility>
#include <vector>

namespace {

struct outcome {
    std::string out;
    std::string err;
    int status = 0;

    bool operator==(const outcome& other) const
    {
        return out == other.out && err == other.err && status == other.status;
    }
};

const std::string help_text = "FiZo  < options >  [first number] [second number]\n"
                              "Will not eat what you feed it.\n"
                              "Options:\n"
                              "  -h    : print help\n"
                              "  -v    : returns version number\n";

// The documented command line: options before the first food, read by their
// first two bytes, -h before -v; anything else starting with '-' is ignored;
// the first other argument, and all after it, are foods.
outcome documented(const std::vector<std::string>& arguments)
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
    outcome expected;
    for (std::size_t i = first_food; i < arguments.size(); ++i) {
        expected.out += "fizo refuses to eat " + arguments[i] + "!\n";
    }
    return expected;
}

std::string read_file(const std::string& path)
{
    std::string bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return "<cannot read " + path + ">";
    }
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        bytes.push_back(static_cast<char>(c));
    }
    std::fclose(file);
    return bytes;
}

outcome run_feed_fizo(const std::vector<std::string>& arguments)
{
    const std::string program = FEED_FIZO_PATH;
    std::vector<std::string> strings = {program};
    strings.insert(strings.end(), arguments.begin(), arguments.end());
    argument_vector argv(std::move(strings));

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "differential.stdout",
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "differential.stderr",
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t child = 0;
    const int spawn_error =
        posix_spawn(&child, program.c_str(), &actions, nullptr, argv.argv(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawn_error != 0) {
        return {"", "<cannot start " + program + ">", -1};
    }
    int wait_status = 0;
    waitpid(child, &wait_status, 0);
    const int status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
    return {read_file("differential.stdout"), read_file("differential.stderr"), status};
}

std::string shown(const std::vector<std::string>& arguments)
{
    std::string text = "feed_fizo";
    for (const std::string& argument : arguments) {
        text += " [" + argument + "]";
    }
    return text;
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
        const outcome expected = documented(arguments);
        const outcome actual = run_feed_fizo(arguments);
        if (!(actual == expected)) {
            ADD_FAILURE() << shown(arguments) << "\n  stdout: [" << actual.out << "] expected ["
                          << expected.out << "]\n  stderr: [" << actual.err << "] expected ["
                          << expected.err << "]\n  status: " << actual.status << " expected "
                          << expected.status;
            if (++failures == 10) {
                FAIL() << "stopping after 10 differences";
            }
        }
    }
}

} // namespace
