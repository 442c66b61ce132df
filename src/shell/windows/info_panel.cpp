#include "shell/windows/info_panel.h"

#include <algorithm>
#include <iterator>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPalette>

#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/heading_bar.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "platform/window_conventions.h"
#include "state/game_state.h"
#include "state/money.h"
#include "state/time_text.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kClientWidth = 4785;
constexpr int kClientHeight = 1905;
constexpr int kBarHeight = 135;
constexpr int kTextHeight = 195;
constexpr int kCaptionHeight = 210;
constexpr double kLowStamina = 5;

constexpr unsigned kRed = 0x0000FF;
constexpr unsigned kBarFrame = 0x404040;
constexpr unsigned kStaminaBar = 0x30C030;
constexpr unsigned kAbilityBar = 0x00A0FF;

using platform::Q;

QFont ValueFont() {
  QFont font(QStringLiteral("ＭＳ Ｐゴシック"), 9);
  font.setBold(true);
  return font;
}

QLabel* Text(QWidget* parent, int left, int top, int width, bool bold, Qt::Alignment align = Qt::AlignLeft) {
  auto* label = new QLabel(parent);
  platform::Place(label, left, top, width, kTextHeight);
  label->setAlignment(align | Qt::AlignVCenter);
  if (bold) label->setFont(ValueFont());
  return label;
}

// A value in a white box, its text where the design puts it.
QLabel* BoxedText(QWidget* parent, int left, int top, int width, bool bold, const char* colour = "black") {
  QLabel* label = Text(parent, left - 30, top - 15, width + 30, bold);
  label->setFixedHeight(platform::Px(kTextHeight + 30));
  label->setStyleSheet(
      QStringLiteral("QLabel { color: %1; background: white; border: 1px solid #808080; padding-left: 1px; }")
          .arg(Q(colour)));
  return label;
}

struct CaptionBox {
  const char* text;
  int left, top, width;
};

const CaptionBox kCaptions[] = {
    {"名前", 165, 150, 435},     {"資金", 120, 405, 450},   {"レベル", 120, 750, 555},
    {"経験値", 1080, 750, 600},  {"体力", 2460, 750, 600},  {"仕事ﾎﾟｲﾝﾄ", 2400, 1110, 1080},
    {"教養", 120, 1110, 675},    {"発想力", 120, 1350, 675}, {"知能", 120, 1605, 675},
    {"創造力", 2400, 1350, 675}, {"画力", 2400, 1590, 675},
};

// The six bars: where each stands and which element of Shape2 is its value bar.
struct BarPlace {
  int left, top, valueBar;
};
const BarPlace kBars[] = {{3120, 780, 0}, {840, 1140, 1}, {840, 1380, 4}, {840, 1620, 6}, {3120, 1380, 8}, {3120, 1620, 10}};

// Fixed words between the date and time values.
struct Word {
  const char* text;
  int left, top;
};
// The units of the day and the minute stand a little further right, where two
// digits of our font still fit before them.
const Word kWords[] = {{"年", 3540, 150}, {"月", 3945, 150}, {"日", 4380, 150}, {"時", 3510, 390}, {"分", 3960, 390}};

}  // namespace

Form4::Form4()
    : Form({.kind = platform::FormKind::Child, .trackOpen = true, .servesRefresh = true}) {
  setWindowTitle(QStringLiteral("情報"));
  platform::SetFixedClientSize(this, kClientWidth, kClientHeight);

  for (size_t i = 0; i < Shape1.size(); ++i) {
    const CaptionBox& c = kCaptions[i];
    const auto caption = platform::MakeHeadingBar(this, Q(c.text), c.left, c.top, c.width, kCaptionHeight);
    Shape1[i] = caption.shape;
    Captions[i] = caption.label;
  }

  for (size_t i = 0; i < std::size(kBars); ++i) {
    const BarPlace& b = kBars[i];
    Shape12[i] = new platform::Shape(this, kBarFrame);
    platform::Place(Shape12[i], b.left, b.top, kBarWidth, kBarHeight);
    auto* bar = new platform::Shape(this, i == 0 ? kStaminaBar : kAbilityBar);
    platform::Place(bar, b.left, b.top, 0, kBarHeight);
    Shape2[static_cast<size_t>(b.valueBar)] = bar;
    Shape11[i] = new QWidget(this);
    Shape11[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape11[i]->setStyleSheet(QStringLiteral("border: 1px solid black; background: transparent;"));
    Shape11[i]->setAttribute(Qt::WA_StyledBackground);
    platform::Place(Shape11[i], b.left, b.top, kBarWidth, kBarHeight);
  }

  NameText = BoxedText(this, 660, 165, 2400, false);
  MoneyText = BoxedText(this, 615, 405, 2100, false);
  // Right-aligned against their units, wide enough for the widest values
  // ("1970", "12", "30", "58").
  YearText = Text(this, 3000, 150, 540, false, Qt::AlignRight);
  MonthText = Text(this, 3660, 150, 285, false, Qt::AlignRight);
  DayText = Text(this, 4110, 150, 270, false, Qt::AlignRight);
  HourText = Text(this, 2880, 390, 630, false, Qt::AlignRight);
  MinuteText = Text(this, 3690, 390, 270, false, Qt::AlignRight);
  WeekdayText = Text(this, 4170, 390, 600, false);
  for (const Word& w : kWords) {
    QLabel* word = Text(this, w.left, w.top, 195, false);
    word->setText(Q(w.text));
  }
  LevelText = BoxedText(this, 720, 750, 300, true, "red");
  ExperienceText = BoxedText(this, 1740, 765, 660, true);
  StaminaText = Text(this, 3990, 765, 780, true);
  SigotoPointText = BoxedText(this, 3540, 1125, 1170, true);
  KyouyouText = Text(this, 1710, 1125, 675, true);
  HassouryokuText = Text(this, 1710, 1365, 675, true);
  TinouText = Text(this, 1710, 1605, 675, true);
  SouzouryokuText = Text(this, 3990, 1365, 780, true);
  GaryokuText = Text(this, 3990, 1605, 780, true);
}

double Form4::BarWidth(double value, double cap) {
  // Above its cap a bar runs past its frame, but not past the panel.
  return platform::BarWidth(value, cap, kBarWidth, kClientWidth);
}

void Form4::Form_Load() {
  platform::SetBackground(this, platform::BackgroundForColorCount(platform::ScreenColorCount(this)));
  State().FormSlot[form::kInfoPanel].Redraw = 1;
  platform::FillHeadingBars(Shape1);
  PlaceInMainWindow();
}

void Form4::PlaceInMainWindow() {
  // The panel opens in the bottom-left corner of the main window's area,
  // over no more than the room view's lowest strip: the tutorial's guide
  // stands over the bottom-right corner, the floating tool window at the top
  // beside the room view.
  QMdiSubWindow* frame = SubWindow();
  if (!frame || !frame->mdiArea()) return;
  frame->adjustSize();
  QSize area = frame->mdiArea()->viewport()->size();
  frame->move(0, std::max(0, area.height() - frame->height()));
}

void Form4::Redraw() {
  const GameState& g = State();
  setWindowTitle(Q("情報 - " + g.StatusText.Str()));
  if (QMdiSubWindow* frame = SubWindow()) frame->setWindowTitle(windowTitle());

  struct Ability {
    QLabel* text;
    const Value& value;
    const Value& cap;
  };
  const Ability abilities[] = {{KyouyouText, g.Kyouyou, g.KyouyouMax},
                               {HassouryokuText, g.Hassouryoku, g.HassouryokuMax},
                               {TinouText, g.Tinou, g.TinouMax},
                               {SouzouryokuText, g.Souzouryoku, g.SouzouryokuMax},
                               {GaryokuText, g.Garyoku, g.GaryokuMax}};
  for (const Ability& a : abilities) a.text->setText(Q(Join(a.value, "/", a.cap)));

  StaminaText->setText(Q(Join(Int(g.Stamina), "/", g.StaminaMax)));
  QPalette palette = StaminaText->palette();
  palette.setColor(QPalette::WindowText, g.Stamina.Num() <= kLowStamina
                                             ? platform::VbColor(kRed)
                                             : QPalette().color(QPalette::ButtonText));
  StaminaText->setPalette(palette);

  ExperienceText->setText(Q(g.Experience.Str()));
  LevelText->setText(Q(g.Level.Str()));

  const Value* barValues[][2] = {{&g.Stamina, &g.StaminaMax},       {&g.Kyouyou, &g.KyouyouMax},
                                 {&g.Hassouryoku, &g.HassouryokuMax}, {&g.Tinou, &g.TinouMax},
                                 {&g.Souzouryoku, &g.SouzouryokuMax}, {&g.Garyoku, &g.GaryokuMax}};
  for (size_t i = 0; i < std::size(kBars); ++i) {
    const BarPlace& b = kBars[i];
    double width = BarWidth(barValues[i][0]->Num(), barValues[i][1]->Num());
    Shape2[static_cast<size_t>(b.valueBar)]->setFixedWidth(platform::Px(width));
    Shape11[i]->setFixedWidth(platform::Px(kBarWidth));
  }

  YearText->setText(Q(g.GameYear.Str()));
  MonthText->setText(Q(g.GameMonth.Str()));
  DayText->setText(Q(g.GameDay.Str()));
  // A weekday out of its range leaves the last one shown.
  std::string weekday = WeekdayName(g.GameWeekday);
  if (!weekday.empty()) WeekdayText->setText(Q(weekday));
  HourText->setText(Q(HalfDayHour(g.GameHour)));

  MoneyText->setText(Q(FormatKingaku(g.Kingaku) + "円"));
  NameText->setText(Q(Join(g.PlayerSei, " ", g.PlayerMei)));
  MinuteText->setText(Q(g.GameMinute.Str()));
  SigotoPointText->setText(Q(Join(g.SigotoPoint, "ﾎﾟｲﾝﾄ")));
}

namespace {
const bool registered = platform::RegisterForm<Form4>(form::kInfoPanel);
}  // namespace

}  // namespace koratsu
