#include "production/windows/schedule_window.h"

#include <QButtonGroup>

#include "life/activity_windows.h"
#include "platform/controls.h"
#include "platform/heading_bar.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "production/completion.h"
#include "production/schedule.h"
#include "state/game_state.h"
#include "state/production_slots.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kClientWidth = 8160;
constexpr int kClientHeight = 5460;
constexpr int kRowTop = 570;     // twips, row i at kRowTop + kRowStep × i
constexpr int kRowStep = 540;
constexpr int kLineHeight = 255;
constexpr int kEditorLeft = 5880;  // the points column
constexpr int kLowerTop = 3885;    // the pace, the stamina and the totals
constexpr unsigned kPercentBar = 0xE08020;
constexpr unsigned kStaminaBar = 0x30C030;
constexpr unsigned kRed = 0x0000FF;

const char* const kPaces[] = {"余裕を持って", "普通に", "無理をして"};

QLabel* Text(QWidget* parent, const char* text, int left, int top, int width, Qt::Alignment align) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  platform::Place(label, left, top, width, kLineHeight);
  label->setAlignment(align | Qt::AlignVCenter);
  return label;
}

}  // namespace

Form15::Form15() : Form({.pauseClock = true, .resumeRequestOnUnload = true}) {
  setWindowTitle(QStringLiteral("制作ｽｹｼﾞｭｰﾙ"));
  platform::SetFixedClientSize(this, kClientWidth, kClientHeight);

  auto top = platform::MakeHeadingBar(this, QStringLiteral("== 制作ｽｹｼﾞｭｰﾙを決めてください  =="), 120, 120, 5640, 330);
  Shape1[0] = top.shape;
  Label3[6] = top.label;
  auto points = platform::MakeHeadingBar(this, QStringLiteral("== 仕事の分布ﾎﾟｲﾝﾄ =="), kEditorLeft, 120, 2160, 330);
  Shape1[1] = points.shape;
  Label3[7] = points.label;

  for (int s = 0; s < kSlotCount; ++s) {
    const size_t i = static_cast<size_t>(s);
    const int top = kRowTop + kRowStep * s;
    Label3[i] = Text(this, "", 180, top, 2880, Qt::AlignLeft);
    Bar[i].Build(this, 3120, top + 60, 1800, 150, kPercentBar);
    Label2[i] = Text(this, "", 4980, top, 720, Qt::AlignRight);
    Label1[i] = Text(this, "", 180, top + kLineHeight, 2640, Qt::AlignRight);
    Label4[i] = Text(this, "", 3060, top + kLineHeight, 2640, Qt::AlignRight);
    Line1[i] = new QFrame(this);
    Line1[i]->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    platform::Place(Line1[i], 120, top + 2 * kLineHeight, 7920, 30);

    Picture2[i] = new QWidget(this);
    platform::Place(Picture2[i], kEditorLeft + 300, top + 105, 1560, 300);
    Image1[i] = new ArrowButton(ArrowButton::TakeBack, form::kSchedule, Picture2[i]);
    platform::Place(Image1[i], 0, 30, 240, 240);
    Label8[i] = new QLabel(QStringLiteral("0"), Picture2[i]);
    Label8[i]->setAlignment(Qt::AlignCenter);
    platform::Place(Label8[i], 300, 30, 960, 240);
    Image2[i] = new ArrowButton(ArrowButton::Add, form::kSchedule, Picture2[i]);
    platform::Place(Image2[i], 1320, 30, 240, 240);
    for (ArrowButton* button : {Image1[i], Image2[i]}) {
      button->MouseDown = [s, button] { PressSchedulePointButton(s, button->Repeat()); };
      button->MouseUp = [] { ReleaseSchedulePointButton(); };
    }
  }

  const char* totals[] = {"合計ﾎﾟｲﾝﾄ", "残りﾎﾟｲﾝﾄ"};
  for (size_t k = 0; k < 2; ++k) {
    const int top = kLowerTop + 60 + 300 * static_cast<int>(k);
    Label5[k] = Text(this, totals[k], kEditorLeft, top, 1080, Qt::AlignLeft);
    Label6[k] = Text(this, "", kEditorLeft + 1080, top, 1080, Qt::AlignRight);
  }
  Command3 = new QPushButton(QStringLiteral("ﾎﾟｲﾝﾄ均等"), this);
  platform::Place(Command3, kEditorLeft, kLowerTop + 690, 2160, 360);

  Frame1 = new QGroupBox(QStringLiteral("仕事のペース"), this);
  platform::Place(Frame1, 120, kLowerTop, 2640, 1455);
  auto* paces = new QButtonGroup(this);
  for (int k = 0; k < 3; ++k) {
    QRadioButton* option = new QRadioButton(QString::fromUtf8(kPaces[k]), Frame1);
    platform::Place(option, 240, 330 + 330 * k, 2280, 285);
    paces->addButton(option, k);
    connect(option, &QRadioButton::clicked, this, [this, k] { Option1_Click(k); });
    Option1[static_cast<size_t>(k)] = option;
  }

  Frame2 = new QGroupBox(QStringLiteral("体力"), this);
  platform::Place(Frame2, 2880, kLowerTop, 2880, 1455);
  Label10[0] = Text(Frame2, "", 180, 330, 2520, Qt::AlignLeft);
  StaminaBar.Build(Frame2, 180, 675, 2520, 210, kStaminaBar);
  Label7 = Text(Frame2, "体力は十分あります", 180, 990, 2520, Qt::AlignLeft);

  Command2 = new QPushButton(QStringLiteral("決定"), this);
  platform::Place(Command2, kEditorLeft, kLowerTop + 1095, 1035, 360);
  Command1 = new QPushButton(QStringLiteral("キャンセル"), this);
  platform::Place(Command1, kEditorLeft + 1125, kLowerTop + 1095, 1035, 360);
  platform::DefaultButton(Command2, {Command1, Command3});
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });

  Timer1 = new QTimer(this);
  Timer1->setInterval(kTimerInterval);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

bool Form15::RowShown(int slot) const { return !Label3[static_cast<size_t>(slot)]->isHidden(); }

void Form15::Form_Load() {
  platform::FillHeadingBars(Shape1);
  OpenSchedule();
  const GameState& g = State();
  for (int s = 0; s < kSlotCount; ++s) {
    const size_t i = static_cast<size_t>(s);
    const bool shown = SlotRowShown(s);
    for (QWidget* control : {static_cast<QWidget*>(Label1[i]), static_cast<QWidget*>(Label2[i]),
                             static_cast<QWidget*>(Label3[i]), static_cast<QWidget*>(Label4[i]),
                             static_cast<QWidget*>(Line1[i]), Picture2[i]})
      control->setVisible(shown);
    Bar[i].SetVisible(shown);
  }
  const bool works = g.SlotsInUse != 0;
  for (QWidget* control : {static_cast<QWidget*>(Label5[0]), static_cast<QWidget*>(Label6[0]),
                           static_cast<QWidget*>(Label5[1]), static_cast<QWidget*>(Label6[1]),
                           static_cast<QWidget*>(Command3)})
    control->setVisible(works);
  ShowRows();
  StaminaBar.Show(g.Stamina.Num(), g.StaminaMax.Num());
  Label6[0]->setText(platform::Q(ScheduleTotalText()));
  ShowLeft();
  Label10[0]->setText(platform::Q(StaminaGaugeText()));
  Label7->setText(platform::Q(StaminaVerdict()));
  for (int k = 0; k < 3; ++k)
    if (g.SukezyuruType == k + 1) Option1[static_cast<size_t>(k)]->setChecked(true);
  Command2->setFocus();
  Timer1->start();
}

void Form15::ShowRows() {
  for (int s = 0; s < kSlotCount; ++s) {
    if (!SlotBusy(s)) continue;
    const size_t i = static_cast<size_t>(s);
    const ScheduleRow row = ScheduleRowTexts(s);
    Label3[i]->setText(platform::Q(row.label));
    Label2[i]->setText(platform::Q(row.percent));
    Bar[i].Show(row.bar, 1);
    Label8[i]->setText(platform::Q(row.points));
    Label1[i]->setText(platform::Q(row.completion));
    Label1[i]->setAlignment((row.completionCentred ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter);
    Label4[i]->setText(platform::Q(row.deadline));
    Label4[i]->setAlignment((row.deadlineCentred ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter);
    platform::SetTextColour(Label4[i], row.deadlineRed ? kRed : 0);
  }
}

void Form15::ShowLeft() { Label6[1]->setText(platform::Q(ScheduleLeftText())); }

void Form15::Timer1_Timer() {
  if (!ScheduleTimerStep()) return;
  ShowRows();
  ShowLeft();
}

void Form15::Command3_Click() {
  SplitSchedulePointsEvenly();
  ShowRows();
  ShowLeft();
}

void Form15::Option1_Click(int k) {
  ChooseSchedulePace(k);
  ShowRows();
}

void Form15::Command2_Click() { ConfirmSchedule(); }

void Form15::Command1_Click() { CancelSchedule(); }

void Form15::Form_Unload() {
  Timer1->stop();
  CloseSchedule();
}

namespace {
const bool registered = platform::RegisterForm<Form15>(form::kSchedule);
}  // namespace

}  // namespace koratsu
