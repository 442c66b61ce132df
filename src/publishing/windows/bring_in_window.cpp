#include "publishing/windows/bring_in_window.h"

#include "platform/heading_bar.h"
#include "platform/twips.h"
#include "publishing/bring_in.h"
#include "publishing/submission_lists.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr unsigned kSelectionBar = 0x800000;

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top, int width, int height) {
  auto* label = new QLabel(text, parent);
  platform::Place(label, left, top, width, height);
  return label;
}

// A caption of the publisher's details and the label beside it.
void MakeDetail(Form24& form, int caption, const QString& text, int value, int top) {
  form.Label3[static_cast<size_t>(caption)] = MakeLabel(form.Frame1[0], text, 120, top, 840, 270);
  form.Label5[static_cast<size_t>(value)] = MakeLabel(form.Frame1[0], {}, 1020, top, 4800, 270);
}

}  // namespace

Form24::Form24() : Form({.pauseClock = true, .resumeRequestOnUnload = true}) {
  setWindowTitle(QStringLiteral("描いた漫画を出版社に持込む"));
  platform::SetFixedClientSize(this, 9000, 6300);

  auto heading = [this](int label, int shape, const QString& text, int left, int top, int width, int height) {
    const platform::HeadingBar bar = platform::MakeHeadingBar(this, text, left, top, width, height);
    Shape1[static_cast<size_t>(shape)] = bar.shape;
    Label3[static_cast<size_t>(label)] = bar.label;
  };
  heading(0, 0, QStringLiteral("== 描いた漫画を出版社へ持込みます  =="), 120, 120, 8760, 360);
  heading(3, 1, QStringLiteral("持込む漫画"), 120, 600, 2640, 300);
  heading(1, 2, QStringLiteral("出版社"), 2880, 600, 2400, 300);
  heading(2, 3, QStringLiteral("雑誌名"), 5280, 600, 3360, 300);

  Lists = std::make_unique<SubmissionLists>(
      this, SubmissionListsLayout{.works = {8, 62, 160, 184}, .magazines = {192, 62, 384, 184},
                                  .publisherWidth = 160, .nameWidth = 224, .feeWidth = 0});
  Shape1[4] = Lists->MagazineBar;
  Shape1[5] = Lists->WorksBar;
  Lists->Label7_MouseDown = [this](int row) { MangaClick(row); };
  Lists->Label1_MouseDown = [this](int row) { SyuppanClick(row); };

  Frame1[1] = new QGroupBox(QStringLiteral("漫画の情報"), this);
  platform::Place(Frame1[1], 120, 3810, 2640, 1500);
  for (int line = 3; line <= 6; ++line)
    Label5[static_cast<size_t>(line)] = MakeLabel(Frame1[1], {}, 120, 330 + 270 * (line - 3), 2400, 270);

  Frame1[0] = new QGroupBox(QStringLiteral("出版社の情報"), this);
  platform::Place(Frame1[0], 2880, 3810, 6000, 2370);
  MakeDetail(*this, 5, QStringLiteral("出版社"), 0, 330);
  MakeDetail(*this, 6, QStringLiteral("雑誌名"), 1, 630);
  Label5[2] = MakeLabel(Frame1[0], {}, 120, 960, 5760, 660);
  Label5[2]->setWordWrap(true);
  Label5[2]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  MakeDetail(*this, 8, QStringLiteral("原稿料"), 8, 1680);
  MakeDetail(*this, 7, QStringLiteral("採用歴"), 7, 1980);

  Command2 = new QPushButton(QStringLiteral("持込む"), this);
  platform::Place(Command2, 240, 5550, 1140, 450);
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  Command1 = new QPushButton(QStringLiteral("やめる"), this);
  platform::Place(Command1, 1500, 5550, 1140, 450);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form24::Form_Load() {
  OpenBringIn();
  platform::FillHeadingBars(Shape1);
  Shape1[4]->SetFillColor(kSelectionBar);
  Shape1[5]->SetFillColor(kSelectionBar);
  Lists->Fill();
  SyuppanClick(0);
  MangaClick(0);
  Command2->setFocus();
}

void Form24::MangaClick(int row) {
  if (!SelectSubmissionWork(row)) return;
  Lists->ShowWorkSelected(row);
  ShowWorkDetails(Label5, row);
}

void Form24::SyuppanClick(int row) {
  if (!SelectSubmissionMagazine(row)) return;
  Lists->ShowMagazineSelected(row);
  ShowMagazineDetails(Label5, row);
}

void Form24::Command1_Click() { Unload(); }

// Bringing the work in closes the window; the editors' review follows.
void Form24::Command2_Click() { BringInSelectedWork(); }

namespace {
const bool registered = platform::RegisterForm<Form24>(form::kBringIn);
}  // namespace

}  // namespace koratsu
