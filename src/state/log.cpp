#include "state/log.h"

#include <cstdio>
#include <utility>

namespace koratsu {

namespace {
std::function<void(const std::string&)>& Sink() {
  static std::function<void(const std::string&)> sink;
  return sink;
}
}  // namespace

void LogLine(const std::string& line) {
  if (Sink()) {
    Sink()(line);
    return;
  }
  std::fprintf(stderr, "koratsu: %s\n", line.c_str());
}

void SetLogSink(std::function<void(const std::string&)> sink) { Sink() = std::move(sink); }

}  // namespace koratsu
