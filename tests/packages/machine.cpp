// Prints the processor's name as uname -m gives it on the machine, or emulator, that runs it.
#include <cstdio>
#include <sys/utsname.h>

int main()
{
    utsname names{};
    if (uname(&names) != 0) {
        return 1;
    }
    return std::printf("%s", names.machine) < 0 ? 1 : 0;
}
