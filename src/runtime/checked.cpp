#include "runtime/checked.hpp"

namespace runtime::checked {

// Out of line so that the hot inline checks stay small.
void fail(int number) { throw RuntimeError(number); }

}  // namespace runtime::checked
