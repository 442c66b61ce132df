#include "publishing/windows/ending_window.h"

#include <QFont>
#include <QScrollBar>

#include "platform/colors.h"
#include "platform/heading_bar.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "publishing/game_end.h"
#include "publishing/windows/game_over_window.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kViewportWidth = 3135;  // twips
constexpr int kViewportHeight = 1575;

}  // namespace

Form17::Form17() : Form({.removeCloseItem = true, .pauseClock = true}) {
  setWindowTitle(QStringLiteral("エンディング"));
  platform::SetFixedClientSize(this, kViewportWidth + 240, 2790);
  auto heading = platform::MakeHeadingBar(this, QStringLiteral("== ゲームクリアしました =="), 120, 120, kViewportWidth, 330);
  Shape1 = heading.shape;
  Label3 = heading.label;

  Picture1 = new QWidget(this);
  platform::Place(Picture1, 120, 570, kViewportWidth, kViewportHeight);
  platform::SetBackground(Picture1, platform::kWhite);

  Text1 = new QPlainTextEdit(Picture1);
  Text1->setGeometry(0, kEndingTextTop, Picture1->width(), kEndingTextHeight);
  Text1->setFrameStyle(QFrame::NoFrame);
  Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1->setReadOnly(true);
  Text1->setFocusPolicy(Qt::NoFocus);
  Text1->setTextInteractionFlags(Qt::NoTextInteraction);
  // Small enough that the lines fit the narrow viewport.
  QFont font = Text1->font();
  font.setPointSize(8);
  Text1->setFont(font);
  platform::SetBackground(Text1->viewport(), platform::kWhite);
  QStringList lines;
  for (const char* line : EndingLines()) lines << platform::Q(line);
  Text1->setPlainText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));

  Command1 = new QPushButton(QStringLiteral("閉じる"), this);
  platform::Place(Command1, 120 + (kViewportWidth - 1200) / 2, 2265, 1200, 390);
  Command1->setEnabled(false);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  Timer1 = new QTimer(this);
  Timer1->setInterval(kTimerInterval);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void Form17::Form_Load() {
  platform::SetBackground(this, platform::BackgroundForColorCount(platform::ScreenColorCount(this)));
  platform::FillHeadingBars(std::span(&Shape1, 1));
  Timer1->start();
}

void Form17::Timer1_Timer() {
  int top = Text1->y();
  if (ScrollEnding(top, Text1->height())) Command1->setEnabled(true);
  Text1->move(Text1->x(), top);
}

void Form17::Command1_Click() { EndTheGame(*this); }

namespace {
const bool registered = platform::RegisterForm<Form17>(form::kEnding);
}  // namespace

}  // namespace koratsu
