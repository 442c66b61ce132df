#pragma once
// Form38 and Form36: the tutorial's windows. Form38 starts and ends it, the
// guide Form36 types the editor's instructions for the current stage beside
// the main window.

#include <array>

#include <QLabel>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"
#include "shell/windows/balloon_form.h"
#include "state/value.h"

namespace koratsu {

class Form38 : public platform::Form {
 public:
  Form38();

  std::array<platform::Shape*, 1> Shape1;  // heading bar
  std::array<QLabel*, 7> Label3{};         // Label3(6): the heading
  QWidget* Picture1;                       // white box holding Label1
  QLabel* Label1;                          // the explanation
  QPushButton* Command1;                   // 始める / 終わる

  void Command1_Click();

 protected:
  void Form_Load() override;
};

class Form36 : public BalloonForm {
 public:
  static constexpr int kTimerInterval = 100;  // ms

  // Label1(0): the typed guidance line. Command1: empty, 次へ >> or
  // blinking. The portrait frames: 1 the editor with the mouth closed, 2 open.
  Form36();

  void Timer1_Timer() override;
  void Command1_Click() override;

 protected:
  void Form_Load() override;

 private:
  void CaptionForLineCount();

  // The guide types with values of its own, so that a conversation shown
  // meanwhile neither garbles nor is garbled by it.
  Value text_, shownChars_, mouth_;
};

}  // namespace koratsu
