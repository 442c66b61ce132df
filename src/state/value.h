#pragma once
// The game's dynamic value: empty, a number or a text.
//
// Every game value behaves this way: empty reads as 0 where a number is
// expected and as "" where a text is expected; numbers are doubles; joining a
// number to a text writes it with up to 15 significant digits (0.1 + 0.2 joins
// as "0.3"). A Value is 8 bytes: numbers are stored as doubles, and empty and
// texts live in NaN payloads that no arithmetic result can take (every NaN a
// calculation produces is stored as the canonical quiet NaN).

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace koratsu {

class Value {
 public:
  Value() noexcept : bits_(kEmptyBits) {}
  Value(double number) noexcept : bits_(NumberBits(number)) {}  // NOLINT: numbers convert implicitly, as in rule code
  Value(int number) noexcept : Value(static_cast<double>(number)) {}
  Value(long number) noexcept : Value(static_cast<double>(number)) {}
  Value(long long number) noexcept : Value(static_cast<double>(number)) {}
  Value(unsigned number) noexcept : Value(static_cast<double>(number)) {}
  Value(const char* text);
  Value(std::string_view text);
  Value(const std::string& text) : Value(std::string_view(text)) {}

  // Numbers and empty values are copied, moved and dropped here; only texts,
  // which share a counted block, go out of line.
  Value(const Value& other) noexcept : bits_(other.bits_) {
    if (IsText()) Retain();
  }
  Value(Value&& other) noexcept : bits_(other.bits_) { other.bits_ = kEmptyBits; }
  Value& operator=(const Value& other) noexcept {
    if (IsText() || other.IsText()) return AssignText(other);
    bits_ = other.bits_;
    return *this;
  }
  Value& operator=(Value&& other) noexcept {
    if (this != &other) {
      if (IsText()) Release();
      bits_ = other.bits_;
      other.bits_ = kEmptyBits;
    }
    return *this;
  }
  ~Value() {
    if (IsText()) Release();
  }

  static Value Text(std::string_view text) { return Value(text); }

  bool IsEmpty() const { return bits_ == kEmptyBits; }
  bool IsText() const { return (bits_ & kTagMask) == kTextTag; }
  // Every number lies below the tags in the bits' order: the largest is
  // negative infinity, and a NaN is stored as the canonical positive one.
  bool IsNumber() const { return bits_ < kEmptyBits; }

  // The value as a number: empty is 0, a text is read as a number (0 when it is none).
  double Num() const {
    if (IsNumber()) return std::bit_cast<double>(bits_);
    return IsEmpty() ? 0 : TextNum();
  }
  // The value as a text: empty is "", a number its shortest display form.
  std::string Str() const;
  // The characters of a text value; "" for empty and numbers.
  std::string_view TextView() const;
  // The value as a table index or whole count: empty is 0, fractions round to even.
  long long Index() const;
  // True for a number, or a text that reads as one; empty is not.
  bool IsNumeric() const;

  Value& operator+=(const Value& other);
  Value& operator-=(const Value& other);
  Value& operator*=(const Value& other);
  Value& operator/=(const Value& other);

  // Raw representation, for the save file and tests.
  std::uint64_t Bits() const { return bits_; }

 private:
  static constexpr std::uint64_t kTagMask = 0xFFFF000000000000ull;
  static constexpr std::uint64_t kEmptyBits = 0xFFFA000000000000ull;
  static constexpr std::uint64_t kTextTag = 0xFFFB000000000000ull;
  static constexpr std::uint64_t kPointerMask = 0x0000FFFFFFFFFFFFull;
  static_assert(kEmptyBits < kTextTag && 0xFFF0000000000000ull < kEmptyBits, "numbers sort below the tags");

  // No NaN a calculation gives may look like empty or a text, and there is
  // no negative zero: it would print as "-0".
  static std::uint64_t NumberBits(double number) noexcept {
    if (number != number) number = std::numeric_limits<double>::quiet_NaN();
    // Adding 0 turns -0 into 0 and leaves every other number as it is.
    return std::bit_cast<std::uint64_t>(number + 0.0);
  }
  double TextNum() const;
  Value& AssignText(const Value& other) noexcept;

  struct TextBlock;
  TextBlock* Block() const;
  void Release() noexcept;
  void Retain() const noexcept;

  std::uint64_t bits_;
};

static_assert(sizeof(Value) == 8, "a Value must stay one machine word");

// How many text blocks are alive, for tests that compare it with the texts
// their owners hold. The leak checker does not follow a tagged pointer: it
// sees a block lost once its last owner is freed without releasing it, but
// would also report the texts of an owner never freed at all (the game frees
// its state before the program ends).
std::size_t LiveTextBlocks();

// Arithmetic of the dynamic values. "+" joins when both sides are texts (or one
// is empty and the other a text), otherwise it adds; the others always compute.
// Division by zero logs a line and gives 0 rather than ending the program.
Value operator+(const Value& a, const Value& b);
Value operator-(const Value& a, const Value& b);
Value operator*(const Value& a, const Value& b);
Value operator/(const Value& a, const Value& b);
Value operator-(const Value& a);

// Equality: empty equals 0 and ""; two texts compare character by character;
// a text and a number compare as numbers when the text reads as one.
bool EqualValues(const Value& a, const Value& b);
inline bool operator==(const Value& a, const Value& b) {
  if (a.IsNumber() && b.IsNumber()) return a.Num() == b.Num();
  return EqualValues(a, b);
}
// Ordering compares numbers numerically; two texts compare by their bytes.
bool LessValue(const Value& a, const Value& b);
inline bool operator<(const Value& a, const Value& b) {
  if (a.IsNumber() && b.IsNumber()) return a.Num() < b.Num();
  return LessValue(a, b);
}
inline bool operator!=(const Value& a, const Value& b) { return !(a == b); }
inline bool operator>(const Value& a, const Value& b) { return b < a; }
inline bool operator<=(const Value& a, const Value& b) { return !(b < a); }
inline bool operator>=(const Value& a, const Value& b) { return !(a < b); }

// Int(x): the largest whole number not above x. Int(-2.5) is -3.
// Written out rather than std::floor, which is a library call on the
// processors the build targets; the hourly sales take it for every volume.
inline double Int(double x) {
  // Beyond 2^52 every double is whole, and NaN stays NaN.
  if (!(std::fabs(x) < 4503599627370496.0)) return x;
  const double toward0 = static_cast<double>(static_cast<long long>(x));
  return toward0 > x ? toward0 - 1 : toward0;
}
inline double Int(const Value& x) { return Int(x.Num()); }

// A number written as the game joins it to a text: up to 15 significant digits,
// "." as decimal point, exponent form "1E+15" only for very large or small numbers.
std::string NumberText(double x);

// Reads a number as the game and its save files write it: "12", "-3.5", ".5",
// "-.25", "1E+15", "1.5E-05"; surrounding blanks are allowed. False for anything else.
bool ParseNumber(std::string_view text, double& out);

// Joins values end to end as texts (the "&" of rule code).
template <class... Parts>
std::string Join(const Parts&... parts) {
  std::string out;
  (out.append(Value(parts).Str()), ...);
  return out;
}

// Fixed-point money with four decimals, for comics volume prices.
class Money {
 public:
  Money() = default;
  static Money FromNumber(double yen);
  static Money FromScaled(std::int64_t scaled) { Money m; m.scaled_ = scaled; return m; }
  double Num() const { return static_cast<double>(scaled_) / 10000.0; }
  std::int64_t Scaled() const { return scaled_; }
  Value AsValue() const { return Value(Num()); }
  bool operator==(const Money&) const = default;

 private:
  std::int64_t scaled_ = 0;
};

}  // namespace koratsu
