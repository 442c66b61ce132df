#include "shell/windows/new_game_window.h"

#include "platform/controls.h"
#include "platform/heading_bar.h"
#include "platform/pictures.h"
#include "platform/qt_strings.h"
#include "platform/text_box.h"
#include "platform/twips.h"
#include "shell/game_flow.h"
#include "shell/windows/main_window.h"
#include "state/log.h"
#include "ui/forms.h"

namespace koratsu {

Form3::Form3() : Form({.pauseClock = true}) {
  setWindowTitle(QStringLiteral("新しいゲーム"));
  platform::SetFixedClientSize(this, 5160, 2400);

  const auto heading = platform::MakeHeadingBar(this, QStringLiteral("== 新しいゲームを始めます  =="), 120, 120, 4920, 360);
  Shape1[0] = heading.shape;
  Label3 = heading.label;
  const auto name = platform::MakeHeadingBar(this, QStringLiteral("名前"), 1560, 840, 900, 360);
  Shape1[1] = name.shape;
  Label2 = name.label;

  Picture1 = new QLabel(this);
  platform::Place(Picture1, 120, 600, 1320, 1680);
  Picture1->setPixmap(platform::FormPicture(form::kNewGame, QStringLiteral("Picture1")));

  Text1 = new QLineEdit(this);
  platform::Place(Text1, 2520, 840, 2520, 360);
  platform::LimitTextBox(Text1, kNameLength);

  Command1 = new QPushButton(QStringLiteral("決定"), this);
  platform::Place(Command1, 2520, 1800, 1200, 390);
  Command2 = new QPushButton(QStringLiteral("やめる"), this);
  platform::Place(Command2, 3840, 1800, 1200, 390);
  platform::DefaultButton(Command1, {Command2});
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form3::Form_Load() {
  platform::FillHeadingBars(Shape1);
  Text1->setFocus();
}

void Form3::Command1_Click() {
  MDIForm1* main = MDIForm1::Instance();
  if (!main) {
    LogLine(form::Name(form::kNewGame) + ": no main window to start a game in");
    return;
  }
  shell::ConfirmNewGame(platform::ToStd(Text1->text()), *main);
}

void Form3::Command2_Click() { Unload(); }

namespace {
const bool registered = platform::RegisterForm<Form3>(form::kNewGame);
}  // namespace

}  // namespace koratsu
