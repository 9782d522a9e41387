#pragma once

#include "calculators/calculators.hpp"

namespace formular {

// The user's decimal and group separators from Qt's system locale, taken at
// each press. Qt reads them from the system when first asked (on Unix from
// LC_ALL, LC_NUMERIC or LANG) and rereads them only when told they changed.
calculators::RegionalSettings systemRegionalSettings();

}  // namespace formular
