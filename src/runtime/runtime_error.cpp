#include "runtime/runtime_error.hpp"

#include <array>
#include <utility>

namespace runtime {

namespace {

struct ErrorText {
    int number;
    const char* text;
};

constexpr std::array errorTexts{
    ErrorText{InvalidArgument, "Unzulässiger Prozeduraufruf oder ungültiges Argument"},
    ErrorText{Overflow, "Überlauf"},
    ErrorText{OutOfMemory, "Nicht genügend Speicher"},
    ErrorText{DivisionByZero, "Division durch Null"},
    ErrorText{TypeMismatch, "Typen unverträglich"},
    ErrorText{FileNotFound, "Datei nicht gefunden"},
};

}  // namespace

const char* standardText(int number) noexcept {
    for (const auto& entry : errorTexts) {
        if (entry.number == number) return entry.text;
    }
    return "";
}

RuntimeError::RuntimeError(int number) : number_(number), text_(standardText(number)) {}

RuntimeError::RuntimeError(int number, std::string text)
    : number_(number), text_(std::move(text)) {}

}  // namespace runtime
