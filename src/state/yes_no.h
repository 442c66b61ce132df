#pragma once
// The answers of a yes/no box (ui::AskYesNo).

namespace koratsu::yes_no {

constexpr int kYes = 6;
constexpr int kNo = 7;

}  // namespace koratsu::yes_no
