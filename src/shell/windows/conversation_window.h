#pragma once
// Form21: the conversation window. The speaker's line types itself into a
// speech balloon beside his portrait, whose mouth moves while it types; one
// button completes the line, turns to the next and closes after the last.

#include "shell/windows/balloon_form.h"

namespace koratsu {

class Form21 : public BalloonForm {
 public:
  static constexpr int kTypingInterval = 70;  // ms per character

  // Command1: 次へ >> / 閉じる. The portrait frames: 1 the editor with the
  // mouth closed, 2 open; 3 the president closed, 4 open.
  Form21();

  void Timer1_Timer() override;
  void Command1_Click() override;

 protected:
  void Form_Load() override;
  void Form_Unload() override;
};

}  // namespace koratsu
