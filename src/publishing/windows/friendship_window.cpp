#include "publishing/windows/friendship_window.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <QtMath>

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

// The scale's caption: its words, whatever the width of the font's spaces,
// stand evenly from the scale's first line to its last, each centred over
// its line. The caption's text stays as it is.
class ScaleCaption : public QLabel {
 public:
  ScaleCaption(const QString& text, QWidget* parent) : QLabel(text, parent) {
    const QStringList words = Words();
    const QFontMetricsF metrics(font());
    const qreal halfFirst = metrics.horizontalAdvance(words.first()) / 2;
    const qreal halfLast = metrics.horizontalAdvance(words.last()) / 2;
    const int left = qFloor(kScaleLeft - halfFirst);
    setGeometry(left, 2, qCeil(kScaleRight + halfLast) - left + 1, 15);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    const QStringList words = Words();
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF metrics(font());
    const qreal first = kScaleLeft - x();
    const qreal step = words.size() > 1 ? qreal(kScaleRight - kScaleLeft) / (words.size() - 1) : 0;
    for (qsizetype i = 0; i < words.size(); ++i) {
      const qreal width = metrics.horizontalAdvance(words[i]);
      painter.drawText(QRectF(first + step * i - width / 2, 0, width + 1, height()), Qt::AlignLeft | Qt::AlignVCenter,
                       words[i]);
    }
  }

 private:
  QStringList Words() const {
    QStringList words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) words.append(QString());
    return words;
  }
};

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

  Label2 = new ScaleCaption(QStringLiteral("悪            普           良"), inside);
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
