// Windows code includes <windows.h>, not the headers below it that declare
// each name.
// NOLINTBEGIN(misc-include-cleaner)
#include "windows_console.hpp"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace fizo_cli {

namespace {

// Hands the console whole lines: a console given the bytes of one character
// in separate writes may not join them again.
char console_buffer[1 << 16];

} // namespace

windows_console::windows_console() noexcept
{
    DWORD mode = 0;
    if (GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) == 0) {
        return; // a file or pipe: it takes the bytes as they are
    }
    // The console decodes what it is given in its output code page. The C
    // runtime's text mode would decode it again, byte by byte, in the C
    // locale; binary mode hands the console the bytes unchanged, and the
    // console starts a new line at "\n" by itself.
    std::setvbuf(stdout, console_buffer, _IOFBF, sizeof console_buffer);
    _setmode(_fileno(stdout), _O_BINARY);
    // The foods are in the process code page: UTF-8 where the manifest is
    // honoured, the ANSI code page on older Windows.
    const UINT text_code_page = GetACP();
    const UINT original = GetConsoleOutputCP();
    if (original != text_code_page && SetConsoleOutputCP(text_code_page) != 0) {
        code_page_to_restore = original;
    }
}

windows_console::~windows_console()
{
    // Whatever is still buffered reaches the console in the code page it was
    // written for.
    std::fflush(stdout);
    if (code_page_to_restore != 0) {
        SetConsoleOutputCP(code_page_to_restore);
    }
}

} // namespace fizo_cli
// NOLINTEND(misc-include-cleaner)
