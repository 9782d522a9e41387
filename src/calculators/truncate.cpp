#include "calculators/calculators.hpp"
#include "runtime/checked.hpp"

namespace calculators {

double truncate2(double x) {
    using namespace runtime::checked;
    // Cut, never rounded: a keeper must not be told to add more than computed.
    return div(floorOf(mul(x, 100.0)), 100.0);
}

}  // namespace calculators
