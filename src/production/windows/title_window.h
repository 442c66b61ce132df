#pragma once
// Form7: the title window of a finished work. It shows what the work is made
// of and asks for its title; confirming records the work and sends it on.

#include <array>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form7 : public platform::Form {
 public:
  Form7();

  // Heading bars: 0 the heading, 1 対象年齢層, 2 ジャンル, 3 to 5 the
  // settings, 6 to 11 the ratings 0 to 5, 12 漫画の題名.
  std::array<platform::Shape*, 13> Shape1;
  QLabel* Label3;                  // heading
  std::array<QLabel*, 13> Label1;  // the captions on Shape1(1) to Shape1(12); element 0 unused
  std::array<QLabel*, 5> Label2;   // audience, genre, the three settings' items
  std::array<QWidget*, 3> Picture1;           // a setting's bar box
  std::array<platform::Shape*, 3> Shape12;    // a setting's frame: 99 points
  std::array<platform::Shape*, 3> Shape11;    // a setting's bar
  std::array<QLabel*, 3> Label4;   // a setting's points
  std::array<QLabel*, 6> Label5;   // the ratings' marks
  QLineEdit* Text1;                // the title
  QPushButton* Command1;           // 決定

  void Command1_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void ShowWork();
};

}  // namespace koratsu
