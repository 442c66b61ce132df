#include "platform/heading_bar.h"

#include "platform/twips.h"

namespace koratsu::platform {

HeadingBar MakeHeadingBar(QWidget* parent, const QString& text, int left, int top, int width, int height) {
  auto* shape = new Shape(parent);
  Place(shape, left, top, width, height);
  auto* label = new QLabel(text, parent);
  Place(label, left, top, width, height);
  label->setAlignment(Qt::AlignCenter);
  SetTextOnBar(label, true);
  return {shape, label};
}

void SetTextOnBar(QLabel* label, bool onBar) {
  label->setStyleSheet(onBar ? QStringLiteral("color: white; background: transparent;")
                             : QStringLiteral("color: black; background: transparent;"));
}

}  // namespace koratsu::platform
