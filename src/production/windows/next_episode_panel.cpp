#include "production/windows/next_episode_panel.h"

#include "platform/controls.h"
#include "platform/qt_strings.h"
#include "production/next_episode.h"
#include "production/point_buttons.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kRowTop = 22;  // row k at kRowTop + kRowStep × k
constexpr int kRowStep = 24;
constexpr int kRowHeight = 16;
constexpr int kNameLeft = 4, kNameWidth = 72;
constexpr int kTakeBackLeft = 80;
constexpr int kAddedLeft = 98, kAddedWidth = 22;
constexpr int kAddLeft = 122;
constexpr int kBarLeft = 144, kBarWidth = 56, kBarHeight = 8;
constexpr int kLeftLeft = 204, kLeftWidth = 43;
constexpr int kArrowSize = 16;
constexpr unsigned kBarBackground = 0x404040;
constexpr unsigned kBarFill = 0x00A0FF;
constexpr size_t kNameLabels[] = {0, 2, 3};

QLabel* Text(QWidget* parent, const QString& text, int left, int top, int width, Qt::Alignment align) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(left, top, width, kRowHeight);
  label->setAlignment(align | Qt::AlignVCenter);
  return label;
}

}  // namespace

NextEpisodePanel::NextEpisodePanel(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  resize(kWidth, kHeight);
  Heading = Text(this, QStringLiteral("次回の連載に使う知識ﾎﾟｲﾝﾄを決めてください"), 4, 3, kWidth - 8, Qt::AlignHCenter);
  for (int k = 0; k < 3; ++k) {
    const size_t i = static_cast<size_t>(k);
    const int top = kRowTop + kRowStep * k;
    Label1[kNameLabels[i]] = Text(this, QStringLiteral("設定"), kNameLeft, top, kNameWidth, Qt::AlignLeft);
    Image3[i] = new ArrowButton(ArrowButton::TakeBack, form::kDelivery, this);
    Image3[i]->setGeometry(kTakeBackLeft, top, kArrowSize, kArrowSize);
    Image3[i]->MouseDown = [this, k] { Image3_MouseDown(k); };
    Image3[i]->MouseUp = [this, k] { Image3_MouseUp(k); };
    Label8[i] = Text(this, QStringLiteral("0"), kAddedLeft, top, kAddedWidth, Qt::AlignHCenter);
    Image4[i] = new ArrowButton(ArrowButton::Add, form::kDelivery, this);
    Image4[i]->setGeometry(kAddLeft, top, kArrowSize, kArrowSize);
    Image4[i]->MouseDown = [this, k] { Image4_MouseDown(k); };
    Image4[i]->MouseUp = [this, k] { Image4_MouseUp(k); };
    Shape12[i] = new platform::Shape(this, kBarBackground);
    Shape12[i]->setGeometry(kBarLeft, top + (kRowHeight - kBarHeight) / 2, kBarWidth, kBarHeight);
    Shape11[i] = new platform::Shape(this, kBarFill);
    Shape11[i]->setGeometry(kBarLeft, top + (kRowHeight - kBarHeight) / 2, 0, kBarHeight);
    Label8[3 + i] = Text(this, QString(), kLeftLeft, top, kLeftWidth, Qt::AlignRight);
  }
}

QLabel* NextEpisodePanel::ItemLabel(int k) const { return Label1[kNameLabels[static_cast<size_t>(k)]]; }

void NextEpisodePanel::ShowRows() {
  for (int k = 0; k < 3; ++k) ShowRow(k);
}

void NextEpisodePanel::ShowRow(int k) {
  const size_t i = static_cast<size_t>(k);
  const NextEpisodeRow row = NextEpisodeRowShown(k);
  ItemLabel(k)->setText(platform::Q(row.name));
  Label8[3 + i]->setText(platform::Q(row.pointsText));
  // A row without item keeps its points added and its bar as they stood.
  if (!row.hasItem) return;
  Label8[i]->setText(platform::Q(row.added.Str()));
  Shape11[i]->resize(static_cast<int>(platform::BarWidth(row.points.Num(), row.cap.Num(), kBarWidth)), kBarHeight);
}

void NextEpisodePanel::Timer1_Timer() {
  const int k = NextEpisodeTimerStep();
  if (k >= 0) ShowRow(k);
}

void NextEpisodePanel::Image3_MouseDown(int k) { PressNextEpisodePointButton(k, kPointRepeatTakeBack); }
void NextEpisodePanel::Image3_MouseUp(int) { ReleaseNextEpisodePointButton(); }
void NextEpisodePanel::Image4_MouseDown(int k) { PressNextEpisodePointButton(k, kPointRepeatAdd); }
void NextEpisodePanel::Image4_MouseUp(int) { ReleaseNextEpisodePointButton(); }

}  // namespace koratsu
