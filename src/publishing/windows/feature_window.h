#pragma once
// Form63: a magazine featured one of the player's works. A click on the
// magazine opens the critic article in the reading window; the work is
// FormMode(63), the article FormParam(63).

#include <array>

#include <QLabel>
#include <QPushButton>

#include "platform/clickable_label.h"
#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form63 : public platform::Form {
 public:
  Form63();

  std::array<platform::Shape*, 1> Shape1;
  std::array<QLabel*, 1> LabelC;    // heading
  std::array<QLabel*, 2> Label1{};  // Label1(1): "画面をクリックしてください"
  platform::ClickableLabel* Image1;  // the magazine
  QPushButton* Command1;            // 閉じる

  void Image1_Click();
  void Command1_Click();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
