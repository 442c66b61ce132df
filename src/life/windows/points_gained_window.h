#pragma once
// Form27: the points-gained window. After an activity it lists up to ten
// gains, each with its name, the points still to come, its value against its
// cap and a bar, and moves the points in one by one with a rising sound.
// The list scrolls with its scroll bar or the mouse wheel.
// Closing it applies what is left at once.

#include <array>

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form27 : public platform::Form {
 public:
  // Row elements: the design's 0 and the ten loaded at run time.
  static constexpr int kRows = 11;
  // Rows stand this many pixels apart, the first this far from the top.
  static constexpr int kRowPitch = 15;
  static constexpr int kRowTop = 2;

  Form27();

  std::array<platform::Shape*, 1> Shape1{};
  std::array<QLabel*, 1> LabelC{};   // the headline
  QWidget* Picture2;                 // the visible part of the list
  QWidget* Picture1;                 // the list
  QScrollBar* VScroll1;
  std::array<QLabel*, kRows> Label1{};  // the field's name
  std::array<QLabel*, kRows> Label2{};  // "+3": the gain still to come
  std::array<QLabel*, kRows> Label3{};  // "12/15"
  std::array<platform::Shape*, kRows> Shape10{};  // the empty bar
  std::array<platform::Shape*, kRows> Shape{};    // its filled part
  QPushButton* Command1;  // 閉じる
  QTimer* Timer1;

  void Timer1_Timer();
  void Command1_Click();
  void VScroll1_Change();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void ShowRow(int row);
};

}  // namespace koratsu
