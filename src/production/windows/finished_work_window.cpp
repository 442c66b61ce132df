#include "production/windows/finished_work_window.h"

#include "platform/heading_bar.h"
#include "platform/twips.h"
#include "production/naming.h"
#include "ui/forms.h"
#include "ui/tutorial_stages.h"

namespace koratsu {

Form55::Form55() : Form({.pauseClock = true, .resumeRequestOnUnload = true}) {
  setWindowTitle(QStringLiteral("新しい漫画"));
  platform::SetFixedClientSize(this, 3600, 2160);

  auto heading = platform::MakeHeadingBar(this, QStringLiteral("== 漫画を送りますか？ =="), 120, 120, 3360, 360);
  Shape1[0] = heading.shape;
  Label3[0] = heading.label;

  struct Button {
    int index;
    const char* caption;
  };
  const Button buttons[] = {{0, "出版社に送る"}, {1, "出版社に持込み"}, {3, "今はやめておく"}};
  int top = 660;
  Command1[2] = nullptr;
  for (const Button& b : buttons) {
    auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
    platform::Place(button, 600, top, 2400, 375);
    connect(button, &QPushButton::clicked, this, [this, i = b.index] { Command1_Click(i); });
    Command1[static_cast<size_t>(b.index)] = button;
    top += 480;
  }
}

void Form55::Form_Load() {
  AdvanceTutorial(tutorial_stage::kFinishedWork);
  platform::FillHeadingBars(Shape1);
  Command1[0]->setFocus();
}

void Form55::Command1_Click(int index) {
  Unload();
  SendFinishedWork(index);
}

namespace {
const bool registered = platform::RegisterForm<Form55>(form::kFinishedWork);
}  // namespace

}  // namespace koratsu
