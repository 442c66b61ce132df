#include "state/value.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

#include "state/log.h"

namespace koratsu {

// Texts are immutable, reference-counted blocks; copies share them. The game
// runs on one thread, so the count needs no atomics.
struct Value::TextBlock {
  std::uint32_t refs;
  std::uint32_t size;
  char chars[1];
};

namespace {

// Counted only where a block is made or freed, never on the number paths.
std::size_t liveTextBlocks = 0;

double BitsDouble(std::uint64_t bits) {
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

}  // namespace

Value::Value(const char* text) : Value(std::string_view(text ? text : "")) {}

Value::Value(std::string_view text) {
  void* memory = std::malloc(offsetof(TextBlock, chars) + text.size() + 1);
  if (!memory) throw std::bad_alloc();
  auto* block = static_cast<TextBlock*>(memory);
  block->refs = 1;
  block->size = static_cast<std::uint32_t>(text.size());
  std::memcpy(block->chars, text.data(), text.size());
  block->chars[text.size()] = '\0';
  auto address = reinterpret_cast<std::uint64_t>(block);
  if (address & ~kPointerMask) {
    // Cannot happen with the 48-bit addresses of the platforms we build for.
    std::abort();
  }
  bits_ = kTextTag | address;
  ++liveTextBlocks;
}

std::size_t LiveTextBlocks() { return liveTextBlocks; }

Value::TextBlock* Value::Block() const {
  return reinterpret_cast<TextBlock*>(bits_ & kPointerMask);
}

void Value::Retain() const noexcept {
  if (IsText()) ++Block()->refs;
}

void Value::Release() noexcept {
  if (IsText()) {
    TextBlock* block = Block();
    if (--block->refs == 0) {
      std::free(block);
      --liveTextBlocks;
    }
  }
}

Value& Value::AssignText(const Value& other) noexcept {
  if (this != &other) {
    other.Retain();
    Release();
    bits_ = other.bits_;
  }
  return *this;
}

std::string_view Value::TextView() const {
  if (!IsText()) return {};
  const TextBlock* block = Block();
  return {block->chars, block->size};
}

double Value::TextNum() const {
  double parsed = 0;
  return ParseNumber(TextView(), parsed) ? parsed : 0;
}

bool Value::IsNumeric() const {
  if (IsEmpty()) return false;
  if (!IsText()) return true;
  double ignored;
  return ParseNumber(TextView(), ignored);
}

std::string Value::Str() const {
  if (IsEmpty()) return {};
  if (IsText()) return std::string(TextView());
  return NumberText(BitsDouble(bits_));
}

long long Value::Index() const {
  double n = Num();
  if (!(n > -9.2e18 && n < 9.2e18)) return -1;  // far outside every table
  return std::llrint(n);
}

Value& Value::operator+=(const Value& other) { return *this = *this + other; }
Value& Value::operator-=(const Value& other) { return *this = *this - other; }
Value& Value::operator*=(const Value& other) { return *this = *this * other; }
Value& Value::operator/=(const Value& other) { return *this = *this / other; }

Value operator+(const Value& a, const Value& b) {
  bool joinA = a.IsText() || a.IsEmpty();
  bool joinB = b.IsText() || b.IsEmpty();
  if (joinA && joinB && (a.IsText() || b.IsText())) {
    std::string joined(a.TextView());
    joined.append(b.TextView());
    return Value(std::string_view(joined));
  }
  return Value(a.Num() + b.Num());
}

Value operator-(const Value& a, const Value& b) { return Value(a.Num() - b.Num()); }
Value operator*(const Value& a, const Value& b) { return Value(a.Num() * b.Num()); }

Value operator/(const Value& a, const Value& b) {
  double divisor = b.Num();
  if (divisor == 0) {
    LogLine("division by zero (" + a.Str() + " / 0) gives 0");
    return Value(0);
  }
  return Value(a.Num() / divisor);
}

Value operator-(const Value& a) { return Value(-a.Num()); }

bool EqualValues(const Value& a, const Value& b) {
  if (a.IsText() && b.IsText()) return a.TextView() == b.TextView();
  if (a.IsEmpty() && b.IsEmpty()) return true;
  if (a.IsEmpty()) return b.IsText() ? b.TextView().empty() : b.Num() == 0;
  if (b.IsEmpty()) return a.IsText() ? a.TextView().empty() : a.Num() == 0;
  if (!a.IsText() && !b.IsText()) return a.Num() == b.Num();
  // One number, one text: equal only when the text reads as that number.
  const Value& text = a.IsText() ? a : b;
  const Value& number = a.IsText() ? b : a;
  double parsed;
  return ParseNumber(text.TextView(), parsed) && parsed == number.Num();
}

bool LessValue(const Value& a, const Value& b) {
  if (a.IsText() && b.IsText()) return a.TextView() < b.TextView();
  return a.Num() < b.Num();
}


std::string NumberText(double x) {
  if (std::isnan(x)) return "NaN";
  if (std::isinf(x)) return x > 0 ? "Infinity" : "-Infinity";
  if (x == 0) return "0";
  if (x == std::floor(x) && std::fabs(x) < 1e15) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.0f", x);
    return buffer;
  }
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15G", x);
  std::string text(buffer);
  // "%G" keeps trailing zeros out, but writes exponents with at least two digits
  // already ("1E+15", "1.5E-05"), which is the form we want.
  return text;
}

bool ParseNumber(std::string_view text, double& out) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
  while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  if (begin == end) return false;
  std::string body(text.substr(begin, end - begin));
  bool negative = false;
  std::size_t pos = 0;
  if (body[0] == '-' || body[0] == '+') {
    negative = body[0] == '-';
    pos = 1;
  }
  std::string digits = body.substr(pos);
  if (digits.empty()) return false;
  if (digits[0] == '.') digits.insert(digits.begin(), '0');  // ".5" and "-.25"
  if (digits[0] < '0' || digits[0] > '9') return false;      // no "inf", "nan", "--1"
  double value = 0;
  auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                   std::chars_format::general);
  if (ec != std::errc() || ptr != digits.data() + digits.size()) return false;
  out = negative ? -value : value;
  if (out == 0) out = 0;
  return true;
}

Money Money::FromNumber(double yen) {
  Money m;
  m.scaled_ = std::llround(yen * 10000.0);
  return m;
}

}  // namespace koratsu
