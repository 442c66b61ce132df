#pragma once
// Form14: the serial-ending window, where the player picks one of his
// running serials to end; the editor then asks whether he means it.

#include <array>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form14 : public platform::Form {
 public:
  Form14();

  std::array<platform::Shape*, 1> Shape1{};  // behind Label3
  QLabel* Label3;                            // the heading
  QListWidget* List1;                        // the serials' titles
  QPushButton* Command1;                     // 決定
  QPushButton* Command2;                     // やめる

  void Command1_Click();
  void Command2_Click();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
