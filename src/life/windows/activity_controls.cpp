#include "life/windows/activity_controls.h"

#include "life/activity_windows.h"
#include "platform/controls.h"
#include "platform/placement.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "state/game_state.h"
#include "state/time_text.h"

namespace koratsu {

namespace {

constexpr unsigned kGaugeFrame = 0x404040;
constexpr unsigned kStaminaBar = 0x30C030;
constexpr int kGaugeHeight = 210;
constexpr int kTextHeight = 270;

QFont BoldFont() {
  QFont font(QStringLiteral("ＭＳ Ｐゴシック"), 9);
  font.setBold(true);
  return font;
}

}  // namespace

void PlaceActivityWindow(QWidget* window) {
  if (auto place = RememberedActivityPlace()) {
    window->move(platform::Px(place->left), platform::Px(place->top));
  } else {
    platform::CentreOverMainWindow(window);
  }
}

WindowPlace ActivityWindowPlace(const QWidget* window) {
  return {platform::Twips(window->pos().y()), platform::Twips(window->pos().x())};
}

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

DialogTop BuildDialogTop(QWidget* dialog, const char* heading, std::array<QLabel*, 2>& captions,
                         platform::Shape*& headingBand, platform::Shape*& promptBand, int pictureForm,
                         const char* pictureControl) {
  captions[0] = BandCaption(dialog, headingBand, heading, 120, 120, 5160, 360);
  captions[1] = BandCaption(dialog, promptBand, "何をしますか？", 120, 600, 1560, 360);
  auto* list = new QComboBox(dialog);
  platform::Place(list, 1800, 600, 3480, 360);
  list->setMaxVisibleItems(12);
  platform::MakeDropDown(list);
  auto* picture = new QLabel(dialog);
  platform::Place(picture, 120, 1080, 960, 960);
  picture->setPixmap(platform::FormPicture(pictureForm, QString::fromUtf8(pictureControl)));
  return {list, picture};
}

void StartAndCancelButtons(QWidget* dialog, const char* start, int top, QPushButton*& startButton,
                           QPushButton*& cancelButton) {
  startButton = new QPushButton(QString::fromUtf8(start), dialog);
  platform::Place(startButton, 2760, top, 1200, 390);
  startButton->setDefault(true);
  cancelButton = new QPushButton(QStringLiteral("やめる"), dialog);
  platform::Place(cancelButton, 4080, top, 1200, 390);
  cancelButton->setAutoDefault(false);
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

void GaugeBar::SetVisible(bool visible) {
  for (QWidget* part : {static_cast<QWidget*>(frame), static_cast<QWidget*>(bar), outline}) part->setVisible(visible);
}

void DateClock::Build(QWidget* parent, int left, int top) {
  struct Part {
    QLabel** value;
    QLabel** unit;
    const char* word;
    int left, width;
  };
  const Part parts[] = {{&Label2[4], &Label1[4], "年", 0, 420},   {&Label2[5], &Label1[5], "月", 600, 270},
                        {&Label2[6], &Label1[6], "日", 1050, 270}, {&Label2[8], &Label1[7], "時", 1500, 690},
                        {&Label2[3], &Label1[2], "分", 2370, 270}};
  for (const Part& p : parts) {
    *p.value = new QLabel(parent);
    platform::Place(*p.value, left + p.left, top, p.width, 255);
    (*p.value)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    *p.unit = new QLabel(QString::fromUtf8(p.word), parent);
    platform::Place(*p.unit, left + p.left + p.width, top, 180, 255);
    (*p.unit)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
}

void DateClock::Show() {
  const GameState& g = State();
  Label2[4]->setText(QString::fromStdString(g.GameYear.Str()));
  Label2[5]->setText(QString::fromStdString(g.GameMonth.Str()));
  Label2[6]->setText(QString::fromStdString(g.GameDay.Str()));
  Label2[8]->setText(QString::fromStdString(HalfDayHour(g.GameHour)));
  Label2[3]->setText(QString::fromStdString(g.GameMinute.Str()));
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

}  // namespace koratsu
