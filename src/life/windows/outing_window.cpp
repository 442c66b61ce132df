#include "life/windows/outing_window.h"

#include <QSignalBlocker>

#include "life/windows/activity_controls.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

using platform::Q;

constexpr unsigned kUnderline = 0x808080;

// Where the frames stand, one over the other, and where their buttons go.
constexpr int kFrameLeft = 1200, kFrameTop = 1020, kFrameWidth = 4080, kFrameHeight = 1320;
constexpr int kOptionLeft[] = {240, 2160};
constexpr int kOptionTop = 360, kOptionPitch = 300, kOptionWidth = 1800, kOptionHeight = 270;

struct Option {
  int index;
  const char* caption;
};
struct OutingFrame {
  const char* prompt;
  std::initializer_list<Option> options;  // the first is the outing's preset
};

// By outing kind 1 to 10.
const OutingFrame kFrames[] = {
    {"どこを散歩しますか？", {{10, "近所を散歩する"}, {11, "遠くに散歩へ行く"}}},
    {"どの本を読みますか？", {{1, "漫画"}, {0, "小説"}, {2, "辞書"}, {3, "専門書"}}},
    {"何を見ますか？",
     {{18, "野球"}, {14, "ｻｯｶｰ"}, {21, "ゴルフ"}, {19, "F1ﾚｰｽ"}, {20, "プロレス"}, {22, "中国拳法"}}},
    {"いくら使いますか？", {{6, "2,000円"}, {7, "5,000円"}, {5, "10,000円"}, {4, "20,000円"}}},
    {"何を見ますか？", {{27, "SF"}, {28, "時代劇"}, {26, "格闘"}, {25, "ラブコメ"}}},
    {"何を見学しますか？", {{24, "自動車工場"}, {29, "テレビ局"}, {23, "証券取引場"}, {30, "鉄道会社"}}},
    {"何をしますか？", {{16, "格闘ｹﾞｰﾑ"}, {17, "UFOｷｬｯﾁｬｰ"}, {15, "パズル"}}},
    {"いくら使いますか？", {{9, "2,000円"}, {8, "5,000円"}, {12, "10,000円"}, {13, "20,000円"}}},
    {"どこにしますか？", {{33, "江戸博物館"}, {34, "恐竜博物館"}, {31, "鉄道博物館"}}},
    {"どこに行きますか？", {{35, "コンビニ"}, {32, "大型ｽｰﾊﾟｰ"}, {36, "高級デパート"}}},
};

QLabel* Caption(QWidget* parent, const char* text, int left, int top, int width, bool bold) {
  auto* label = new QLabel(Q(text), parent);
  platform::Place(label, left, top, width, 270);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  return label;
}

}  // namespace

Form25::Form25() : Form({.pauseClock = true}) {
  setWindowTitle(QStringLiteral("外に出かける"));
  platform::SetFixedClientSize(this, 5400, 3540);

  const DialogTop top =
      BuildDialogTop(this, "== 外へ出かけます  ==", Label3, Shape1[0], Shape1[1], form::kOuting, "Image1(14)");
  Combo1[0] = top.list;
  Image1[14] = top.picture;

  for (int kind = 1; kind < static_cast<int>(Frame2.size()); ++kind) {
    const OutingFrame& design = kFrames[kind - 1];
    QGroupBox* frame = new QGroupBox(Q(design.prompt), this);
    platform::Place(frame, kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);
    frame->hide();
    Frame2[static_cast<size_t>(kind)] = frame;
    int n = 0;
    for (const Option& option : design.options) {
      auto* button = new QRadioButton(Q(option.caption), frame);
      platform::Place(button, kOptionLeft[n % 2], kOptionTop + kOptionPitch * (n / 2), kOptionWidth, kOptionHeight);
      // Each frame opens with its preset selected.
      button->setChecked(n == 0);
      const int index = option.index;
      connect(button, &QRadioButton::toggled, this, [this, index](bool on) {
        if (on) Option1_Click(index);
      });
      Option1[static_cast<size_t>(index)] = button;
      ++n;
    }
  }

  Label1[0] = Caption(this, "時間", 1260, 2460, 600, true);
  Label1[1] = Caption(this, "", 1860, 2460, 1260, false);
  Label1[2] = Caption(this, "費用", 3300, 2460, 600, true);
  Label1[3] = Caption(this, "", 3900, 2460, 1380, false);
  Line1[0] = new platform::Shape(this, kUnderline);
  platform::Place(Line1[0], 1200, 2760, 1920, 15);
  Line1[1] = new platform::Shape(this, kUnderline);
  platform::Place(Line1[1], 3240, 2760, 2040, 15);

  StartAndCancelButtons(this, "決定", 3000, Command1, Command2);

  connect(Combo1[0], &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form25::Form_Load() {
  platform::FillHeadingBars(Shape1);
  const GameState& g = State();
  {
    QSignalBlocker quiet(Combo1[0]);
    const long long outings = g.SanpoCount.Index();
    for (long long r = 0; r < outings; ++r) Combo1[0]->addItem(Q(g.SanpoPlace[r].Name.Str()));
  }
  OpenOuting();
  {
    QSignalBlocker quiet(Combo1[0]);
    Combo1[0]->setCurrentIndex(0);
  }
  Combo1_Click();
  Command1->setFocus();
}

void Form25::Combo1_Click() {
  const int row = Combo1[0]->currentIndex();
  if (row < 0) return;
  ChooseOuting(row);
  const GameState& g = State();
  for (size_t kind = 1; kind < Frame2.size(); ++kind) Frame2[kind]->setVisible(g.SanpoFrameShown == static_cast<int>(kind));
  // The choice has applied the preset already: selecting its button here
  // only shows it, which Qt would not report when it is the selected one.
  const long long preset = g.SanpoPlace[row].Option.Index();
  if (preset >= 0 && preset < kOutingOptionCount) {
    QRadioButton* button = Option1[static_cast<size_t>(preset)];
    QSignalBlocker quiet(button);
    button->setChecked(true);
  }
  ShowChoice();
}

void Form25::Option1_Click(int index) {
  ChooseOutingOption(index);
  ShowChoice();
}

void Form25::ShowChoice() {
  const OutingTexts texts = DescribeOuting();
  Label1[1]->setText(Q(texts.minutes));
  Label1[3]->setText(Q(texts.cost));
}

void Form25::Command1_Click() { StartOuting(); }

void Form25::Command2_Click() { Unload(); }

namespace {
const bool registered = platform::RegisterForm<Form25>(form::kOuting);
}  // namespace

}  // namespace koratsu
