#pragma once
// Form68: the posted manuscript's envelope travels from the player's house
// to the publisher's building, then the window closes by itself; nothing
// else closes it.

#include <QLabel>
#include <QTimer>

#include "platform/form.h"

namespace koratsu {

class Form68 : public platform::Form {
 public:
  Form68();

  QLabel* Picture1;  // the house with its post box, and the office building
  QLabel* Image1;    // the envelope
  QTimer* Timer1;    // runs from the window's loading

  void Timer1_Timer();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
