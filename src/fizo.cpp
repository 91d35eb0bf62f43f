#include "fizo.hpp"

#include <cstdio>
#include <string_view>
#include <utility>

namespace fizo {

namespace {

constexpr std::string_view help_text = "FiZo  < options >  [first number] [second number]\n"
                                       "Will not eat what you feed it.\n"
                                       "Options:\n"
                                       "  -h    : print help\n"
                                       "  -v    : returns version number\n";

} // namespace

void print_help_menu() noexcept
{
    // Write failures are left to the program, which checks standard output once at exit.
    std::fwrite(help_text.data(), 1, help_text.size(), stdout);
}

void print_version() noexcept
{
    std::printf("FiZo Version: %s\n", VERSION);
}

double add(double a, double b) noexcept
{
    return a + b;
}

feed_fizo_dinner::feed_fizo_dinner() : dinner("anything") {}

feed_fizo_dinner::~feed_fizo_dinner() = default;

void feed_fizo_dinner::change_food(std::string food)
{
    dinner = std::move(food);
}

void feed_fizo_dinner::print() const noexcept
{
    // The food is the argument, never the format: a "%" in it is printed as it is.
    std::printf("fizo refuses to eat %s!\n", dinner.c_str());
}

} // namespace fizo
