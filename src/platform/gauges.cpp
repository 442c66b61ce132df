#include "platform/gauges.h"

#include "platform/controls.h"
#include "platform/panels.h"
#include "platform/twips.h"

namespace koratsu::platform {

namespace {

constexpr unsigned kGaugeFrame = 0x404040;
constexpr unsigned kStaminaBar = 0x30C030;
constexpr int kGaugeHeight = 210;

constexpr int kPointsBoxWidth = 1500;
constexpr int kPointsFrameWidth = 1200;
constexpr int kPointsBarTop = 75;
constexpr int kPointsBarHeight = 150;
constexpr unsigned kPointsBar = 0x00A0FF;

}  // namespace

void GaugeBar::Build(QWidget* parent, int left, int top, int width, int height, unsigned barColor) {
  fullWidth = width;
  frame = new Shape(parent, kGaugeFrame);
  Place(frame, left, top, width, height);
  bar = new Shape(parent, barColor);
  Place(bar, left, top, 0, height);
  outline = new QWidget(parent);
  outline->setAttribute(Qt::WA_TransparentForMouseEvents);
  outline->setAttribute(Qt::WA_StyledBackground);
  outline->setStyleSheet(QStringLiteral("border: 1px solid black; background: transparent;"));
  Place(outline, left, top, width, height);
}

void GaugeBar::Show(double value, double cap) { bar->setFixedWidth(Px(BarWidth(value, cap, fullWidth))); }

void GaugeBar::SetVisible(bool visible) {
  for (QWidget* part : {static_cast<QWidget*>(frame), static_cast<QWidget*>(bar), outline}) part->setVisible(visible);
}

void StaminaGauge::Build(QWidget* parent, int left, int top, int width, int textLeft, int textWidth) {
  gauge.Build(parent, left, top, width, kGaugeHeight, kStaminaBar);
  text = new QLabel(parent);
  Place(text, textLeft, top - (kPanelTextHeight - kGaugeHeight) / 2, textWidth, kPanelTextHeight);
  text->setFont(BoldFont());
}

void StaminaGauge::Show(const QString& caption, double stamina, double staminaMax) {
  text->setText(caption);
  gauge.Show(stamina, staminaMax);
}

PointsBar MakePointsBar(QWidget* parent, int left, int top, int height) {
  PointsBar made;
  made.box = new QWidget(parent);
  Place(made.box, left, top, kPointsBoxWidth, height);
  made.frame = new Shape(made.box, kGaugeFrame);
  Place(made.frame, 0, kPointsBarTop, kPointsFrameWidth, kPointsBarHeight);
  made.bar = new Shape(made.box, kPointsBar);
  Place(made.bar, 0, kPointsBarTop, 0, kPointsBarHeight);
  return made;
}

void ShowPoints(Shape* bar, double points, double scale) {
  bar->setFixedWidth(Px(BarWidth(points, scale, kPointsFrameWidth, kPointsBoxWidth)));
}

}  // namespace koratsu::platform
