#ifndef FIZO_CLI_WINDOWS_CONSOLE_HPP
#define FIZO_CLI_WINDOWS_CONSOLE_HPP

namespace fizo_cli {

// While it lives, a Windows console on standard output shows the program's
// text, UTF-8 or in the ANSI code page, as the characters it encodes; then the
// console gets its own code page back. A file or pipe on standard output is
// left alone, bytes and line ends.
class windows_console {
public:
    windows_console() noexcept;
    ~windows_console();
    windows_console(const windows_console&) = delete;
    windows_console& operator=(const windows_console&) = delete;
    windows_console(windows_console&&) = delete;
    windows_console& operator=(windows_console&&) = delete;

private:
    unsigned int code_page_to_restore = 0; // 0: the console was not changed
};

} // namespace fizo_cli

#endif // FIZO_CLI_WINDOWS_CONSOLE_HPP
