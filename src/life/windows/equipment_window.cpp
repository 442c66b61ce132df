#include "life/windows/equipment_window.h"

#include <QEvent>
#include <QFrame>
#include <functional>

#include "life/equipment.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/heading_bar.h"
#include "platform/pictures.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "state/game_state.h"
#include "state/money.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kRowHeight = 960;    // twips
constexpr int kArrowStep = kRowHeight / 4;  // twips the scroll bar's arrows move the list
constexpr int kListWidth = 5880;
constexpr int kListTop = 540;
constexpr int kFrameHeight = 3360;  // three and a half rows show at once
constexpr unsigned kSelectionBar = 0x800000;
constexpr unsigned kSelectedText = 0xFFFFFF;
constexpr unsigned kText = 0x000000;

const char* const kNames[Form19::kRows] = {"コピー機", "ファックス", "パソコン", "スキャナー", "プリンター"};
const char* const kDescriptions[Form19::kRows] = {
    "  原稿のコピーを行い仕事の効率がアップ。",
    "  資料の入手がラクになり作業効率アップ。",
    "  ｺﾝﾋﾟｭｰﾀｸﾞﾗﾌｨｯｸを使う。使用方法がむずかしい。",
    "  原稿などをパソコンに取り込める。パソコン必要。",
    "  パソコンで編集したものを印刷。パソコン必要。",
};

// Reports every mouse press on a control, whatever the button.
class PressWatcher : public QObject {
 public:
  PressWatcher(QWidget* control, std::function<void()> pressed) : QObject(control), pressed_(std::move(pressed)) {
    control->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonPress) return false;
    pressed_();
    return true;
  }

 private:
  std::function<void()> pressed_;
};

QLabel* Text(QWidget* parent, const QString& text, int left, int top, int width) {
  auto* label = new QLabel(text, parent);
  platform::Place(label, left, top, width, 210);
  return label;
}

}  // namespace

Form19::Form19() : Form({.pauseClock = true, .resumeRequestOnUnload = true}) {
  setWindowTitle(QStringLiteral("機材購入"));
  platform::SetFixedClientSize(this, 6375, 4560);

  const auto heading = platform::MakeHeadingBar(this, QStringLiteral("== 機材を購入します  =="), 120, 120, 6135, 300);
  Shape1[0] = heading.shape;
  Label3[0] = heading.label;

  // A sunken border around the list's frame, which clips the list inside it.
  auto* border = new QFrame(this);
  border->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  border->setLineWidth(2);
  platform::Place(border, 90, kListTop - 30, kListWidth + 60, kFrameHeight + 60);
  Picture2 = new QWidget(this);
  platform::Place(Picture2, 120, kListTop, kListWidth, kFrameHeight);
  Picture1 = new QWidget(Picture2);
  platform::Place(Picture1, 0, 0, kListWidth, kRowHeight * kRows);
  platform::SetBackground(Picture1, platform::kWhite);
  Shape2 = new platform::Shape(Picture1, kSelectionBar);
  platform::Place(Shape2, 0, 0, kListWidth, kRowHeight);

  for (int i = 0; i < kRows; ++i) {
    const int top = i * kRowHeight;
    const auto index = static_cast<std::size_t>(i);
    Image1[index] = new QLabel(Picture1);
    platform::Place(Image1[index], 120, top + 120, 720, 720);
    Image1[index]->setPixmap(platform::FormPicture(form::kEquipment, QStringLiteral("Image1(%1)").arg(i)));
    new PressWatcher(Image1[index], [this, i] { Image1_MouseDown(i); });
    Label1[index] = Text(Picture1, QStringLiteral("機材"), 960, top + 105, 600);
    Label2[index] = Text(Picture1, platform::Q(kNames[i]), 1560, top + 105, 1680);
    Label4[index] = Text(Picture1, QStringLiteral("仕事ﾎﾟｲﾝﾄ"), 3240, top + 105, 1080);
    Label5[index] = Text(Picture1, QString(), 4320, top + 105, 1440);
    Label6[index] = Text(Picture1, QStringLiteral("価格"), 960, top + 375, 600);
    Label7[index] = Text(Picture1, QString(), 1560, top + 375, 2400);
    Label8[index] = Text(Picture1, platform::Q(kDescriptions[i]), 960, top + 645, 4800);
    // Over the row's texts, so that a click anywhere on the row chooses it.
    Image2[index] = new QWidget(Picture1);
    platform::Place(Image2[index], 960, top, kListWidth - 960, kRowHeight);
    new PressWatcher(Image2[index], [this, i] { Image2_MouseDown(i); });
  }

  VScroll1 = new QScrollBar(Qt::Vertical, this);
  platform::Place(VScroll1, 120 + kListWidth + 30, kListTop - 30, 255, kFrameHeight + 60);
  VScroll1->setSingleStep(kArrowStep);
  VScroll1->setPageStep(kRowHeight);
  connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
  connect(VScroll1, &QScrollBar::sliderMoved, this, [this] { VScroll1_Scroll(); });
  // The bar counts in twips: a wheel line moves the list as an arrow does.
  platform::ScrollWithWheel(Picture2, VScroll1, kArrowStep);

  Command2 = new QPushButton(QStringLiteral("購入する"), this);
  platform::Place(Command2, 3240, 4020, 1440, 390);
  Command1 = new QPushButton(QStringLiteral("やめる"), this);
  platform::Place(Command1, 4815, 4020, 1440, 390);
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form19::Form_Load() {
  platform::FillHeadingBars(Shape1);
  // In twips, as the list's position is.
  VScroll1->setRange(0, kRowHeight * kRows - kFrameHeight);
  FormClick(0);
  const GameState& g = State();
  for (int i = 0; i < kRows; ++i) {
    const rec::Equipment& item = g.Equipment[i];
    Label7[static_cast<std::size_t>(i)]->setText(platform::Q(FormatKingaku(item.Price) + "円"));
    Label5[static_cast<std::size_t>(i)]->setText(platform::Q(Join("+", item.Point, "ﾎﾟｲﾝﾄ")));
  }
}

void Form19::FormClick(int row) {
  SelectEquipment(row);
  platform::Place(Shape2, 0, row * kRowHeight, kListWidth, kRowHeight);
  for (int i = 0; i < kRows; ++i) {
    const auto index = static_cast<std::size_t>(i);
    const unsigned colour = i == row ? kSelectedText : kText;
    for (QLabel* label : {Label1[index], Label2[index], Label4[index], Label5[index], Label6[index], Label7[index],
                          Label8[index]})
      platform::SetTextColour(label, colour);
  }
}

void Form19::Image1_MouseDown(int index) { FormClick(index); }

void Form19::Image2_MouseDown(int index) { FormClick(index); }

void Form19::VScroll1_Change() { Picture1->move(0, platform::Px(-VScroll1->value())); }

void Form19::VScroll1_Scroll() { VScroll1_Change(); }

void Form19::Command2_Click() {
  if (BuyEquipment()) Unload();
}

void Form19::Command1_Click() { Unload(); }

namespace {
const bool registered = platform::RegisterForm<Form19>(form::kEquipment);
}  // namespace

}  // namespace koratsu
