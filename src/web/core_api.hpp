#pragma once

// The calculators for the web page, behind one C function a WebAssembly
// module exports. Every text is UTF-8; `dec` and `group` are the browser's
// decimal and group separators.

extern "C" {

// One field's text with its length in bytes, so that a NUL inside it reaches
// the number rules (and is refused there) instead of cutting the text short.
struct MareltoField {
    const char* text;
    int length;
};

// Runs the calculator named `calculator` ("new_water", "density_change",
// "magnesium", "calcium", "measurement", "consumption", "kh_raise") on its `count` field texts, in
// the order of its panel. Returns 0 when it computed its results, or the run-time error number it
// ended with. marelto_result() then gives each result text in turn, or the error's German text as
// the one result.
int marelto_calculate(const char* calculator, const MareltoField* fields, int count,
                      const char* dec, const char* group);

// How many texts the last call left, and each of them; valid until the next
// call.
int marelto_result_count();
const char* marelto_result(int index);
}
