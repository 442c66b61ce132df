#include "platform/panels.h"

#include "platform/twips.h"

namespace koratsu::platform {

QFont BoldFont() {
  QFont font(QStringLiteral("ＭＳ Ｐゴシック"), 9);
  font.setBold(true);
  return font;
}

QFrame* SunkenPanel(QWidget* parent, int left, int top, int width, int height) {
  auto* panel = new QFrame(parent);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(2);
  Place(panel, left, top, width, height);
  return panel;
}

QLabel* PanelText(QWidget* panel, const char* text, int left, int top, int width, bool bold) {
  auto* label = new QLabel(QString::fromUtf8(text), panel);
  Place(label, left, top, width, kPanelTextHeight);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  if (bold) label->setFont(BoldFont());
  return label;
}

}  // namespace koratsu::platform
