#pragma once

#include <optional>
#include <string>

#include "runtime/runtime_error.hpp"

namespace testsupport {

// The number of the run-time error that `call` ends with, or none.
template <class Call>
std::optional<int> errorOf(Call&& call) {
    try {
        (void)call();
    } catch (const runtime::RuntimeError& e) {
        return e.number();
    }
    return std::nullopt;
}

// The text of the run-time error that `call` ends with, or "" if none.
template <class Call>
std::string errorTextOf(Call&& call) {
    try {
        (void)call();
    } catch (const runtime::RuntimeError& e) {
        return e.what();
    }
    return {};
}

}  // namespace testsupport
