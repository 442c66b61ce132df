#pragma once
// Form46: how the new work is made: an own story, a novel adapted, or a copy
// of an existing manga.

#include <array>

#include <QLabel>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form46 : public platform::Form {
 public:
  Form46();

  std::array<platform::Shape*, 1> Shape1;  // heading bar
  std::array<QLabel*, 1> Label3;           // heading
  // 0 オリジナルストーリー, 1 小説を漫画化する, 4 他の漫画を盗作する, 3 やめる; there is no 2.
  std::array<QPushButton*, 5> Command1{};

  void Command1_Click(int index);

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
