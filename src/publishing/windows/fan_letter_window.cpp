#include "publishing/windows/fan_letter_window.h"

#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/heading_bar.h"
#include "platform/panels.h"
#include "platform/pictures.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "publishing/magazine_texts.h"
#include "publishing/windows/magazine_text_window.h"
#include "ui/forms.h"

namespace koratsu {

Form64::Form64() : Form({.pauseClock = true}) {
  setWindowTitle(QStringLiteral("ﾌｧﾝﾚﾀｰ"));
  platform::SetFixedClientSize(this, 4800, 2580);

  const auto heading = platform::MakeHeadingBar(this, QStringLiteral("== ﾌｧﾝﾚﾀｰです =="), 120, 120, 4560, 360);
  Shape1[0] = heading.shape;
  LabelC[0] = heading.label;

  Image1 = new QLabel(this);
  platform::Place(Image1, 120, 600, 1800, 1350);
  Image1->setPixmap(platform::FormPicture(form::kFanLetter, QStringLiteral("Image1")));
  Shape2[0] = new QWidget(this);
  Shape2[0]->setAttribute(Qt::WA_TransparentForMouseEvents);
  Shape2[0]->setAttribute(Qt::WA_StyledBackground);
  Shape2[0]->setStyleSheet(QStringLiteral("border: 1px solid black; background: transparent;"));
  platform::Place(Shape2[0], 120, 600, 1800, 1350);

  Picture1 = platform::SunkenPanel(this, 2040, 600, 2640, 1350);
  platform::SetBackground(Picture1, platform::kWhite);
  Label1[1] = platform::PanelText(Picture1, "ﾌｧﾝﾚﾀｰが届きました。", 120, 330, 2400);
  Label1[2] = platform::PanelText(Picture1, "", 120, 750, 2400, true);

  Command1 = new QPushButton(QStringLiteral("ﾌｧﾝﾚﾀｰを読む"), this);
  platform::Place(Command1, 1920, 2070, 1560, 390);
  Command2 = new QPushButton(QStringLiteral("閉じる"), this);
  platform::Place(Command2, 3600, 2070, 1080, 390);
  platform::DefaultButton(Command1, {Command2});
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form64::Form_Load() {
  platform::FillHeadingBars(Shape1);
  Label1[2]->setText(platform::Q(FanLetterAddressee()));
}

void Form64::Command1_Click() { Form54::Read(ChooseFanLetter(), kFanLetterReading); }

void Form64::Command2_Click() { Unload(); }

namespace {
const bool registered = platform::RegisterForm<Form64>(form::kFanLetter);
}  // namespace

}  // namespace koratsu
