#pragma once

#include "calculators/calculators.hpp"

namespace formular {

// The user's decimal and group separators as Qt reads them from the system
// (LC_ALL, LC_NUMERIC or LANG on Unix), looked up afresh on every press.
calculators::RegionalSettings systemRegionalSettings();

}  // namespace formular
