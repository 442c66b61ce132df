#include "life/windows/activity_progress_window.h"

#include "life/activity_windows.h"
#include "platform/panels.h"
#include "platform/pictures.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "state/game_state.h"
#include "state/time_text.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kTimerInterval = 100;
constexpr unsigned kProgressBar = 0xE08020;

using platform::Q;

QLabel* Text(QWidget* parent, const char* text, int left, int top, int width, Qt::Alignment align = Qt::AlignLeft) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  platform::Place(label, left, top, width, 255);
  label->setAlignment(align | Qt::AlignVCenter);
  return label;
}

}  // namespace

ActivityProgressWindow::ActivityProgressWindow(int pictureForm, const char* pictureControl)
    : Form({.kind = platform::FormKind::Owned, .centre = false, .removeCloseItem = true, .resumeClockOnUnload = true}) {
  platform::SetFixedClientSize(this, 4200, 1740);

  Picture1 = platform::SunkenPanel(this, 120, 120, 3960, 360);
  Label1[0] = Text(Picture1, "", 90, 45, 3780, Qt::AlignHCenter);

  Image1 = new QLabel(this);
  platform::Place(Image1, 120, 600, 960, 960);
  Image1->setPixmap(platform::FormPicture(pictureForm, QString::fromUtf8(pictureControl)));

  Label2[2] = Text(this, "残り時間", 1230, 630, 1080);
  Label2[0] = Text(this, "", 2340, 630, 1740);
  bar_.Build(this, 1230, 960, 2850, 210, kProgressBar);
  Shape10[0] = bar_.frame;
  Shape[0] = bar_.bar;

  DateClock{Label1, Label2}.Build(this, 1200, 1320);

  Timer1 = new QTimer(this);
  Timer1->setInterval(kTimerInterval);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void ActivityProgressWindow::Form_Load() {
  PlaceActivityWindow(this);
  ShowTimeLeft();
  const GameState& g = State();
  Label1[0]->setText(Q(g.StatusText.Str()));
  setWindowTitle(Q(g.StatusDetail.Str()));
  ActivityWindowLoaded();
  Timer1->start();
}

void ActivityProgressWindow::Timer1_Timer() {
  ShowTimeLeft();
  DateClock{Label1, Label2}.Show();
}

void ActivityProgressWindow::ShowTimeLeft() {
  const GameState& g = State();
  // The clock counts the minutes down before it ends the activity, so for a
  // moment they may stand at 0 or below: the bar is then empty.
  bar_.Show(g.KoudouMinutesLeft.Num(), g.KoudouMinutesTotal.Num());
  Label2[0]->setText(Q(FormatMinutes(g.KoudouMinutesLeft)));
}

void ActivityProgressWindow::Form_Unload() {
  Timer1->stop();
  ActivityWindowClosed(ActivityWindowPlace(this));
}

Form26::Form26() : ActivityProgressWindow(form::kOuting, "Image1(14)") {}
Form33::Form33() : ActivityProgressWindow(form::kArubaito, "Image1(0)") {}
Form65::Form65() : ActivityProgressWindow(form::kTraining, "Image1(0)") {}

namespace {

const bool outing = platform::RegisterForm<Form26>(form::kOutingProgress);
const bool arubaito = platform::RegisterForm<Form33>(form::kArubaitoProgress);
const bool training = platform::RegisterForm<Form65>(form::kTrainingProgress);

}  // namespace

}  // namespace koratsu
