#include "production/windows/story_list_layout.h"

#include <QFrame>

#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/twips.h"
#include "platform/window_conventions.h"

namespace koratsu {

namespace {

constexpr int kClientWidth = 5400;
constexpr int kClientHeight = 4710;
constexpr int kMargin = 120;
constexpr int kInnerWidth = kClientWidth - 2 * kMargin;
constexpr int kListTop = 600;
constexpr int kListHeight = 1860;
constexpr int kRowTop = 2580;  // the first detail row; rows kRowStep apart
constexpr int kRowStep = 390;
constexpr int kRowHeight = 330;
constexpr int kCaptionWidth = 960;
constexpr int kDetailLeft = kMargin + kCaptionWidth + 60;
constexpr int kCommentTop = kRowTop + 3 * kRowStep;
constexpr int kButtonTop = 4170;
constexpr int kButtonWidth = 1200;
constexpr int kButtonHeight = 390;

// A detail as a sunken white box, as the game's windows show a value.
QLabel* MakeDetail(QWidget* window, int left, int top, int width) {
  auto* label = new QLabel(window);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setIndent(4);
  label->setAutoFillBackground(true);
  platform::SetBackground(label, platform::kWhite);
  platform::Place(label, left, top, width, kRowHeight);
  return label;
}

}  // namespace

StoryListLayout MakeStoryListLayout(QWidget* window, const QString& heading,
                                    const std::array<QString, 3>& captions) {
  platform::SetFixedClientSize(window, kClientWidth, kClientHeight);
  StoryListLayout layout{};
  layout.heading = platform::MakeHeadingBar(window, heading, kMargin, kMargin, kInnerWidth, 360);

  layout.list = new QListWidget(window);
  platform::Place(layout.list, kMargin, kListTop, kInnerWidth, kListHeight);

  for (size_t i = 0; i < captions.size(); ++i) {
    const int top = kRowTop + kRowStep * static_cast<int>(i);
    layout.captions[i] = platform::MakeHeadingBar(window, captions[i], kMargin, top, kCaptionWidth, kRowHeight);
    layout.details[i] = MakeDetail(window, kDetailLeft, top, kClientWidth - kMargin - kDetailLeft);
  }
  layout.comment = MakeDetail(window, kMargin, kCommentTop, kInnerWidth);

  layout.confirm = new QPushButton(QStringLiteral("決定"), window);
  platform::Place(layout.confirm, kClientWidth - kMargin - 2 * kButtonWidth - 120, kButtonTop, kButtonWidth,
                  kButtonHeight);
  layout.cancel = new QPushButton(QStringLiteral("やめる"), window);
  platform::Place(layout.cancel, kClientWidth - kMargin - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight);
  platform::DefaultButton(layout.confirm, {layout.cancel});
  return layout;
}

void ConnectStoryList(const StoryListLayout& layout, QObject* owner, const std::function<void()>& pick,
                      const std::function<void()>& confirm, const std::function<void()>& cancel) {
  QObject::connect(layout.list, &QListWidget::currentRowChanged, owner, [pick](int row) {
    if (row >= 0) pick();
  });
  QObject::connect(layout.confirm, &QPushButton::clicked, owner, [confirm] { confirm(); });
  QObject::connect(layout.cancel, &QPushButton::clicked, owner, [cancel] { cancel(); });
}

}  // namespace koratsu
