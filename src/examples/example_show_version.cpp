#include "finish_output.hpp"
#include "fizo.hpp"

int main()
{
    fizo::print_version();
    return fizo_cli::finish_output("example_show_version", 0);
}
