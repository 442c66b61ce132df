#include "platform/twips.h"

#include <QWidget>

namespace koratsu::platform {

void Place(QWidget* control, int left, int top, int width, int height) {
  control->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

void SetFixedClientSize(QWidget* window, int width, int height) {
  window->setFixedSize(Px(width), Px(height));
}

}  // namespace koratsu::platform
