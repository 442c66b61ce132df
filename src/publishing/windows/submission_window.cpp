#include "publishing/windows/submission_window.h"

#include "platform/heading_bar.h"
#include "platform/twips.h"
#include "publishing/submission_lists.h"

namespace koratsu {

namespace {
constexpr unsigned kSelectionBar = 0x800000;
}  // namespace

SubmissionWindow::SubmissionWindow() : Form({.pauseClock = true, .resumeRequestOnUnload = true}) {}

QLabel* SubmissionWindow::MakeLabel(QWidget* parent, const QString& text, int left, int top, int width, int height) {
  auto* label = new QLabel(text, parent);
  platform::Place(label, left, top, width, height);
  return label;
}

void SubmissionWindow::MakeDetail(QWidget* frame, size_t caption, const QString& text, size_t value, int top) {
  captions_[caption] = MakeLabel(frame, text, 120, top, 840, 270);
  Label5[value] = MakeLabel(frame, {}, 1020, top, 4800, 270);
}

void SubmissionWindow::Build(const SubmissionLook& look, std::span<platform::Shape*> shapes,
                             std::span<QLabel*> captions) {
  shapes_ = shapes;
  captions_ = captions;
  worksBar_ = look.worksBar;
  magazineBar_ = look.magazineBar;
  open_ = look.open;
  sendWork_ = look.sendWork;

  setWindowTitle(look.title);
  platform::SetFixedClientSize(this, 9000, 6300);

  size_t shape = 0;
  auto heading = [&](size_t label, const QString& text, int left, int top, int width, int height) {
    const platform::HeadingBar bar = platform::MakeHeadingBar(this, text, left, top, width, height);
    shapes_[shape++] = bar.shape;
    captions_[label] = bar.label;
  };
  heading(0, look.heading, 120, 120, 8760, 360);
  heading(look.columns.size() + 1, look.worksHeading, 120, 600, 2640, 300);
  int left = 2880;
  for (size_t column = 0; column < look.columns.size(); ++column) {
    const int width = look.columns[column].width * platform::kTwipsPerPixel;
    heading(column + 1, look.columns[column].heading, left, 600, width, 300);
    left += width;
  }

  const auto columnWidth = [&look](size_t column) {
    return column < look.columns.size() ? look.columns[column].width : 0;
  };
  Lists = std::make_unique<SubmissionLists>(
      this, SubmissionListsLayout{.works = {8, 62, 160, 184}, .magazines = {192, 62, 384, 184},
                                  .publisherWidth = columnWidth(0), .nameWidth = columnWidth(1),
                                  .feeWidth = columnWidth(2)});
  shapes_[worksBar_] = Lists->WorksBar;
  shapes_[magazineBar_] = Lists->MagazineBar;
  Lists->Label7_MouseDown = [this](int row) { MangaClick(row); };
  Lists->Label1_MouseDown = [this](int row) { SyuppanClick(row); };

  Frame1[1] = new QGroupBox(QStringLiteral("漫画の情報"), this);
  platform::Place(Frame1[1], 120, 3810, 2640, look.workFrameHeight);
  BuildWorkDetails();

  Frame1[0] = new QGroupBox(QStringLiteral("出版社の情報"), this);
  platform::Place(Frame1[0], 2880, 3810, 6000, 2370);
  MakeDetail(Frame1[0], 5, QStringLiteral("出版社"), 0, 330);
  MakeDetail(Frame1[0], 6, QStringLiteral("雑誌名"), 1, 630);
  Label5[2] = MakeLabel(Frame1[0], {}, 120, 960, 5760, 660);
  Label5[2]->setWordWrap(true);
  Label5[2]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  MakeDetail(Frame1[0], 8, QStringLiteral("原稿料"), 8, 1680);
  MakeDetail(Frame1[0], 7, QStringLiteral("採用歴"), 7, 1980);

  Command2 = new QPushButton(look.send, this);
  platform::Place(Command2, 240, 5550, 1140, 450);
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  Command1 = new QPushButton(QStringLiteral("やめる"), this);
  platform::Place(Command1, 1500, 5550, 1140, 450);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void SubmissionWindow::Form_Load() {
  open_();
  platform::FillHeadingBars(shapes_);
  shapes_[worksBar_]->SetFillColor(kSelectionBar);
  shapes_[magazineBar_]->SetFillColor(kSelectionBar);
  Lists->Fill();
  SyuppanClick(0);
  MangaClick(0);
  Command2->setFocus();
}

void SubmissionWindow::MangaClick(int row) {
  if (!SelectSubmissionWork(row)) return;
  Lists->ShowWorkSelected(row);
  ShowWorkDetails(Label5, row);
}

void SubmissionWindow::SyuppanClick(int row) {
  if (!SelectSubmissionMagazine(row)) return;
  Lists->ShowMagazineSelected(row);
  ShowMagazineDetails(Label5, row);
}

void SubmissionWindow::Command1_Click() { Unload(); }

// Sending closes the window; what follows is the window's rule's.
void SubmissionWindow::Command2_Click() { sendWork_(); }

}  // namespace koratsu
