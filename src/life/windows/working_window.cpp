#include "life/windows/working_window.h"

#include "life/windows/activity_controls.h"
#include "platform/panels.h"
#include "platform/pictures.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kTimerInterval = 100;

}  // namespace

Form31::Form31() : Form({.kind = platform::FormKind::Owned, .centre = false}) {
  setWindowTitle(QStringLiteral("仕事中"));
  platform::SetFixedClientSize(this, 4200, 1740);

  Picture1 = platform::SunkenPanel(this, 120, 120, 3960, 360);
  Label1[0] = platform::PanelText(Picture1, "", 90, 45, 3780);
  Label1[0]->setAlignment(Qt::AlignCenter);

  auto* frame = platform::SunkenPanel(this, 120, 600, 1020, 780);
  Picture2 = new QLabel(frame);
  Picture2->setGeometry(2, 2, 64, 48);
  for (int i = 0; i < kWorkingFrameCount; ++i)
    Image1[static_cast<size_t>(i)] = platform::FormPicture(form::kWorking, QStringLiteral("Image1(%1)").arg(i));

  Command1 = new QPushButton(QStringLiteral("ストップ"), this);
  platform::Place(Command1, 2760, 720, 1320, 420);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  DateClock{Label1, Label2}.Build(this, 1200, 1320);

  Timer1 = new QTimer(this);
  Timer1->setInterval(kTimerInterval);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void Form31::Form_Load() {
  PlaceActivityWindow(this);
  OpenWorking();
  Timer1->start();
}

void Form31::Timer1_Timer() {
  DateClock{Label1, Label2}.Show();
  const GameState& g = State();
  setWindowTitle(platform::Q(g.StatusText.Str()));
  Label1[0]->setText(platform::Q(g.StatusDetail.Str()));
  const int frame = WorkingAnimationStep();
  if (frame >= 0) {
    shownFrame_ = frame;
    Picture2->setPixmap(Image1[static_cast<size_t>(frame)]);
  }
}

void Form31::Command1_Click() { Unload(); }

void Form31::Form_Unload() {
  Timer1->stop();
  CloseWorking(ActivityWindowPlace(this));
}

namespace {
const bool registered = platform::RegisterForm<Form31>(form::kWorking);
}  // namespace

}  // namespace koratsu
