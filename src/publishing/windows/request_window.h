#pragma once
// Form16: the reply to an editor's request, a one-shot (mode 0) or a serial
// (mode 1), and the confirmation of a serial's end (mode 2). Only its two
// buttons close it.

#include <array>

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form16 : public platform::Form {
 public:
  Form16();

  QFrame* Picture1;                          // the panel that holds what is asked
  QLabel* Label1;                            // what is asked
  std::array<platform::Shape*, 1> Shape1{};  // behind Label3
  QLabel* Label3;                            // == どうしますか？ ==
  QPushButton* Command1;                     // 引き受ける / 終了させる
  QPushButton* Command2;                     // 引き受けない / やめる

  void Command1_Click();
  void Command2_Click();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
