#pragma once
// The tutorial's windows: Form38 starts and ends it, the guide Form36 types
// the editor's instructions for the current stage beside the main window.

#include <array>

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include "platform/form.h"
#include "platform/window_conventions.h"
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

class Form36 : public platform::Form {
 public:
  static constexpr int kTimerInterval = 100;  // ms

  Form36();

  QLabel* Picture1;               // the speech balloon
  std::array<QLabel*, 1> Label1;  // the typed guidance line
  std::array<QLabel*, 1> Image1;  // the editor's portrait
  QPushButton* Command1;          // empty, 次へ >> or blinking
  QTimer* Timer1;

  // The stored portrait frames: 1 the editor with the mouth closed, 2 open.
  std::array<QPixmap, 3> Frames;
  int ShownFrame() const { return shownFrame_; }

  void Timer1_Timer();
  void Command1_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void ShowFrame(int frame);
  void CaptionForLineCount();

  // The guide types with values of its own, so that a conversation shown
  // meanwhile neither garbles nor is garbled by it.
  Value text_, shownChars_, mouth_;
  int shownFrame_ = 0;
};

}  // namespace koratsu
