#include "life/windows/activity_controls.h"

#include <QSignalBlocker>

#include "life/activity_windows.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/pictures.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "state/game_state.h"

namespace koratsu {

namespace {

constexpr unsigned kGaugeFrame = 0x404040;
constexpr unsigned kStaminaBar = 0x30C030;
constexpr int kGaugeHeight = 210;
constexpr int kTextHeight = 270;
constexpr unsigned kCostColor = 0x0000C0;

QFont BoldFont() {
  QFont font(QStringLiteral("ＭＳ Ｐゴシック"), 9);
  font.setBold(true);
  return font;
}

}  // namespace

QLabel* BandCaption(QWidget* parent, platform::Shape*& band, const char* text, int left, int top, int width,
                    int height) {
  band = new platform::Shape(parent);
  platform::Place(band, left, top, width, height);
  auto* caption = new QLabel(QString::fromUtf8(text), parent);
  platform::Place(caption, left, top, width, height);
  caption->setAlignment(Qt::AlignCenter);
  caption->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  return caption;
}

QFrame* SunkenPanel(QWidget* parent, int left, int top, int width, int height) {
  auto* panel = new QFrame(parent);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(2);
  platform::Place(panel, left, top, width, height);
  return panel;
}

QLabel* PanelText(QWidget* panel, const char* text, int left, int top, int width, bool bold) {
  auto* label = new QLabel(QString::fromUtf8(text), panel);
  platform::Place(label, left, top, width, kTextHeight);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  if (bold) label->setFont(BoldFont());
  return label;
}

void GaugeBar::Build(QWidget* parent, int left, int top, int width, int height, unsigned barColor) {
  fullWidth = width;
  frame = new platform::Shape(parent, kGaugeFrame);
  platform::Place(frame, left, top, width, height);
  bar = new platform::Shape(parent, barColor);
  platform::Place(bar, left, top, 0, height);
  outline = new QWidget(parent);
  outline->setAttribute(Qt::WA_TransparentForMouseEvents);
  outline->setAttribute(Qt::WA_StyledBackground);
  outline->setStyleSheet(QStringLiteral("border: 1px solid black; background: transparent;"));
  platform::Place(outline, left, top, width, height);
}

void GaugeBar::Show(double value, double cap) {
  bar->setFixedWidth(platform::Px(platform::BarWidth(value, cap, fullWidth)));
}

void StaminaGauge::Build(QWidget* parent, int left, int top, int width, int textLeft, int textWidth) {
  gauge.Build(parent, left, top, width, kGaugeHeight, kStaminaBar);
  text = new QLabel(parent);
  platform::Place(text, textLeft, top - (kTextHeight - kGaugeHeight) / 2, textWidth, kTextHeight);
  text->setFont(BoldFont());
}

void StaminaGauge::Show() {
  const GameState& g = State();
  text->setText(QString::fromStdString(StaminaGaugeText()));
  gauge.Show(g.Stamina.Num(), g.StaminaMax.Num());
}

ChoiceDialog BuildChoiceDialog(QWidget* dialog, std::span<platform::Shape*, 3> bands, const char* heading,
                               int pictureForm, const char* start, StaminaGauge& stamina) {
  ChoiceDialog d{};
  d.heading = BandCaption(dialog, bands[0], heading, 120, 120, 5160, 360);
  d.prompt = BandCaption(dialog, bands[1], "何をしますか？", 120, 600, 1560, 360);
  d.list = new QComboBox(dialog);
  platform::Place(d.list, 1800, 600, 3480, 360);
  d.list->setMaxVisibleItems(12);
  platform::MakeDropDown(d.list);

  d.picture = new QLabel(dialog);
  platform::Place(d.picture, 120, 1080, 960, 960);
  d.picture->setPixmap(platform::FormPicture(pictureForm, QStringLiteral("Image1(0)")));

  d.staminaCaption = BandCaption(dialog, bands[2], "体力", 1200, 2205, 780, 300);
  stamina.Build(dialog, 2100, 2250, 1500, 3660, 720);
  d.staminaCost = new QLabel(dialog);
  platform::Place(d.staminaCost, 4440, 2220, 840, 270);
  QPalette cost = d.staminaCost->palette();
  cost.setColor(QPalette::WindowText, platform::VbColor(kCostColor));
  d.staminaCost->setPalette(cost);

  d.start = new QPushButton(platform::Q(start), dialog);
  platform::Place(d.start, 2760, 2760, 1200, 390);
  d.start->setDefault(true);
  d.cancel = new QPushButton(QStringLiteral("やめる"), dialog);
  platform::Place(d.cancel, 4080, 2760, 1200, 390);
  d.cancel->setAutoDefault(false);
  return d;
}

void FillChoiceList(QComboBox* list, const std::vector<std::string>& names) {
  QSignalBlocker quiet(list);
  for (const std::string& name : names) list->addItem(platform::Q(name));
  list->setCurrentIndex(0);
}

}  // namespace koratsu
