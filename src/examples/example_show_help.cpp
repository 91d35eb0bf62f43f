#include "finish_output.hpp"
#include "fizo.hpp"

int main()
{
    fizo::print_help_menu();
    return fizo_cli::finish_output("example_show_help", 0);
}
