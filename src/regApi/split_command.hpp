#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace regApi {

// Splits a command line into program and arguments the way
// QProcess::splitCommand does: blanks separate, double quotes group, three
// double quotes in a row stand for one literal quote, and there are no escape
// characters. Only ASCII white space separates.
std::vector<std::string> splitCommand(std::string_view commandLine);

}  // namespace regApi
