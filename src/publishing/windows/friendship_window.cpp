#include "publishing/windows/friendship_window.h"

#include "platform/colors.h"
#include "platform/pictures.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kClientWidth = 5490;
constexpr int kClientHeight = 2310;
constexpr int kPictureBorder = 2;  // pixels

// Pixels inside Picture1.
constexpr int kNameLeft = 4, kNameWidth = 92;
constexpr int kImageLeft = 98, kImageSize = 16;
constexpr int kScaleLeft = 124;
constexpr int kScaleStep = 15;
constexpr int kScaleRight = kScaleLeft + kScaleStep * (Form58::kScaleLineCount - 1);
constexpr int kScaleMiddle = kScaleLeft + kScaleStep * (Form58::kScaleLineCount / 2);
constexpr int kScaleTop = Form58::kRowTop - 2;
constexpr int kScaleBottom = Form58::kRowTop + Form58::kRowStep * 5 + 2;
constexpr int kBarLength = kScaleStep * 5;
constexpr int kBarHeight = 8;

constexpr unsigned kBlack = 0x000000;
constexpr unsigned kGrey = 0x808080;
constexpr unsigned kBarColour = 0xFF8000;

int RowTop(int i) { return Form58::kRowTop + Form58::kRowStep * i; }

}  // namespace

// Modeless and beside the others in the main window; the clock runs on.
Form58::Form58() : Form({.kind = platform::FormKind::Child, .trackOpen = true}) {
  setWindowTitle(QStringLiteral("出版社との友好関係"));
  platform::SetFixedClientSize(this, kClientWidth, kClientHeight);

  Shape1[0] = new platform::Shape(this);
  platform::Place(Shape1[0], 120, 120, 5250, 360);
  Label3 = new QLabel(QStringLiteral("== 出版社との友好関係です =="), this);
  platform::Place(Label3, 120, 120, 5250, 360);
  Label3->setAlignment(Qt::AlignCenter);
  Label3->setStyleSheet(QStringLiteral("color: white; background: transparent;"));

  Picture1 = new QFrame(this);
  Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Picture1->setLineWidth(kPictureBorder);
  platform::SetBackground(Picture1, platform::kWhite);
  platform::Place(Picture1, 120, 600, 5250, 1590);
  // The rows and the scale are placed in the box's inside.
  auto* inside = new QWidget(Picture1);
  inside->setGeometry(Picture1->rect().adjusted(kPictureBorder, kPictureBorder, -kPictureBorder, -kPictureBorder));

  Label2 = new QLabel(QStringLiteral("悪            普           良"), inside);
  Label2->setGeometry(kScaleLeft - 6, 2, kScaleRight - kScaleLeft + 20, 15);
  Line1[0] = new platform::Shape(inside, kBlack);
  Line1[0]->setGeometry(kScaleLeft, kScaleTop, kScaleRight - kScaleLeft + 1, 1);
  Line1[1] = new platform::Shape(inside, kBlack);
  Line1[1]->setGeometry(kScaleLeft, kScaleBottom, kScaleRight - kScaleLeft + 1, 1);
  for (int j = 0; j < kScaleLineCount; ++j) {
    const bool strong = j == 0 || j == kScaleLineCount / 2 || j == kScaleLineCount - 1;
    auto* line = new platform::Shape(inside, strong ? kBlack : kGrey);
    line->setGeometry(kScaleLeft + kScaleStep * j, kScaleTop, 1, kScaleBottom - kScaleTop + 1);
    Line1[static_cast<size_t>(2 + j)] = line;
  }
  Shape2 = new platform::Shape(inside, kBarColour);
  Shape2->setGeometry(kScaleMiddle + 1, RowTop(0) + (kRowStep - kBarHeight) / 2, kBarLength - 1, kBarHeight);

  // Row 0 is there from the start; the others come as the window loads.
  Label1[0] = new QLabel(QStringLiteral("出版社"), inside);
  Label1[0]->setGeometry(kNameLeft, RowTop(0), kNameWidth, kRowStep);
  Image1[0] = new QLabel(inside);
  Image1[0]->setGeometry(kImageLeft, RowTop(0), kImageSize, kImageSize);
}

void Form58::Form_Load() {
  QWidget* inside = Label1[0]->parentWidget();
  for (int i = 1; i < 5; ++i) {
    const size_t n = static_cast<size_t>(i);
    Label1[n] = new QLabel(inside);
    Label1[n]->setGeometry(kNameLeft, RowTop(i), kNameWidth, kRowStep);
    Label1[n]->show();
    Image1[n] = new QLabel(inside);
    Image1[n]->setGeometry(kImageLeft, RowTop(i), kImageSize, kImageSize);
    Image1[n]->show();
  }
  platform::FillHeadingBars(Shape1);
  const GameState& g = State();
  for (int i = 0; i < 5; ++i) {
    const size_t n = static_cast<size_t>(i);
    Label1[n]->setText(platform::Q(g.Publisher[i].Name.Str()));
    // A missing picture leaves its place empty.
    Image1[n]->setPixmap(platform::FormPicture(form::kFriendship, QStringLiteral("Image1(%1)").arg(i)));
  }
}

namespace {
const bool registered = platform::RegisterForm<Form58>(form::kFriendship);
}  // namespace

}  // namespace koratsu
