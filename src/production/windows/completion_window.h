#pragma once
// Form6: the completion window, a small child window of the main window
// that follows the works in production: each one's kind or serial title,
// its deadline, whether it is still being drawn, and its completion as a
// bar and a percentage. It changes only when asked, through its window
// flags, and keeps doing so under a modal dialog.

#include <array>

#include <QLabel>

#include "platform/form.h"
#include "platform/gauges.h"
#include "platform/window_conventions.h"
#include "production/slots.h"

namespace koratsu {

class Form6 : public platform::Form {
 public:
  Form6();

  std::array<platform::Shape*, 1> Shape1{};  // behind the heading Label3(6)
  // Rows by slot: the work, its deadline, its status, its bar and its percent.
  std::array<QLabel*, 7> Label3{};
  std::array<QLabel*, kSlotCount> Label4{};
  std::array<QLabel*, kSlotCount> Label1{};
  std::array<platform::GaugeBar, kSlotCount> Bar;
  std::array<QLabel*, kSlotCount> Label2{};

  // True while the row of `slot` is on show.
  bool RowShown(int slot) const;

  // The 100 ms timer's step.
  void Timer1_Timer() { ServeRefreshRequests(); }

 protected:
  void Form_Load() override;
  void Rebuild() override;
  void Redraw() override;
};

}  // namespace koratsu
