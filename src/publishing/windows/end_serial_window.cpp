#include "publishing/windows/end_serial_window.h"

#include "platform/controls.h"
#include "platform/heading_bar.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "publishing/end_serial.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kClientWidth = 4320;
constexpr int kClientHeight = 3210;
constexpr int kMargin = 120;
constexpr int kInnerWidth = kClientWidth - 2 * kMargin;
constexpr int kButtonTop = 2670;
constexpr int kButtonWidth = 1200;
constexpr int kButtonHeight = 390;

}  // namespace

// The close box is kept and acts as やめる.
Form14::Form14() : Form({.pauseClock = true, .resumeRequestOnUnload = true}) {
  setWindowTitle(QStringLiteral("連載漫画を終了させる"));
  platform::SetFixedClientSize(this, kClientWidth, kClientHeight);
  auto heading = platform::MakeHeadingBar(this, QStringLiteral("== どの漫画を終了させますか？  =="), kMargin,
                                          kMargin, kInnerWidth, 360);
  Shape1[0] = heading.shape;
  Label3 = heading.label;

  List1 = new QListWidget(this);
  platform::Place(List1, kMargin, 600, kInnerWidth, 1920);

  Command1 = new QPushButton(QStringLiteral("決定"), this);
  platform::Place(Command1, kClientWidth - kMargin - 2 * kButtonWidth - 120, kButtonTop, kButtonWidth,
                  kButtonHeight);
  Command2 = new QPushButton(QStringLiteral("やめる"), this);
  platform::Place(Command2, kClientWidth - kMargin - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight);
  platform::DefaultButton(Command1, {Command2});
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form14::Form_Load() {
  platform::FillHeadingBars(Shape1);
  platform::SetBackground(this, platform::BackgroundForColorCount(platform::ScreenColorCount(this)));
  for (const std::string& title : ListEndableSerials()) List1->addItem(platform::Q(title));
  const bool any = List1->count() > 0;
  if (any) List1->setCurrentRow(0);
  Command1->setEnabled(any);
  (any ? static_cast<QWidget*>(List1) : Command2)->setFocus();
}

void Form14::Command1_Click() {
  const int row = List1->currentRow();
  Unload();
  EndListedSerial(row);
}

void Form14::Command2_Click() { Unload(); }

namespace {
const bool registered = platform::RegisterForm<Form14>(form::kEndSerial);
}  // namespace

}  // namespace koratsu
