#pragma once
// Form41: the level-up window. It tells what a new level brought, one line
// at a time: "次へ >>" turns to the next line, "閉じる" closes after the last.

#include <array>

#include <QLabel>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form41 : public platform::Form {
 public:
  Form41();

  std::array<platform::Shape*, 1> Shape1;
  std::array<QLabel*, 1> Label3;  // heading
  std::array<QLabel*, 1> Image1;  // the level-up picture
  QLabel* Picture1;               // the panel holding the line
  std::array<QLabel*, 3> Label1;  // Label1(2): the line on show; 0 and 1 unused
  QPushButton* Command1;          // 次へ >> / 閉じる

  void Command1_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void ShowLine();
};

}  // namespace koratsu
