#include "publishing/windows/contest_article_window.h"

#include <QCursor>
#include <QPainter>

#include "platform/heading_bar.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "publishing/magazine_texts.h"
#include "publishing/windows/magazine_text_window.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

// The words' right end, where the pointer line starts (twips).
constexpr int kPointerX = 2220, kPointerY = 3645;

// The articles on the spread, in twips of the window: the grand prize's
// right page, the second prize's top left, the mention's bottom left.
struct Area {
  int left, top, width, height;
};
constexpr Area kAreas[] = {{2340, 720, 1980, 2400}, {240, 720, 1980, 1140}, {240, 1980, 1980, 1140}};

// The pointing hand stored with the window; its fingertip is its top left
// corner. Without the picture, the desktop's own pointing hand.
QCursor PointingHand() {
  const QPixmap hand = platform::FormPicture(form::kContestArticle, QStringLiteral("MouseIcon"));
  return hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 0, 0);
}

}  // namespace

PointerLine::PointerLine(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  resize(parent->size());
}

void PointerLine::SetEnds(int x1, int y1, int x2, int y2) {
  start_ = {platform::Px(x1), platform::Px(y1)};
  end_ = {platform::Px(x2), platform::Px(y2)};
  update();
}

void PointerLine::paintEvent(QPaintEvent*) {
  if (start_ == end_) return;
  QPainter painter(this);
  painter.setPen(QPen(Qt::red, 2));
  painter.drawLine(start_, end_);
}

Form44::Form44() : Form({.removeCloseItem = true, .pauseClock = true}) {
  setWindowTitle(QStringLiteral("新人賞の発表です"));
  platform::SetFixedClientSize(this, 4560, 3870);

  const auto heading =
      platform::MakeHeadingBar(this, QStringLiteral("== 送った作品が雑誌に載りました =="), 120, 120, 4320, 360);
  Shape1[0] = heading.shape;
  LabelC[0] = heading.label;

  Image1 = new QLabel(this);
  platform::Place(Image1, 120, 600, 4320, 2640);
  Image1->setPixmap(platform::FormPicture(form::kContestArticle, QStringLiteral("Image1")));
  for (int i = 0; i < 3; ++i) {
    const Area& a = kAreas[i];
    auto* area = new platform::ClickableLabel(this);
    platform::Place(area, a.left, a.top, a.width, a.height);
    area->Clicked = [this, i] { Image2_Click(i); };
    Image2[static_cast<size_t>(i)] = area;
  }

  Label1[1] = new QLabel(QStringLiteral("クリックしてください"), this);
  platform::Place(Label1[1], 120, 3360, 2100, 270);
  Line2 = new PointerLine(this);
  Line2->SetEnds(120, kPointerY, kPointerX, kPointerY);
  Line1 = new PointerLine(this);
  Line1->SetEnds(kPointerX, kPointerY, kPointerX, kPointerY);

  Command1 = new QPushButton(QStringLiteral("閉じる"), this);
  platform::Place(Command1, 3240, 3360, 1200, 390);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form44::Form_Load() {
  platform::FillHeadingBars(Shape1);
  const GameState& g = State();
  wonArea_ = ContestArticleArea(g.MangaWork[g.FormSlot[form::kContestArticle].Param].ContestResult);
  if (wonArea_ < 0) return;
  const Area& a = kAreas[wonArea_];
  Image2[static_cast<size_t>(wonArea_)]->setCursor(PointingHand());
  Line1->SetEnds(kPointerX, kPointerY, a.left + a.width / 2, a.top + a.height / 2);
}

void Form44::Image2_Click(int index) {
  if (index != wonArea_) return;
  Form54::Read(ContestArticle(State().FormSlot[form::kContestArticle].Param));
}

void Form44::Command1_Click() { Unload(); }

namespace {
const bool registered = platform::RegisterForm<Form44>(form::kContestArticle);
}  // namespace

}  // namespace koratsu
