#include "production/windows/title_window.h"

#include "platform/controls.h"
#include "platform/gauges.h"
#include "platform/heading_bar.h"
#include "platform/panels.h"
#include "platform/qt_strings.h"
#include "platform/text_box.h"
#include "platform/twips.h"
#include "production/naming.h"
#include "production/ratings.h"
#include "production/work_makeup.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kClientWidth = 5400;
constexpr int kClientHeight = 3720;
constexpr int kRowHeight = 300;
constexpr int kCaptionWidth = 1080;
constexpr int kValueLeft = 1260;

// The ratings in two rows of three, by rating number: 画力, 構成力, ｷｬﾗｸﾀｰ
// above ｽﾄｰﾘｰ, 演出力, ｵﾘｼﾞﾅﾘﾃｨｰ.
constexpr const char* kRatingNames[] = {"画力", "ｽﾄｰﾘｰ", "構成力", "演出力", "ｷｬﾗｸﾀｰ", "ｵﾘｼﾞﾅﾘﾃｨｰ"};
constexpr int kRatingsTop = 2400;
constexpr int kRatingCaptionWidth = 1020;
constexpr int kMarkWidth = 540;
constexpr int kRatingColumnStep = 1770;

constexpr int kTitleTop = 3240;

using platform::Q;

// A value box one row high.
QLabel* RowBox(QWidget* parent, int left, int top, int width, Qt::Alignment align = Qt::AlignLeft) {
  return platform::ValueBox(parent, left, top, width, kRowHeight, align);
}

}  // namespace

Form7::Form7() : Form({.removeCloseItem = true, .pauseClock = true}) {
  setWindowTitle(QStringLiteral("完成した漫画の題名"));
  platform::SetFixedClientSize(this, kClientWidth, kClientHeight);

  auto bar = [this](size_t i, int left, int top, int width, int height, const char* text) {
    auto made = platform::MakeHeadingBar(this, QString::fromUtf8(text), left, top, width, height);
    Shape1[i] = made.shape;
    return made.label;
  };
  Label3 = bar(0, 120, 120, kClientWidth - 240, 360, "== 完成した漫画の題名  ==");
  Label1[0] = nullptr;

  Label1[1] = bar(1, 120, 600, kCaptionWidth, kRowHeight, "対象年齢層");
  Label2[0] = RowBox(this, kValueLeft, 600, kClientWidth - 120 - kValueLeft);
  Label1[2] = bar(2, 120, 960, kCaptionWidth, kRowHeight, "ジャンル");
  Label2[1] = RowBox(this, kValueLeft, 960, kClientWidth - 120 - kValueLeft);

  const char* settingNames[] = {"設定 1", "設定 2", "設定 3"};
  for (size_t k = 0; k < 3; ++k) {
    const int top = 1320 + 360 * static_cast<int>(k);
    Label1[3 + k] = bar(3 + k, 120, top, kCaptionWidth, kRowHeight, settingNames[k]);
    Label2[2 + k] = RowBox(this, kValueLeft, top, 1920);
    const platform::PointsBar points = platform::MakePointsBar(this, 3240, top, kRowHeight);
    Picture1[k] = points.box;
    Shape12[k] = points.frame;
    Shape11[k] = points.bar;
    // Wide enough for a bar's three digits past 99.
    Label4[k] = RowBox(this, 4800, top, 480, Qt::AlignRight);
  }

  for (size_t r = 0; r < 6; ++r) {
    const int left = 120 + kRatingColumnStep * static_cast<int>(r / 2);
    const int top = kRatingsTop + 360 * static_cast<int>(r % 2);
    Label1[6 + r] = bar(6 + r, left, top, kRatingCaptionWidth, kRowHeight, kRatingNames[r]);
    Label5[r] = RowBox(this, left + kRatingCaptionWidth + 60, top, kMarkWidth, Qt::AlignHCenter);
  }

  Label1[12] = bar(12, 120, kTitleTop, kCaptionWidth, kRowHeight, "漫画の題名");
  Text1 = new QLineEdit(this);
  platform::Place(Text1, kValueLeft, kTitleTop, 2700, kRowHeight);
  platform::LimitTextBox(Text1, kWorkTitleLength);

  Command1 = new QPushButton(QStringLiteral("決定"), this);
  platform::Place(Command1, 4080, kTitleTop - 30, 1200, 360);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form7::Form_Load() {
  platform::FillHeadingBars(Shape1);
  ShowWork();
  Text1->setFocus();
  WorkTitleLoaded();
}

void Form7::ShowWork() {
  GameState& g = State();
  const rec::ProductionSlot& slot = g.ProductionSlot[g.FinishedSlot];
  const WorkMakeup makeup = SlotMakeup(g.FinishedSlot);
  Label2[0]->setText(Q(makeup.audience));
  Label2[1]->setText(Q(makeup.genre));
  for (size_t k = 0; k < 3; ++k) {
    Label2[2 + k]->setText(Q(makeup.settingNames[k]));
    const double points = makeup.settingPoints[k].Num();
    platform::ShowPoints(Shape11[k], points, kSettingBarScale);
    Label4[k]->setText(Q(NumberText(points)));
  }
  // A rating below 0 has no mark here.
  for (size_t r = 0; r < 6; ++r) Label5[r]->setText(slot.Rating[r] < 0 ? QString() : Q(RatingMark(slot.Rating[r])));
}

void Form7::Command1_Click() {
  const TitleOutcome outcome = NameFinishedWork(Text1->text().toStdString());
  if (outcome == TitleOutcome::Refused) return;
  Unload();
  if (outcome == TitleOutcome::Recorded) SendNamedWorkOn();
}

void Form7::Form_Unload() { WorkTitleClosed(); }

namespace {
const bool registered = platform::RegisterForm<Form7>(form::kWorkTitle);
}  // namespace

}  // namespace koratsu
