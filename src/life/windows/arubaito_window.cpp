#include "life/windows/arubaito_window.h"

#include "life/arubaito.h"
#include "platform/controls.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

using platform::Q;

Form32::Form32() : Form({.pauseClock = true, .resumeRequestOnUnload = true}) {
  setWindowTitle(QStringLiteral("ｱﾙﾊﾞｲﾄをします"));
  platform::SetFixedClientSize(this, 5400, 3300);

  const ChoiceDialog d =
      BuildChoiceDialog(this, Shape1, "== どのｱﾙﾊﾞｲﾄをしますか？  ==", form::kArubaito, "決定", stamina_);
  Label3 = {d.heading, d.prompt};
  Combo1[0] = d.list;
  Image1[0] = d.picture;
  Label2[2] = d.staminaCaption;
  Label1[6] = d.staminaCost;
  Command3 = d.start;
  Command2 = d.cancel;
  Shape12[0] = stamina_.gauge.frame;
  Shape2[0] = stamina_.gauge.bar;
  Shape11[0] = stamina_.gauge.outline;
  Label10[0] = stamina_.text;

  Picture1 = SunkenPanel(this, 1200, 1080, 4080, 960);
  Label1[2] = PanelText(Picture1, "仕事期間", 150, 165, 1200, true);
  Label1[3] = PanelText(Picture1, "", 1440, 165, 2520);
  Label1[4] = PanelText(Picture1, "合計給与", 150, 525, 1200, true);
  Label1[5] = PanelText(Picture1, "", 1440, 525, 2520);

  connect(Combo1[0], &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
  connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form32::Form_Load() {
  OpenArubaito();
  platform::FillHeadingBars(Shape1);
  const GameState& g = State();
  std::vector<std::string> names;
  for (long long r = 0; r < g.ArubaitoCount.Index(); ++r) names.push_back(g.ArubaitoJob[r].Name.Str());
  FillChoiceList(Combo1[0], names);
  Combo1_Click();
  stamina_.Show();
  Command3->setFocus();
}

void Form32::Combo1_Click() {
  const int row = Combo1[0]->currentIndex();
  ChooseArubaito(row);
  const ArubaitoTexts texts = DescribeArubaito(row);
  Label1[3]->setText(Q(texts.minutes));
  Label1[5]->setText(Q(texts.pay));
  Label1[6]->setText(Q(texts.stamina));
}

void Form32::Command3_Click() { StartArubaito(Combo1[0]->currentIndex()); }

void Form32::Command2_Click() { Unload(); }

namespace {
const bool registered = platform::RegisterForm<Form32>(form::kArubaito);
}  // namespace

}  // namespace koratsu
