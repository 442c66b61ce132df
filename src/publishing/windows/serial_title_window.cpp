#include "publishing/windows/serial_title_window.h"

#include "platform/controls.h"
#include "platform/gauges.h"
#include "platform/heading_bar.h"
#include "platform/panels.h"
#include "platform/qt_strings.h"
#include "platform/text_box.h"
#include "platform/twips.h"
#include "production/work_makeup.h"
#include "publishing/requests.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

using platform::Q;

constexpr int kClientWidth = 5400;
constexpr int kClientHeight = 2940;
constexpr int kRowHeight = 300;
constexpr int kCaptionWidth = 1080;
constexpr int kValueLeft = 1260;

constexpr int kTitleTop = 2460;

// The settings' rows: their caption's Label3 element and item's Label1 element.
constexpr size_t kSettingCaption[] = {1, 6, 7};
constexpr size_t kSettingItem[] = {0, 4, 5};
constexpr const char* kSettingText[] = {"設定 1", "設定 2", "設定 3"};

// A value box one row high.
QLabel* RowBox(QWidget* parent, int left, int top, int width, Qt::Alignment align = Qt::AlignLeft) {
  return platform::ValueBox(parent, left, top, width, kRowHeight, align);
}

}  // namespace

Form23::Form23() : Form({.removeCloseItem = true, .pauseClock = true}) {
  setWindowTitle(QStringLiteral("連載漫画の題名"));
  platform::SetFixedClientSize(this, kClientWidth, kClientHeight);

  auto bar = [this](size_t shape, size_t label, int left, int top, int width, int height, const char* text) {
    const platform::HeadingBar made = platform::MakeHeadingBar(this, QString::fromUtf8(text), left, top, width, height);
    Shape1[shape] = made.shape;
    Label3[label] = made.label;
  };
  bar(0, 0, 120, 120, kClientWidth - 240, 360, "== 連載の漫画の題名です  ==");
  bar(1, 5, 120, 600, kCaptionWidth, kRowHeight, "対象年齢層");
  Label1[1] = RowBox(this, kValueLeft, 600, kClientWidth - 120 - kValueLeft);
  bar(2, 2, 120, 960, kCaptionWidth, kRowHeight, "ジャンル");
  Label1[2] = RowBox(this, kValueLeft, 960, kClientWidth - 120 - kValueLeft);

  for (size_t k = 0; k < 3; ++k) {
    const int top = 1320 + 360 * static_cast<int>(k);
    bar(3 + k, kSettingCaption[k], 120, top, kCaptionWidth, kRowHeight, kSettingText[k]);
    Label1[kSettingItem[k]] = RowBox(this, kValueLeft, top, 1920);
    const platform::PointsBar points = platform::MakePointsBar(this, 3240, top, kRowHeight);
    Picture1[k] = points.box;
    Shape12[k] = points.frame;
    Shape11[k] = points.bar;
    // Wide enough for a bar's three digits past 99.
    Label8[k] = RowBox(this, 4800, top, 480, Qt::AlignRight);
  }

  bar(6, 4, 120, kTitleTop, kCaptionWidth, kRowHeight, "漫画の題名");
  Text1 = new QLineEdit(this);
  platform::Place(Text1, kValueLeft, kTitleTop, 2700, kRowHeight);
  platform::LimitTextBox(Text1, kSerialTitleLength);

  Command1 = new QPushButton(QStringLiteral("決定"), this);
  platform::Place(Command1, 4080, kTitleTop - 30, 1200, 360);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form23::Form_Load() {
  platform::FillHeadingBars(Shape1);
  const WorkMakeup makeup = SlotMakeup(State().SerialSlot);
  Label1[1]->setText(Q(makeup.audience));
  Label1[2]->setText(Q(makeup.genre));
  for (size_t k = 0; k < 3; ++k) {
    Label1[kSettingItem[k]]->setText(Q(makeup.settingNames[k]));
    const double points = makeup.settingPoints[k].Num();
    Label8[k]->setText(Q(NumberText(points)));
    platform::ShowPoints(Shape11[k], points, kSettingBarScale);
  }
  Text1->setFocus();
}

void Form23::Command1_Click() { ConfirmSerialTitle(Text1->text().toStdString()); }

namespace {
const bool registered = platform::RegisterForm<Form23>(form::kSerialTitle);
}  // namespace

}  // namespace koratsu
