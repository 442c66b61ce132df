#pragma once
// Form56: the novel window, where the player picks a publisher's novel to
// turn into a manga.

#include <array>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form56 : public platform::Form {
 public:
  Form56();

  std::array<platform::Shape*, 4> Shape1{};  // behind Label3
  // 0 the heading, 1 題名, 2 出版社, 3 人気.
  std::array<QLabel*, 4> Label3{};
  QListWidget* List1;
  // The selected novel: 0 title, 1 publisher, 2 popularity word, 3 comment.
  std::array<QLabel*, 4> Label1{};
  QPushButton* Command1;  // 決定
  QPushButton* Command2;  // やめる

  void List1_Click();
  void Command1_Click();
  void Command2_Click();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
