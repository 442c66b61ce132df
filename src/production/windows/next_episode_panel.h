#pragma once
// The delivery window's points panel (Form18's Picture3): for each of the
// running serial's three settings, the knowledge points that go into its
// next episode, moved with press-and-hold arrows, and the item's points
// left on a bar against the common cap.

#include <array>

#include <QFrame>
#include <QLabel>

#include "platform/window_conventions.h"
#include "production/windows/arrow_button.h"

namespace koratsu {

class NextEpisodePanel : public QFrame {
 public:
  // Pixels, the delivery window's scale.
  static constexpr int kWidth = 251;
  static constexpr int kHeight = 96;

  explicit NextEpisodePanel(QWidget* parent);

  QLabel* Heading;                     // 次回の連載に使う知識ﾎﾟｲﾝﾄを決めてください
  // The settings' items in rows 0, 1, 2: Label1(0), Label1(2), Label1(3).
  // Label1(1) is the window's delivery text, not the panel's.
  std::array<QLabel*, 4> Label1{};
  std::array<ArrowButton*, 3> Image3{};  // ▼ take back
  std::array<ArrowButton*, 3> Image4{};  // ▲ add
  // Label8(k): the points added to setting k; Label8(3 + k): its item's points left.
  std::array<QLabel*, 6> Label8{};
  std::array<platform::Shape*, 3> Shape12{};  // the bars' frames
  std::array<platform::Shape*, 3> Shape11{};  // the bars

  // The name label of row k.
  QLabel* ItemLabel(int k) const;

  // Shows every row as the delivery prepared it.
  void ShowRows();
  // The window's timer: one step of the held arrow.
  void Timer1_Timer();

  void Image3_MouseDown(int k);
  void Image3_MouseUp(int k);
  void Image4_MouseDown(int k);
  void Image4_MouseUp(int k);

 private:
  void ShowRow(int k);
};

}  // namespace koratsu
