#include "state/table.h"

#include <string>

namespace koratsu {

namespace {
std::string Place(const std::source_location& where) {
  std::string file = where.file_name();
  auto src = file.rfind("/src/");
  if (src != std::string::npos) file = file.substr(src + 5);
  return file + ":" + std::to_string(where.line());
}
}  // namespace

void ReportOutOfRange(long long index, std::size_t capacity, const std::source_location& where) {
  LogLine(Place(where) + ": index " + std::to_string(index) + " is outside the table 0.." +
          std::to_string(capacity - 1) + "; read as empty, nothing written");
}

void ReportTableFull(std::size_t capacity, const std::source_location& where) {
  LogLine(Place(where) + ": the table of " + std::to_string(capacity) +
          " rows is full; nothing appended");
}

}  // namespace koratsu
