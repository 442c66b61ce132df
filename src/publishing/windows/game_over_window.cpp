#include "publishing/windows/game_over_window.h"

#include "platform/controls.h"
#include "platform/heading_bar.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "publishing/game_end.h"
#include "shell/game_flow.h"
#include "shell/windows/main_window.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

Form51::Form51() : Form({.removeCloseItem = true, .pauseClock = true}) {
  setWindowTitle(QStringLiteral("ゲームオーバー"));
  platform::SetFixedClientSize(this, 7560, 1980);
  auto heading = platform::MakeHeadingBar(this, QStringLiteral("== ゲームオーバーです =="), 120, 120, 7320, 330);
  Shape1 = heading.shape;
  Label3 = heading.label;

  Text1 = new QPlainTextEdit(this);
  platform::Place(Text1, 120, 570, 7320, 765);
  Text1->setReadOnly(true);
  Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Text1->setContextMenuPolicy(Qt::NoContextMenu);
  platform::RefuseTyping(Text1);

  Command1 = new QPushButton(QStringLiteral("さよなら"), this);
  platform::Place(Command1, 3030, 1470, 1500, 390);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form51::Form_Load() {
  platform::FillHeadingBars(std::span(&Shape1, 1));
  QStringList lines;
  for (const std::string& line : GameOverLines(State().GameOverCause)) lines << platform::Q(line);
  Text1->setPlainText(lines.join(QLatin1Char('\n')));
  Command1->setFocus();
}

void EndTheGame(platform::Form& window) {
  if (MDIForm1* main = MDIForm1::Instance()) {
    shell::ReturnToTitle(*main, window.Number());
  } else {
    window.Unload();
  }
}

void Form51::Command1_Click() { EndTheGame(*this); }

namespace {
const bool registered = platform::RegisterForm<Form51>(form::kGameOver);
}  // namespace

}  // namespace koratsu
