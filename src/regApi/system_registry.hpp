#pragma once

#include <memory>

#include "regApi/registry_access.hpp"

namespace regApi {

// The platform's registry: the Windows registry itself, or on freedesktop
// systems a registry that answers the web-address command key from the
// desktop's URL associations and knows no other key. Made afresh for each
// reading, so a browser registered while the program runs is found.
std::unique_ptr<RegistryAccess> makeSystemRegistry();

}  // namespace regApi
