#include "shell/windows/tutorial_windows.h"

#include <QRect>

#include "platform/colors.h"
#include "platform/heading_bar.h"
#include "platform/placement.h"
#include "platform/twips.h"
#include "platform/window_conventions.h"
#include "shell/tutorial.h"
#include "shell/windows/main_window.h"
#include "state/game_state.h"
#include "state/log.h"
#include "ui/forms.h"
#include "ui/talk.h"
#include "ui/tutorial_stages.h"

namespace koratsu {

namespace {

const QString kNext = QStringLiteral("次へ >>");

// The guide's blink: "次へ >>" for ticks 1 to 5 of each cycle, blank for 6 to 11.
constexpr int kBlinkOn = 1;
constexpr int kBlinkOff = 6;
constexpr int kBlinkCycle = 11;

// Where the guide stands: its top-left corner 1500 twips above the main
// window's bottom edge and 3000 twips left of its right edge.
constexpr int kGuideFromBottom = 1500;
constexpr int kGuideFromRight = 3000;

}  // namespace

// ---------------------------------------------------------------- Form38

Form38::Form38() : Form({.removeCloseItem = true, .pauseClock = true}) {
  platform::SetFixedClientSize(this, 3000, 2145);
  platform::SetBackground(this, platform::kLightGrey);

  const auto heading = platform::MakeHeadingBar(this, QString(), 120, 120, 2775, 255);
  Shape1[0] = heading.shape;
  Label3[6] = heading.label;
  platform::Place(Label3[6], 240, 150, 2655, 180);

  Picture1 = new QWidget(this);
  platform::Place(Picture1, 120, 480, 2775, 1095);
  platform::SetBackground(Picture1, platform::kWhite);
  Label1 = new QLabel(Picture1);
  platform::Place(Label1, 60, 60, 2535, 975);
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  Command1 = new QPushButton(this);
  platform::Place(Command1, 840, 1680, 1335, 375);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form38::Form_Load() {
  platform::FillHeadingBars(Shape1);
  MDIForm1* main = MDIForm1::Instance();
  if (!main) {
    LogLine(form::Name(form::kTutorialStartEnd) + ": no main window to run the tutorial in");
    return;
  }
  if (shell::OpenTutorialWindow(*main) == shell::TutorialWindowRole::Start) {
    setWindowTitle(QStringLiteral("ﾁｭｰﾄﾘｱﾙﾓｰﾄﾞ起動"));
    Label3[6]->setText(QStringLiteral("== ﾁｭｰﾄﾘｱﾙﾓｰﾄﾞを起動します  =="));
    Label1->setText(QStringLiteral(
        "ﾁｭｰﾄﾘｱﾙﾓｰﾄﾞを起動すると、新しく漫画を描く所から、完成した漫画を出版社や送るところまで説明つきでできます。"
        "始めてやる方はお勧めです。"));
    Command1->setText(QStringLiteral("始める"));
  } else {
    setWindowTitle(QStringLiteral("ﾁｭｰﾄﾘｱﾙﾓｰﾄﾞ終了"));
    Label3[6]->setText(QStringLiteral("== ﾁｭｰﾄﾘｱﾙﾓｰﾄﾞを終了します  =="));
    Label1->setText(QStringLiteral(
        "ここまででﾁｭｰﾄﾘｱﾙﾓｰﾄﾞは終了です。今までの知識をもとに、今度は通常モードでゲームを進めてください。"));
    Command1->setText(QStringLiteral("終わる"));
  }
  Command1->setFocus();
}

void Form38::Command1_Click() {
  MDIForm1* main = MDIForm1::Instance();
  if (!main) {
    Unload();
    return;
  }
  shell::PressTutorialWindowButton(*main);
}

// ---------------------------------------------------------------- Form36

Form36::Form36()
    : BalloonForm({.kind = platform::FormKind::Owned, .centre = false, .removeCloseItem = true},
                  {.form = form::kTutorialGuide,
                   .clientWidth = 3240,
                   .clientHeight = 1650,
                   .portraitTop = 120,
                   .buttonTop = 1200,
                   .frameCount = 2,
                   .timerInterval = kTimerInterval}) {
  setWindowTitle(QStringLiteral("チュートリアルモード"));
}

void Form36::Form_Load() {
  if (QWidget* main = platform::MainWindow()) {
    QRect frame = main->frameGeometry();
    move(frame.x() + frame.width() - platform::Px(kGuideFromRight),
         frame.y() + frame.height() - platform::Px(kGuideFromBottom));
  }
  CaptionForLineCount();
  GameState& g = State();
  StartLine({text_, shownChars_, mouth_}, g.TutorialLines[g.TutorialLineIndex]);
  Timer1->start();
}

void Form36::CaptionForLineCount() {
  const GameState& g = State();
  if (g.TutorialLineCount == 1) Command1->setText(QString());
  if (g.TutorialLineCount > 1) Command1->setText(kNext);
}

void Form36::Timer1_Timer() {
  GameState& g = State();
  Typing typing{text_, shownChars_, mouth_};

  // Once a line is complete and more follow, the button blinks.
  if (!StillTyping(typing) && g.TutorialLineIndex != g.TutorialLineCount - 1) {
    g.TutorialBlink += 1;
    if (g.TutorialBlink == kBlinkOn) Command1->setText(kNext);
    if (g.TutorialBlink == kBlinkOff) Command1->setText(QString());
    if (g.TutorialBlink >= kBlinkCycle) g.TutorialBlink = 0;
  }

  ShowFrame(TypeTick(typing));
  ShowTyped(typing);

  // A new stage: its lines replace the last stage's.
  if (g.TutorialStageLoaded == 0) {
    g.TutorialStageLoaded = 1;
    LoadTutorialStageLines();
    StartLine(typing, g.TutorialLines[g.TutorialLineIndex]);
    g.TutorialBlink = 0;
    Command1->setText(QString());
    CaptionForLineCount();
  }
}

void Form36::Command1_Click() {
  GameState& g = State();
  BalloonPress press = PressBalloon({text_, shownChars_, mouth_}, g.TutorialLines, g.TutorialLineCount,
                                    g.TutorialLineIndex);
  // On the last line the button stays empty until the next stage.
  if (press == BalloonPress::TurnedLastPage) Command1->setText(QString());
}

namespace {
const bool registered38 = platform::RegisterForm<Form38>(form::kTutorialStartEnd);
const bool registered36 = platform::RegisterForm<Form36>(form::kTutorialGuide);
}  // namespace

}  // namespace koratsu
