#pragma once
// A label, or a picture, that reports a click of the left button released over it.

#include <functional>

#include <QLabel>

namespace koratsu::platform {

class ClickableLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> Clicked;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace koratsu::platform
