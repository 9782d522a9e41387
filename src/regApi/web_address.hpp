#pragma once

#include <string>
#include <string_view>

namespace regApi {

// Whether the address is one a browser is started for: http or https, the
// scheme in any letter case.
bool isWebAddress(std::string_view address);

// Whether a program is a batch file, which Windows runs through the command
// interpreter and its own reading of the arguments.
bool isCommandScript(std::string_view programPath);

// The address as one argument that nothing on its way can end or split:
// quotes, blanks and control characters are percent-encoded, and for a
// command script also the interpreter's & | < > ^ %.
std::string addressArgument(std::string_view address, bool forCommandScript);

}  // namespace regApi
