#pragma once
// Form23: the title of a new serial. It shows what the first episode is made
// of and asks for the serial's title; only 決定 with a title taken closes it.

#include <array>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form23 : public platform::Form {
 public:
  Form23();

  // Heading bars: 0 the heading, 1 対象年齢層, 2 ジャンル, 3 to 5 the
  // settings, 6 漫画の題名.
  std::array<platform::Shape*, 7> Shape1{};
  // 0 the heading; the captions 1 設定 1, 2 ジャンル, 4 漫画の題名,
  // 5 対象年齢層, 6 設定 2, 7 設定 3; there is no 3.
  std::array<QLabel*, 8> Label3{};
  // 1 the audience, 2 the genre; 0, 4 and 5 the three settings' items;
  // there is no 3.
  std::array<QLabel*, 6> Label1{};
  std::array<QWidget*, 3> Picture1{};         // a setting's bar box
  std::array<platform::Shape*, 3> Shape12{};  // a setting's frame: 99 points
  std::array<platform::Shape*, 3> Shape11{};  // a setting's bar
  std::array<QLabel*, 3> Label8{};            // a setting's points
  QLineEdit* Text1;                           // the title
  QPushButton* Command1;                      // 決定

  void Command1_Click();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
