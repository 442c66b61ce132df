#include "life/windows/assistant_windows.h"

#include <QFrame>

#include "life/assistants.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/heading_bar.h"
#include "platform/pictures.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kRowTop[3] = {600, 1050, 1500};  // name, skill, points; twips

QLabel* Field(QWidget* parent, int top) {
  auto* label = new QLabel(parent);
  platform::Place(label, 2610, top, 2010, 300);
  label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
  return label;
}

}  // namespace

AssistantForm::AssistantForm(const QString& caption, const QString& heading, const QString& command)
    : Form({.pauseClock = true, .resumeRequestOnUnload = true}) {
  setWindowTitle(caption);
  platform::SetFixedClientSize(this, 4800, 2940);

  const auto top = platform::MakeHeadingBar(this, heading, 120, 120, 4560, 300);
  Shape1[0] = top.shape;
  Label3[0] = top.label;

  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setLineWidth(2);
  platform::Place(frame, 210, 570, 1020, 1260);
  Image1[0] = new QLabel(this);
  platform::Place(Image1[0], 240, 600, 960, 1200);

  // Name, skill and points: a caption on a band, the value in a white field beside it.
  const int captionIndex[3] = {3, 1, 2};
  const char* const captions[3] = {"名前", "技術", "仕事ﾎﾟｲﾝﾄ"};
  const int valueIndex[3] = {1, 0, 2};
  for (int row = 0; row < 3; ++row) {
    const auto caption = platform::MakeHeadingBar(this, platform::Q(captions[row]), 1440, kRowTop[row], 1080, 300);
    Shape1[static_cast<std::size_t>(row + 1)] = caption.shape;
    Label1[static_cast<std::size_t>(captionIndex[row])] = caption.label;
    Shape3[static_cast<std::size_t>(row)] = new platform::Shape(this, platform::kWhite);
    platform::Place(Shape3[static_cast<std::size_t>(row)], 2520, kRowTop[row], 2160, 300);
    Label2[static_cast<std::size_t>(valueIndex[row])] = Field(this, kRowTop[row]);
  }

  HScroll1 = new QScrollBar(Qt::Horizontal, this);
  platform::Place(HScroll1, 240, 1980, 4440, 255);
  HScroll1->setPageStep(1);
  connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
  connect(HScroll1, &QScrollBar::sliderMoved, this, [this] { HScroll1_Scroll(); });
  // The wheel anywhere over the window turns the pages, one a line, as the arrows do.
  platform::ScrollWithWheel(this, HScroll1, 1);

  Command1 = new QPushButton(command, this);
  platform::Place(Command1, 1680, 2430, 1440, 390);
  Command2 = new QPushButton(QStringLiteral("やめる"), this);
  platform::Place(Command2, 3240, 2430, 1440, 390);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void AssistantForm::OpenList() {
  platform::FillHeadingBars(Shape1);
  const QSignalBlocker quiet(HScroll1);
  HScroll1->setRange(0, static_cast<int>(State().AsiListCount.Index()) - 1);
  HScroll1->setValue(0);
  ShowPage();
}

void AssistantForm::ShowPage() {
  const GameState& g = State();
  const int page = HScroll1->value();
  if (page < 0 || page >= g.AsiListCount.Index()) {
    Image1[0]->clear();
    for (QLabel* label : Label2) label->clear();
    return;
  }
  const rec::Assistant& a = g.Assistant[g.AsiList[page]];
  // A missing portrait shows as an empty picture.
  Image1[0]->setPixmap(platform::LoadPicture(platform::Q(Join("Graphic/Human", a.Picture, ".bmp"))));
  Label2[1]->setText(platform::Q(a.Name.Str()));
  Label2[0]->setText(platform::Q(a.Skill.Str()));
  Label2[2]->setText(platform::Q(Join("+", a.Point, "ﾎﾟｲﾝﾄ")));
}

void AssistantForm::Command2_Click() { Unload(); }

void AssistantForm::HScroll1_Change() { ShowPage(); }

void AssistantForm::HScroll1_Scroll() { ShowPage(); }

// ---------------------------------------------------------------- Form52

Form52::Form52()
    : AssistantForm(QStringLiteral("ｱｼｽﾀﾝﾄを雇用する"), QStringLiteral("== ｱｼｽﾀﾝﾄを雇用する =="),
                    QStringLiteral("雇用する")) {}

void Form52::Form_Load() {
  DrawAssistantOffer();
  OpenList();
}

void Form52::Command1_Click() {
  if (HireAssistant(HScroll1->value())) Unload();
}

// ---------------------------------------------------------------- Form53

Form53::Form53()
    : AssistantForm(QStringLiteral("ｱｼｽﾀﾝﾄ解雇"), QStringLiteral("== ｱｼｽﾀﾝﾄを解雇する =="),
                    QStringLiteral("解雇する")) {}

void Form53::Form_Load() {
  ListHiredAssistants();
  OpenList();
}

void Form53::Command1_Click() {
  if (DismissAssistant(HScroll1->value())) Unload();
}

namespace {
const bool registered52 = platform::RegisterForm<Form52>(form::kHireAssistant);
const bool registered53 = platform::RegisterForm<Form53>(form::kDismissAssistant);
}  // namespace

}  // namespace koratsu
