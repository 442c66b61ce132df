#pragma once
// Form50: the copy window, where the player picks an existing manga to copy.

#include <array>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form50 : public platform::Form {
 public:
  Form50();

  std::array<platform::Shape*, 4> Shape1{};  // behind Label3(0) and the captions
  std::array<QLabel*, 1> Label3{};           // the heading
  std::array<QLabel*, 3> Label1{};           // 題名, 知名度, 人気
  QListWidget* List1;
  // The selected manga: 0 fame word, 1 title, 2 popularity word, 3 comment.
  std::array<QLabel*, 4> Label2{};
  QPushButton* Command1;  // 決定
  QPushButton* Command2;  // やめる

  void List1_Click();
  void Command1_Click();
  void Command2_Click();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
