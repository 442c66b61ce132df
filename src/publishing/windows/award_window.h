#pragma once
// Form13: the manga award's prize window, between the president's speeches.
// The ceremony fills in the publisher and the title; the one button takes
// the prize it shows. The clock is not stopped while it is open.

#include <array>

#include <QLabel>

#include "platform/notice_form.h"

namespace koratsu {

class Form13 : public platform::NoticeForm {
 public:
  Form13();
  QLabel* Label3;                   // heading
  std::array<QLabel*, 4> Label1{};  // (0) the congratulation, (1) 会社, (2) 賞金, (3) 題名
  std::array<QLabel*, 3> Label2{};  // (0) the publisher, (1) the title, (2) the prize
  QLabel* Picture1;                 // the cup
  QLabel* Picture2;                 // the certificate

 protected:
  void Form_Load() override;
  void ButtonPressed() override;
};

}  // namespace koratsu
