#pragma once
// Form64: a fan letter came, about the work in FormParam(64). Its first
// button reads the letter in the reading window, as often as the player
// likes; its second button, or its close box, closes it.

#include <array>

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form64 : public platform::Form {
 public:
  Form64();

  std::array<platform::Shape*, 1> Shape1;
  std::array<QWidget*, 1> Shape2;   // the letter's frame
  std::array<QLabel*, 1> LabelC;    // heading
  std::array<QLabel*, 3> Label1{};  // (1) "ﾌｧﾝﾚﾀｰが届きました。", (2) whom it is for
  QLabel* Image1;                   // the letter
  QFrame* Picture1;                 // the panel of the two lines
  QPushButton* Command1;            // ﾌｧﾝﾚﾀｰを読む
  QPushButton* Command2;            // 閉じる

  void Command1_Click();
  void Command2_Click();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
