#pragma once
// Form15: the schedule window, where the studio's work points are shared
// out among the works in production and the pace of work is chosen, with
// an estimate of each work's days to completion and the player's stamina.

#include <array>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "platform/form.h"
#include "platform/gauges.h"
#include "platform/window_conventions.h"
#include "production/slots.h"
#include "production/windows/arrow_button.h"

namespace koratsu {

class Form15 : public platform::Form {
 public:
  static constexpr int kTimerInterval = 100;  // ms

  Form15();

  // Shape1(0), (1): the heading bars behind Label3(6), (7).
  std::array<platform::Shape*, 2> Shape1{};
  // Rows by slot: Label3 the work, Label2 its percent, Shape10/Shape its
  // bar, Label1 the estimate, Label4 the deadline, Line1 the separator and
  // Picture2 the points editor: ▼ Image1, the points Label8, ▲ Image2.
  std::array<QLabel*, 8> Label3{};
  std::array<QLabel*, kSlotCount> Label2{};
  std::array<platform::GaugeBar, kSlotCount> Bar;
  std::array<QLabel*, kSlotCount> Label1{};
  std::array<QLabel*, kSlotCount> Label4{};
  std::array<QFrame*, kSlotCount> Line1{};
  std::array<QWidget*, kSlotCount> Picture2{};
  std::array<ArrowButton*, kSlotCount> Image1{};
  std::array<QLabel*, kSlotCount> Label8{};
  std::array<ArrowButton*, kSlotCount> Image2{};

  // 合計ﾎﾟｲﾝﾄ and 残りﾎﾟｲﾝﾄ with their values.
  std::array<QLabel*, 2> Label5{};
  std::array<QLabel*, 2> Label6{};
  QPushButton* Command3;  // ﾎﾟｲﾝﾄ均等

  QGroupBox* Frame1;  // 仕事のペース
  std::array<QRadioButton*, 3> Option1{};
  QGroupBox* Frame2;  // 体力
  std::array<QLabel*, 1> Label10{};
  platform::GaugeBar StaminaBar;  // Shape2(0) in Shape11(0)
  QLabel* Label7;       // the verdict

  QPushButton* Command2;  // 決定
  QPushButton* Command1;  // キャンセル
  QTimer* Timer1;

  // True while the row of `slot` is on show.
  bool RowShown(int slot) const;

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Option1_Click(int k);
  void Timer1_Timer();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void ShowRows();
  void ShowLeft();
};

}  // namespace koratsu
