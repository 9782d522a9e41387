#pragma once

#include <string>

namespace regApi {

// An expandable registry string with its %NAME% references replaced as
// Windows replaces them; elsewhere, where nothing registers such strings,
// the text unchanged.
std::string expandEnvironment(const std::string& text);

}  // namespace regApi
