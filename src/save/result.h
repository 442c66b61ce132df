#pragma once
// How saving and loading report a failure: a result with the reason, for the
// log. The reasons quote what the file or the player gave them, escaped, so
// that a crafted file cannot write control sequences to the terminal.

#include <string>
#include <string_view>

namespace koratsu::save {

struct Result {
  bool ok = false;
  std::string error;  // what went wrong, for the log; empty on success

  explicit operator bool() const { return ok; }
};

Result Success();
Result Failure(std::string error);
// A system call that failed on `path`, with the system's reason (from errno).
Result SystemFailure(std::string_view what, std::string_view path);

// `text` between double quotes, for a log line. UTF-8 characters stay as
// they are; control characters, the quote and the backslash are escaped
// ("\n", "\x1b", "\""), and so is every byte that is not part of a UTF-8
// character ("\x81").
std::string Quoted(std::string_view text);

}  // namespace koratsu::save
