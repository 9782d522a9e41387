#include "web/core_api.hpp"

#include <array>
#include <cstddef>
#include <new>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/calculators.hpp"
#include "runtime/runtime_error.hpp"

namespace {

using calculators::RegionalSettings;
using Fields = std::span<const std::string_view>;
using Results = std::vector<std::string>;

// One row per calculator: its name on the page, how many field texts it
// reads, and the call from those texts to its result texts.
struct Calculator {
    std::string_view name;
    std::size_t fields;
    Results (*run)(Fields, const RegionalSettings&);
};

// The check box of the calcium panel arrives as "1" (ticked) or "0".
bool ticked(std::string_view text) { return text == "1"; }

constexpr std::array<Calculator, 7> calculatorTable{{
    {"new_water", 3,
     [](Fields f, const RegionalSettings& rs) -> Results {
         return {calculators::newWaterResult(f[0], f[1], f[2], rs)};
     }},
    {"density_change", 3,
     [](Fields f, const RegionalSettings& rs) -> Results {
         return {calculators::densityChangeResult(f[0], f[1], f[2], rs)};
     }},
    {"magnesium", 3,
     [](Fields f, const RegionalSettings& rs) -> Results {
         return {calculators::magnesiumResult(f[0], f[1], f[2], rs)};
     }},
    {"calcium", 6,
     [](Fields f, const RegionalSettings& rs) -> Results {
         return {calculators::calciumResult(f[0], f[1], f[2], f[3], f[4], ticked(f[5]), rs)};
     }},
    {"measurement", 4,
     [](Fields f, const RegionalSettings& rs) -> Results {
         auto r = calculators::measurementResult(f[0], f[1], f[2], f[3], rs);
         return {std::move(r.salinity),       std::move(r.density),     std::move(r.gravity2525),
                 std::move(r.gravity2020),    std::move(r.gravity6060), std::move(r.conductivity),
                 std::move(r.conductivity25), std::move(r.hint)};
     }},
    {"consumption", 16,
     [](Fields f, const RegionalSettings& rs) -> Results {
         auto r =
             calculators::consumptionResult(f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8],
                                            f[9], f[10], f[11], f[12], f[13], f[14], f[15], rs);
         return {
             std::move(r.calciumPerDay), std::move(r.khPerDay),      std::move(r.magnesiumPerDay),
             std::move(r.millilitres1),  std::move(r.millilitres2),  std::move(r.millilitres3),
             std::move(r.canisterDays1), std::move(r.canisterDays2), std::move(r.canisterDays3),
             std::move(r.ratio),         std::move(r.hint)};
     }},
    {"kh_raise", 4,
     [](Fields f, const RegionalSettings& rs) -> Results {
         auto r = calculators::khRaiseResult(f[0], f[1], f[2], f[3], rs);
         return {std::move(r.grams), std::move(r.days), std::move(r.hint)};
     }},
}};

// The page is single-threaded: one call at a time, each read back at once.
Results lastResults;

std::string_view text(const char* text) { return text == nullptr ? std::string_view() : text; }

const Calculator* calculatorNamed(std::string_view name) {
    for (const auto& calculator : calculatorTable) {
        if (calculator.name == name) return &calculator;
    }
    return nullptr;
}

Results calculate(std::string_view name, const MareltoField* fields, int count,
                  const RegionalSettings& rs) {
    const Calculator* calculator = calculatorNamed(name);
    // A page that asks for what is not there is a fault of the page.
    if (calculator == nullptr || fields == nullptr || count < 0 ||
        static_cast<std::size_t>(count) != calculator->fields) {
        throw runtime::RuntimeError(runtime::InvalidArgument);
    }
    std::vector<std::string_view> texts;
    texts.reserve(calculator->fields);
    for (int i = 0; i < count; ++i) {
        const MareltoField& field = fields[i];
        if (field.length < 0 || (field.text == nullptr && field.length > 0)) {
            throw runtime::RuntimeError(runtime::InvalidArgument);
        }
        texts.emplace_back(field.length == 0 ? "" : field.text,
                           static_cast<std::size_t>(field.length));
    }
    return calculator->run(texts, rs);
}

}  // namespace

extern "C" {

int marelto_calculate(const char* calculator, const MareltoField* fields, int count,
                      const char* dec, const char* group) {
    try {
        lastResults = calculate(text(calculator), fields, count,
                                RegionalSettings{std::string(text(dec)), std::string(text(group))});
        return 0;
    } catch (const runtime::RuntimeError& error) {
        lastResults = {error.what()};
        return error.number();
    } catch (const std::bad_alloc&) {
        lastResults = {runtime::standardText(runtime::OutOfMemory)};
        return runtime::OutOfMemory;
    }
}

int marelto_result_count() { return static_cast<int>(lastResults.size()); }

const char* marelto_result(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= lastResults.size()) return "";
    return lastResults[static_cast<std::size_t>(index)].c_str();
}
}
