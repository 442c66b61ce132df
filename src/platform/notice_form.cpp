#include "platform/notice_form.h"

#include <algorithm>

#include <QFrame>
#include <QPointer>

#include "platform/colors.h"
#include "platform/heading_bar.h"
#include "platform/panels.h"
#include "platform/pictures.h"
#include "platform/twips.h"

namespace koratsu::platform {

namespace {

constexpr int kMargin = 120;
constexpr int kHeadingHeight = 360;
constexpr int kLineHeight = 240;
constexpr int kPanelPadding = 90;
constexpr int kButtonWidth = 1200;
constexpr int kButtonHeight = 390;

}  // namespace

NoticeForm::NoticeForm(int form, const QString& caption, const NoticeStyle& style)
    : Form({.removeCloseItem = !style.closeBox, .pauseClock = style.pauseClock}),
      form_(form),
      width_(style.width),
      bodyTop_(kMargin),
      picturesRight_(0) {
  setWindowTitle(caption);
}

QLabel* NoticeForm::AddHeading(const char* name, const QString& text) {
  const HeadingBar bar = MakeHeadingBar(this, text, kMargin, kMargin, width_ - 2 * kMargin, kHeadingHeight);
  bar.label->setObjectName(QString::fromUtf8(name));
  Shape1.push_back(bar.shape);
  bodyTop_ = 2 * kMargin + kHeadingHeight;
  return bar.label;
}

QLabel* NoticeForm::AddPicture(const char* control, int width, int height) {
  auto* picture = new QLabel(this);
  picture->setObjectName(QString::fromUtf8(control));
  Place(picture, picturesRight_ + kMargin, bodyTop_, static_cast<int>(Twips(width)), static_cast<int>(Twips(height)));
  picture->setPixmap(FormPicture(form_, QString::fromUtf8(control)));
  picturesRight_ += kMargin + static_cast<int>(Twips(width));
  bodyHeight_ = std::max(bodyHeight_, static_cast<int>(Twips(height)));
  return picture;
}

QLabel* NoticeForm::AddHiddenPicture(const char* control) {
  auto* picture = new QLabel(this);
  picture->setObjectName(QString::fromUtf8(control));
  picture->setPixmap(FormPicture(form_, QString::fromUtf8(control)));
  picture->hide();
  return picture;
}

QLabel* NoticeForm::AddText(const char* name, int lines, const QString& text, bool bold) {
  const int left = picturesRight_ + kMargin;
  const int width = width_ - left - kMargin;
  if (!panel_) {
    panel_ = SunkenPanel(this, left, bodyTop_, width, bodyHeight_);
    SetBackground(panel_, kWhite);
    textsHeight_ = kPanelPadding;
  }
  auto* label = new QLabel(text, panel_);
  label->setObjectName(QString::fromUtf8(name));
  Place(label, kPanelPadding, textsHeight_, width - 2 * kPanelPadding, lines * kLineHeight);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  if (bold) label->setFont(BoldFont());
  textsHeight_ += lines * kLineHeight;
  // The panel stands as high as the pictures, or as its texts where they are the taller.
  bodyHeight_ = std::max(bodyHeight_, textsHeight_ + kPanelPadding);
  Place(panel_, left, bodyTop_, width, bodyHeight_);
  return label;
}

void NoticeForm::AddButton(const QString& caption) {
  const int top = bodyTop_ + bodyHeight_ + kMargin;
  Command1 = new QPushButton(caption, this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Place(Command1, width_ - kMargin - kButtonWidth, top, kButtonWidth, kButtonHeight);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  SetFixedClientSize(this, width_, top + kButtonHeight + kMargin);
}

void NoticeForm::Form_Load() {
  FillHeadingBars(Shape1);
  if (Command1) Command1->setFocus();
}

void NoticeForm::Command1_Click() {
  QPointer<NoticeForm> self(this);
  ButtonPressed();
  if (self) Unload();
}

void NoticeForm::CloseBoxPressed() { Command1_Click(); }

}  // namespace koratsu::platform
