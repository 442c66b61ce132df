#include "production/windows/heading_bar.h"

#include "platform/twips.h"

namespace koratsu {

HeadingBar MakeHeadingBar(QWidget* parent, const QString& text, int left, int top, int width, int height) {
  auto* shape = new platform::Shape(parent);
  platform::Place(shape, left, top, width, height);
  auto* label = new QLabel(text, parent);
  platform::Place(label, left, top, width, height);
  label->setAlignment(Qt::AlignCenter);
  label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  return {shape, label};
}

}  // namespace koratsu
