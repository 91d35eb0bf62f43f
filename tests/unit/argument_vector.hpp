#ifndef FIZO_TESTS_ARGUMENT_VECTOR_HPP
#define FIZO_TESTS_ARGUMENT_VECTOR_HPP

#include <algorithm>
#include <string>
#include <vector>

// An argument vector as main receives it: argc strings and a null pointer
// after them, kept alive as long as this object.
class argument_vector {
public:
    explicit argument_vector(std::vector<std::string> arguments) : strings(std::move(arguments))
    {
        pointers.resize(strings.size() + 1, nullptr);
        // argv holds char*, which only a non-const string's data() gives.
        std::transform(strings.begin(), strings.end(), pointers.begin(),
                       // cppcheck-suppress constParameterReference
                       [](std::string& argument) { return argument.data(); });
    }
    argument_vector(const argument_vector&) = delete;
    argument_vector& operator=(const argument_vector&) = delete;
    argument_vector(argument_vector&&) = delete;
    argument_vector& operator=(argument_vector&&) = delete;
    ~argument_vector() = default;

    [[nodiscard]] int argc() const
    {
        return static_cast<int>(strings.size());
    }
    [[nodiscard]] char** argv()
    {
        return pointers.data();
    }

private:
    std::vector<std::string> strings;
    std::vector<char*> pointers;
};

#endif // FIZO_TESTS_ARGUMENT_VECTOR_HPP
