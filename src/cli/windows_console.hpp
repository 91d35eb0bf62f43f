#ifndef FIZO_CLI_WINDOWS_CONSOLE_HPP
#define FIZO_CLI_WINDOWS_CONSOLE_HPP

namespace fizo_cli {

// While it lives, a Windows console on standard output shows the program's
// UTF-8 as the characters it encodes; then the console gets its own code page
// back. A file or pipe on standard output is left alone, bytes and line ends.
class utf8_console {
public:
    utf8_console() noexcept;
    ~utf8_console();
    utf8_console(const utf8_console&) = delete;
    utf8_console& operator=(const utf8_console&) = delete;
    utf8_console(utf8_console&&) = delete;
    utf8_console& operator=(utf8_console&&) = delete;

private:
    unsigned int code_page_to_restore = 0; // 0: the console was not changed
};

} // namespace fizo_cli

#endif // FIZO_CLI_WINDOWS_CONSOLE_HPP
