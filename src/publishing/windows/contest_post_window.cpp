#include "publishing/windows/contest_post_window.h"

#include "platform/twips.h"
#include "publishing/contest.h"
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

// A white heading on a band of Shape1.
void MakeHeading(Form8& form, int index, int shape, const QString& text, int left, int top, int width, int height) {
  form.Shape1[static_cast<size_t>(shape)] = new platform::Shape(&form);
  platform::Place(form.Shape1[static_cast<size_t>(shape)], left, top, width, height);
  QLabel* label = MakeLabel(&form, text, left, top, width, height);
  label->setAlignment(Qt::AlignCenter);
  label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  form.Label3[static_cast<size_t>(index)] = label;
}

// A caption of the details and the label beside it.
void MakeDetail(Form8& form, QWidget* frame, int caption, const QString& text, int value, int top) {
  form.Label3[static_cast<size_t>(caption)] = MakeLabel(frame, text, 120, top, 840, 270);
  form.Label5[static_cast<size_t>(value)] = MakeLabel(frame, {}, 1020, top, 4800, 270);
}

}  // namespace

Form8::Form8() : Form({.pauseClock = true, .resumeRequestOnUnload = true}) {
  setWindowTitle(QStringLiteral("描いた漫画を出版社に送る"));
  platform::SetFixedClientSize(this, 9000, 6300);

  MakeHeading(*this, 0, 0, QStringLiteral("== 描いた漫画を雑誌の新人賞へ送ります  =="), 120, 120, 8760, 360);
  MakeHeading(*this, 4, 1, QStringLiteral("投稿できる漫画"), 120, 600, 2640, 300);
  MakeHeading(*this, 1, 2, QStringLiteral("出版社"), 2880, 600, 1800, 300);
  MakeHeading(*this, 2, 3, QStringLiteral("雑誌名"), 4680, 600, 2250, 300);
  MakeHeading(*this, 3, 4, QStringLiteral("最高原稿料"), 6930, 600, 1710, 300);

  Lists = std::make_unique<SubmissionLists>(
      this, SubmissionListsLayout{.works = {8, 62, 160, 184}, .magazines = {192, 62, 384, 184},
                                  .publisherWidth = 120, .nameWidth = 150, .feeWidth = 114});
  Shape1[5] = Lists->WorksBar;
  Shape1[6] = Lists->MagazineBar;
  Lists->Label7_MouseDown = [this](int row) { MangaClick(row); };
  Lists->Label1_MouseDown = [this](int row) { SyuppanClick(row); };

  Frame1[1] = new QGroupBox(QStringLiteral("漫画の情報"), this);
  platform::Place(Frame1[1], 120, 3810, 2640, 1260);
  MakeDetail(*this, Frame1[1], 10, QStringLiteral("対象年齢"), 4, 360);
  MakeDetail(*this, Frame1[1], 11, QStringLiteral("ジャンル"), 5, 780);
  for (int value : {4, 5}) Label5[static_cast<size_t>(value)]->resize(platform::Px(1500), platform::Px(270));

  Frame1[0] = new QGroupBox(QStringLiteral("出版社の情報"), this);
  platform::Place(Frame1[0], 2880, 3810, 6000, 2370);
  MakeDetail(*this, Frame1[0], 5, QStringLiteral("出版社"), 0, 330);
  MakeDetail(*this, Frame1[0], 6, QStringLiteral("雑誌名"), 1, 630);
  Label5[2] = MakeLabel(Frame1[0], {}, 120, 960, 5760, 660);
  Label5[2]->setWordWrap(true);
  Label5[2]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  MakeDetail(*this, Frame1[0], 8, QStringLiteral("原稿料"), 8, 1680);
  MakeDetail(*this, Frame1[0], 7, QStringLiteral("採用歴"), 7, 1980);

  Command2 = new QPushButton(QStringLiteral("送る"), this);
  platform::Place(Command2, 240, 5550, 1140, 450);
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  Command1 = new QPushButton(QStringLiteral("やめる"), this);
  platform::Place(Command1, 1500, 5550, 1140, 450);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form8::Form_Load() {
  OpenContestPost();
  platform::FillHeadingBars(Shape1);
  Shape1[5]->SetFillColor(kSelectionBar);
  Shape1[6]->SetFillColor(kSelectionBar);
  Lists->Fill();
  SyuppanClick(0);
  MangaClick(0);
  Command2->setFocus();
}

void Form8::MangaClick(int row) {
  if (!SelectSubmissionWork(row)) return;
  Lists->ShowWorkSelected(row);
  ShowWorkDetails(Label5, row);
}

void Form8::SyuppanClick(int row) {
  if (!SelectSubmissionMagazine(row)) return;
  Lists->ShowMagazineSelected(row);
  ShowMagazineDetails(Label5, row);
}

void Form8::Command1_Click() { Unload(); }

// Posting closes the window and shows the envelope's trip.
void Form8::Command2_Click() { PostSelectedWork(); }

namespace {
const bool registered = platform::RegisterForm<Form8>(form::kContestPost);
}  // namespace

}  // namespace koratsu
