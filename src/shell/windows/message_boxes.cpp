#include "shell/windows/message_boxes.h"

#include <algorithm>

#include "platform/pictures.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

QLabel* MessageLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  return label;
}

// The label keeps its designed place for one line; a longer text wraps and
// the label grows evenly upwards and downwards, above the buttons.
void FitMessage(QLabel* label, const QString& text, int buttonsTop) {
  label->setText(text);
  int needed = label->heightForWidth(label->width());
  if (needed <= label->height()) return;
  int centre = label->y() + label->height() / 2;
  int room = std::min(centre - 4, buttonsTop - 4 - centre);
  int half = std::min(needed / 2 + 1, room);
  label->setGeometry(label->x(), centre - half, label->width(), 2 * half);
}

QString AppTitle() { return platform::Q(State().AppTitle.Str()); }

}  // namespace

// ---------------------------------------------------------------- Form40

Form40::Form40() : Form({.removeCloseItem = true}) {
  platform::SetFixedClientSize(this, 4920, 1335);
  Image1 = new QLabel(this);
  platform::Place(Image1, 195, 180, 480, 480);
  Image1->setPixmap(platform::FormPicture(form::kYesNo, QStringLiteral("Image1")));
  Label1 = MessageLabel(this);
  platform::Place(Label1, 720, 360, 3615, 375);
  const char* captions[] = {"はい(&Y)", "いいえ(&N)"};
  const int lefts[] = {1560, 2640};
  for (int i = 0; i < 2; ++i) {
    Command1[i] = new QPushButton(platform::Q(captions[i]), this);
    platform::Place(Command1[i], lefts[i], 855, 900, 330);
    connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
  }
}

void Form40::Form_Load() {
  setWindowTitle(AppTitle());
  Command1[0]->setFocus();
}

void Form40::SetMessage(const QString& text) { FitMessage(Label1, text, Command1[0]->y()); }

void Form40::Command1_Click(int index) {
  State().YesNoAnswer = index;
  if (Answered) Answered();
  Unload();
}

// ---------------------------------------------------------------- Form42

Form42::Form42() : Form({.removeCloseItem = true}) {
  platform::SetFixedClientSize(this, 4995, 1290);
  Image1 = new QLabel(this);
  platform::Place(Image1, 240, 180, 480, 480);
  Image1->setPixmap(platform::FormPicture(form::kMessage, QStringLiteral("Image1")));
  Label1 = MessageLabel(this);
  platform::Place(Label1, 765, 360, 4095, 375);
  Command1[0] = new QPushButton(QStringLiteral("OK"), this);
  platform::Place(Command1[0], 2160, 840, 900, 330);
  connect(Command1[0], &QPushButton::clicked, this, [this] { Command1_Click(0); });
}

void Form42::Form_Load() {
  setWindowTitle(AppTitle());
  Command1[0]->setFocus();
}

void Form42::SetMessage(const QString& text) { FitMessage(Label1, text, Command1[0]->y()); }

void Form42::Command1_Click(int) { Unload(); }

namespace {
const bool registered40 = platform::RegisterForm<Form40>(form::kYesNo);
const bool registered42 = platform::RegisterForm<Form42>(form::kMessage);
}  // namespace

}  // namespace koratsu
