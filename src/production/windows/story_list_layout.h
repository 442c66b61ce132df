#pragma once
// The look the novel window (Form56) and the copy window (Form50) share: a
// heading, the list of titles, three captioned detail rows (title,
// publisher or fame, popularity), the comment on a line of its own, and
// 決定 and やめる. Each window keeps its controls under its own names.

#include <array>
#include <functional>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "platform/heading_bar.h"

namespace koratsu {

struct StoryListLayout {
  platform::HeadingBar heading;
  QListWidget* list;
  std::array<platform::HeadingBar, 3> captions;  // the detail rows' captions, top to bottom
  std::array<QLabel*, 3> details;      // beside the captions
  QLabel* comment;
  QPushButton* confirm;  // 決定
  QPushButton* cancel;   // やめる
};

// Builds the controls on `window` and gives it its size.
StoryListLayout MakeStoryListLayout(QWidget* window, const QString& heading,
                                    const std::array<QString, 3>& captions);

// Runs `pick` when a row is chosen, `confirm` on 決定 and `cancel` on やめる,
// for as long as `owner` lives.
void ConnectStoryList(const StoryListLayout& layout, QObject* owner, const std::function<void()>& pick,
                      const std::function<void()>& confirm, const std::function<void()>& cancel);

}  // namespace koratsu
