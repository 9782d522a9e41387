// Prints the core's answers over a large generated grid, one case a line:
// densities, salinity searches, number to text and back, truncation and the
// calculators through the web page's C interface, under four regional
// settings. Built natively and as WebAssembly, the two outputs must be equal
// byte for byte (tests/web/compare_core.sh).

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/calculators.hpp"
#include "runtime/runtime_error.hpp"
#include "seawater/eos80.hpp"
#include "seawater/pss78.hpp"
#include "seawater/specific_gravity.hpp"
#include "web/core_api.hpp"

namespace {

using calculators::RegionalSettings;

// German, English, French (narrow no-break space) and Swiss settings.
const RegionalSettings settings[] = {
    {",", "."},
    {".", ","},
    {",", "\u202f"},
    {".", "'"},
};

std::string out;

void line(std::string_view text) {
    out += text;
    out += '\n';
    if (out.size() > (1U << 20)) {
        std::fwrite(out.data(), 1, out.size(), stdout);
        out.clear();
    }
}

// std::bit_cast, which emscripten's libc++ lacks.
template <typename To, typename From>
To sameBits(From from) {
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

// Bits, not decimals: a difference in the last bit must show.
std::string bits(double x) {
    char buf[20];
    std::snprintf(buf, sizeof buf, "%016llx",
                  static_cast<unsigned long long>(sameBits<std::uint64_t>(x)));
    return buf;
}

// A fixed pseudo-random sequence (xorshift64*), the same on every platform.
struct Random {
    std::uint64_t state = 0x9e3779b97f4a7c15ULL;
    std::uint64_t next() {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        return state * 0x2545f4914f6cdd1dULL;
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
};

template <typename F>
std::string textOrError(F f) {
    try {
        return f();
    } catch (const runtime::RuntimeError& e) {
        return "error " + std::to_string(e.number());
    }
}

// A decimal written with the setting's separator ("1.023" -> "1,023").
std::string localised(std::string text, const RegionalSettings& rs) {
    std::string result;
    for (char c : text) {
        if (c == '.') {
            result += rs.decimalSeparator;
        } else {
            result += c;
        }
    }
    return result;
}

void densities() {
    for (int s = 0; s <= 168; ++s) {
        for (int t = -4; t <= 80; ++t) {
            for (double p : {0.0, 100.0, 1000.0}) {
                const double salinity = s * 0.25;
                const double temperature = t * 0.5;
                line("density " + bits(salinity) + " " + bits(temperature) + " " + bits(p) + " " +
                     bits(seawater::density(salinity, temperature, p)));
            }
        }
    }
}

void salinitySearches() {
    for (int d = 0; d <= 5500; ++d) {
        for (int t = 0; t <= 35; ++t) {
            const double rho = 990.0 + d * 0.01;
            const auto found = seawater::searchSalinity(rho, t);
            line("salinity " + bits(rho) + " " + std::to_string(t) + " " + bits(found.salinity) +
                 " " + std::to_string(found.steps) + (found.converged ? " converged" : " capped"));
        }
    }
}

// Values of every kind: raw bit patterns, amounts on the hundredth's edge,
// whole numbers and values around the exponent-form thresholds.
double someValue(Random& r) {
    switch (r.below(5)) {
        case 0: {
            const double x = sameBits<double>(r.next());
            return x == x && x - x == 0 ? x : 1.0;  // finite only
        }
        case 1:
            return static_cast<double>(r.below(2000000) - 1000000) / 1000.0 + 0.005;
        case 2:
            return static_cast<double>(r.below(100000000) - 50000000) / 100.0;
        case 3:
            return static_cast<double>(r.next() % 10000000000000000ULL) / 10.0;
        default: {
            double x = 1.0 + r.below(1000000) / 1000000.0;
            for (int i = r.below(44) - 22; i > 0; --i) x *= 10;
            for (int i = r.below(22); i > 0; --i) x /= 10;
            return r.below(2) ? x : -x;
        }
    }
}

void numbersToText() {
    Random r;
    for (int i = 0; i < 400000; ++i) {
        const double x = someValue(r);
        const RegionalSettings& rs = settings[i % 4];
        line("text " + bits(x) + " " + textOrError([&] { return calculators::toText(x, rs); }) +
             " " + textOrError([&] { return bits(calculators::truncate2(x)); }));
    }
}

// Texts a user might type, well formed or not, from the characters that
// matter to the conversion.
std::string someText(Random& r, const RegionalSettings& rs) {
    static const std::vector<std::string> pieces = {
        "0", "1", "2", "3",      "4", "5", "6", "7", "8", "9",     "000",   "123",
        ",", ".", "'", "\u202f", " ", "e", "E", "+", "-", "E+308", "e-330", "x",
    };
    if (r.below(2) == 0) {
        std::string text;
        for (int n = 1 + r.below(12); n > 0; --n)
            text += pieces[static_cast<std::size_t>(r.below(24))];
        return text;
    }
    std::string text = r.below(4) == 0 ? "-" : "";
    text += std::to_string(r.below(100000));
    if (r.below(2)) text += rs.decimalSeparator + std::to_string(r.next() % 100000000000ULL);
    if (r.below(3) == 0) text += "E" + std::to_string(r.below(700) - 350);
    return text;
}

void textsToNumber() {
    Random r;
    for (int i = 0; i < 100000; ++i) {
        const RegionalSettings& rs = settings[i % 4];
        const std::string text = someText(r, rs);
        line("number [" + text + "] " +
             textOrError([&] { return bits(calculators::toNumber(text, rs)); }));
    }
}

// Runs one calculator through the page's entry point; the answer is the
// error number (0 for none) and every result text, a report's line breaks
// shown as "|" and the texts parted by " ; ".
std::string answer(const char* calculator, std::vector<std::string> fields,
                   const RegionalSettings& rs) {
    std::vector<MareltoField> texts;
    for (const auto& f : fields) texts.push_back({f.data(), static_cast<int>(f.size())});
    const int number = marelto_calculate(calculator, texts.data(), static_cast<int>(texts.size()),
                                         rs.decimalSeparator.c_str(), rs.groupSeparator.c_str());
    std::string text = std::to_string(number) + " ";
    for (int i = 0; i < marelto_result_count(); ++i) {
        if (i > 0) text += " ; ";
        for (std::string_view rest = marelto_result(i); !rest.empty(); rest.remove_prefix(1)) {
            if (rest.starts_with("\r\n")) {
                text += '|';
                rest.remove_prefix(1);
            } else {
                text += rest.front();
            }
        }
    }
    return text;
}

void calculatorsThroughTheInterface() {
    const char* temperatures[] = {"0", "10", "25", "35", "-5", "x", ""};
    const char* litres[] = {"20", "-20", "0", "123.45", "1e300", "abc"};
    const char* magnesium[] = {"1200", "1221", "1300", "1250", "0", "1e10", "655341"};
    for (const RegionalSettings& rs : settings) {
        for (int d = 980; d <= 1050; ++d) {
            const std::string density = localised(std::to_string(d / 1000.0), rs);
            for (const char* t : temperatures) {
                for (const char* l : litres) {
                    const std::string volume = localised(l, rs);
                    line("new " + density + " " + t + " " + volume + " " +
                         answer("new_water", {density, t, volume}, rs));
                }
            }
            for (int n = 1000; n <= 1040; n += 4) {
                const std::string wanted = localised(std::to_string(n / 1000.0), rs);
                for (const char* l : litres) {
                    const std::string volume = localised(l, rs);
                    line("change " + density + " " + wanted + " " + volume + " " +
                         answer("density_change", {density, wanted, volume}, rs));
                }
            }
        }
        for (const char* l : litres) {
            const std::string volume = localised(l, rs);
            for (const char* now : magnesium) {
                for (const char* wanted : magnesium) {
                    line("magnesium " + volume + " " + now + " " + wanted + " " +
                         answer("magnesium", {volume, now, wanted}, rs));
                    for (const char* ca : {"380", "400", "420", "500", "x"}) {
                        for (int with = 0; with <= 1; ++with) {
                            line("calcium " + volume + " " + ca + " " + now + " " + wanted + " " +
                                 std::to_string(with) + " " +
                                 answer("calcium",
                                        {volume, "380", now, ca, wanted, std::to_string(with)},
                                        rs));
                        }
                    }
                }
            }
        }
    }
}

// Every kind of reading over its range and beyond, at temperatures inside
// and outside where the formulas hold, and the exact inverses on their own.
void measurements() {
    struct Kind {
        const char* name;
        double first, step;
        int count;
    };
    const Kind kinds[] = {
        {"dichte", 0.990, 0.0005, 100},    {"sg", 0.995, 0.0005, 80},
        {"araeometer", 0.995, 0.0005, 80}, {"salinitaet", -1.0, 0.5, 90},
        {"leitwert", -1.0, 0.75, 90},
    };
    const std::string temperatures[] = {"-3", "-2", "0",  "12.5", "25",
                                        "26", "35", "36", "x",    std::string("25\0abc", 6)};
    for (const RegionalSettings& rs : settings) {
        for (const Kind& kind : kinds) {
            for (const char* reference : {"25", "20", "15.56"}) {
                for (int i = 0; i < kind.count; ++i) {
                    const std::string reading =
                        localised(std::to_string(kind.first + i * kind.step), rs);
                    for (const std::string& t : temperatures) {
                        const std::string temperature = localised(t, rs);
                        // Written out, since node's stdout ends a line at a NUL.
                        std::string shown = temperature;
                        if (const auto nul = shown.find('\0'); nul != std::string::npos) {
                            shown.replace(nul, 1, "<NUL>");
                        }
                        line("measurement " + std::string(kind.name) + " " + reference + " " +
                             reading + " " + shown + " " +
                             answer("measurement", {kind.name, reference, reading, temperature},
                                    rs));
                    }
                }
            }
        }
    }
    for (int s = 0; s <= 420; ++s) {
        for (int t = -2; t <= 35; t += 1) {
            const double salinity = s * 0.1;
            const double rho = seawater::density0(salinity, t);
            const double c =
                salinity >= 2.0 ? seawater::conductivityFromSalinity(salinity, t) : 0.0;
            line("inverse " + bits(salinity) + " " + std::to_string(t) + " " +
                 bits(seawater::salinityFromDensity(rho, t).value_or(-1.0)) + " " +
                 bits(seawater::salinityFromSpecificGravity(seawater::specificGravity(salinity, t),
                                                            t)
                          .value_or(-1.0)) +
                 " " + bits(c) + " " + bits(seawater::salinityFromConductivity(c, t)));
        }
    }
}

// A week's tests and doses around the start texts, including what must be
// refused: no volume, no days, no strength, no canister, a rise, a text.
void dosing() {
    const char* litres[] = {"300", "100", "0", "x"};
    const char* days[] = {"7", "1", "0"};
    const char* calciumSecond[] = {"420", "416", "430", "440"};
    const char* khSecond[] = {"6.6", "7.3", "8", "4"};
    const char* dosed[] = {"0", "10", "-1"};
    const char* solution2[] = {"84", "0"};
    const char* canister[] = {"5", "0"};
    for (const RegionalSettings& rs : settings) {
        for (const char* l : litres) {
            for (const char* d : days) {
                for (const char* ca : calciumSecond) {
                    for (const char* kh : khSecond) {
                        for (const char* ml : dosed) {
                            for (const char* s2 : solution2) {
                                for (const char* c : canister) {
                                    const std::vector<std::string> fields = {l,
                                                                             d,
                                                                             "430",
                                                                             ca,
                                                                             ml,
                                                                             localised("8.0", rs),
                                                                             localised(kh, rs),
                                                                             ml,
                                                                             "1300",
                                                                             "1295",
                                                                             ml,
                                                                             localised("73.5", rs),
                                                                             s2,
                                                                             localised("75.8", rs),
                                                                             localised("9.5", rs),
                                                                             c};
                                    std::string key = "consumption";
                                    for (const auto& f : fields) key += " " + f;
                                    line(key + " " + answer("consumption", fields, rs));
                                }
                            }
                        }
                    }
                }
            }
        }
        for (const char* l : litres) {
            for (const char* now : {"7", "6.5", "8", "0", "12"}) {
                for (const char* target : {"8", "7", "9.25", "12", "-1"}) {
                    for (const char* salt : {"nahco3", "na2co3", "caco3"}) {
                        const std::vector<std::string> fields = {l, localised(now, rs),
                                                                 localised(target, rs), salt};
                        line("kh " + fields[0] + " " + fields[1] + " " + fields[2] + " " + salt +
                             " " + answer("kh_raise", fields, rs));
                    }
                }
            }
        }
    }
}

}  // namespace

int main() {
    densities();
    salinitySearches();
    numbersToText();
    textsToNumber();
    calculatorsThroughTheInterface();
    measurements();
    dosing();
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
