#pragma once
// Form21: the conversation window. The speaker's line types itself into a
// speech balloon beside his portrait, whose mouth moves while it types; one
// button completes the line, turns to the next and closes after the last.

#include <array>

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include "platform/form.h"

namespace koratsu {

class Form21 : public platform::Form {
 public:
  static constexpr int kTypingInterval = 70;  // ms per character

  Form21();

  QLabel* Picture1;               // the speech balloon
  std::array<QLabel*, 1> Label1;  // the typed text, inside the balloon
  std::array<QLabel*, 1> Image1;  // the portrait shown
  QPushButton* Command1;          // 次へ >> / 閉じる
  QTimer* Timer1;

  // The stored portrait frames: 1 the editor with the mouth closed, 2 open;
  // 3 the president closed, 4 open.
  std::array<QPixmap, 5> Frames;
  // Which of them Image1(0) shows; 0 before the first tick.
  int ShownFrame() const { return shownFrame_; }

  void Timer1_Timer();
  void Command1_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void ShowFrame(int frame);
  int shownFrame_ = 0;
};

}  // namespace koratsu
