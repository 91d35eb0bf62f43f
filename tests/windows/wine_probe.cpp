// Run under the emulator at configure time: tests are only registered when
// a Windows program really runs and its output and status come back.
#include <cstdio>

int main()
{
    std::printf("wine runs Windows programs\n");
    return 7;
}
