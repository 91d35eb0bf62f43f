#include "feed_fizo.hpp"

#include "fizo.hpp"

#include <cstdio>

namespace fizo_cli {

int feed_fizo(int argc, char* argv[])
{
    // Options come first and only their first two bytes count; the first
    // argument that does not begin with '-' (the empty one too) is a food.
    int index = 1;
    while (index < argc && argv[index][0] == '-') {
        const char option = argv[index][1];
        if (option == 'h') {
            fizo::print_help_menu();
            return 0;
        }
        if (option == 'v') {
            fizo::print_version();
            return 0;
        }
        ++index;
    }

    fizo::feed_fizo_dinner dinner;
    if (index >= argc) {
        std::fprintf(stderr, "Invalid arguments. Use `feed_fizo -h' for help.\n");
        return 1;
    }
    for (; index < argc; ++index) {
        dinner.change_food(argv[index]);
        dinner.print();
    }
    return 0;
}

} // namespace fizo_cli
