#include "save/result.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace koratsu::save {

namespace {

// Length of the well-formed UTF-8 character at the start of `text`, or 0.
std::size_t CharacterLength(std::string_view text) {
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length;
  unsigned low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (byte(k) < 0x80 || byte(k) > 0xBF) return 0;
  return length;
}

void AppendByteEscape(std::string& out, unsigned char c) {
  static constexpr char kDigits[] = "0123456789abcdef";
  out += "\\x";
  out.push_back(kDigits[c >> 4]);
  out.push_back(kDigits[c & 15]);
}

}  // namespace

Result Success() { return {true, {}}; }

Result Failure(std::string error) { return {false, std::move(error)}; }

Result SystemFailure(std::string_view what, std::string_view path) {
  const char* reason = std::strerror(errno);
  return Failure(std::string(what) + " " + Quoted(path) + ": " + reason);
}

std::string Quoted(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out.push_back('"');
  while (!text.empty()) {
    std::size_t length = CharacterLength(text);
    auto c = static_cast<unsigned char>(text.front());
    if (length == 0) {
      AppendByteEscape(out, c);
      length = 1;
    } else if (length == 2 && c == 0xC2 && static_cast<unsigned char>(text[1]) < 0xA0) {
      // The C1 controls, which a terminal obeys as well.
      AppendByteEscape(out, c);
      AppendByteEscape(out, static_cast<unsigned char>(text[1]));
    } else if (length > 1) {
      out.append(text.substr(0, length));
    } else if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(static_cast<char>(c));
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      AppendByteEscape(out, c);
    } else {
      out.push_back(static_cast<char>(c));
    }
    text.remove_prefix(length);
  }
  out.push_back('"');
  return out;
}

}  // namespace koratsu::save
