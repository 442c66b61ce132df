#include "life/windows/knowledge_list_window.h"

#include <QMdiSubWindow>
#include <QResizeEvent>

#include "life/knowledge_list.h"
#include "platform/controls.h"
#include "platform/heading_bar.h"
#include "platform/placement.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

using platform::Q;

// Pixels: the heading's band, the lines under it, and the margin that the
// viewport and the scroll bar leave of the window's inner height.
constexpr int kMargin = 4;
constexpr int kBandHeight = 22;
constexpr int kLineTop = 30;
constexpr int kListTop = 36;
constexpr int kHeightLeftOver = 40;
constexpr int kScrollWidth = 16;
constexpr int kNameWidth = 104;
constexpr int kPointsLeft = 108, kPointsWidth = 72;
constexpr int kBarLeft = 184, kBarWidth = 64, kBarHeight = 7;
constexpr int kDesignInnerHeight = 320;

constexpr unsigned kListBackground = 0xFFFFFF;
constexpr unsigned kLineDark = 0x808080;
constexpr unsigned kLineLight = 0xFFFFFF;
constexpr unsigned kBarFrame = 0xC0C0C0;
constexpr unsigned kBarFill = 0xE08020;

void ApplyRange(QScrollBar* bar, const ScrollRange& range) {
  bar->setMaximum(range.maximum);
  bar->setPageStep(range.largeChange);
  bar->setSingleStep(range.smallChange);
}

}  // namespace

Form29::Form29()
    : Form({.kind = platform::FormKind::Child, .centre = false, .trackOpen = true, .servesRefresh = true}) {
  setWindowTitle(QStringLiteral("知識のﾎﾟｲﾝﾄ"));
  resize(kWidth, kDesignInnerHeight);

  // Placed as the window is sized.
  const auto heading = platform::MakeHeadingBar(this, QStringLiteral("== 現在習得してる知識のﾎﾟｲﾝﾄです  =="), 0, 0, 0, 0);
  Shape1[0] = heading.shape;
  Label3[6] = heading.label;
  Line1[0] = new platform::Shape(this, kLineDark);
  Line1[1] = new platform::Shape(this, kLineLight);

  Picture2 = new QWidget(this);
  platform::SetBackground(Picture2, kListBackground);
  Picture1 = new QWidget(Picture2);
  Picture1->setGeometry(0, 0, 0, 0);
  VScroll1 = new QScrollBar(Qt::Vertical, this);
  VScroll1->setRange(0, 0);
  // A drag reports its steps through the same signal as a click.
  connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
  platform::ScrollWithWheel(Picture2, VScroll1, kKnowledgeRowPitch);
}

void Form29::Form_Load() {
  // Only the height follows the player's dragging.
  platform::FixWidth(Frame(), kWidth);
  if (QMdiSubWindow* frame = SubWindow()) {
    const QMargins border = frame->contentsMargins();
    platform::PlaceInsideArea(frame, kDesignInnerHeight + border.top() + border.bottom());
  }
  platform::FillHeadingBars(Shape1);
  State().FormSlot[form::kKnowledgeList].Rebuild = 1;
  Picture1->resize(Picture1->width(), 0);
  Form_Resize();
}

void Form29::AddRow() {
  const int top = static_cast<int>(Label1.size()) * kKnowledgeRowPitch + kKnowledgeRowTop;
  auto* name = new QLabel(Picture1);
  name->setGeometry(kMargin, top, kNameWidth, kKnowledgeRowPitch);
  auto* points = new QLabel(Picture1);
  points->setGeometry(kPointsLeft, top, kPointsWidth, kKnowledgeRowPitch);
  points->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* frame = new platform::Shape(Picture1, kBarFrame);
  frame->setGeometry(kBarLeft, top + (kKnowledgeRowPitch - kBarHeight) / 2, kBarWidth, kBarHeight);
  auto* bar = new platform::Shape(Picture1, kBarFill);
  bar->setGeometry(kBarLeft, frame->y(), 0, kBarHeight);
  for (QWidget* control : std::initializer_list<QWidget*>{name, points, frame, bar}) control->show();
  Label1.push_back(name);
  Label2.push_back(points);
  Shape10.push_back(frame);
  Shape.push_back(bar);
}

void Form29::Rebuild() {
  RebuildKnowledgeList();
  const int count = KnowledgeListCount();
  Picture1->setVisible(count > 0);
  while (static_cast<int>(Label1.size()) < count) AddRow();
}

void Form29::Redraw() {
  const int count = KnowledgeListCount();
  for (int i = 0; i < count && i < static_cast<int>(Label1.size()); ++i) {
    const size_t r = static_cast<size_t>(i);
    const KnowledgeListRow row = DescribeKnowledgeListRow(i);
    Label1[r]->setText(Q(row.name));
    Label2[r]->setText(Q(row.points));
    Shape[r]->setFixedWidth(static_cast<int>(platform::BarWidth(row.value, row.cap, Shape10[r]->width())));
  }
  Picture1->resize(Picture2->width(), KnowledgeListHeight());
  // A list that has come to fit keeps its range until the window is resized.
  if (auto range = ListScrollRange(Picture1->height(), Picture2->height())) ApplyRange(VScroll1, *range);
}

void Form29::resizeEvent(QResizeEvent* event) {
  Form::resizeEvent(event);
  Form_Resize();
}

void Form29::Form_Resize() {
  QWidget* frame = Frame();
  if (resizing_ || frame->isMinimized()) return;
  const int lowest = platform::Px(KnowledgeListWindowHeight(platform::Twips(frame->height())));
  if (lowest > frame->height()) {
    resizing_ = true;
    frame->resize(frame->width(), lowest);
    resizing_ = false;
  }
  const int w = width();
  const int inner = std::max(0, height() - kHeightLeftOver);
  Shape1[0]->setGeometry(kMargin, kMargin, w - 2 * kMargin, kBandHeight);
  Label3[6]->setGeometry(Shape1[0]->geometry());
  Line1[0]->setGeometry(kMargin, kLineTop, w - 2 * kMargin, 1);
  Line1[1]->setGeometry(kMargin, kLineTop + 1, w - 2 * kMargin, 1);
  Picture2->setGeometry(kMargin, kListTop, w - 2 * kMargin - kScrollWidth, inner);
  VScroll1->setGeometry(w - kMargin - kScrollWidth, kListTop, kScrollWidth, inner);
  Picture1->resize(Picture2->width(), Picture1->height());
  if (auto range = ListScrollRange(Picture1->height(), Picture2->height())) {
    ApplyRange(VScroll1, *range);
  } else {
    VScroll1->setMaximum(0);
  }
}

void Form29::VScroll1_Change() { Picture1->move(0, -VScroll1->value()); }

namespace {
const bool registered = platform::RegisterForm<Form29>(form::kKnowledgeList);
}  // namespace

}  // namespace koratsu
