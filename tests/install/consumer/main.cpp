#include <fizo.hpp>

#include <cstdio>

int main()
{
    fizo::feed_fizo_dinner dinner;
    dinner.change_food("broccoli");
    dinner.print();
    fizo::print_version();
    std::printf("1.5 + 2.25 = %g\n", fizo::add(1.5, 2.25));
    return 0;
}
