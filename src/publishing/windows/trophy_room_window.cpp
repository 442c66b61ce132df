#include "publishing/windows/trophy_room_window.h"

#include "platform/colors.h"
#include "platform/heading_bar.h"
#include "platform/panels.h"
#include "platform/pictures.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "publishing/awards.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

constexpr int kMargin = 120;  // twips
constexpr int kPanelWidth = 1530;
constexpr int kPanelTop = 600;
constexpr int kPanelHeight = 2580;
constexpr int kClientWidth = 5 * kPanelWidth + 6 * kMargin;

// Pixels inside a panel.
constexpr int kBorder = 2;
constexpr int kNameHeight = 20;
constexpr int kTrophyWidth = 48, kTrophyHeight = 64;
constexpr int kTrophyTop = kNameHeight + 8;
constexpr int kAwardTop = kTrophyTop + kTrophyHeight + 6;
constexpr int kTextLines = 2;
constexpr int kLineHeight = 16;
constexpr int kTitleTop = kAwardTop + kTextLines * kLineHeight + 6;

QLabel* CentredText(QWidget* panel, const char* name, int top, int lines, const QString& text) {
  auto* label = new QLabel(text, panel);
  label->setObjectName(QString::fromUtf8(name));
  label->setGeometry(4, top, panel->width() - 8, lines * kLineHeight);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

std::string Indexed(const char* control, int i) { return std::string(control) + "(" + std::to_string(i) + ")"; }

}  // namespace

Form12::Form12() : Form({.pauseClock = true}) {
  setWindowTitle(QStringLiteral("漫画賞を受賞したﾄﾛﾌｨｰ"));
  const platform::HeadingBar heading = platform::MakeHeadingBar(
      this, QStringLiteral("== いままで漫画賞を受賞したトロフィーです =="), kMargin, kMargin,
      kClientWidth - 2 * kMargin, 360);
  Shape1[0] = heading.shape;
  Label3 = heading.label;
  Label3->setObjectName(QStringLiteral("Label3"));

  Picture2[5] = new QLabel(this);
  Picture2[5]->setObjectName(QStringLiteral("Picture2(5)"));
  Picture2[5]->setPixmap(platform::FormPicture(form::kTrophies, QStringLiteral("Picture2(5)")));
  Picture2[5]->hide();

  for (int i = 0; i < 5; ++i) {
    const size_t n = static_cast<size_t>(i);
    QFrame* panel = platform::SunkenPanel(this, kMargin + i * (kPanelWidth + kMargin), kPanelTop, kPanelWidth,
                                          kPanelHeight);
    panel->setObjectName(platform::Q(Indexed("Picture1", i)));
    platform::SetBackground(panel, platform::kWhite);
    Picture1[n] = panel;
    const int inner = panel->width() - 2 * kBorder;

    Shape1[n + 1] = new platform::Shape(panel);
    Shape1[n + 1]->setGeometry(kBorder, kBorder, inner, kNameHeight);
    Label1[n] = new QLabel(QStringLiteral("出版社"), panel);
    Label1[n]->setObjectName(platform::Q(Indexed("Label1", i)));
    Label1[n]->setGeometry(kBorder, kBorder, inner, kNameHeight);
    Label1[n]->setAlignment(Qt::AlignCenter);
    Label1[n]->setFont(platform::BoldFont());
    platform::SetTextOnBar(Label1[n], true);

    Image1[n] = new QLabel(panel);
    Image1[n]->setObjectName(platform::Q(Indexed("Image1", i)));
    Image1[n]->setGeometry((panel->width() - kTrophyWidth) / 2, kTrophyTop, kTrophyWidth, kTrophyHeight);
    Image1[n]->setPixmap(platform::FormPicture(form::kTrophies, platform::Q(Indexed("Image1", i))));

    Label2[n] = CentredText(panel, Indexed("Label2", i).c_str(), kAwardTop, kTextLines, QStringLiteral("なし"));
    Label4[n] = CentredText(panel, Indexed("Label4", i).c_str(), kTitleTop, kTextLines, QStringLiteral("なし"));
  }

  const int buttonTop = kPanelTop + kPanelHeight + kMargin;
  Command1 = new QPushButton(QStringLiteral("閉じる"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  platform::Place(Command1, kClientWidth - kMargin - 1200, buttonTop, 1200, 390);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  platform::SetFixedClientSize(this, kClientWidth, buttonTop + 390 + kMargin);
}

void Form12::Form_Load() {
  platform::FillHeadingBars(Shape1);
  platform::SetBackground(this, platform::BackgroundForColorCount(platform::ScreenColorCount(this)));
  const std::array<TrophyPanel, 5> panels = FillTrophyRoom();
  for (size_t n = 0; n < panels.size(); ++n) {
    Label1[n]->setText(platform::Q(panels[n].publisher));
    Label2[n]->setText(platform::Q(panels[n].award));
    Label4[n]->setText(platform::Q(panels[n].title));
    if (panels[n].won) Image1[n]->setPixmap(Picture2[5]->pixmap());
  }
  Command1->setFocus();
}

void Form12::Command1_Click() { Unload(); }

namespace {
const bool registered = platform::RegisterForm<Form12>(form::kTrophies);
}  // namespace

}  // namespace koratsu
