#pragma once
// Form3: the new-game window, where the player types his name.

#include <array>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form3 : public platform::Form {
 public:
  static constexpr int kNameLength = 9;

  Form3();

  QLabel* Label3;    // heading
  QLabel* Label2;    // "名前"
  QLineEdit* Text1;  // the name
  QPushButton* Command1;  // 決定
  QPushButton* Command2;  // やめる
  std::array<platform::Shape*, 2> Shape1;
  QLabel* Picture1;

  void Command1_Click();
  void Command2_Click();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
