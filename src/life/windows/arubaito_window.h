#pragma once
// Form32: the part-time-job dialog. The player picks one of the workplaces,
// sees its duration, its pay and its stamina cost beside his stamina, and
// starts it.

#include <array>

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "life/windows/activity_controls.h"
#include "platform/form.h"

namespace koratsu {

class Form32 : public platform::Form {
 public:
  Form32();

  std::array<platform::Shape*, 3> Shape1{};
  std::array<QLabel*, 2> Label3{};     // the heading, "何をしますか？"
  std::array<QComboBox*, 1> Combo1{};  // the workplaces
  QFrame* Picture1;
  std::array<QLabel*, 7> Label1{};     // 2 仕事期間, 3 its duration, 4 合計給与, 5 the pay, 6 the stamina cost
  std::array<QLabel*, 3> Label2{};     // 2 体力
  std::array<platform::Shape*, 1> Shape12{};
  std::array<platform::Shape*, 1> Shape2{};
  std::array<QWidget*, 1> Shape11{};
  std::array<QLabel*, 1> Label10{};    // "5/25"
  std::array<QLabel*, 1> Image1{};
  QPushButton* Command3;  // 決定
  QPushButton* Command2;  // やめる

  void Combo1_Click();
  void Command3_Click();
  void Command2_Click();

 protected:
  void Form_Load() override;

 private:
  StaminaGauge stamina_;
};

}  // namespace koratsu
