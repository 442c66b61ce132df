#pragma once
// Code page 932 (Shift-JIS with the Microsoft mapping: "～" is 0x81 0x60, half-width
// katakana are single bytes) for the save file. Game texts are UTF-8 everywhere else.

#include <iconv.h>

#include <string>
#include <string_view>

namespace koratsu::save {

// One pair of conversions, open for as long as the object lives; cheap to
// call for many short texts. Not for use from two threads at once.
class Cp932 {
 public:
  Cp932();
  ~Cp932();
  Cp932(const Cp932&) = delete;
  Cp932& operator=(const Cp932&) = delete;

  // Appends `utf8` in code page 932 to `out`. A character the code page has no
  // code for (or a broken UTF-8 sequence) is written as "?" and the result is false.
  bool Encode(std::string_view utf8, std::string& out);
  // Appends `cp932` as UTF-8 to `out`. False when the bytes are not code page
  // 932; `out` then holds what was converted before the fault.
  bool Decode(std::string_view cp932, std::string& out);

 private:
  iconv_t toCp932_;
  iconv_t toUtf8_;
};

}  // namespace koratsu::save
