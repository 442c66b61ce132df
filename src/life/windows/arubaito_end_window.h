#pragma once
// Form34: the job-ended window. The clock shows it when a part-time job is
// over; as it opens it pays the job and shows the pay and the time worked.

#include <array>

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form34 : public platform::Form {
 public:
  Form34();

  std::array<platform::Shape*, 1> Shape1{};
  std::array<QLabel*, 1> LabelC{};  // the heading
  QFrame* Picture1;
  std::array<QLabel*, 4> Label1{};  // 0 合計給与, 1 the pay, 2 合計時間, 3 the duration
  QPushButton* Command1;            // 閉じる

  void Command1_Click();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
