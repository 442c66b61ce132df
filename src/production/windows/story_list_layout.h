#pragma once
// The look the novel window (Form56) and the copy window (Form50) share: a
// heading, the list of titles, three captioned detail rows (title,
// publisher or fame, popularity), the comment on a line of its own, and
// 決定 and やめる. Each window keeps its controls under its own names.

#include <array>

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

}  // namespace koratsu
