#pragma once
// Form43: a television anime or a movie of a serial is offered
// (FormMode(43) 0 or 1). Either answer closes the window before the
// editor replies.

#include <array>

#include <QLabel>
#include <QPushButton>

#include "platform/notice_form.h"

namespace koratsu {

class Form43 : public platform::NoticeForm {
 public:
  Form43();
  std::array<QLabel*, 1> LabelC{};    // heading
  std::array<QLabel*, 2> Label1{};    // (0) the offer, (1) the question
  std::array<QLabel*, 2> Picture1{};  // (0) the television, (1) the film set
  QPushButton* Command2;              // declines; Command1 accepts

  void Command2_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void ButtonPressed() override;
};

}  // namespace koratsu
