#ifndef FIZO_CLI_FINISH_OUTPUT_HPP
#define FIZO_CLI_FINISH_OUTPUT_HPP

namespace fizo_cli {

// Flushes standard output and returns the status main should return: `status`
// when every write succeeded, otherwise 1 after a one-line message on standard
// error, so that a lost write is never reported as success.
int finish_output(const char* program_name, int status);

} // namespace fizo_cli

#endif // FIZO_CLI_FINISH_OUTPUT_HPP
