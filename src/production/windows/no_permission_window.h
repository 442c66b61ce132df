#pragma once
// Form57: the publisher refused the novel's adaptation; the player makes it
// without permission or gives up. Only its buttons close it.

#include <array>

#include <QLabel>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form57 : public platform::Form {
 public:
  Form57();

  std::array<platform::Shape*, 1> Shape1{};  // behind the heading
  std::array<QLabel*, 1> Label3{};           // the heading
  std::array<QLabel*, 1> Label1{};           // the question
  QPushButton* Command1;                     // 無許可で作る
  QPushButton* Command2;                     // やめておく

  void Command1_Click();
  void Command2_Click();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
