#include "production/windows/arrow_button.h"

#include <QHideEvent>
#include <QMouseEvent>

#include "platform/pictures.h"
#include "production/point_buttons.h"

namespace koratsu {

ArrowButton::ArrowButton(Direction direction, int form, QWidget* parent)
    : QLabel(parent), direction_(direction) {
  const int first = direction == TakeBack ? 0 : 2;
  up_ = platform::FormPicture(form, QStringLiteral("ImageS(%1)").arg(first));
  down_ = platform::FormPicture(form, QStringLiteral("ImageS(%1)").arg(first + 1));
  ShowPressed(false);
}

int ArrowButton::Repeat() const { return direction_ == Add ? kPointRepeatAdd : kPointRepeatTakeBack; }

void ArrowButton::ShowPressed(bool pressed) {
  pressed_ = pressed;
  setPixmap(pressed ? down_ : up_);
}

void ArrowButton::mousePressEvent(QMouseEvent* event) {
  event->accept();
  ShowPressed(true);
  if (MouseDown) MouseDown();
}

void ArrowButton::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  ShowPressed(false);
  if (MouseUp) MouseUp();
}

void ArrowButton::hideEvent(QHideEvent* event) {
  QLabel::hideEvent(event);
  if (!pressed_) return;
  ShowPressed(false);
  if (MouseUp) MouseUp();
}

}  // namespace koratsu
