#include "regApi/environment_expansion.hpp"

namespace regApi {

std::string expandEnvironment(const std::string& text) { return text; }

}  // namespace regApi
