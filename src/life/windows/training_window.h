#pragma once
// Form39: the training dialog. The player picks one of the five courses,
// sees what it trains, its duration, its fee and its stamina cost beside his
// stamina, and starts it.

#include "life/windows/choice_dialog.h"

namespace koratsu {

// Label1: 0 時間, 1 the duration, 2 the description (in the panel), 3 the
// fee, 4 費用, 6 the stamina cost.
class Form39 : public ActivityChoiceDialog {
 public:
  Form39();

  void Combo1_Click() override;
  void Command3_Click() override;

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
