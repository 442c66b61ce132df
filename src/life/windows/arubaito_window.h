#pragma once
// Form32: the part-time-job dialog. The player picks one of the workplaces,
// sees its duration, its pay and its stamina cost beside his stamina, and
// starts it.

#include "life/windows/choice_dialog.h"

namespace koratsu {

// Label1: 2 仕事期間, 3 the duration, 4 合計給与, 5 the pay, 6 the stamina cost.
class Form32 : public ActivityChoiceDialog {
 public:
  Form32();

  void Combo1_Click() override;
  void Command3_Click() override;

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
