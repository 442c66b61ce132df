#pragma once
// One-line diagnostics: refused appends, indices outside a table, and other
// things the program survives but a developer wants to hear about.

#include <functional>
#include <string>

namespace koratsu {

// Writes one line to standard error (or to the installed sink).
void LogLine(const std::string& line);

// Replaces where log lines go; an empty function restores standard error.
// Tests use it to see that a refused write was reported.
void SetLogSink(std::function<void(const std::string&)> sink);

}  // namespace koratsu
