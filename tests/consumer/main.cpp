#include <string>

#include "calculators/calculators.hpp"
#include "runtime/runtime_error.hpp"

int main() {
    const calculators::RegionalSettings german{",", "."};
    if (calculators::newWaterResult("1,023", "25", "20", german) !=
        "690,91 Gramm Meersalz werden benötigt") {
        return 1;
    }
    try {
        (void)calculators::toNumber("x", german);
    } catch (const runtime::RuntimeError& e) {
        return e.number() == 13 ? 0 : 1;
    }
    return 1;
}
