#pragma once

// The calculators for the web page, as plain C functions a WebAssembly
// module exports. Every text is UTF-8; `dec` and `group` are the browser's
// decimal and group separators. Each function returns 0 when it computed its
// result, or the run-time error number it ended with; marelto_text() then
// gives the result text or the error's German text.

extern "C" {

int marelto_new_water(const char* density, const char* temperature, const char* litres,
                      const char* dec, const char* group);

int marelto_density_change(const char* densityNow, const char* densityNew, const char* litres,
                           const char* dec, const char* group);

int marelto_magnesium(const char* litres, const char* present, const char* wanted, const char* dec,
                      const char* group);

int marelto_calcium(const char* litres, const char* calciumNow, const char* magnesiumNow,
                    const char* calciumWanted, const char* magnesiumWanted, int withMagnesium,
                    const char* dec, const char* group);

// The text of the last call; valid until the next call.
const char* marelto_text();
}
