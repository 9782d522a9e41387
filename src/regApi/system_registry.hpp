#pragma once

#include <memory>

#include "regApi/registry_access.hpp"

namespace regApi {

// Windows only: the Windows registry itself. Made afresh for each reading, so
// a browser registered while the program runs is found.
std::unique_ptr<RegistryAccess> makeSystemRegistry();

}  // namespace regApi
