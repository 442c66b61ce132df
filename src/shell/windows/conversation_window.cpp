#include "shell/windows/conversation_window.h"

#include "platform/colors.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "platform/window_conventions.h"
#include "shell/talk.h"
#include "state/game_state.h"

namespace koratsu {

namespace {

const QString kNext = QStringLiteral("次へ >>");
const QString kClose = QStringLiteral("閉じる");

Typing TalkTyping() {
  GameState& g = State();
  return {g.TalkText, g.TalkShownChars, g.TalkMouth};
}

}  // namespace

Form21::Form21() : Form({.removeCloseItem = true, .pauseClock = true, .resumeRequestOnUnload = true}) {
  setWindowTitle(QStringLiteral("会話"));
  platform::SetFixedClientSize(this, 3255, 1785);
  platform::SetBackground(this, platform::kGrey);

  Picture1 = new QLabel(this);
  platform::Place(Picture1, 120, 120, 1875, 1095);
  Picture1->setPixmap(platform::FormPicture(QStringLiteral("Form21"), QStringLiteral("Picture1")));
  Label1[0] = new QLabel(Picture1);
  platform::Place(Label1[0], 120, 120, 1455, 975);
  Label1[0]->setWordWrap(true);
  Label1[0]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1[0]->setStyleSheet(QStringLiteral("color: black; background: transparent;"));

  Image1[0] = new QLabel(this);
  platform::Place(Image1[0], 2160, 240, 975, 975);
  Image1[0]->setScaledContents(true);
  for (int i = 1; i <= 4; ++i)
    Frames[static_cast<size_t>(i)] =
        platform::FormPicture(QStringLiteral("Form21"), QStringLiteral("Image1(%1)").arg(i));

  Command1 = new QPushButton(this);
  platform::Place(Command1, 2160, 1320, 975, 375);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  Timer1 = new QTimer(this);
  Timer1->setInterval(kTypingInterval);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void Form21::Form_Load() {
  // Shown with nothing to say, the window closes at once.
  long long count = TalkLinesInUse();
  if (count < 1) {
    Unload();
    return;
  }
  GameState& g = State();
  g.TalkLineIndex = 0;
  Command1->setText(count == 1 ? kClose : kNext);
  StartLine(TalkTyping(), g.TalkLines[g.TalkLineIndex]);
  Command1->setFocus();
  Timer1->start();
}

void Form21::Form_Unload() {
  Timer1->stop();
  CloseTalk();
}

void Form21::ShowFrame(int frame) {
  if (frame == shownFrame_) return;
  shownFrame_ = frame;
  Image1[0]->setPixmap(Frames[static_cast<size_t>(frame)]);
}

void Form21::Timer1_Timer() {
  // Speaker 1 is the president; every other value shows the editor.
  int speaker = State().TalkSpeaker == 1 ? 1 : 0;
  Typing typing = TalkTyping();
  ShowFrame(2 * speaker + TypeTick(typing));
  Label1[0]->setText(QString::fromStdString(ShownText(typing)));
}

void Form21::Command1_Click() {
  GameState& g = State();
  switch (PressBalloon(TalkTyping(), g.TalkLines, g.TalkLineCount, g.TalkLineIndex)) {
    case BalloonPress::CompletedLine:
    case BalloonPress::TurnedPage:
      break;
    case BalloonPress::TurnedLastPage:
      Command1->setText(kClose);
      break;
    case BalloonPress::Finished:
      Unload();
      break;
  }
}

namespace {
const bool registered = platform::RegisterForm<Form21>(21);
}  // namespace

}  // namespace koratsu
