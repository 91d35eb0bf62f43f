#include "feed_fizo.hpp"
#include "finish_output.hpp"

#ifdef _WIN32
#include "windows_console.hpp"
#endif

int main(int argc, char* argv[])
{
#ifdef _WIN32
    const fizo_cli::windows_console console;
#endif
    return fizo_cli::finish_output("feed_fizo", fizo_cli::feed_fizo(argc, argv));
}
