#include "life/windows/arubaito_window.h"

#include <QSignalBlocker>

#include "life/arubaito.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr unsigned kCostColor = 0x0000C0;

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

Form32::Form32() : Form({.pauseClock = true, .resumeRequestOnUnload = true}) {
  setWindowTitle(QStringLiteral("ｱﾙﾊﾞｲﾄをします"));
  platform::SetFixedClientSize(this, 5400, 3300);

  Label3[0] = BandCaption(this, Shape1[0], "== どのｱﾙﾊﾞｲﾄをしますか？  ==", 120, 120, 5160, 360);
  Label3[1] = BandCaption(this, Shape1[1], "何をしますか？", 120, 600, 1560, 360);
  Combo1[0] = new QComboBox(this);
  platform::Place(Combo1[0], 1800, 600, 3480, 360);
  Combo1[0]->setMaxVisibleItems(12);
  platform::MakeDropDown(Combo1[0]);

  Image1[0] = new QLabel(this);
  platform::Place(Image1[0], 120, 1080, 960, 960);
  Image1[0]->setPixmap(platform::FormPicture(form::kArubaito, QStringLiteral("Image1(0)")));

  Picture1 = SunkenPanel(this, 1200, 1080, 4080, 960);
  Label1[2] = PanelText(Picture1, "仕事期間", 150, 165, 1200, true);
  Label1[3] = PanelText(Picture1, "", 1440, 165, 2520);
  Label1[4] = PanelText(Picture1, "合計給与", 150, 525, 1200, true);
  Label1[5] = PanelText(Picture1, "", 1440, 525, 2520);

  Label2[2] = BandCaption(this, Shape1[2], "体力", 1200, 2205, 780, 300);
  stamina_.Build(this, 2100, 2250, 1500, 3660, 720);
  Shape12[0] = stamina_.gauge.frame;
  Shape2[0] = stamina_.gauge.bar;
  Shape11[0] = stamina_.gauge.outline;
  Label10[0] = stamina_.text;
  Label1[6] = new QLabel(this);
  platform::Place(Label1[6], 4440, 2220, 840, 270);
  QPalette cost = Label1[6]->palette();
  cost.setColor(QPalette::WindowText, platform::VbColor(kCostColor));
  Label1[6]->setPalette(cost);

  Command3 = new QPushButton(QStringLiteral("決定"), this);
  platform::Place(Command3, 2760, 2760, 1200, 390);
  Command3->setDefault(true);
  Command2 = new QPushButton(QStringLiteral("やめる"), this);
  platform::Place(Command2, 4080, 2760, 1200, 390);
  Command2->setAutoDefault(false);

  connect(Combo1[0], &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
  connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form32::Form_Load() {
  OpenArubaito();
  platform::FillHeadingBars(Shape1);
  const GameState& g = State();
  {
    QSignalBlocker quiet(Combo1[0]);
    const long long jobs = g.ArubaitoCount.Index();
    for (long long r = 0; r < jobs; ++r) Combo1[0]->addItem(Q(g.ArubaitoJob[r].Name.Str()));
    Combo1[0]->setCurrentIndex(0);
  }
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
