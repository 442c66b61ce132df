#include "life/windows/arubaito_end_window.h"

#include "life/arubaito.h"
#include "platform/heading_bar.h"
#include "platform/panels.h"
#include "platform/twips.h"
#include "state/game_state.h"
#include "state/money.h"
#include "state/time_text.h"
#include "ui/forms.h"

namespace koratsu {

Form34::Form34() : Form({.removeCloseItem = true, .pauseClock = true}) {
  setWindowTitle(QStringLiteral("ｱﾙﾊﾞｲﾄ終了"));
  platform::SetFixedClientSize(this, 4200, 2250);

  const platform::HeadingBar heading =
      platform::MakeHeadingBar(this, QStringLiteral("== ｱﾙﾊﾞｲﾄが終了しました  =="), 120, 120, 3960, 360);
  Shape1[0] = heading.shape;
  LabelC[0] = heading.label;
  Picture1 = platform::SunkenPanel(this, 120, 600, 3960, 960);
  Label1[0] = platform::PanelText(Picture1, "合計給与", 150, 165, 1200, true);
  Label1[1] = platform::PanelText(Picture1, "", 1440, 165, 2400);
  Label1[2] = platform::PanelText(Picture1, "合計時間", 150, 525, 1200, true);
  Label1[3] = platform::PanelText(Picture1, "", 1440, 525, 2400);

  Command1 = new QPushButton(QStringLiteral("閉じる"), this);
  platform::Place(Command1, 2880, 1740, 1200, 390);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form34::Form_Load() {
  platform::FillHeadingBars(Shape1);
  PayArubaito();
  const GameState& g = State();
  Label1[1]->setText(QString::fromStdString(FormatKingaku(g.ArubaitoPayChosen) + "円"));
  Label1[3]->setText(QString::fromStdString(FormatMinutes(g.KoudouMinutesTotal)));
  Command1->setFocus();
}

void Form34::Command1_Click() { Unload(); }

namespace {
const bool registered = platform::RegisterForm<Form34>(form::kArubaitoEnd);
}  // namespace

}  // namespace koratsu
