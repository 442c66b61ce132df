#pragma once
// Form25: the outing dialog. The player picks one of the ten outings, then a
// sub-choice among the option buttons of that outing's frame, sees the
// duration and the cost, and goes.

#include <array>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "life/outing.h"
#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form25 : public platform::Form {
 public:
  Form25();

  std::array<platform::Shape*, 2> Shape1{};
  std::array<QLabel*, 2> Label3{};     // the heading, "何をしますか？"
  std::array<QComboBox*, 1> Combo1{};  // the outings
  // One frame for each outing, by its kind 1 to 10; only the chosen one is in view.
  std::array<QGroupBox*, 11> Frame2{};
  std::array<QRadioButton*, kOutingOptionCount> Option1{};
  std::array<QLabel*, 4> Label1{};     // 0 時間, 1 the duration, 2 費用, 3 the cost
  std::array<platform::Shape*, 2> Line1{};
  std::array<QLabel*, 15> Image1{};    // 14 the picture
  QPushButton* Command1;  // 決定
  QPushButton* Command2;  // やめる

  void Combo1_Click();
  void Option1_Click(int index);
  void Command1_Click();
  void Command2_Click();

 protected:
  void Form_Load() override;

 private:
  void ShowChoice();
};

}  // namespace koratsu
