#include "feed_fizo.hpp"
#include "finish_output.hpp"

int main(int argc, char* argv[])
{
    return fizo_cli::finish_output("feed_fizo", fizo_cli::feed_fizo(argc, argv));
}
