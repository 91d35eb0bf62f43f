// Prints the console's output code page, so that a test sees whether a
// program run before it changed it. Windows code includes <windows.h>, not
// the headers below it that declare each name.
// NOLINTBEGIN(misc-include-cleaner)
#include <cstdio>
#include <windows.h>

int main()
{
    std::printf("console output code page %u\n", GetConsoleOutputCP());
    return 0;
}
// NOLINTEND(misc-include-cleaner)
