#pragma once
// Form18: the delivery window. A finished requested one-shot goes to the
// publisher that asked for it (mode 0); a serial's finished episode goes to
// its magazine (mode 1, with the points panel for the next episode). The
// mode is FormMode(18), read as the window loads. Only 送る closes it.

#include <array>
#include <vector>

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "platform/form.h"
#include "platform/window_conventions.h"
#include "production/windows/next_episode_panel.h"

class QFrame;

namespace koratsu {

class Form18 : public platform::Form {
 public:
  // 100 ms: the points panel's held buttons step at this pace.
  static constexpr int kTimerInterval = 100;

  Form18();

  // The frame shapes, filled with the headings' colour on load: 0 behind the
  // heading; the points panel adds its own.
  std::vector<platform::Shape*> Shape1;
  QLabel* Label3;                    // heading
  QFrame* Picture1;                  // the text panel
  std::array<QLabel*, 4> Label1{};   // 1 the delivery text in Picture1; 0, 2, 3 belong to the points panel
  QPushButton* Command1;             // 送る
  NextEpisodePanel* Picture3;        // the points panel, shown in the wide layout only
  QTimer* Timer1;

  void Command1_Click();
  void Timer1_Timer();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  // The one-shot and a serial's final episode: the text and 送る, no panel.
  void UseCompactLayout();
  // A serial that goes on: the text, the points panel below it and 送る.
  void UseWideLayout();
  void LoadOneShot();
  // The serial mode's delivery builds its text, layout and panel here.
  void LoadSerial();

  int mode_ = 0;
  bool planning_ = false;  // the points panel plans the serial's next episode
};

}  // namespace koratsu
