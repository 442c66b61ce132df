#pragma once
// Form67: the big-rise notice. A knowledge item rose sharply on an outing or
// a job; the knowledge gains write which one into Label1(1) before it shows.

#include <array>

#include <QLabel>

#include "platform/notice_form.h"

namespace koratsu {

class Form67 : public platform::NoticeForm {
 public:
  Form67();

  std::array<QLabel*, 1> LabelC;  // heading
  std::array<QLabel*, 2> Label1;  // Label1(1): which item rose; 0 unused
  QLabel* Image1;
};

}  // namespace koratsu
