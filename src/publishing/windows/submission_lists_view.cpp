#include "publishing/windows/submission_lists_view.h"

#include <QMouseEvent>

#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/qt_strings.h"
#include "publishing/submission_lists.h"
#include "state/game_state.h"
#include "state/list_fit.h"

namespace koratsu {

namespace {

using platform::Q;

constexpr int kScrollWidth = 16;
constexpr int kRowTop = 2;     // a row's label sits this far below its pitch
constexpr int kTextInset = 4;  // a label's text starts this far right of its column
constexpr int kWorksExtra = 8, kMagazinesExtra = 4;  // a picture's height past its last row
constexpr unsigned kSelectionBar = 0x800000;         // dark blue
constexpr unsigned kRuleColour = 0xC0C0C0;
constexpr unsigned kBlack = 0x000000;

QWidget* MakeViewport(QWidget* window, const QRect& place) {
  auto* viewport = new QWidget(window);
  viewport->setGeometry(place);
  platform::SetBackground(viewport, platform::kWhite);
  return viewport;
}

// The bar beside a list's viewport. Its arrows move a pixel; the wheel over
// the list goes row by row.
QScrollBar* MakeScrollBar(QWidget* window, QWidget* viewport) {
  auto* bar = new QScrollBar(Qt::Vertical, window);
  const QRect place = viewport->geometry();
  bar->setGeometry(place.right() + 1, place.top(), kScrollWidth, place.height());
  bar->setRange(0, 0);
  platform::ScrollWithWheel(viewport, bar, kSubmissionRowPitch);
  return bar;
}

}  // namespace

void RowLabel::mousePressEvent(QMouseEvent* event) {
  QLabel::mousePressEvent(event);
  if (event->button() == Qt::LeftButton && pressed_) pressed_();
}

SubmissionLists::SubmissionLists(QWidget* window, const SubmissionListsLayout& layout) : layout_(layout) {
  Picture4 = MakeViewport(window, layout.works);
  Picture2 = new QWidget(Picture4);
  Picture2->setGeometry(0, 0, layout.works.width(), 0);
  WorksBar = new platform::Shape(Picture2, kSelectionBar);
  WorksBar->setGeometry(0, 0, layout.works.width(), kSubmissionRowPitch);
  VScroll2 = MakeScrollBar(window, Picture4);
  // A drag reports its steps through the same signal as a click.
  QObject::connect(VScroll2, &QScrollBar::valueChanged, window, [this] { VScroll2_Change(); });

  Picture3 = MakeViewport(window, layout.magazines);
  Picture1 = new QWidget(Picture3);
  Picture1->setGeometry(0, 0, layout.magazines.width(), 0);
  MagazineBar = new platform::Shape(Picture1, kSelectionBar);
  MagazineBar->setGeometry(0, 0, layout.magazines.width(), kSubmissionRowPitch);
  // The rules between and around the columns; with two columns, only after each.
  std::vector<int> rules;
  if (layout.feeWidth > 0) rules.push_back(0);
  rules.push_back(layout.publisherWidth);
  rules.push_back(layout.publisherWidth + layout.nameWidth);
  if (layout.feeWidth > 0) rules.push_back(layout.publisherWidth + layout.nameWidth + layout.feeWidth - 1);
  for (int x : rules) {
    auto* rule = new platform::Shape(Picture1, kRuleColour);
    rule->setGeometry(x, 0, 1, 0);
    Line1.push_back(rule);
  }
  VScroll1 = MakeScrollBar(window, Picture3);
  QObject::connect(VScroll1, &QScrollBar::valueChanged, window, [this] { VScroll1_Change(); });
}

QLabel* SubmissionLists::AddRow(QWidget* picture, int row, int left, int width, bool magazine) {
  auto* label = new RowLabel(picture, [this, row, magazine] {
    const auto& pressed = magazine ? Label1_MouseDown : Label7_MouseDown;
    if (pressed) pressed(row);
  });
  label->setGeometry(left + kTextInset, kSubmissionRowPitch * row + kRowTop, width - 2 * kTextInset,
                     kSubmissionRowPitch - kRowTop);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  platform::SetTextColour(label, kBlack);
  label->show();
  return label;
}

void SubmissionLists::Fill() {
  const GameState& g = State();
  const int works = static_cast<int>(g.MangaListCount.Index());
  const int magazines = static_cast<int>(g.MagazineCount.Index());
  const int listWidth = layout_.works.width();
  for (int row = 0; row < works; ++row) {
    QLabel* label = AddRow(Picture2, row, 0, listWidth, false);
    label->setText(Q(DescribeSubmissionWork(row).title));
    Label7.push_back(label);
  }
  const int nameLeft = layout_.publisherWidth, feeLeft = nameLeft + layout_.nameWidth;
  for (int row = 0; row < magazines; ++row) {
    const SubmissionMagazine magazine = DescribeSubmissionMagazine(row);
    Label1.push_back(AddRow(Picture1, row, 0, layout_.publisherWidth, true));
    Label1.back()->setText(Q(magazine.publisher));
    Label2.push_back(AddRow(Picture1, row, nameLeft, layout_.nameWidth, true));
    Label2.back()->setText(Q(magazine.name));
    if (layout_.feeWidth <= 0) continue;
    Label4.push_back(AddRow(Picture1, row, feeLeft, layout_.feeWidth, true));
    Label4.back()->setText(Q(magazine.fee));
    Label4.back()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }

  // A game without any work record hides the works; one whose works have
  // all gone shows an empty list.
  Picture2->setVisible(g.MangaCount > 0);
  Picture1->resize(Picture1->width(), kSubmissionRowPitch * magazines + kMagazinesExtra);
  for (platform::Shape* rule : Line1) rule->resize(1, kSubmissionRowPitch * magazines);
  Picture2->resize(Picture2->width(), kSubmissionRowPitch * works + kWorksExtra);
  SetScrollRange(VScroll1, Picture1, Picture3);
  SetScrollRange(VScroll2, Picture2, Picture4);
}

void SubmissionLists::SetScrollRange(QScrollBar* bar, const QWidget* picture, const QWidget* viewport) {
  // A list that fits keeps the bar's maximum of 0 and does not scroll.
  if (picture->height() > viewport->height()) bar->setMaximum(picture->height() - viewport->height());
  bar->setPageStep(HalfToEven(picture->height()));
}

void SubmissionLists::ColourRows(const std::vector<QLabel*>& labels, int row) {
  for (size_t i = 0; i < labels.size(); ++i)
    platform::SetTextColour(labels[i], static_cast<int>(i) == row ? platform::kWhite : kBlack);
}

void SubmissionLists::ShowWorkSelected(int row) {
  ColourRows(Label7, row);
  WorksBar->move(0, kSubmissionRowPitch * row);
  WorksBar->lower();
}

void SubmissionLists::ShowMagazineSelected(int row) {
  for (const auto* column : {&Label1, &Label2, &Label4}) ColourRows(*column, row);
  MagazineBar->move(0, kSubmissionRowPitch * row);
  MagazineBar->lower();
}

void SubmissionLists::VScroll1_Change() { Picture1->move(0, -VScroll1->value()); }

void SubmissionLists::VScroll2_Change() { Picture2->move(0, -VScroll2->value()); }

void ShowWorkDetails(const SubmissionDetails& details, int row) {
  const SubmissionWork work = DescribeSubmissionWork(row);
  details[4]->setText(platform::Q(work.audience));
  details[5]->setText(platform::Q(work.genre));
}

void ShowMagazineDetails(const SubmissionDetails& details, int row) {
  const SubmissionMagazine magazine = DescribeSubmissionMagazine(row);
  details[0]->setText(platform::Q(magazine.publisher));
  details[1]->setText(platform::Q(magazine.name));
  details[2]->setText(platform::Q(magazine.text));
  details[8]->setText(platform::Q(magazine.fee));
  details[7]->setText(platform::Q(magazine.adopted));
}

}  // namespace koratsu
