#pragma once
// Numbers and amounts as the saved game writes them: unquoted, "-" before a
// negative value, "." as the decimal point in every locale.

#include <string>
#include <string_view>

#include "state/value.h"

namespace koratsu::save {

// The shortest text that reads back as the same double: "12000", "0.5",
// "-0.25", "0.30000000000000004", "1E+15", "1.5E-05"; infinity as "1E+999".
// A value that is not a number is written as 0 (and logged).
void AppendNumber(std::string& out, double x);

// A fixed-point amount exactly, from its four decimals: "410", "410.5", "-0.0001".
void AppendMoney(std::string& out, Money money);

// Reads what AppendNumber writes, and the older forms ".5", "-.25", "1E+15",
// "1.5E-05" (blanks around it and a "+" sign are taken too). A value past the
// range of a double reads as infinity, a tiny one as 0. False for anything else.
bool ReadNumber(std::string_view text, double& out);

// Reads an amount from its digits, so that no price moves by a rounding; an
// empty text is 0. False for a text that is not an amount.
bool ReadMoney(std::string_view text, Money& out);

// `text` without the blanks and tabs around it.
std::string_view TrimBlanks(std::string_view text);

}  // namespace koratsu::save
