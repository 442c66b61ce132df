#include "publishing/windows/poll_window.h"

#include <vector>

#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "platform/heading_bar.h"
#include "publishing/poll.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kRowTop = 600;
constexpr int kRowStep = 480;
constexpr int kRowHeight = 360;
constexpr unsigned kPlayerRed = 255;
constexpr unsigned kBlack = 0;

// The place captions' elements of Label3, for places 1 to 5.
constexpr int kPlaceLabel[5] = {5, 0, 1, 2, 3};

QLabel* FieldText(QWidget* parent, int left, int top, int width, Qt::Alignment alignment) {
  auto* label = new QLabel(parent);
  platform::Place(label, left + 90, top, width - 180, kRowHeight);
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

}  // namespace

Form9::Form9() : Form({.pauseClock = true}) {
  setWindowTitle(QStringLiteral("漫画家の人気投票"));
  platform::SetFixedClientSize(this, 4800, 3570);

  platform::HeadingBar heading = platform::MakeHeadingBar(this, QStringLiteral("== 漫画家の人気投票です =="), 120, 120, 4560, 330);
  Shape1[0] = heading.shape;
  Label3[4] = heading.label;

  for (int k = 0; k < 5; ++k) {
    const int top = kRowTop + k * kRowStep;
    platform::HeadingBar place =
        platform::MakeHeadingBar(this, QStringLiteral("第 %1位").arg(k + 1), 120, top, 900, kRowHeight);
    Shape1[k + 1] = place.shape;
    Label3[kPlaceLabel[k]] = place.label;

    Shape2[2 * k] = new platform::Shape(this);
    platform::Place(Shape2[2 * k], 1080, top, 2400, kRowHeight);
    Label1[k] = FieldText(this, 1080, top, 2400, Qt::AlignLeft);
    Label1[k]->setText(QStringLiteral("名前"));

    Shape2[2 * k + 1] = new platform::Shape(this);
    platform::Place(Shape2[2 * k + 1], 3540, top, 1140, kRowHeight);
    Label2[k] = FieldText(this, 3540, top, 1140, Qt::AlignRight);
    Label2[k]->setText(QStringLiteral("999票"));
  }

  Command1 = new QPushButton(QStringLiteral("閉じる"), this);
  platform::Place(Command1, 3480, 3060, 1200, 390);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form9::Form_Load() {
  platform::FillHeadingBars(Shape1);
  HoldPoll();
  const std::vector<PollPlace> places = PollTopFive();
  for (std::size_t k = 0; k < Label1.size(); ++k) {
    const bool shown = k < places.size();
    Label1[k]->setText(shown ? platform::Q(places[k].name) : QString());
    Label2[k]->setText(shown ? platform::Q(places[k].votes) : QString());
    platform::SetTextColour(Label1[k], shown && places[k].player ? kPlayerRed : kBlack);
  }
  Command1->setFocus();
}

void Form9::Command1_Click() { Unload(); }

namespace {
const bool registered = platform::RegisterForm<Form9>(form::kPoll);
}  // namespace

}  // namespace koratsu
