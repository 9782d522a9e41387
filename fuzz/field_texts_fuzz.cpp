// Feeds arbitrary field texts to the number conversion and to every
// calculator. Each call must end in a result text or a numbered run-time
// error; anything else (another exception, a crash, a sanitizer report) is a
// finding.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calculators/calculators.hpp"
#include "runtime/runtime_error.hpp"

namespace {

using namespace calculators;

const char* const measurementKinds[] = {"dichte", "sg", "araeometer", "salinitaet", "leitwert"};
const char* const referenceTemperatures[] = {"25", "20", "15.56"};
const char* const carbonateSalts[] = {"nahco3", "na2co3"};

const RegionalSettings settings[] = {{",", "."}, {".", ","}, {".", "\u2019"}, {",", "\u00a0"}};

bool isKnownError(int number) {
    return number == runtime::InvalidArgument || number == runtime::Overflow ||
           number == runtime::DivisionByZero || number == runtime::TypeMismatch;
}

template <class Call>
void expectTextOrRuntimeError(Call&& call) {
    try {
        const std::string text = call();
        if (text.empty()) std::abort();
    } catch (const runtime::RuntimeError& e) {
        if (!isKnownError(e.number())) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const auto& rs = settings[in.ConsumeIntegralInRange<std::size_t>(0, std::size(settings) - 1)];
    const bool withMagnesium = in.ConsumeBool();
    const char* kind = measurementKinds[in.ConsumeIntegralInRange<std::size_t>(
        0, std::size(measurementKinds) - 1)];
    const char* reference = referenceTemperatures[in.ConsumeIntegralInRange<std::size_t>(
        0, std::size(referenceTemperatures) - 1)];
    const char* salt =
        carbonateSalts[in.ConsumeIntegralInRange<std::size_t>(0, std::size(carbonateSalts) - 1)];
    // The other calculators read the first few; the consumption all sixteen.
    std::string f[16];
    for (auto& field : f) field = in.ConsumeRandomLengthString(64);

    expectTextOrRuntimeError([&] {
        const double x = toNumber(f[0], rs);
        if (!std::isfinite(x)) std::abort();
        return toText(x, rs);
    });
    expectTextOrRuntimeError([&] { return newWaterResult(f[0], f[1], f[2], rs); });
    expectTextOrRuntimeError([&] { return densityChangeResult(f[0], f[1], f[2], rs); });
    expectTextOrRuntimeError([&] { return magnesiumResult(f[0], f[1], f[2], rs); });
    expectTextOrRuntimeError(
        [&] { return calciumResult(f[0], f[1], f[2], f[3], f[4], withMagnesium, rs); });
    // A conversion shows a salinity or says why it shows none.
    expectTextOrRuntimeError([&] {
        const auto r = measurementResult(kind, reference, f[0], f[1], rs);
        return r.salinity + r.hint;
    });
    // Dosing from consumption and raising KH show their results or say why not.
    expectTextOrRuntimeError([&] {
        const auto r = consumptionResult(f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9],
                                         f[10], f[11], f[12], f[13], f[14], f[15], rs);
        return r.calciumPerDay + r.hint;
    });
    expectTextOrRuntimeError([&] {
        const auto r = khRaiseResult(f[0], f[1], f[2], salt, rs);
        return r.grams + r.hint;
    });
    return 0;
}
