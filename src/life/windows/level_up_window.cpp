#include "life/windows/level_up_window.h"

#include "life/experience.h"
#include "platform/heading_bar.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

const QString kNext = QStringLiteral("次へ >>");
const QString kClose = QStringLiteral("閉じる");

}  // namespace

Form41::Form41() : Form({.removeCloseItem = true, .pauseClock = true}) {
  setWindowTitle(QStringLiteral("レベルアップ"));
  platform::SetFixedClientSize(this, 4800, 1935);

  auto heading = platform::MakeHeadingBar(this, QStringLiteral("== レベルアップしました!!  =="), 120, 120, 4560, 360);
  Shape1[0] = heading.shape;
  Label3[0] = heading.label;

  Image1[0] = new QLabel(this);
  platform::Place(Image1[0], 120, 600, 720, 720);
  Image1[0]->setPixmap(platform::FormPicture(form::kLevelUp, QStringLiteral("Image1(0)")));

  Picture1 = new QLabel(this);
  platform::Place(Picture1, 960, 600, 3720, 720);
  Picture1->setStyleSheet(QStringLiteral("QLabel { background: white; border: 1px solid #808080; }"));
  Label1[0] = nullptr;
  Label1[1] = nullptr;
  Label1[2] = new QLabel(Picture1);
  platform::Place(Label1[2], 90, 60, 3540, 600);
  Label1[2]->setWordWrap(true);
  Label1[2]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Label1[2]->setStyleSheet(QStringLiteral("color: black; background: transparent; border: none;"));

  Command1 = new QPushButton(this);
  platform::Place(Command1, 3480, 1440, 1200, 375);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form41::Form_Load() {
  platform::FillHeadingBars(Shape1);
  Command1->setText(State().LevelUpLineCount > 1 ? kNext : kClose);
  ShowLine();
}

void Form41::ShowLine() {
  const GameState& g = State();
  Label1[2]->setText(QString::fromStdString(g.LevelUpLines[g.LevelUpLineIndex].Str()));
}

void Form41::Command1_Click() {
  if (!TurnLevelUpLine()) {
    Unload();
    return;
  }
  ShowLine();
  const GameState& g = State();
  if (g.LevelUpLineIndex.Index() == g.LevelUpLineCount.Index() - 1) Command1->setText(kClose);
}

void Form41::Form_Unload() { CloseLevelUp(); }

namespace {
const bool registered = platform::RegisterForm<Form41>(form::kLevelUp);
}  // namespace

}  // namespace koratsu
