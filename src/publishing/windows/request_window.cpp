#include "publishing/windows/request_window.h"

#include "platform/colors.h"
#include "platform/heading_bar.h"
#include "platform/panels.h"
#include "platform/twips.h"
#include "publishing/requests.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kClientWidth = 4200;
constexpr int kClientHeight = 2040;

}  // namespace

Form16::Form16() : Form({.removeCloseItem = true, .pauseClock = true}) {
  setWindowTitle(QStringLiteral("依頼の返事"));
  platform::SetFixedClientSize(this, kClientWidth, kClientHeight);

  Picture1 = platform::SunkenPanel(this, 120, 120, kClientWidth - 240, 660);
  platform::SetBackground(Picture1, platform::kWhite);
  Label1 = new QLabel(Picture1);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setFont(platform::BoldFont());
  platform::Place(Label1, 60, 165, kClientWidth - 360, 330);

  const platform::HeadingBar heading =
      platform::MakeHeadingBar(this, QStringLiteral("== どうしますか？ =="), 120, 900, kClientWidth - 240, 360);
  Shape1[0] = heading.shape;
  Label3 = heading.label;

  Command1 = new QPushButton(QStringLiteral("引き受ける"), this);
  platform::Place(Command1, 360, 1440, 1650, 420);
  Command2 = new QPushButton(QStringLiteral("引き受けない"), this);
  platform::Place(Command2, 2190, 1440, 1650, 420);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form16::Form_Load() {
  platform::FillHeadingBars(Shape1);
  const Value& mode = State().FormSlot[form::kRequestReply].Mode;
  if (mode == request_mode::kOneShot) Label1->setText(QStringLiteral("読切漫画の依頼です"));
  if (mode == request_mode::kSerial) Label1->setText(QStringLiteral("連載漫画の依頼です"));
  if (mode == request_mode::kEndSerial) {
    setWindowTitle(QStringLiteral("連載漫画終了"));
    Label1->setText(QStringLiteral("連載を本当に終了させますか？"));
    Command1->setText(QStringLiteral("終了させる"));
    Command2->setText(QStringLiteral("やめる"));
  }
  Command1->setFocus();
}

void Form16::Command1_Click() { AcceptRequest(); }

void Form16::Command2_Click() { DeclineRequest(); }

namespace {
const bool registered = platform::RegisterForm<Form16>(form::kRequestReply);
}  // namespace

}  // namespace koratsu
