#pragma once
// Form17: the ending, after the manga awards of all five publishers. An
// epilogue scrolls up through a small white window; its button, enabled
// once the text has passed, takes the player back to the title screen.

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form17 : public platform::Form {
 public:
  static constexpr int kTimerInterval = 100;  // ms

  Form17();

  platform::Shape* Shape1;  // behind the heading
  QLabel* Label3;
  QWidget* Picture1;      // the white viewport
  QPlainTextEdit* Text1;  // the epilogue, moving up inside it
  QPushButton* Command1;  // 閉じる
  QTimer* Timer1;

  void Timer1_Timer();
  void Command1_Click();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
