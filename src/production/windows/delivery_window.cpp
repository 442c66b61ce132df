#include "production/windows/delivery_window.h"

#include <QFrame>

#include "platform/colors.h"
#include "platform/heading_bar.h"
#include "platform/panels.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "production/delivery.h"
#include "production/next_episode.h"
#include "production/serial_delivery.h"
#include "production/serial_milestones.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

// The compact layout, twips: a window of 2985 by 2160 with its frame.
constexpr int kCompactWidth = 2895;
constexpr int kCompactHeight = 1785;
constexpr int kMargin = 120;
constexpr int kFrameWidth = 2655;  // the heading's frame and the text panel
constexpr int kTextLeft = 120;     // the text inside its panel, and the heading over its frame
constexpr int kTextWidth = 2415;
constexpr int kHeadingTop = 120;
constexpr int kHeadingHeight = 255;
constexpr int kPanelTop = 480;
constexpr int kPanelHeight = 720;
constexpr int kTextTop = 60;
constexpr int kTextHeight = 600;
constexpr int kButtonLeft = 780;
constexpr int kButtonTop = 1320;
constexpr int kButtonWidth = 1335;
constexpr int kButtonHeight = 375;

// The wide layout, twips: a window of 4095 by 3390 with its frame, the
// points panel between the text and 送る.
constexpr int kWideWidth = 4005;
constexpr int kWideHeight = 3015;
constexpr int kWideFrameWidth = kWideWidth - 2 * kMargin;
constexpr int kWideTextWidth = kWideFrameWidth - 2 * kTextLeft;
constexpr int kWidePanelTop = 450;
constexpr int kWidePanelHeight = 600;
constexpr int kWideTextHeight = 480;
constexpr int kPointsTop = 1125;
constexpr int kWideButtonTop = 2625;
constexpr int kWideButtonHeight = 330;

using platform::Q;

}  // namespace

Form18::Form18() : Form({.removeCloseItem = true, .pauseClock = true}) {
  setWindowTitle(QStringLiteral("読切漫画を送る"));

  auto heading = platform::MakeHeadingBar(this, QStringLiteral("== 完成した漫画を送ります  =="), kMargin, kHeadingTop,
                                          kFrameWidth, kHeadingHeight);
  Shape1.push_back(heading.shape);
  Label3 = heading.label;
  platform::Place(Label3, kMargin + kTextLeft, kHeadingTop, kTextWidth, kHeadingHeight);

  Picture1 = platform::SunkenPanel(this, kMargin, kPanelTop, kFrameWidth, kPanelHeight);
  platform::SetBackground(Picture1, platform::kWhite);
  Label1[1] = new QLabel(Picture1);
  platform::Place(Label1[1], kTextLeft, kTextTop, kTextWidth, kTextHeight);
  Label1[1]->setWordWrap(true);
  Label1[1]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  Command1 = new QPushButton(QStringLiteral("送る"), this);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  Picture3 = new NextEpisodePanel(this);
  platform::Place(Picture3, kMargin, kPointsTop, NextEpisodePanel::kWidth * platform::kTwipsPerPixel,
                  NextEpisodePanel::kHeight * platform::kTwipsPerPixel);
  Picture3->hide();
  for (size_t i : {0, 2, 3}) Label1[i] = Picture3->Label1[i];

  Timer1 = new QTimer(this);
  Timer1->setInterval(kTimerInterval);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

  UseCompactLayout();
}

void Form18::UseCompactLayout() {
  platform::SetFixedClientSize(this, kCompactWidth, kCompactHeight);
  platform::Place(Command1, kButtonLeft, kButtonTop, kButtonWidth, kButtonHeight);
  Picture3->hide();
}

void Form18::UseWideLayout() {
  platform::SetFixedClientSize(this, kWideWidth, kWideHeight);
  Shape1[0]->resize(platform::Px(kWideFrameWidth), Shape1[0]->height());
  platform::Place(Label3, kMargin + kTextLeft, kHeadingTop, kWideTextWidth, kHeadingHeight);
  platform::Place(Picture1, kMargin, kWidePanelTop, kWideFrameWidth, kWidePanelHeight);
  platform::Place(Label1[1], kTextLeft, kTextTop, kWideTextWidth, kWideTextHeight);
  platform::Place(Command1, (kWideWidth - kButtonWidth) / 2, kWideButtonTop, kButtonWidth, kWideButtonHeight);
  Picture3->show();
}

void Form18::Form_Load() {
  platform::FillHeadingBars(Shape1);
  OpenDelivery();
  mode_ = static_cast<int>(State().FormSlot[form::kDelivery].Mode.Index());
  if (mode_ == delivery_mode::kSerial) {
    LoadSerial();
  } else {
    LoadOneShot();
  }
  Command1->setFocus();
  Timer1->start();
}

void Form18::LoadOneShot() {
  setWindowTitle(QStringLiteral("読切漫画を送る"));
  Label1[1]->setText(Q(DeliverRequestedOneShot()));
  UseCompactLayout();
}

void Form18::LoadSerial() {
  const SerialDeliveryView view = DeliverSerialEpisode();
  setWindowTitle(Q(view.caption));
  Label1[1]->setText(Q(view.text));
  planning_ = view.outcome == SerialDeliveryOutcome::NextEpisode;
  if (!view.wide) {
    UseCompactLayout();
    return;
  }
  UseWideLayout();
  Picture3->ShowRows();
}

void Form18::Timer1_Timer() {
  // The points panel's held buttons, in the serial mode only.
  if (mode_ != delivery_mode::kSerial || !planning_) return;
  Picture3->Timer1_Timer();
}

void Form18::Command1_Click() {
  if (mode_ == delivery_mode::kSerial && planning_) BookNextEpisode();
  Unload();
  DeliverySent();
  // Once the window is gone, a serial's milestone is celebrated.
  CelebrateSerialMilestone();
}

void Form18::Form_Unload() { Timer1->stop(); }

namespace {
const bool registered = platform::RegisterForm<Form18>(form::kDelivery);
}  // namespace

}  // namespace koratsu
