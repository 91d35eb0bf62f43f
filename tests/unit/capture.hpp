#ifndef FIZO_TESTS_CAPTURE_HPP
#define FIZO_TESTS_CAPTURE_HPP

#include <functional>
#include <string>

// What a piece of code wrote on standard output and standard error, and the
// status it returned.
struct captured_run {
    std::string out;
    std::string err;
    int status = 0;
};

// Runs `action` with file descriptors 1 and 2 redirected to temporary files,
// so that the test sees the exact bytes, whatever the stdio buffering does.
captured_run capture(const std::function<int()>& action);

// The same for code that returns nothing; the status is 0.
captured_run capture_void(const std::function<void()>& action);

#endif // FIZO_TESTS_CAPTURE_HPP
