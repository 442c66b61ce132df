#include "production/windows/archive_window.h"

#include <QMdiSubWindow>
#include <QPainter>

#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/heading_bar.h"
#include "platform/placement.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "platform/window_conventions.h"
#include "production/archive.h"
#include "production/work_detail.h"
#include "production/work_record.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

// The window's size when it opens, outer, in twips.
constexpr int kDesignWidth = 6420;
constexpr int kDesignHeight = 4500;

// Controls of the window, in pixels.
constexpr int kListLeft = 8;
constexpr int kListTop = 32;
constexpr int kListWidth = 97;
constexpr int kViewportLeft = 112;
constexpr int kViewportWidth = 281;
constexpr int kViewportBorder = 2;
constexpr int kScrollLeft = 394;
constexpr int kScrollWidth = 17;
constexpr int kPanelWidth = 273;
constexpr int kTimerInterval = 100;  // ms

// The panels' grid, in pixels from a panel's top-left corner. A row is 16
// pixels high, its text 3 pixels below its top line; a volume row is 14.
constexpr int kRowHeight = 16;
constexpr int kTextDrop = 3;
constexpr int kTextHeight = 13;
constexpr int kFrameLeft = 2;
constexpr int kFrameRight = 271;
constexpr int kFrameTop = 8;
constexpr int kFrameWidth = 2;
constexpr int kFirstVolumeText = 107;
// Volume rows are made in blocks: a panel of thousands of sibling labels
// paints slowly.
constexpr int kRowsPerBlock = 25;
// The serial panel's rows, before the volume rows move the lower ones.
constexpr int kVolumeHeadings = 88;
constexpr int kVolumeRows = 104;
constexpr int kTotals = 120;
constexpr int kAnimeRating = 136;
constexpr int kMovieHeadings = 152;
constexpr int kMovieValues = 168;
constexpr int kSerialBottom = 184;
constexpr int kShortBottom = 56;
// Column edges: the top rows' heading, value and right-hand cells (the
// four-cell rows put a second heading in the value cell); the volume table;
// the movie rows.
constexpr int kHeadingEnd = 54;
constexpr int kSecondHeading = 140;
constexpr int kRightStart = 182;
constexpr int kVolumeEnd = 51;
constexpr int kPriceEnd = 87;
constexpr int kSoldEnd = 185;
constexpr int kAudienceEnd = 150;
// The panels' texts are a point smaller than the window's: the longest
// magazine name and a two-digit rank share one row.
constexpr int kPanelFontSize = 8;

constexpr int kPad = 2;  // between a right-aligned amount and its cell's edge

int Tw(int pixels) { return pixels * platform::kTwipsPerPixel; }

using platform::Q;

void Set(QLabel* label, const std::string& text) { label->setText(Q(text)); }

enum class Align { Centre, Right };

// A value cell from x1 to x2 in the row whose top line is at `top`.
QLabel* Cell(QWidget* panel, int x1, int x2, int top, Align align = Align::Centre) {
  auto* label = new QLabel(panel);
  // Inside the lines on either side; the frame's are wider.
  const int left = x1 + (x1 == kFrameLeft ? kFrameWidth : 1);
  const int right = x2 == kFrameRight ? x2 - kFrameWidth : x2;
  if (align == Align::Right) {
    label->setGeometry(left, top + kTextDrop, right - left - kPad, kTextHeight);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
  } else {
    label->setGeometry(left, top + kTextDrop, right - left, kTextHeight);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  }
  label->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
  return label;
}

}  // namespace

// ---------------------------------------------------------------- DetailPanel

class DetailPanel::Grid : public QWidget {
 public:
  explicit Grid(DetailPanel* panel) : QWidget(panel), panel_(panel) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const int s = panel_->offset_;
    for (const Line& line : panel_->lines_) {
      const int y1 = line.y1 + (line.lowerStart ? s : 0);
      const int y2 = line.y2 + (line.lowerEnd ? s : 0);
      if (y1 == y2)
        painter.fillRect(line.x1, y1, line.x2 - line.x1, line.width, Qt::black);
      else
        painter.fillRect(line.x1, y1, line.width, y2 - y1, Qt::black);
    }
  }

 private:
  DetailPanel* panel_;
};

DetailPanel::DetailPanel(QWidget* parent, int height) : QWidget(parent), grid_(new Grid(this)) {
  platform::SetBackground(this, platform::kWhite);
  QFont small = font();
  small.setPointSize(kPanelFontSize);
  setFont(small);
  setGeometry(0, 0, kPanelWidth, height);
  grid_->setGeometry(rect());
}

void DetailPanel::AddLine(int x1, int y1, int x2, int y2, int width, bool lowerStart, bool lowerEnd) {
  lines_.push_back({x1, y1, x2, y2, width, lowerStart, lowerEnd});
  grid_->raise();
}

void DetailPanel::MovesWithLowerRows(QWidget* control) { movers_.push_back({control, control->y()}); }

void DetailPanel::SetLowerOffset(int offset, int height) {
  if (offset != offset_) {
    offset_ = offset;
    for (const Mover& mover : movers_) mover.control->move(mover.control->x(), mover.top + offset);
    grid_->update();
  }
  if (height != this->height()) {
    resize(width(), height);
    grid_->resize(size());
  }
}

// ---------------------------------------------------------------- Form11

Form11::Form11() : Form({.kind = platform::FormKind::Child, .trackOpen = true}) {
  setWindowTitle(QStringLiteral("今まで制作した漫画"));
  resize(platform::Px(kDesignWidth), platform::Px(kDesignHeight));

  auto band = platform::MakeHeadingBar(this, QStringLiteral("== 今まで制作した漫画の情報です  =="), Tw(8), Tw(8), Tw(385), Tw(17));
  Shape1.push_back(band.shape);
  Label[0] = band.label;

  List1 = new QListWidget(this);
  List1->setGeometry(kListLeft, kListTop, kListWidth, 0);
  connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) List1_Click();
  });
  connect(List1, &QListWidget::itemDoubleClicked, this, [this] { List1_DblClick(); });

  Picture2 = new QFrame(this);
  Picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Picture2->setLineWidth(kViewportBorder);
  platform::SetBackground(Picture2, platform::kWhite);
  Picture2->setGeometry(kViewportLeft, kListTop, kViewportWidth, 0);
  viewportInside_ = new QWidget(Picture2);

  BuildSerialPanel();
  BuildOneShotPanel();
  BuildOwnWorkPanel();
  for (DetailPanel* panel : Picture1) panel->hide();

  VScroll1 = new QScrollBar(Qt::Vertical, this);
  VScroll1->setGeometry(kScrollLeft, kListTop, kScrollWidth, 0);
  VScroll1->setRange(0, 0);
  connect(VScroll1, &QScrollBar::valueChanged, this, [this](int value) { VScroll1_Change(value); });
  // A wheel line moves the panel as far as an arrow does: a volume row.
  platform::ScrollWithWheel(Picture2, VScroll1, kVolumeRowStep);

  Timer1 = new QTimer(this);
  Timer1->setInterval(kTimerInterval);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

namespace {

// Builds a panel's cells and lines; `lower` marks what moves with the lower rows.
class PanelBuilder {
 public:
  PanelBuilder(DetailPanel* panel, Form11& form) : panel_(panel), form_(form) {}

  void Heading(const char* text, int x1, int x2, int top, int rows = 1, bool lower = false) {
    auto bar =
        platform::MakeHeadingBar(panel_, QString::fromUtf8(text), Tw(x1), Tw(top), Tw(x2 - x1), Tw(kRowHeight * rows));
    form_.Shape1.push_back(bar.shape);
    form_.Label10.push_back(bar.label);
    if (lower) {
      panel_->MovesWithLowerRows(bar.shape);
      panel_->MovesWithLowerRows(bar.label);
    }
  }
  QLabel* Value(int x1, int x2, int top, Align align = Align::Centre, bool lower = false) {
    QLabel* label = Cell(panel_, x1, x2, top, align);
    if (lower) panel_->MovesWithLowerRows(label);
    return label;
  }
  void Across(int y, int x1 = kFrameLeft, int x2 = kFrameRight, bool lower = false) {
    panel_->AddLine(x1, y, x2, y, 1, lower, lower);
  }
  void Down(int x, int y1, int y2, bool lowerStart = false, bool lowerEnd = false) {
    panel_->AddLine(x, y1, x, y2, 1, lowerStart, lowerEnd);
  }
  // The outer frame, its bottom line at `bottom`.
  void Frame(int bottom, bool lower = false) {
    panel_->AddLine(kFrameLeft, kFrameTop, kFrameRight, kFrameTop, kFrameWidth);
    panel_->AddLine(kFrameLeft, bottom, kFrameRight, bottom, kFrameWidth, lower, lower);
    panel_->AddLine(kFrameLeft, kFrameTop, kFrameLeft, bottom + kFrameWidth, kFrameWidth, false, lower);
    panel_->AddLine(kFrameRight - kFrameWidth, kFrameTop, kFrameRight - kFrameWidth, bottom + kFrameWidth, kFrameWidth,
                    false, lower);
  }

 private:
  DetailPanel* panel_;
  Form11& form_;
};

}  // namespace

void Form11::BuildSerialPanel() {
  auto* panel = new DetailPanel(viewportInside_, kSerialPanelHeight);
  Picture1[kSerialPanel] = panel;
  PanelBuilder b(panel, *this);
  constexpr bool kLower = true;

  b.Heading("題名", kFrameLeft, kHeadingEnd, 8);
  Label1[0] = b.Value(kHeadingEnd, kRightStart, 8);
  Label4[0] = b.Value(kRightStart, kFrameRight, 8);
  b.Heading("連載期間", kFrameLeft, kHeadingEnd, 24);
  Label2[0] = b.Value(kHeadingEnd, kRightStart, 24);
  b.Heading("読者人気", kRightStart, kFrameRight, 24);
  b.Heading("掲載雑誌", kFrameLeft, kHeadingEnd, 40);
  Label3[0] = b.Value(kHeadingEnd, kRightStart, 40);
  Label3[8] = b.Value(kRightStart, kFrameRight, 40);
  b.Heading("原稿料", kFrameLeft, kHeadingEnd, 56);
  Label3[12] = b.Value(kHeadingEnd, kSecondHeading, 56, Align::Right);
  b.Heading("ｱﾆﾒ収入", kSecondHeading, kRightStart, 56);
  Label3[13] = b.Value(kRightStart, kFrameRight, 56, Align::Right);
  b.Heading("アニメ化", kFrameLeft, kHeadingEnd, 72);
  Label3[5] = b.Value(kHeadingEnd, kSecondHeading, 72);
  b.Heading("映画化", kSecondHeading, kRightStart, 72);
  Label3[6] = b.Value(kRightStart, kFrameRight, 72);

  b.Heading("巻数", kFrameLeft, kVolumeEnd, kVolumeHeadings);
  b.Heading("価格", kVolumeEnd, kPriceEnd, kVolumeHeadings);
  b.Heading("売上", kPriceEnd, kSoldEnd, kVolumeHeadings);
  b.Heading("在庫数", kSoldEnd, kFrameRight, kVolumeHeadings);
  AddVolumeRow();

  b.Heading("合計売り上げ", kFrameLeft, kPriceEnd, kTotals, 1, kLower);
  Label3[9] = b.Value(kPriceEnd, kSoldEnd, kTotals, Align::Right, kLower);
  Label3[10] = b.Value(kSoldEnd, kFrameRight, kTotals, Align::Right, kLower);
  b.Heading("ｱﾆﾒ最終視聴率", kFrameLeft, kPriceEnd, kAnimeRating, 1, kLower);
  Label3[7] = b.Value(kPriceEnd, kFrameRight, kAnimeRating, Align::Centre, kLower);
  QFont bold = Label3[7]->font();
  bold.setBold(true);
  Label3[7]->setFont(bold);
  b.Heading("映画", kFrameLeft, kHeadingEnd, kMovieHeadings, 2, kLower);
  b.Heading("観客動員数", kHeadingEnd, kAudienceEnd, kMovieHeadings, 1, kLower);
  b.Heading("合計興行収入", kAudienceEnd, kFrameRight, kMovieHeadings, 1, kLower);
  Label3[2] = b.Value(kHeadingEnd, kAudienceEnd, kMovieValues, Align::Right, kLower);
  Label3[11] = b.Value(kAudienceEnd, kFrameRight, kMovieValues, Align::Right, kLower);

  b.Frame(kSerialBottom, kLower);
  for (int y : {24, 40, 56, 72, kVolumeHeadings, kVolumeRows}) b.Across(y);
  for (int y : {kTotals, kAnimeRating, kMovieHeadings}) b.Across(y, kFrameLeft, kFrameRight, kLower);
  b.Across(kMovieValues, kHeadingEnd, kFrameRight, kLower);
  b.Down(kHeadingEnd, kFrameTop, kVolumeHeadings);
  b.Down(kSecondHeading, 56, kVolumeHeadings);
  b.Down(kRightStart, kFrameTop, kVolumeHeadings);
  b.Down(kSoldEnd, kVolumeHeadings, kAnimeRating, false, kLower);
  b.Down(kVolumeEnd, kVolumeHeadings, kTotals, false, kLower);
  b.Down(kPriceEnd, kVolumeHeadings, kMovieHeadings, false, kLower);
  b.Down(kHeadingEnd, kMovieHeadings, kSerialBottom, kLower, kLower);
  b.Down(kAudienceEnd, kMovieHeadings, kSerialBottom, kLower, kLower);
}

namespace {

// The one-shot and own-work panels: a title row with the date, then two
// rows; the frame and the lines they share.
PanelBuilder StartShortPanel(Form11& form, QWidget* inside, int index) {
  auto* panel = new DetailPanel(inside, kShortPanelHeight);
  form.Picture1[static_cast<size_t>(index)] = panel;
  PanelBuilder b(panel, form);
  b.Heading("題名", kFrameLeft, kHeadingEnd, 8);
  form.Label1[static_cast<size_t>(index)] = b.Value(kHeadingEnd, kRightStart, 8);
  form.Label4[static_cast<size_t>(index)] = b.Value(kRightStart, kFrameRight, 8);
  b.Frame(kShortBottom);
  b.Across(24);
  b.Across(40);
  b.Down(kHeadingEnd, kFrameTop, kShortBottom);
  b.Down(kRightStart, kFrameTop, 24);
  return b;
}

// The row of the adoption and the money it brought: 採用 and 原稿料 with their values.
struct AdoptionRow {
  QLabel* adoption;
  QLabel* money;
};
AdoptionRow MakeAdoptionRow(PanelBuilder& b, int top) {
  b.Heading("採用", kFrameLeft, kHeadingEnd, top);
  QLabel* adoption = b.Value(kHeadingEnd, kSecondHeading, top);
  b.Heading("原稿料", kSecondHeading, kRightStart, top);
  QLabel* money = b.Value(kRightStart, kFrameRight, top, Align::Right);
  b.Down(kSecondHeading, top, top + kRowHeight);
  b.Down(kRightStart, top, top + kRowHeight);
  return {adoption, money};
}

}  // namespace

void Form11::BuildOneShotPanel() {
  PanelBuilder b = StartShortPanel(*this, viewportInside_, kOneShotPanel);
  const AdoptionRow row = MakeAdoptionRow(b, 24);
  Label2[3] = row.adoption;
  Label2[1] = row.money;
  b.Heading("掲載雑誌", kFrameLeft, kHeadingEnd, 40);
  Label3[1] = b.Value(kHeadingEnd, kRightStart, 40);
  b.Value(kRightStart, kFrameRight, 40)->setText(QStringLiteral("読切漫画です"));
  b.Down(kRightStart, 40, kShortBottom);
}

void Form11::BuildOwnWorkPanel() {
  PanelBuilder b = StartShortPanel(*this, viewportInside_, kOwnWorkPanel);
  b.Heading("投稿雑誌", kFrameLeft, kHeadingEnd, 24);
  Label3[3] = b.Value(kHeadingEnd, kFrameRight, 24);
  const AdoptionRow row = MakeAdoptionRow(b, 40);
  Label3[4] = row.adoption;
  Label2[2] = row.money;
}

void Form11::AddVolumeRow() {
  const int row = static_cast<int>(Label6.size());
  const int blockTop = kVolumeRows + kVolumeRowStep * kRowsPerBlock * (row / kRowsPerBlock);
  if (row % kRowsPerBlock == 0) {
    auto* block = new QWidget(Picture1[kSerialPanel]);
    block->setAttribute(Qt::WA_TransparentForMouseEvents);
    block->setGeometry(0, blockTop, kPanelWidth, kVolumeRowStep * kRowsPerBlock);
    block->show();
    volumeBlocks_.push_back(block);
  }
  QWidget* block = volumeBlocks_.back();
  // The row's text stands at 107 + 14 × row in the panel.
  const int top = kFirstVolumeText + kVolumeRowStep * row - kTextDrop - blockTop;
  Label6.push_back(Cell(block, kFrameLeft, kVolumeEnd, top));
  Label7.push_back(Cell(block, kVolumeEnd, kPriceEnd, top, Align::Right));
  Label8.push_back(Cell(block, kPriceEnd, kSoldEnd, top, Align::Right));
  Label9.push_back(Cell(block, kSoldEnd, kFrameRight, top, Align::Right));
  for (QLabel* cell : {Label6.back(), Label7.back(), Label8.back(), Label9.back()}) cell->show();
}

void Form11::Form_Load() {
  GameState& g = State();
  QWidget* frame = Frame();
  frame->resize(platform::Px(kDesignWidth), platform::Px(kDesignHeight));
  // Narrowed first if it opens too wide; the fixed width then holds it at 428.
  if (platform::Twips(frame->width()) >= kArchiveWideAtLoad)
    frame->resize(platform::Px(kArchiveLoadWidth), frame->height());
  platform::FixWidth(frame, kArchiveWidth, kArchiveMinTrackHeight);
  platform::PlaceInsideArea(SubWindow(), frame->height());
  platform::SetBackground(this, platform::BackgroundForColorCount(platform::ScreenColorCount(this)));
  g.FormSlot[form::kArchive].Param = kNoPanel;
  platform::FillHeadingBars(Shape1);
  FillList();
  if (g.MangaCount >= 1) List1->setCurrentRow(0);
  Form_Resize();
  Timer1->start();
}

void Form11::Form_Unload() {
  // Requests raised from now on wait for the next time the window opens.
  Timer1->stop();
}

void Form11::FillList() {
  const GameState& g = State();
  const long long count = std::min(g.MangaCount.Index(), kMangaWorkCapacity);
  List1->clear();
  QStringList titles;
  for (long long w = 0; w < count; ++w) titles.push_back(Q(g.MangaWork[w].Title.Str()));
  List1->addItems(titles);
}

void Form11::List1_Click() {
  GameState& g = State();
  const int row = List1->currentRow();
  if (row < 0) return;
  const int panel = PanelForState(g.MangaWork[row].State);
  if (panel != kNoPanel) {
    ShowOnly(panel);
    Picture1[panel]->move(0, 0);
    VScroll1->setValue(0);
  }
  FormReDisplay11();
  Form_Resize();
}

void Form11::List1_DblClick() { OpenWorkCard(List1->currentRow()); }

void Form11::Timer1_Timer() {
  // With no works the requests wait for the first one.
  if (State().MangaCount <= 0) return;
  ServeRefreshRequests();
}

void Form11::Rebuild() {
  const int row = List1->currentRow();
  RememberArchiveScroll(VScroll1->value());
  FillList();
  const int next = RowAfterRefill(row, List1->count());
  if (next >= 0) List1->setCurrentRow(next);
  VScroll1->setValue(RememberedArchiveScroll());
  Form_Resize();
}

void Form11::Redraw() { FormReDisplay11(); }

void Form11::VScroll1_Change(int value) {
  const GameState& g = State();
  const long long panel = g.FormSlot[form::kArchive].Param.Index();
  if (g.MangaCount < 1 || panel < 0 || panel >= static_cast<long long>(Picture1.size())) return;
  Picture1[static_cast<size_t>(panel)]->move(0, -value);
}

void Form11::resizeEvent(QResizeEvent* event) {
  Form::resizeEvent(event);
  Form_Resize();
}

bool Form11::Minimised() {
  QMdiSubWindow* frame = SubWindow();
  return frame ? frame->isMinimized() : isMinimized();
}

void Form11::Form_Resize() {
  if (Minimised()) return;
  QWidget* frame = Frame();
  const int least = platform::Px(FitArchiveHeight(platform::Twips(frame->height())));
  if (frame->height() < least) frame->resize(frame->width(), least);
  const int list = ArchiveListHeight(height());
  List1->resize(kListWidth, list);
  Picture2->resize(kViewportWidth, List1->height());
  VScroll1->resize(kScrollWidth, List1->height());
  viewportInside_->setGeometry(Picture2->contentsRect());
  const long long panel = State().FormSlot[form::kArchive].Param.Index();
  if (panel < 0 || panel >= static_cast<long long>(Picture1.size())) return;
  SetScrollRange(Picture1[static_cast<size_t>(panel)]->height());
}

void Form11::SetScrollRange(int panelHeight) {
  const ArchiveScrollRange range = ScrollRangeFor(panelHeight, Picture2->height());
  VScroll1->setMaximum(range.maximum);
  if (!range.setsSteps) return;
  VScroll1->setPageStep(range.largeChange);
  VScroll1->setSingleStep(range.smallChange);
}

void Form11::ShowOnly(int panel) {
  for (size_t i = 0; i < Picture1.size(); ++i) Picture1[i]->setVisible(static_cast<int>(i) == panel);
  State().FormSlot[form::kArchive].Param = panel;
}

void Form11::FormReDisplay11() {
  const GameState& g = State();
  if (g.MangaCount <= 0) return;
  if (List1->currentRow() < 0) {
    // Filling the list selects row 0, which shows it; it is then shown again here.
    FillList();
    List1->setCurrentRow(0);
  }
  const int work = List1->currentRow();
  if (work < 0) return;
  switch (PanelForState(g.MangaWork[work].State)) {
    case kSerialPanel:
      Apply(DescribeSerial(work));
      break;
    case kOneShotPanel:
      Apply(DescribeOneShot(work));
      break;
    case kOwnWorkPanel:
      Apply(DescribeOwnWork(work));
      break;
    default:
      break;
  }
}

void Form11::Apply(const SerialDetail& d) {
  ShowOnly(kSerialPanel);
  Set(Label1[0], d.title);
  Set(Label3[8], d.rank);
  Set(Label3[12], d.fee);
  Set(Label2[0], d.period);
  Set(Label3[0], d.magazine);
  Set(Label4[0], d.episodes);
  Set(Label3[5], d.anime);
  Set(Label3[7], d.animeRating);
  Set(Label3[13], d.animeIncome);
  Set(Label3[6], d.movie);
  Set(Label3[2], d.audience);
  Set(Label3[11], d.boxOffice);

  static const VolumeRowText kEmptyRow;
  while (Label6.size() < d.volumes.size()) AddVolumeRow();
  for (size_t i = 0; i < Label6.size(); ++i) {
    const VolumeRowText& row = i < d.volumes.size() ? d.volumes[i] : kEmptyRow;
    Set(Label6[i], row.volume);
    Set(Label7[i], row.price);
    Set(Label8[i], row.sold);
    Set(Label9[i], row.stock);
  }
  Set(Label3[9], d.totalSold);
  Set(Label3[10], d.stock);
  Picture1[kSerialPanel]->SetLowerOffset(d.lowerOffset, d.height);
  SetScrollRange(d.height);
}

void Form11::Apply(const OneShotDetail& d) {
  ShowOnly(kOneShotPanel);
  Set(Label1[1], d.title);
  Set(Label4[1], d.date);
  Set(Label2[3], d.adoption);
  Set(Label2[1], d.fee);
  Set(Label3[1], d.magazine);
}

void Form11::Apply(const OwnWorkDetail& d) {
  ShowOnly(kOwnWorkPanel);
  Set(Label1[2], d.title);
  Set(Label4[2], d.date);
  Set(Label3[3], d.magazine);
  Set(Label3[4], d.adoption);
  Set(Label2[2], d.prize);
}

namespace {
const bool registered = platform::RegisterForm<Form11>(form::kArchive);
}

}  // namespace koratsu
