#pragma once
// Form40 and Form42: the program's own message boxes, the yes/no box and the
// OK box, both captioned with the product title. They do not pause the clock.

#include <array>
#include <functional>

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "platform/form.h"

namespace koratsu {

class Form40 : public platform::Form {
 public:
  Form40();

  QLabel* Image1;
  QLabel* Label1;
  std::array<QPushButton*, 2> Command1;  // はい, いいえ

  // Called after a button stored its number in YesNoAnswer.
  std::function<void()> Answered;

  // The question; a text too long for one line takes a second one.
  void SetMessage(const QString& text);

  void Command1_Click(int index);

 protected:
  void Form_Load() override;
  void keyPressEvent(QKeyEvent* event) override;
};

class Form42 : public platform::Form {
 public:
  Form42();

  QLabel* Image1;
  QLabel* Label1;
  std::array<QPushButton*, 1> Command1;  // OK

  void SetMessage(const QString& text);

  void Command1_Click(int index);

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
