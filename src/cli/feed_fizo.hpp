#ifndef FIZO_CLI_FEED_FIZO_HPP
#define FIZO_CLI_FEED_FIZO_HPP

namespace fizo_cli {

// feed_fizo's work for one command line, as main receives it: prints the help
// text, the version line or a refusal for every food, or reports the missing
// food on standard error. Returns the exit status.
int feed_fizo(int argc, char* argv[]);

} // namespace fizo_cli

#endif // FIZO_CLI_FEED_FIZO_HPP
