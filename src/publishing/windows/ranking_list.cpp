#include "publishing/windows/ranking_list.h"

#include <algorithm>

#include <QFontMetrics>
#include <QMdiSubWindow>
#include <QResizeEvent>

#include "platform/controls.h"
#include "platform/heading_bar.h"
#include "platform/placement.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "publishing/rankings.h"
#include "state/game_state.h"
#include "state/list_fit.h"

namespace koratsu {

namespace {

// Pixels: the heading's band, the list's top, and what the viewport and the
// scroll bar leave of the window's inner height.
constexpr int kMargin = 4;
constexpr int kBandHeight = 22;
constexpr int kListTop = 32;
constexpr int kHeightLeftOver = 40;
constexpr int kScrollWidth = 16;
constexpr int kDesignInnerHeight = 300;

// The lowest height the player may leave the window at, in twips, and the
// height it then takes.
constexpr double kLowestHeight = 1300;
constexpr double kSnappedHeight = 1301;

constexpr unsigned kListBackground = 0xFFFFFF;
constexpr unsigned kLineColour = 0xC0C0C0;
constexpr unsigned kRed = 255;
constexpr unsigned kBlack = 0;

}  // namespace

RankingList::RankingList(int width, const QString& caption, const QString& heading)
    : Form({.kind = platform::FormKind::Child, .centre = false, .trackOpen = true, .servesRefresh = true}),
      width_(width) {
  setWindowTitle(caption);
  resize(width, kDesignInnerHeight);

  // Placed as the window is sized.
  const auto band = platform::MakeHeadingBar(this, heading, 0, 0, 0, 0);
  Shape1[0] = band.shape;
  Label3 = band.label;

  Picture2 = new QWidget(this);
  platform::SetBackground(Picture2, kListBackground);
  Picture1 = new QWidget(Picture2);
  Picture1->setGeometry(0, 0, 0, kListHeight);
  for (platform::Shape*& line : Line1) line = new platform::Shape(Picture1, kLineColour);
  VScroll1 = new QScrollBar(Qt::Vertical, this);
  VScroll1->setRange(0, 0);
  // A drag reports its steps through the same signal as a click.
  connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
  platform::ScrollWithWheel(Picture2, VScroll1, kRowPitch);

  constexpr int kPlaceWidth = 34;
  AddColumn(Label1, 0, kPlaceWidth, Qt::AlignRight);
  Label1[0]->setText(QStringLiteral("100位"));
}

void RankingList::AddColumn(std::vector<QLabel*>& labels, int left, int width, Qt::Alignment alignment) {
  auto* label = new QLabel(Picture1);
  label->setGeometry(left, kRowTop, width, kRowPitch);
  label->setAlignment(alignment | Qt::AlignVCenter);
  labels.assign(1, label);
  columns_.push_back(&labels);
}

void RankingList::ColumnLine(size_t line, int left) { Line1[line]->setGeometry(left, 0, 1, kListHeight); }

void RankingList::AddPlaces() {
  for (std::vector<QLabel*>* column : columns_) {
    QLabel* first = column->front();
    for (int i = 1; i < kPlaces; ++i) {
      auto* label = new QLabel(Picture1);
      label->setGeometry(first->x(), kRowPitch * i + kRowTop, first->width(), first->height());
      label->setAlignment(first->alignment());
      label->show();
      column->push_back(label);
    }
  }
  for (int i = 0; i < kPlaces; ++i) Label1[static_cast<size_t>(i)]->setText(platform::Q(RankingPlaceText(i)));
}

void RankingList::Form_Load() {
  // Only the height follows the player's dragging.
  platform::FixWidth(Frame(), width_);
  if (QMdiSubWindow* frame = SubWindow()) {
    const QMargins border = frame->contentsMargins();
    platform::PlaceInsideArea(frame, kDesignInnerHeight + border.top() + border.bottom());
  }
  platform::FillHeadingBars(Shape1);
  AddPlaces();
  Picture1->resize(Picture1->width(), kListHeight);
  SetUpScrollBar(false);
  State().FormSlot[Number()].Redraw = 1;
}

void RankingList::resizeEvent(QResizeEvent* event) {
  Form::resizeEvent(event);
  Form_Resize();
}

void RankingList::Form_Resize() {
  QWidget* frame = Frame();
  if (resizing_ || frame->isMinimized()) return;
  const int lowest = platform::Px(SnapListHeight(platform::Twips(frame->height()), kLowestHeight, kSnappedHeight));
  if (lowest > frame->height()) {
    resizing_ = true;
    frame->resize(frame->width(), lowest);
    resizing_ = false;
  }
  const int w = width();
  const int inner = std::max(0, height() - kHeightLeftOver);
  Shape1[0]->setGeometry(kMargin, kMargin, w - 2 * kMargin, kBandHeight);
  Label3->setGeometry(Shape1[0]->geometry());
  Picture2->setGeometry(kMargin, kListTop, w - 2 * kMargin - kScrollWidth, inner);
  VScroll1->setGeometry(w - kMargin - kScrollWidth, kListTop, kScrollWidth, inner);
  Picture1->resize(Picture2->width(), kListHeight);
  SetUpScrollBar(true);
}

void RankingList::SetUpScrollBar(bool resized) {
  const std::optional<ScrollRange> range = ListScrollRange(Picture1->height(), Picture2->height(), kRowPitch);
  if (!range) {
    if (resized) VScroll1->setMaximum(0);
    return;
  }
  VScroll1->setMaximum(range->maximum);
  VScroll1->setPageStep(range->largeChange);
  VScroll1->setSingleStep(range->smallChange);
}

void RankingList::VScroll1_Change() { Picture1->move(0, -VScroll1->value()); }

void RankingList::Write(QLabel* label, const std::string& text) { label->setText(platform::Q(text)); }

void RankingList::WriteShortened(QLabel* label, const std::string& text) {
  const QString whole = platform::Q(text);
  const QString shown = label->fontMetrics().elidedText(whole, Qt::ElideRight, label->width());
  label->setText(shown);
  label->setToolTip(shown == whole ? QString() : whole);
}

void RankingList::MarkPlayer(QLabel* label, bool player) { platform::SetTextColour(label, player ? kRed : kBlack); }

}  // namespace koratsu
