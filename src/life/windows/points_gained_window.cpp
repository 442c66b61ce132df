#include "life/windows/points_gained_window.h"

#include "life/points_gained.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/heading_bar.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kTimerInterval = 200;
constexpr int kBarWidth = 90;  // pixels
constexpr int kArrowStep = 7;  // pixels the scroll bar's arrows move the list
constexpr unsigned kListBackground = 0xFFFFFF;
constexpr unsigned kBarFrame = 0xC0C0C0;
constexpr unsigned kBarFill = 0xE08020;
constexpr unsigned kGainColor = 0x0000C0;

using platform::Q;

QLabel* RowText(QWidget* list, int left, int width, int top, Qt::Alignment align) {
  auto* label = new QLabel(list);
  label->setGeometry(left, top, width, Form27::kRowPitch);
  label->setAlignment(align | Qt::AlignVCenter);
  label->hide();
  return label;
}

}  // namespace

Form27::Form27() : Form({.removeCloseItem = true, .pauseClock = true, .resumeRequestOnUnload = true}) {
  platform::SetFixedClientSize(this, 4800, 3030);

  const auto heading = platform::MakeHeadingBar(this, QString(), 120, 120, 4560, 360);
  Shape1[0] = heading.shape;
  LabelC[0] = heading.label;

  Picture2 = new QWidget(this);
  platform::Place(Picture2, 120, 600, 4320, 1800);
  platform::SetBackground(Picture2, kListBackground);
  Picture1 = new QWidget(Picture2);
  Picture1->setGeometry(0, 0, Picture2->width(), 8);
  VScroll1 = new QScrollBar(Qt::Vertical, this);
  platform::Place(VScroll1, 4440, 600, 240, 1800);
  VScroll1->setRange(0, 0);
  connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
  // A wheel line moves the list as far as an arrow does.
  platform::ScrollWithWheel(Picture2, VScroll1, kArrowStep);

  for (int r = 0; r < kRows; ++r) {
    const int top = r * kRowPitch + kRowTop;
    Label1[r] = RowText(Picture1, 4, 98, top, Qt::AlignLeft);
    Label2[r] = RowText(Picture1, 102, 32, top, Qt::AlignRight);
    QPalette gain = Label2[r]->palette();
    gain.setColor(QPalette::WindowText, platform::VbColor(kGainColor));
    Label2[r]->setPalette(gain);
    Label3[r] = RowText(Picture1, 136, 50, top, Qt::AlignRight);
    Shape10[r] = new platform::Shape(Picture1, kBarFrame);
    Shape10[r]->setGeometry(192, top + 3, kBarWidth, 9);
    Shape10[r]->hide();
    Shape[r] = new platform::Shape(Picture1, kBarFill);
    Shape[r]->setGeometry(192, top + 3, 0, 9);
    Shape[r]->hide();
  }

  Command1 = new QPushButton(QStringLiteral("閉じる"), this);
  platform::Place(Command1, 3480, 2520, 1200, 390);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  Timer1 = new QTimer(this);
  Timer1->setInterval(kTimerInterval);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void Form27::Form_Load() {
  platform::FillHeadingBars(Shape1);
  LoadPointsGained();
  setWindowTitle(Q(PointsGainedCaption()));
  LabelC[0]->setText(Q(PointsGainedHeadline()));

  const int rows = PointsGainedRowCount();
  for (int r = 0; r < rows; ++r) {
    for (QWidget* control : {static_cast<QWidget*>(Label1[r]), static_cast<QWidget*>(Label2[r]),
                             static_cast<QWidget*>(Label3[r]), static_cast<QWidget*>(Shape10[r]),
                             static_cast<QWidget*>(Shape[r])})
      control->show();
    ShowRow(r);
  }
  const int listHeight = rows * kRowPitch + 8;
  Picture1->setFixedHeight(listHeight);
  if (listHeight > Picture2->height()) VScroll1->setMaximum(listHeight - Picture2->height());
  VScroll1->setPageStep(kRowPitch);
  VScroll1->setSingleStep(kArrowStep);
  Command1->setFocus();
  Timer1->start();
}

void Form27::ShowRow(int row) {
  if (row < 0 || row >= kRows) return;
  const PointsGainedRow shown = DescribePointsGainedRow(row);
  Label1[row]->setText(Q(shown.name));
  Label2[row]->setText(Q(shown.gain));
  Label3[row]->setText(Q(Join(shown.value, "/", shown.cap)));
  Shape[row]->setFixedWidth(static_cast<int>(platform::BarWidth(shown.value.Num(), shown.cap.Num(), kBarWidth)));
}

void Form27::Timer1_Timer() {
  PointsGainedStep();
  const int rows = PointsGainedRowCount();
  for (int r = 0; r < rows; ++r) ShowRow(r);
}

void Form27::Command1_Click() { Unload(); }

void Form27::VScroll1_Change() { Picture1->move(0, -VScroll1->value()); }

void Form27::Form_Unload() {
  Timer1->stop();
  ClosePointsGained();
}

namespace {
const bool registered = platform::RegisterForm<Form27>(form::kPointsGained);
}  // namespace

}  // namespace koratsu
