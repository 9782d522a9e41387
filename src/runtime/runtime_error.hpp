#pragma once

#include <exception>
#include <string>

namespace runtime {

// The numbered run-time errors a calculation or an outside action can end with.
enum ErrorNumber : int {
    InvalidArgument = 5,
    Overflow = 6,
    OutOfMemory = 7,
    DivisionByZero = 11,
    TypeMismatch = 13,
    FileNotFound = 53,
};

// The German standard text of an error number ("" for a number not listed).
const char* standardText(int number) noexcept;

// A failure that ends a handler: its number and a German text for the user.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, std::string text);

    [[nodiscard]] int number() const noexcept { return number_; }
    [[nodiscard]] const char* what() const noexcept override { return text_.c_str(); }

private:
    int number_;
    std::string text_;
};

}  // namespace runtime
