// Costs of the calculation core. Targets on the two-core development machine:
// the checked salinity search within 1.5x its unchecked twin, and every
// calculator under 5 microseconds on its default texts.

#include <benchmark/benchmark.h>

#include "calculators/calculators.hpp"
#include "seawater/eos80.hpp"
#include "seawater/pss78.hpp"
#include "seawater/specific_gravity.hpp"
#include "unchecked_eos80.hpp"

namespace {

const calculators::RegionalSettings german{",", "."};

void Density0Checked(benchmark::State& state) {
    double s = 35.0;
    for (auto _ : state) benchmark::DoNotOptimize(seawater::density0(s, 25.0));
    benchmark::ClobberMemory();
}
void Density0Unchecked(benchmark::State& state) {
    double s = 35.0;
    for (auto _ : state) benchmark::DoNotOptimize(unchecked::density0(s, 25.0));
}
void DensityChecked(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(seawater::density(35.0, 25.0, 1000.0));
}
void DensityUnchecked(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(unchecked::density(35.0, 25.0, 1000.0));
}
void SalinitydChecked(benchmark::State& state, double rho) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(rho);
        benchmark::DoNotOptimize(seawater::salinityd(rho, 25.0));
    }
}
void SalinitydUnchecked(benchmark::State& state, double rho) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(rho);
        benchmark::DoNotOptimize(unchecked::salinityd(rho, 25.0));
    }
}
// The full-precision inverses, against the salinity search above: a
// bisection to the last double takes about 53 steps instead of 12.
void SalinityFromDensity(benchmark::State& state) {
    double rho = 1023.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rho);
        benchmark::DoNotOptimize(seawater::salinityFromDensity(rho, 25.0));
    }
}
void SalinityFromSpecificGravity(benchmark::State& state) {
    double sg = 1.0264;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sg);
        benchmark::DoNotOptimize(seawater::salinityFromSpecificGravity(sg, 25.0));
    }
}
void ConductivityFromSalinity(benchmark::State& state) {
    double s = 35.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(seawater::conductivityFromSalinity(s, 25.0));
    }
}

void NewWater(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(calculators::newWaterResult("1,023", "25", "20", german));
}
void DensityChange(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(calculators::densityChangeResult("1,023", "1,024", "20", german));
}
void Magnesium(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(calculators::magnesiumResult("300", "1200", "1300", german));
}
void Calcium(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            calculators::calciumResult("300", "380", "1200", "500", "1300", true, german));
}

}  // namespace

BENCHMARK(Density0Checked);
BENCHMARK(Density0Unchecked);
BENCHMARK(DensityChecked);
BENCHMARK(DensityUnchecked);
BENCHMARK_CAPTURE(SalinitydChecked, 1023, 1023.0);
BENCHMARK_CAPTURE(SalinitydUnchecked, 1023, 1023.0);
BENCHMARK_CAPTURE(SalinitydChecked, 1500_capped, 1500.0);
BENCHMARK_CAPTURE(SalinitydUnchecked, 1500_capped, 1500.0);
BENCHMARK(SalinityFromDensity);
BENCHMARK(SalinityFromSpecificGravity);
BENCHMARK(ConductivityFromSalinity);
BENCHMARK(NewWater);
BENCHMARK(DensityChange);
BENCHMARK(Magnesium);
BENCHMARK(Calcium);

BENCHMARK_MAIN();
