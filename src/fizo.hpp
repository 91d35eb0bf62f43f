// fizo: a creature that will not eat what you feed it.
#ifndef FIZO_FIZO_HPP
#define FIZO_FIZO_HPP

#include <string>

namespace fizo {

// The version text that print_version writes; fixed when fizo is built.
constexpr char VERSION[] = "00.01.00"; // NOLINT(readability-identifier-naming)

// Writes the help text to standard output.
void print_help_menu() noexcept;

// Writes the version line to standard output.
void print_version() noexcept;

// Returns a + b as one double-precision addition, with no rounding or checks.
double add(double a, double b) noexcept;

// Holds what fizo is being fed and prints fizo's refusal to eat it.
class feed_fizo_dinner {
public:
    // Starts with the food "anything".
    feed_fizo_dinner();
    ~feed_fizo_dinner();

    // Replaces the current food, the empty food too. print writes it up to
    // its first zero byte, where it holds one.
    void change_food(std::string food);

    // Writes the refusal line for the current food to standard output.
    void print() const noexcept;

private:
    std::string dinner;
};

} // namespace fizo

#endif // FIZO_FIZO_HPP
