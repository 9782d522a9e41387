#pragma once

#include "calculators/calculators.hpp"

namespace testsupport {

// The two settings the calculators are tested under.
inline const calculators::RegionalSettings german{",", "."};
inline const calculators::RegionalSettings english{".", ","};

}  // namespace testsupport
