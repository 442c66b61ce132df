#include "shell/windows/message_boxes.h"

#include <algorithm>
#include <span>

#include "platform/pictures.h"
#include "platform/placement.h"
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

// The widest a box grows to hold its text on one line, pixels: well inside
// the main window at its default size.
constexpr int kWidestBox = 520;

// A box's design: its client area, its label and the left edges of its
// buttons, in twips.
struct BoxDesign {
  int width, height;
  int left, top, labelWidth, labelHeight;
  int buttonTop;
  std::span<const int> buttonLefts;
};

// The box at its designed size, its label and buttons at their designed
// places, showing `text`. A text the label cannot hold on one line widens
// the box (the label grows to the right, the buttons stay centred) until it
// can; a text too long even for the widest box wraps at the narrowest width
// that needs no more lines, so that its lines come out even and none is left
// holding only the last few characters. A wrapped text makes the label grow
// evenly upwards and downwards, above the buttons.
void FitMessage(QWidget* box, QLabel* label, std::span<QPushButton* const> buttons, const BoxDesign& d,
                const QString& text) {
  // Measured before the box is shown: polished first, it measures its text
  // as it will show it (plain).
  label->ensurePolished();
  const QSize before = box->size();
  platform::SetFixedClientSize(box, d.width, d.height);
  platform::Place(label, d.left, d.top, d.labelWidth, d.labelHeight);
  label->setText(text);
  const int designed = label->width();
  const int widest = designed + std::max(0, kWidestBox - box->width());
  const int evenHeight = label->heightForWidth(widest);
  int width = designed;
  if (label->heightForWidth(designed) > evenHeight) {
    int enough = widest;  // the narrowest width that needs no more height than the widest
    while (width < enough) {
      const int middle = (width + enough) / 2;
      if (label->heightForWidth(middle) <= evenHeight) {
        enough = middle;
      } else {
        width = middle + 1;
      }
    }
  }
  const int grown = width - designed;
  box->setFixedSize(box->width() + grown, box->height());
  label->resize(width, label->height());
  for (size_t i = 0; i < buttons.size(); ++i)
    buttons[i]->move(platform::Px(d.buttonLefts[i]) + grown / 2, platform::Px(d.buttonTop));
  // Loaded boxes are centred before their text is set.
  if (box->size() != before && !box->isVisible()) platform::CentreOverMainWindow(box);

  const int needed = label->heightForWidth(label->width());
  if (needed <= label->height()) return;
  const int centre = label->y() + label->height() / 2;
  const int room = std::min(centre - 4, buttons[0]->y() - 4 - centre);
  const int half = std::min(needed / 2 + 1, room);
  label->setGeometry(label->x(), centre - half, label->width(), 2 * half);
}

constexpr int kYesNoLefts[] = {1560, 2640};
constexpr BoxDesign kYesNoDesign{4920, 1335, 720, 360, 3615, 375, 855, kYesNoLefts};
constexpr int kMessageLefts[] = {2160};
constexpr BoxDesign kMessageDesign{4995, 1290, 765, 360, 4095, 375, 840, kMessageLefts};

QString AppTitle() { return platform::Q(State().AppTitle.Str()); }

}  // namespace

// ---------------------------------------------------------------- Form40

Form40::Form40() : Form({.removeCloseItem = true}) {
  Image1 = new QLabel(this);
  platform::Place(Image1, 195, 180, 480, 480);
  Image1->setPixmap(platform::FormPicture(form::kYesNo, QStringLiteral("Image1")));
  Label1 = MessageLabel(this);
  const char* captions[] = {"はい(&Y)", "いいえ(&N)"};
  for (int i = 0; i < 2; ++i) {
    Command1[i] = new QPushButton(platform::Q(captions[i]), this);
    platform::Place(Command1[i], kYesNoDesign.buttonLefts[i], kYesNoDesign.buttonTop, 900, 330);
    connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
  }
  SetMessage(QString());
}

void Form40::Form_Load() {
  setWindowTitle(AppTitle());
  Command1[0]->setFocus();
}

// As in the desktop's own yes/no boxes, Y and N alone answer, as well as
// with Alt.
void Form40::keyPressEvent(QKeyEvent* event) {
  constexpr Qt::KeyboardModifiers kHeld = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  if (!(event->modifiers() & kHeld)) {
    if (event->key() == Qt::Key_Y) return Command1[0]->click();
    if (event->key() == Qt::Key_N) return Command1[1]->click();
  }
  Form::keyPressEvent(event);
}

void Form40::SetMessage(const QString& text) { FitMessage(this, Label1, Command1, kYesNoDesign, text); }

void Form40::Command1_Click(int index) {
  State().YesNoAnswer = index;
  if (Answered) Answered();
  Unload();
}

// ---------------------------------------------------------------- Form42

Form42::Form42() : Form({.removeCloseItem = true}) {
  Image1 = new QLabel(this);
  platform::Place(Image1, 240, 180, 480, 480);
  Image1->setPixmap(platform::FormPicture(form::kMessage, QStringLiteral("Image1")));
  Label1 = MessageLabel(this);
  Command1[0] = new QPushButton(QStringLiteral("OK"), this);
  platform::Place(Command1[0], kMessageDesign.buttonLefts[0], kMessageDesign.buttonTop, 900, 330);
  connect(Command1[0], &QPushButton::clicked, this, [this] { Command1_Click(0); });
  SetMessage(QString());
}

void Form42::Form_Load() {
  setWindowTitle(AppTitle());
  Command1[0]->setFocus();
}

void Form42::SetMessage(const QString& text) { FitMessage(this, Label1, Command1, kMessageDesign, text); }

void Form42::Command1_Click(int) { Unload(); }

namespace {
const bool registered40 = platform::RegisterForm<Form40>(form::kYesNo);
const bool registered42 = platform::RegisterForm<Form42>(form::kMessage);
}  // namespace

}  // namespace koratsu
