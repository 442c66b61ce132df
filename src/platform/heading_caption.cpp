#include "platform/heading_caption.h"

namespace platform {

QLabel* CaptionOn(Shape* bar, const QString& text) {
  auto* label = new QLabel(text, bar);
  label->setGeometry(0, 0, bar->width(), bar->height());
  label->setAlignment(Qt::AlignCenter);
  label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  return label;
}

}  // namespace platform
