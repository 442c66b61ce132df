#pragma once
// Form19: buying studio equipment. A list of the five items that scrolls
// inside its frame (with its scroll bar or the mouse wheel), a bar behind
// the chosen row, and the buy button.

#include <array>

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form19 : public platform::Form {
 public:
  static constexpr int kRows = 5;

  Form19();

  // Selects a row: the bar moves behind it and its texts turn white.
  void FormClick(int row);

  void Command1_Click();  // やめる
  void Command2_Click();  // 購入する
  void Image1_MouseDown(int index);
  void Image2_MouseDown(int index);
  void VScroll1_Change();
  void VScroll1_Scroll();

  std::array<platform::Shape*, 1> Shape1;  // the band behind the heading
  std::array<QLabel*, 1> Label3;           // the heading
  QWidget* Picture2;                       // the list's visible frame
  QWidget* Picture1;                       // the list, taller than its frame
  QScrollBar* VScroll1;
  platform::Shape* Shape2;                 // the bar behind the selected row
  std::array<QLabel*, kRows> Image1{};     // the items' pictures
  std::array<QWidget*, kRows> Image2{};    // where a click on a row lands
  std::array<QLabel*, kRows> Label1{}, Label2{}, Label4{}, Label5{}, Label6{}, Label7{}, Label8{};
  QPushButton* Command2;
  QPushButton* Command1;

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
