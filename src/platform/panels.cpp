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

QLabel* ValueBox(QWidget* parent, int left, int top, int width, int height, Qt::Alignment align) {
  auto* label = new QLabel(parent);
  Place(label, left, top, width, height);
  label->setAlignment(align | Qt::AlignVCenter);
  label->setStyleSheet(QStringLiteral("QLabel { color: black; background: white; border: 1px solid #808080; "
                                      "padding-left: 2px; padding-right: 2px; }"));
  return label;
}

}  // namespace koratsu::platform
