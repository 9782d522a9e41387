#include "web/core_api.hpp"

#include <new>
#include <string>
#include <string_view>

#include "calculators/calculators.hpp"
#include "runtime/runtime_error.hpp"

namespace {

// The page is single-threaded: one call at a time, each read back at once.
std::string lastText;

std::string_view field(const char* text) { return text == nullptr ? std::string_view() : text; }

calculators::RegionalSettings settings(const char* dec, const char* group) {
    return {std::string(field(dec)), std::string(field(group))};
}

template <typename Calculation>
int run(Calculation calculation) {
    try {
        lastText = calculation();
        return 0;
    } catch (const runtime::RuntimeError& error) {
        lastText = error.what();
        return error.number();
    } catch (const std::bad_alloc&) {
        lastText = runtime::standardText(runtime::OutOfMemory);
        return runtime::OutOfMemory;
    }
}

}  // namespace

extern "C" {

int marelto_new_water(const char* density, const char* temperature, const char* litres,
                      const char* dec, const char* group) {
    return run([&] {
        return calculators::newWaterResult(field(density), field(temperature), field(litres),
                                           settings(dec, group));
    });
}

int marelto_density_change(const char* densityNow, const char* densityNew, const char* litres,
                           const char* dec, const char* group) {
    return run([&] {
        return calculators::densityChangeResult(field(densityNow), field(densityNew), field(litres),
                                                settings(dec, group));
    });
}

int marelto_magnesium(const char* litres, const char* present, const char* wanted, const char* dec,
                      const char* group) {
    return run([&] {
        return calculators::magnesiumResult(field(litres), field(present), field(wanted),
                                            settings(dec, group));
    });
}

int marelto_calcium(const char* litres, const char* calciumNow, const char* magnesiumNow,
                    const char* calciumWanted, const char* magnesiumWanted, int withMagnesium,
                    const char* dec, const char* group) {
    return run([&] {
        return calculators::calciumResult(field(litres), field(calciumNow), field(magnesiumNow),
                                          field(calciumWanted), field(magnesiumWanted),
                                          withMagnesium != 0, settings(dec, group));
    });
}

const char* marelto_text() { return lastText.c_str(); }
}
