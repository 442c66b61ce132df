#pragma once
// Form12: the trophy room. Five panels side by side, one for each
// publisher: its name, its trophy (an empty pedestal until its award is
// won), the award and the prized title. It fills them as it opens, from
// the saved awards; the clock stops while it is open.

#include <array>

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form12 : public platform::Form {
 public:
  Form12();

  std::array<platform::Shape*, 6> Shape1{};  // (0) behind the heading, (1..5) behind the names
  QLabel* Label3;                            // the heading
  std::array<QFrame*, 5> Picture1{};         // the panels
  std::array<QLabel*, 5> Label1{};           // the publishers' names
  std::array<QLabel*, 5> Image1{};           // their trophies
  std::array<QLabel*, 5> Label2{};           // the awards won
  std::array<QLabel*, 5> Label4{};           // the prized titles
  std::array<QLabel*, 6> Picture2{};         // (5) the won trophy, never shown itself
  QPushButton* Command1;                     // 閉じる

  void Command1_Click();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
