#pragma once

#include <string>

namespace regApi {

// Starts a command line as a new, independent process and does not wait for
// it. Windows hands the whole line to CreateProcessA with a normal window
// that takes the focus; elsewhere the line is split with splitCommand, the
// program looked up on PATH and started without a shell. False when nothing
// was started (no program, a program that does not exist or cannot run).
bool startDetachedProcess(const std::string& commandLine);

}  // namespace regApi
