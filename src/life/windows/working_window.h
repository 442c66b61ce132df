#pragma once
// Form31: the working window, the face of manga work while time runs. It
// shows what the player is doing, a small picture of him at his desk that
// moves while he draws, and the game's date and clock; "ストップ" or its
// close box ends the work.

#include <array>

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include "production/working.h"
#include "platform/form.h"

namespace koratsu {

class Form31 : public platform::Form {
 public:
  Form31();

  QPushButton* Command1;             // ストップ
  QFrame* Picture1;                  // the panel of the status text
  std::array<QLabel*, 8> Label1{};   // 0 the status text; 2 分, 4 年, 5 月, 6 日, 7 時
  std::array<QLabel*, 9> Label2{};   // 3 minute, 4 year, 5 month, 6 day, 8 hour
  QLabel* Picture2;                  // the animation
  std::array<QPixmap, kWorkingFrameCount> Image1;
  QTimer* Timer1;

  // The frame Picture2 shows now (0 to 5), -1 before the first tick.
  int ShownFrame() const { return shownFrame_; }

  void Timer1_Timer();
  void Command1_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  int shownFrame_ = -1;
};

}  // namespace koratsu
