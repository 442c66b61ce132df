#include "production/windows/completion_window.h"

#include <algorithm>

#include <QMdiArea>
#include <QMdiSubWindow>

#include "platform/heading_bar.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "production/completion.h"
#include "state/game_state.h"
#include "state/production_slots.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kClientWidth = 5790;
constexpr int kRowTop = 570;  // twips, row i at kRowTop + kRowStep × i
constexpr int kRowStep = 315;
constexpr int kClientHeight = kRowTop + kRowStep * kSlotCount + 90;
constexpr int kLineHeight = 255;
constexpr unsigned kPercentBar = 0xE08020;

QLabel* Text(QWidget* parent, int left, int top, int width, Qt::Alignment align) {
  auto* label = new QLabel(parent);
  platform::Place(label, left, top, width, kLineHeight);
  label->setAlignment(align | Qt::AlignVCenter);
  return label;
}

}  // namespace

Form6::Form6() : Form({.kind = platform::FormKind::Child, .trackOpen = true, .servesRefresh = true}) {
  setWindowTitle(QStringLiteral("漫画の完成度"));
  platform::SetFixedClientSize(this, kClientWidth, kClientHeight);
  auto heading =
      platform::MakeHeadingBar(this, QStringLiteral("== 制作中の漫画の完成度です  =="), 120, 120, kClientWidth - 240, 330);
  Shape1[0] = heading.shape;
  Label3[6] = heading.label;

  for (int s = 0; s < kSlotCount; ++s) {
    const size_t i = static_cast<size_t>(s);
    const int top = kRowTop + kRowStep * s;
    Label3[i] = Text(this, 180, top, 2190, Qt::AlignLeft);
    Label4[i] = Text(this, 2400, top, 720, Qt::AlignLeft);
    Label1[i] = Text(this, 3120, top, 690, Qt::AlignHCenter);
    Bar[i].Build(this, 3840, top + 60, 1200, 150, kPercentBar);
    Label2[i] = Text(this, 5070, top, 600, Qt::AlignRight);
  }
}

bool Form6::RowShown(int slot) const { return !Label3[static_cast<size_t>(slot)]->isHidden(); }

void Form6::Form_Load() {
  platform::FillHeadingBars(Shape1);
  // The first tick builds the rows.
  State().FormSlot[form::kCompletion].Rebuild = 1;
  Rebuild();
  // It opens in the main window's top-right corner, beside the room view.
  QMdiSubWindow* frame = SubWindow();
  if (!frame || !frame->mdiArea()) return;
  frame->adjustSize();
  frame->move(std::max(0, frame->mdiArea()->viewport()->width() - frame->width()), 0);
}

void Form6::Rebuild() {
  for (int s = 0; s < kSlotCount; ++s) {
    const size_t i = static_cast<size_t>(s);
    const bool shown = SlotRowShown(s);
    for (QLabel* label : {Label1[i], Label2[i], Label3[i], Label4[i]}) label->setVisible(shown);
    Bar[i].SetVisible(shown);
  }
}

void Form6::Redraw() {
  for (int s = 0; s < kSlotCount; ++s) {
    if (!SlotBusy(s)) continue;
    const size_t i = static_cast<size_t>(s);
    const CompletionRow row = CompletionRowTexts(s);
    Label1[i]->setText(platform::Q(row.status));
    Label4[i]->setText(platform::Q(row.deadline));
    Label2[i]->setText(platform::Q(row.percent));
    Label3[i]->setText(platform::Q(row.label));
    Bar[i].Show(row.bar, 1);
  }
}

namespace {
const bool registered = platform::RegisterForm<Form6>(form::kCompletion);
}  // namespace

}  // namespace koratsu
