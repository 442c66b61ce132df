#include "production/windows/work_card_window.h"

#include "platform/controls.h"
#include "platform/heading_bar.h"
#include "platform/panels.h"
#include "platform/twips.h"
#include "production/work_card.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kClientWidth = 5040;
constexpr int kClientHeight = 3780;
constexpr int kRowHeight = 300;
constexpr int kCaptionLeft = 120;
constexpr int kCaptionWidth = 1200;
constexpr int kValueLeft = 1380;
constexpr int kBarHeight = 180;

constexpr unsigned kBarBackground = 0x404040;
constexpr unsigned kBarFill = 0x00A0FF;

// Setting k's row: its caption's Label3 element and item's Label1 element.
constexpr int kSettingTop[] = {1260, 1620, 1980};
constexpr int kSettingCaption[] = {1, 6, 7};
constexpr int kSettingItem[] = {0, 4, 5};
const char* const kSettingText[] = {"設定 1", "設定 2", "設定 3"};

// The ratings' captions and marks, in two rows of three.
struct MarkPlace {
  const char* caption;
  int label3, label9, left, top;
};
constexpr int kMarkRows[] = {2460, 2820};
const MarkPlace kMarks[] = {
    {"画力", 8, 0, 120, kMarkRows[0]},     {"構成力", 11, 3, 1740, kMarkRows[0]}, {"ｷｬﾗｸﾀｰ", 12, 4, 3360, kMarkRows[0]},
    {"ｽﾄｰﾘｰ", 9, 1, 120, kMarkRows[1]},    {"演出力", 13, 5, 1740, kMarkRows[1]},
    {"ｵﾘｼﾞﾅﾘﾃｨｰ", 10, 2, 3360, kMarkRows[1]},
};
constexpr int kMarkCaptionWidth = 960;
constexpr int kMarkWidth = 600;
// Where each rating's mark goes, in rating order.
constexpr int kMarkLabel[] = {0, 1, 3, 5, 4, 2};

// A value box one row high.
QLabel* RowBox(QWidget* parent, int left, int top, int width, Qt::Alignment align = Qt::AlignLeft) {
  return platform::ValueBox(parent, left, top, width, kRowHeight, align);
}

}  // namespace

Form45::Form45() : Form({.pauseClock = true}) {
  setWindowTitle(QStringLiteral("漫画の情報"));
  platform::SetFixedClientSize(this, kClientWidth, kClientHeight);

  auto heading = [this](int label, const QString& text, int left, int top, int width) {
    auto bar = platform::MakeHeadingBar(this, text, left, top, width, kRowHeight);
    Shape1.push_back(bar.shape);
    Label3[static_cast<size_t>(label)] = bar.label;
  };
  heading(0, QStringLiteral("== の情報です  =="), kCaptionLeft, 120, kClientWidth - 2 * kCaptionLeft);
  heading(5, QStringLiteral("対象年齢層"), kCaptionLeft, 540, kCaptionWidth);
  Label1[1] = RowBox(this, kValueLeft, 540, kClientWidth - kValueLeft - kCaptionLeft);
  heading(2, QStringLiteral("ジャンル"), kCaptionLeft, 900, kCaptionWidth);
  Label1[2] = RowBox(this, kValueLeft, 900, kClientWidth - kValueLeft - kCaptionLeft);

  const int barLeft = kClientWidth - kCaptionLeft - kBarPictureWidth;
  for (size_t k = 0; k < 3; ++k) {
    const int top = kSettingTop[k];
    heading(kSettingCaption[k], QString::fromUtf8(kSettingText[k]), kCaptionLeft, top, kCaptionWidth);
    Label1[static_cast<size_t>(kSettingItem[k])] = RowBox(this, kValueLeft, top, 1620);
    Label8[k] = new QLabel(QStringLiteral("0"), this);
    Label8[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    platform::Place(Label8[k], 3060, top, 420, kRowHeight);
    Picture1[k] = new QWidget(this);
    platform::Place(Picture1[k], barLeft, top + (kRowHeight - kBarHeight) / 2, kBarPictureWidth, kBarHeight);
    Shape12[k] = new platform::Shape(Picture1[k], kBarBackground);
    platform::Place(Shape12[k], 0, 0, kBarFrameWidth, kBarHeight);
    Shape11[k] = new platform::Shape(Picture1[k], kBarFill);
    platform::Place(Shape11[k], 0, 0, 0, kBarHeight);
  }

  for (const MarkPlace& m : kMarks) {
    heading(m.label3, QString::fromUtf8(m.caption), m.left, m.top, kMarkCaptionWidth);
    Label9[static_cast<size_t>(m.label9)] = RowBox(this, m.left + kMarkCaptionWidth, m.top, kMarkWidth, Qt::AlignHCenter);
  }

  Command1 = new QPushButton(QStringLiteral("閉じる"), this);
  platform::Place(Command1, kClientWidth - kCaptionLeft - 1200, 3270, 1200, 390);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form45::Form_Load() {
  const GameState& g = State();
  platform::FillHeadingBars(Shape1);
  const WorkCard card = DescribeWorkCard(g.FormSlot[form::kWorkCard].Param);
  Label3[0]->setText(QString::fromStdString(card.header));
  Label1[1]->setText(QString::fromStdString(card.audience));
  Label1[2]->setText(QString::fromStdString(card.genre));
  const int frame = platform::Px(kBarFrameWidth);
  const int picture = platform::Px(kBarPictureWidth);
  for (size_t k = 0; k < 3; ++k) {
    Label1[static_cast<size_t>(kSettingItem[k])]->setText(QString::fromStdString(card.settingNames[k]));
    const Value& points = card.settingPoints[k];
    Label8[k]->setText(QString::fromStdString(NumberText(points.Num())));
    // Past 99 the bar runs on beyond its frame, as far as its picture box.
    const double width = platform::BarWidth(points.Num(), kSettingBarScale, frame, picture);
    Shape11[k]->resize(static_cast<int>(width), Shape11[k]->height());
  }
  for (size_t r = 0; r < card.marks.size(); ++r)
    Label9[static_cast<size_t>(kMarkLabel[r])]->setText(QString::fromStdString(card.marks[r]));
  Command1->setFocus();
}

void Form45::Command1_Click() { Unload(); }

namespace {
const bool registered = platform::RegisterForm<Form45>(form::kWorkCard);
}

}  // namespace koratsu
