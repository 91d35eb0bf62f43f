// Prints the console's output code page, so that a test sees whether a
// program run before it left the console changed.
#include <cstdio>
#include <windows.h>

int main()
{
    std::printf("console output code page %u\n", GetConsoleOutputCP());
    return 0;
}
