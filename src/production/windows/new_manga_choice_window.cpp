#include "production/windows/new_manga_choice_window.h"

#include "platform/heading_bar.h"
#include "platform/twips.h"
#include "state/game_state.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr int kClientWidth = 3480;
constexpr int kClientHeight = 2520;
// A magazine's work cannot be given up: the window's outer height of 2280
// twips (title bar and borders of 375 included) cuts it off below the third
// choice, where やめる would be.
constexpr int kCutOuterHeight = 2280;
constexpr int kFrameHeight = 375;

struct Choice {
  int index;
  const char* caption;
  int top;
};
constexpr Choice kChoices[] = {
    {0, "オリジナルストーリー", 600},
    {1, "小説を漫画化する", 1035},
    {4, "他の漫画を盗作する", 1470},
    {3, "やめる", 2025},
};

}  // namespace

Form46::Form46() : Form({.removeCloseItem = true, .pauseClock = true, .resumeRequestOnUnload = true}) {
  setWindowTitle(QStringLiteral("新しい漫画"));
  platform::SetFixedClientSize(this, kClientWidth, kClientHeight);

  auto heading = platform::MakeHeadingBar(this, QStringLiteral("== どの漫画を描きますか？ =="), 120, 120, 3240, 360);
  Shape1[0] = heading.shape;
  Label3[0] = heading.label;

  for (const Choice& c : kChoices) {
    auto* button = new QPushButton(QString::fromUtf8(c.caption), this);
    platform::Place(button, 360, c.top, 2760, 375);
    Command1[static_cast<size_t>(c.index)] = button;
    connect(button, &QPushButton::clicked, this, [this, index = c.index] { Command1_Click(index); });
  }
}

void Form46::Form_Load() {
  platform::FillHeadingBars(Shape1);
  const Value& mode = State().FormSlot[form::kSettingsEditor].Mode;
  if (mode == 1 || mode == 2) {
    Command1[3]->hide();
    setFixedHeight(platform::Px(kCutOuterHeight - kFrameHeight));
  }
}

void Form46::Command1_Click(int index) {
  switch (index) {
    case 0: ui::Show(form::kSettingsEditor, ui::Modal); break;
    case 1: ui::Show(form::kNovelChoice, ui::Modal); break;
    case 4: ui::Show(form::kCopyManga, ui::Modal); break;
    case 3: Unload(); break;
    default: break;
  }
}

namespace {
const bool registered = platform::RegisterForm<Form46>(form::kNewMangaChoice);
}  // namespace

}  // namespace koratsu
