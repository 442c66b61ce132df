#include "life/windows/choice_dialog.h"

#include <QSignalBlocker>

#include "life/activity_windows.h"
#include "platform/colors.h"
#include "platform/heading_bar.h"
#include "platform/panels.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "state/game_state.h"

namespace koratsu {

namespace {

constexpr unsigned kCostColor = 0x0000C0;

}  // namespace

ActivityChoiceDialog::ActivityChoiceDialog(const char* caption, const char* heading, int pictureForm,
                                           const char* start, int panelHeight)
    : Form({.pauseClock = true, .resumeRequestOnUnload = true}) {
  setWindowTitle(platform::Q(caption));
  platform::SetFixedClientSize(this, 5400, 3300);

  const DialogTop top = BuildDialogTop(this, heading, Label3, Shape1[0], Shape1[1], pictureForm, "Image1(0)");
  Combo1[0] = top.list;
  Image1[0] = top.picture;
  Picture1 = platform::SunkenPanel(this, 1200, 1080, 4080, panelHeight);

  const auto stamina = platform::MakeHeadingBar(this, QStringLiteral("体力"), 1200, 2205, 780, 300);
  Shape1[2] = stamina.shape;
  Label2[2] = stamina.label;
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

  StartAndCancelButtons(this, start, 2760, Command3, Command2);

  connect(Combo1[0], &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
  connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void ActivityChoiceDialog::ShowChoices(const std::vector<std::string>& names) {
  platform::FillHeadingBars(Shape1);
  {
    QSignalBlocker quiet(Combo1[0]);
    for (const std::string& name : names) Combo1[0]->addItem(platform::Q(name));
    Combo1[0]->setCurrentIndex(0);
  }
  Combo1_Click();
  const GameState& g = State();
  stamina_.Show(platform::Q(StaminaGaugeText()), g.Stamina.Num(), g.StaminaMax.Num());
  Command3->setFocus();
}

}  // namespace koratsu
