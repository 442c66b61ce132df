#pragma once
// Form55: asked when an own work has just been named: post it to a
// magazine's contest, bring it to an editor, or keep it for now.

#include <array>

#include <QLabel>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form55 : public platform::Form {
 public:
  Form55();

  std::array<platform::Shape*, 1> Shape1;
  std::array<QLabel*, 1> Label3;  // heading
  // 0 出版社に送る, 1 出版社に持込み, 3 今はやめておく; there is no button 2.
  std::array<QPushButton*, 4> Command1;

  void Command1_Click(int index);

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
