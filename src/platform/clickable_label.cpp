#include "platform/clickable_label.h"

#include <QMouseEvent>

namespace koratsu::platform {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && Clicked) Clicked();
}

}  // namespace koratsu::platform
