#pragma once
// Form26, Form33 and Form65: the progress windows of an outing, a part-time
// job and a training. One window shared by three, each with its activity's
// picture: what the player is doing, the time left with its bar,
// and the game's date and clock, which run while it is open. It has no
// button: the clock closes it when the activity ends.

#include <array>

#include <QFrame>
#include <QLabel>
#include <QTimer>

#include "life/windows/activity_controls.h"
#include "platform/form.h"
#include "platform/gauges.h"

namespace koratsu {

class ActivityProgressWindow : public platform::Form {
 public:
  // The picture is the one the activity's dialog shows: `pictureForm`'s `pictureControl`.
  ActivityProgressWindow(int pictureForm, const char* pictureControl);

  QFrame* Picture1;
  std::array<QLabel*, 8> Label1{};  // 0 the status text; 2 分, 4 年, 5 月, 6 日, 7 時
  std::array<QLabel*, 9> Label2{};  // 0 the time left, 2 残り時間; 3 minute, 4 year, 5 month, 6 day, 8 hour
  std::array<platform::Shape*, 1> Shape10{};  // the bar's frame
  std::array<platform::Shape*, 1> Shape{};    // the bar
  QLabel* Image1;
  QTimer* Timer1;

  void Timer1_Timer();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void ShowTimeLeft();
  platform::GaugeBar bar_;
};

// The three windows by their names, each with its activity's picture.
class Form26 : public ActivityProgressWindow {
 public:
  Form26();
};
class Form33 : public ActivityProgressWindow {
 public:
  Form33();
};
class Form65 : public ActivityProgressWindow {
 public:
  Form65();
};

}  // namespace koratsu
