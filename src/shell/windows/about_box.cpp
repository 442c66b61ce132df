#include "shell/windows/about_box.h"

#include <QIcon>
#include <QMouseEvent>

#include "platform/colors.h"
#include "platform/heading_bar.h"
#include "platform/pictures.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "platform/window_conventions.h"
#include "shell/about.h"
#include "state/game_state.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

const QString kAddressShown = QStringLiteral("koratsu.example.org");

QFont NoticeFont() {
  QFont font(QStringLiteral("MS UI Gothic"), 9);
  font.setBold(true);
  return font;
}

}  // namespace

// ---------------------------------------------------------------- pressable picture

void PressablePicture::mousePressEvent(QMouseEvent* event) {
  pressed_ = true;
  if (Pressed) Pressed(event->button());
}

void PressablePicture::mouseReleaseEvent(QMouseEvent* event) {
  bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click && Clicked) Clicked();
}

// ---------------------------------------------------------------- Form2

const char* const Form2::kWebPage = "https://koratsu.example.org/";

Form2::Form2() : Form({.pauseClock = true}) {
  setWindowTitle(QStringLiteral("バージョン情報"));
  setWindowIcon(QIcon(platform::FormPicture(form::kMDIForm1, QStringLiteral("Icon"))));
  platform::SetFixedClientSize(this, 3960, 2025);
  platform::SetBackground(this, platform::kLightGrey);

  const auto heading = platform::MakeHeadingBar(this, QStringLiteral("== ﾊﾞｰｼﾞｮﾝ情報です  =="), 120, 120, 3735, 255);
  Shape1[0] = heading.shape;
  Label3[0] = heading.label;
  platform::Place(Label3[0], 120, 150, 3735, 180);

  Image1 = new PressablePicture(this);
  platform::Place(Image1, 120, 480, 540, 540);
  Image1->setScaledContents(true);
  Image1->setPixmap(platform::FormPicture(form::kMDIForm1, QStringLiteral("Icon")));
  Image1->Pressed = [this](Qt::MouseButton button) { Image1_MouseDown(button); };

  Picture1 = new QWidget(this);
  platform::Place(Picture1, 720, 510, 3135, 495);
  platform::SetBackground(Picture1, platform::kWhite);

  Label1[1] = new platform::ClickableLabel(Picture1);
  platform::Place(Label1[1], 0, 150, 3135, 225);
  Label1[1]->setAlignment(Qt::AlignCenter);
  Label1[2] = new platform::ClickableLabel(kAddressShown, this);
  platform::Place(Label1[2], 120, 1080, 2055, 255);
  Label1[2]->setStyleSheet(QStringLiteral("color: #0000c0; text-decoration: underline;"));
  Label1[3] = new platform::ClickableLabel(QStringLiteral("ご意見募集中"), this);
  platform::Place(Label1[3], 2280, 1080, 1215, 255);
  Label1[3]->setFont(NoticeFont());
  Label1[4] = new platform::ClickableLabel(this);
  platform::Place(Label1[4], 120, 1320, 3375, 255);
  Label1[4]->setFont(NoticeFont());
  for (int i = 1; i <= 4; ++i) {
    Label1[static_cast<size_t>(i)]->Clicked = [this, i] { Label1_Click(i); };
    Label1[static_cast<size_t>(i)]->setCursor(Qt::PointingHandCursor);
  }

  Image2 = new PressablePicture(this);
  platform::Place(Image2, 3600, 1080, 225, 405);
  Image2->setPixmap(platform::FormPicture(form::kAbout, QStringLiteral("Image2")));
  Image2->setCursor(Qt::PointingHandCursor);
  Image2->Clicked = [this] { Image2_Click(); };

  Command1 = new QPushButton(QStringLiteral("Vorelliのサイトへ行く"), this);
  platform::Place(Command1, 120, 1560, 3735, 375);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form2::Form_Load() {
  platform::FillHeadingBars(Shape1);
  GameState& g = State();
  Label1[4]->setText(platform::Q("Version " + g.AppVersion.Str()));
  Label1[1]->setText(platform::Q(g.AppTitle.Str()));
  shell::StartAboutSequence();
}

void Form2::Image1_MouseDown(Qt::MouseButton button) {
  if (shell::PressAboutPicture(button == Qt::LeftButton)) ui::Show(form::kTricks, ui::Modal);
}

void Form2::OpenWebPage() { ui::OpenWebPage(kWebPage); }

void Form2::Image2_Click() { OpenWebPage(); }

void Form2::Label1_Click(int) { OpenWebPage(); }

void Form2::Command1_Click() { OpenWebPage(); }

// ---------------------------------------------------------------- Form28

Form28::Form28() : Form({}) {
  setWindowTitle(QStringLiteral("ｳﾗﾜｻﾞ(ﾏﾙﾍﾟﾝ君)ｳｨﾝﾄﾞｳ"));
  setWindowIcon(QIcon(platform::FormPicture(form::kTricks, QStringLiteral("Icon"))));
  platform::SetFixedClientSize(this, 2400, 1065);

  Command1 = new QPushButton(QStringLiteral("エンディングを見る"), this);
  platform::Place(Command1, 120, 120, 2175, 375);
  Command2 = new QPushButton(QStringLiteral("知識ﾎﾟｲﾝﾄをまんたん"), this);
  platform::Place(Command2, 120, 600, 2175, 375);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form28::Command1_Click() {
  // Both windows close first; the ending then ends whatever game runs.
  ui::Unload(form::kTricks);
  ui::Unload(form::kAbout);
  ui::Show(form::kEnding, ui::Modal);
}

void Form28::Command2_Click() { shell::FillKnowledgePoints(); }

namespace {
const bool registered2 = platform::RegisterForm<Form2>(form::kAbout);
const bool registered28 = platform::RegisterForm<Form28>(form::kTricks);
}  // namespace

}  // namespace koratsu
