#include "publishing/windows/envelope_window.h"

#include "platform/pictures.h"
#include "publishing/contest.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kWidth = 285, kHeight = 69;  // the background picture's size
constexpr int kEnvelopeSize = 32;

}  // namespace

Form68::Form68() : Form({.removeCloseItem = true, .pauseClock = true}) {
  setWindowTitle(QStringLiteral("原稿投稿"));
  setFixedSize(kWidth, kHeight);
  Picture1 = new QLabel(this);
  Picture1->setGeometry(0, 0, kWidth, kHeight);
  Picture1->setPixmap(platform::FormPicture(form::kPostingAnimation, QStringLiteral("Picture1")));
  Image1 = new QLabel(Picture1);
  Image1->setGeometry(kEnvelopeLeft, kEnvelopeTop, kEnvelopeSize, kEnvelopeSize);
  Image1->setPixmap(platform::FormPicture(form::kPostingAnimation, QStringLiteral("Image1")));
  Timer1 = new QTimer(this);
  Timer1->setInterval(kEnvelopeInterval);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void Form68::Form_Load() {
  Image1->move(kEnvelopeLeft, kEnvelopeTop);
  Timer1->start();
}

void Form68::Timer1_Timer() {
  int left = Image1->x();
  const bool arrived = MoveEnvelope(left);
  Image1->move(left, Image1->y());
  if (!arrived) return;
  Timer1->stop();
  Unload();
}

namespace {
const bool registered = platform::RegisterForm<Form68>(form::kPostingAnimation);
}  // namespace

}  // namespace koratsu
