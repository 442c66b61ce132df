#pragma once
// Form4: the information panel, a child window of the main window with the
// player's name, money, the date and time, level, experience, stamina, the
// studio's work points and the five abilities. It redraws everything at
// once, only when asked through FormRedraw(4).

#include <array>

#include <QLabel>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form4 : public platform::Form {
 public:
  // The bars' reference width: the stamina bar's frame, in twips.
  static constexpr int kBarWidth = 855;

  Form4();

  // Caption boxes: 名前, 資金, レベル, 経験値, 体力, 仕事ﾎﾟｲﾝﾄ, 教養, 発想力, 知能, 創造力, 画力.
  std::array<platform::Shape*, 11> Shape1;
  std::array<QLabel*, 11> Captions;  // the words on them
  // Bars: Shape12 frames, Shape2 value bars, Shape11 outlines. The value
  // bars are 0 stamina, 1 Kyouyou, 4 Hassouryoku, 6 Tinou, 8 Souzouryoku,
  // 10 Garyoku; frames and outlines 0 to 5 in that order.
  std::array<platform::Shape*, 6> Shape12;
  std::array<platform::Shape*, 11> Shape2{};
  std::array<QWidget*, 6> Shape11;

  QLabel* NameText;
  QLabel* MoneyText;
  QLabel* YearText;
  QLabel* MonthText;
  QLabel* DayText;
  QLabel* WeekdayText;
  QLabel* HourText;
  QLabel* MinuteText;
  QLabel* LevelText;
  QLabel* ExperienceText;
  QLabel* StaminaText;
  QLabel* SigotoPointText;
  QLabel* KyouyouText;
  QLabel* HassouryokuText;
  QLabel* TinouText;
  QLabel* SouzouryokuText;
  QLabel* GaryokuText;

  // The value bar's width in twips for a value and its cap: W × value / cap,
  // longer than the frame above the cap; empty for a cap of 0 or less and
  // never negative.
  static double BarWidth(double value, double cap);

  // The timer's step: redraws when FormRedraw(4) asks.
  void Timer1_Timer() { ServeRefreshRequests(); }

 protected:
  void Form_Load() override;
  void Redraw() override;

 private:
  void PlaceInMainWindow();
};

}  // namespace koratsu
