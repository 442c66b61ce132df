#pragma once
// Form39: the training dialog. The player picks one of the five courses,
// sees what it trains, its duration, its fee and its stamina cost beside his
// stamina, and starts it.

#include <array>

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "life/windows/activity_controls.h"
#include "platform/form.h"

namespace koratsu {

class Form39 : public platform::Form {
 public:
  Form39();

  std::array<platform::Shape*, 3> Shape1{};
  std::array<QLabel*, 2> Label3{};     // the heading, "何をしますか？"
  std::array<QComboBox*, 1> Combo1{};  // the courses
  QFrame* Picture1;
  // 0 時間, 1 the duration, 2 the description, 3 the fee, 4 費用, 6 the stamina cost
  std::array<QLabel*, 7> Label1{};
  std::array<QLabel*, 3> Label2{};     // 2 体力
  std::array<platform::Shape*, 1> Shape12{};
  std::array<platform::Shape*, 1> Shape2{};
  std::array<QWidget*, 1> Shape11{};
  std::array<QLabel*, 1> Label10{};    // "5/25"
  std::array<QLabel*, 1> Image1{};
  QPushButton* Command3;  // 修行する
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
