#pragma once
// Form2: the about box, with the product title, the version and the way to
// the project's web page. A fixed run of mouse presses on its icon opens the
// hidden tricks window Form28.

#include <array>
#include <functional>

#include <QLabel>
#include <QPushButton>

#include "platform/clickable_label.h"
#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

// A picture that reports mouse presses with their button.
class PressablePicture : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void(Qt::MouseButton)> Pressed;
  std::function<void()> Clicked;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

class Form2 : public platform::Form {
 public:
  static const char* const kWebPage;

  Form2();

  std::array<platform::Shape*, 1> Shape1;  // the band across the top
  std::array<QLabel*, 1> Label3;           // the heading on the band
  PressablePicture* Image1;                // the program's icon
  QWidget* Picture1;                       // white box holding Label1(1)
  std::array<platform::ClickableLabel*, 5> Label1{};  // 1 title, 2 address, 3 notice, 4 version
  PressablePicture* Image2;                // the mascot
  QPushButton* Command1;

  void Image1_MouseDown(Qt::MouseButton button);
  void Image2_Click();
  void Label1_Click(int index);
  void Command1_Click();

 protected:
  void Form_Load() override;

 private:
  void OpenWebPage();
};

class Form28 : public platform::Form {
 public:
  Form28();

  QPushButton* Command1;  // エンディングを見る
  QPushButton* Command2;  // 知識ﾎﾟｲﾝﾄをまんたん

  void Command1_Click();
  void Command2_Click();
};

}  // namespace koratsu
