#include "save/cp932.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace koratsu::save {

namespace {

const iconv_t kNoConversion = reinterpret_cast<iconv_t>(-1);

iconv_t Open(const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  // glibc always has both; without them no game could be saved or loaded.
  if (cd == kNoConversion) std::abort();
  return cd;
}

bool IsAscii(std::string_view text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

// Length of the UTF-8 sequence starting with `lead`, at least 1.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// Runs `cd` over `in`, appending to `out`. On a character it cannot convert,
// stops there and returns false with `in` pointing at it.
bool Convert(iconv_t cd, std::string_view& in, std::string& out) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* source = const_cast<char*>(in.data());
  std::size_t sourceLeft = in.size();
  while (sourceLeft > 0) {
    char buffer[512];
    char* target = buffer;
    std::size_t targetLeft = sizeof buffer;
    std::size_t result = iconv(cd, &source, &sourceLeft, &target, &targetLeft);
    out.append(buffer, static_cast<std::size_t>(target - buffer));
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      in = std::string_view(source, sourceLeft);
      return false;
    }
  }
  in = {};
  return true;
}

}  // namespace

Cp932::Cp932() : toCp932_(Open("CP932", "UTF-8")), toUtf8_(Open("UTF-8", "CP932")) {}

Cp932::~Cp932() {
  iconv_close(toCp932_);
  iconv_close(toUtf8_);
}

bool Cp932::Encode(std::string_view utf8, std::string& out) {
  // The two code sets agree on every byte below 0x80.
  if (IsAscii(utf8)) {
    out.append(utf8);
    return true;
  }
  bool whole = true;
  while (!Convert(toCp932_, utf8, out)) {
    whole = false;
    out.push_back('?');
    if (utf8.empty()) break;
    std::size_t skip = std::min(SequenceLength(static_cast<unsigned char>(utf8.front())), utf8.size());
    utf8.remove_prefix(skip);
  }
  return whole;
}

bool Cp932::Decode(std::string_view cp932, std::string& out) {
  if (IsAscii(cp932)) {
    out.append(cp932);
    return true;
  }
  return Convert(toUtf8_, cp932, out);
}

}  // namespace koratsu::save
