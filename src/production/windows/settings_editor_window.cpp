#include "production/windows/settings_editor_window.h"

#include <QEvent>
#include <QFrame>

#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/heading_bar.h"
#include "platform/twips.h"
#include "production/settings_editor.h"
#include "state/game_state.h"
#include "state/list_fit.h"
#include "ui/forms.h"
#include "ui/game_ops.h"

namespace koratsu {

namespace {

constexpr int kClientWidth = 6600;
constexpr int kClientHeight = 4650;
constexpr int kSettingTop = 1110;  // twips, row k at kSettingTop + kSettingStep × k
constexpr int kSettingStep = 450;
constexpr int kSettingBarWidth = 2160;
constexpr int kListTop = 2520;
constexpr int kListWidth = 6120;
constexpr int kListHeight = 1380;
constexpr int kListBorder = 2;        // pixels
constexpr int kCandidateBarLeft = 216;  // pixels, inside the inner list
constexpr int kCandidateBarWidth = 176;

constexpr unsigned kHighlight = 0x800000;
constexpr unsigned kBarBackground = 0x404040;
constexpr unsigned kBarFill = 0x00A0FF;

const char* const kSettingCaptions[] = {"設定 1", "設定 2", "設定 3"};
constexpr int kSettingLabels[] = {3, 6, 7};  // Label3 elements of the three rows

QString Text(const Value& value) { return QString::fromStdString(value.Str()); }

}  // namespace

Form5::Form5() : Form({.removeCloseItem = true, .resumeRequestOnUnload = true}) {
  setWindowTitle(QStringLiteral("オリジナルストーリーの漫画"));
  platform::SetFixedClientSize(this, kClientWidth, kClientHeight);

  auto heading = [this](int shape, int label, const QString& text, int left, int top, int width, int height) {
    auto bar = platform::MakeHeadingBar(this, text, left, top, width, height);
    Shape1[static_cast<size_t>(shape)] = bar.shape;
    Label3[static_cast<size_t>(label)] = bar.label;
  };
  heading(0, 0, QString(), 120, 120, 6360, 360);
  heading(1, 5, QStringLiteral("対象層"), 120, 600, 960, 330);
  heading(2, 2, QStringLiteral("ｼﾞｬﾝﾙ"), 3390, 600, 960, 330);
  for (int i : {1, 2}) {
    Combo1[static_cast<size_t>(i)] = new QComboBox(this);
    platform::MakeDropDown(Combo1[static_cast<size_t>(i)]);
  }
  platform::Place(Combo1[1], 1140, 600, 2070, 330);
  platform::Place(Combo1[2], 4410, 600, 2070, 330);

  for (int k = 0; k < kSettingCount; ++k) {
    const size_t i = static_cast<size_t>(k);
    const int top = kSettingTop + kSettingStep * k;
    Shape2[i] = new QWidget(this);
    Shape2[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape2[i]->setAttribute(Qt::WA_StyledBackground);
    Shape2[i]->setStyleSheet(QStringLiteral("border: 1px solid black; background: transparent;"));
    platform::Place(Shape2[i], 60, top - 60, 6480, 450);
    heading(3 + k, kSettingLabels[k], QString::fromUtf8(kSettingCaptions[k]), 120, top, 960, 330);

    auto* box = new QFrame(this);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    platform::SetBackground(box, platform::kWhite);
    platform::Place(box, 1140, top, 2040, 330);
    Picture1[i] = box;
    Label1[i] = new QLabel(QStringLiteral("なし"), box);
    platform::Place(Label1[i], 75, 45, 1890, 240);
    Image1[i] = new QWidget(this);
    platform::Place(Image1[i], 1140, top, 2040, 330);
    Image1[i]->installEventFilter(this);

    Image3[i] = new ArrowButton(ArrowButton::TakeBack, form::kSettingsEditor, this);
    platform::Place(Image3[i], 3270, top + 45, 240, 240);
    Image3[i]->MouseDown = [this, k] { Image3_MouseDown(k); };
    Image3[i]->MouseUp = [this, k] { PointButton_MouseUp(k); };
    Label8[i] = new QLabel(QStringLiteral("0"), this);
    Label8[i]->setAlignment(Qt::AlignCenter);
    platform::Place(Label8[i], 3525, top + 45, 450, 240);
    Image4[i] = new ArrowButton(ArrowButton::Add, form::kSettingsEditor, this);
    platform::Place(Image4[i], 3990, top + 45, 240, 240);
    Image4[i]->MouseDown = [this, k] { Image4_MouseDown(k); };
    Image4[i]->MouseUp = [this, k] { PointButton_MouseUp(k); };

    Shape12[i] = new platform::Shape(this, kBarBackground);
    platform::Place(Shape12[i], 4320, top + 90, kSettingBarWidth, 150);
    Shape11[i] = new platform::Shape(this, kBarFill);
    platform::Place(Shape11[i], 4320, top + 90, 0, 150);
  }

  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setLineWidth(kListBorder);
  platform::SetBackground(frame, platform::kWhite);
  platform::Place(frame, 120, kListTop, kListWidth, kListHeight);
  Picture3 = frame;
  listViewport_ = new QWidget(Picture3);
  listViewport_->setGeometry(Picture3->rect().adjusted(kListBorder, kListBorder, -kListBorder, -kListBorder));
  Picture4 = new QWidget(listViewport_);
  Picture4->setGeometry(0, 0, listViewport_->width(), 0);
  platform::SetBackground(Picture4, platform::kWhite);
  Shape1[7] = new platform::Shape(Picture4);
  Shape1[7]->setGeometry(0, 0, Picture4->width(), kRowHeight + 1);
  VScroll1 = new QScrollBar(Qt::Vertical, this);
  platform::Place(VScroll1, 120 + kListWidth, kListTop, 240, kListHeight);
  VScroll1->setRange(0, 0);
  connect(VScroll1, &QScrollBar::valueChanged, this, [this](int value) { VScroll1_Change(value); });
  platform::ScrollWithWheel(Picture3, VScroll1, kRowHeight);

  Command3 = new QPushButton(QStringLiteral("なし"), this);
  platform::Place(Command3, 120, 4110, 1200, 390);
  Command1 = new QPushButton(QStringLiteral("作成開始"), this);
  platform::Place(Command1, 3960, 4110, 1200, 390);
  Command2 = new QPushButton(QStringLiteral("やめる"), this);
  platform::Place(Command2, 5280, 4110, 1200, 390);
  platform::DefaultButton(Command1, {Command2, Command3});
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });

  Timer1 = new QTimer(this);
  Timer1->setInterval(kTimerInterval);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void Form5::Form_Load() {
  OpenSettingsEditor();
  GameState& g = State();
  platform::FillHeadingBars(std::span(Shape1).first(7));
  for (int list : {1, 2}) {
    QComboBox* box = Combo1[static_cast<size_t>(list)];
    const rec::ClassList& entries = g.ClassList[list];
    for (long long i = 0; i < entries.Count.Index(); ++i) box->addItem(Text(entries.Text[i]));
    box->setCurrentIndex(0);
  }
  for (int k = 0; k < kSettingCount; ++k) ShowSetting(k);
  ShowSelectedFrame();
  Shape1[7]->SetFillColor(kHighlight);

  const Value& mode = g.FormSlot[form::kSettingsEditor].Mode;
  if (mode == 0) {
    Label3[0]->setText(QStringLiteral("新しい漫画の設定を決めてください"));
    setWindowTitle(QStringLiteral("新しい漫画の設定"));
  } else if (mode == 1) {
    Label3[0]->setText(QStringLiteral("== 読切の漫画の設定を決めてください =="));
    setWindowTitle(QStringLiteral("読切の漫画の設定"));
  } else if (mode == 2) {
    Label3[0]->setText(QStringLiteral("== 連載漫画の設定を決めてください =="));
    setWindowTitle(QStringLiteral("連載漫画の設定"));
    Command1->setText(QStringLiteral("決定"));
  }

  BuildCandidateRows();
  Form5Down(0);
  // Not a drop-down list: it would open as the window does.
  Command1->setFocus();
  Timer1->start();
}

// The start unloads the editor from inside its own handler and opens the
// schedule from there: the editor lives on until that returns, and its timer
// would go on moving points by the schedule's arrows.
void Form5::Form_Unload() { Timer1->stop(); }

void Form5::BuildCandidateRows() {
  const long long count = State().CandidateCount.Index();
  for (long long r = 0; r < count; ++r) {
    const int top = kRowHeight * static_cast<int>(r) + 2;
    auto* name = new QLabel(Picture4);
    name->setGeometry(4, top, 150, kRowHeight);
    name->installEventFilter(this);
    Label10.push_back(name);
    auto* points = new QLabel(Picture4);
    points->setGeometry(160, top, 50, kRowHeight);
    Label2.push_back(points);
    auto* background = new platform::Shape(Picture4, kBarBackground);
    background->setGeometry(kCandidateBarLeft, top + 4, kCandidateBarWidth, 8);
    Shape10.push_back(background);
    auto* bar = new platform::Shape(Picture4, kBarFill);
    bar->setGeometry(kCandidateBarLeft, top + 4, 0, 8);
    Shape.push_back(bar);
  }
  RedrawCandidates();

  const int inner = kRowHeight * static_cast<int>(count) + 2;
  Picture4->resize(Picture4->width(), inner);
  Picture4->setVisible(count > 0);
  const int frame = Picture3->height();
  if (const auto range = ListScrollRange(inner, frame, kRowHeight)) {
    VScroll1->setMaximum(range->maximum);
    VScroll1->setPageStep(range->largeChange);
    VScroll1->setSingleStep(range->smallChange);
  }
}

void Form5::RedrawCandidates() {
  GameState& g = State();
  for (size_t r = 0; r < Label10.size(); ++r) {
    const rec::KnowledgeItem& item = g.KnowledgeItem[g.SettingCandidate[r].Item];
    Label10[r]->setText(Text(item.Name));
    Label2[r]->setText(QString::fromStdString(Join(item.PointWork, "/", g.TiPointMax)));
    Shape[r]->resize(static_cast<int>(platform::BarWidth(item.PointWork.Num(), g.TiPointMax.Num(), kCandidateBarWidth)),
                     Shape[r]->height());
  }
}

void Form5::ShowSetting(int k) {
  GameState& g = State();
  const size_t i = static_cast<size_t>(k);
  const rec::NewMangaSetting& s = g.NewMangaSetting[k];
  Label1[i]->setText(s.Used == 1 ? Text(g.KnowledgeItem[s.Item].Name) : QStringLiteral("なし"));
  Label8[i]->setText(Text(s.Points));
  const double full = platform::Px(kSettingBarWidth);
  Shape11[i]->resize(static_cast<int>(platform::BarWidth(s.Points.Num(), g.TiPointMax.Num(), full)), Shape11[i]->height());
}

void Form5::ShowSelectedFrame() {
  for (int k = 0; k < kSettingCount; ++k) Shape2[static_cast<size_t>(k)]->setVisible(State().SelectedSetting == k);
}

void Form5::Form5Down(int row) {
  for (size_t r = 0; r < Label10.size(); ++r) {
    platform::SetTextOnBar(Label10[r], static_cast<int>(r) == row);
    platform::SetTextOnBar(Label2[r], static_cast<int>(r) == row);
  }
  Shape1[7]->move(0, kRowHeight * row);
  Shape1[7]->lower();
}

bool Form5::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) return Form::eventFilter(watched, event);
  for (int k = 0; k < kSettingCount; ++k) {
    if (watched == Image1[static_cast<size_t>(k)] && type == QEvent::MouseButtonPress) {
      Image1_MouseDown(k);
      return true;
    }
  }
  for (size_t r = 0; r < Label10.size(); ++r) {
    if (watched != Label10[r]) continue;
    if (type == QEvent::MouseButtonPress) {
      Form5Down(static_cast<int>(r));
    } else {
      Label10_DblClick(static_cast<int>(r));
    }
    return true;
  }
  return Form::eventFilter(watched, event);
}

void Form5::Image1_MouseDown(int k) {
  SelectSetting(k);
  ShowSelectedFrame();
}

void Form5::Image3_MouseDown(int k) {
  PressSettingPointButton(k, Image3[static_cast<size_t>(k)]->Repeat());
  ShowSelectedFrame();
}

void Form5::Image4_MouseDown(int k) {
  PressSettingPointButton(k, Image4[static_cast<size_t>(k)]->Repeat());
  ShowSelectedFrame();
}

void Form5::PointButton_MouseUp(int) { ReleaseSettingPointButton(); }

void Form5::Label10_DblClick(int row) {
  ChooseCandidate(row);
  ShowSetting(State().SelectedSetting.Index());
  RedrawCandidates();
}

void Form5::VScroll1_Change(int value) { Picture4->move(0, -value); }

void Form5::Timer1_Timer() {
  if (!SettingsEditorTimerStep()) return;
  PlayKoukaon(1);
  ShowSetting(State().SelectedSetting.Index());
  RedrawCandidates();
}

void Form5::Command1_Click() { StartProduction(Combo1[1]->currentIndex(), Combo1[2]->currentIndex()); }

void Form5::Command2_Click() { Unload(); }

void Form5::Command3_Click() {
  ClearSelectedSetting();
  ShowSetting(State().SelectedSetting.Index());
  RedrawCandidates();
}

namespace {
const bool registered = platform::RegisterForm<Form5>(form::kSettingsEditor);
}  // namespace

}  // namespace koratsu
