#include "production/windows/no_permission_window.h"

#include "platform/twips.h"
#include "production/adaptation.h"
#include "platform/heading_bar.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kClientWidth = 4200;
constexpr int kClientHeight = 1860;

}  // namespace

// It does not pause the clock itself: the talk that opens it runs with the
// clock stopped by the windows before it.
Form57::Form57() : Form({.removeCloseItem = true, .resumeRequestOnUnload = true}) {
  setWindowTitle(QStringLiteral("断られました。"));
  platform::SetFixedClientSize(this, kClientWidth, kClientHeight);
  platform::HeadingBar heading = platform::MakeHeadingBar(this, QStringLiteral("== 断られてしまいました =="), 120, 120, 3960, 360);
  Shape1[0] = heading.shape;
  Label3[0] = heading.label;
  Label1[0] = new QLabel(QStringLiteral("無許可で作りますか？"), this);
  Label1[0]->setAlignment(Qt::AlignCenter);
  platform::Place(Label1[0], 120, 690, 3960, 330);
  Command1 = new QPushButton(QStringLiteral("無許可で作る"), this);
  platform::Place(Command1, 360, 1290, 1650, 390);
  Command2 = new QPushButton(QStringLiteral("やめておく"), this);
  platform::Place(Command2, 2190, 1290, 1650, 390);
  // Neither is the default: Enter presses the button that has the focus.
  Command1->setAutoDefault(true);
  Command2->setAutoDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form57::Form_Load() { platform::FillHeadingBars(Shape1); }

void Form57::Command1_Click() { MakeWithoutPermission(); }

void Form57::Command2_Click() { GiveUpAdaptation(); }

namespace {
const bool registered = platform::RegisterForm<Form57>(form::kNovelRefused);
}  // namespace

}  // namespace koratsu
