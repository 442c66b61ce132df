#pragma once
// Form54: the magazine reading window. It shows a text that a notice gives
// it (a contest article, a critic article, the fan letter), has no button
// and no say over the clock: the player closes it from its title bar.

#include <array>
#include <string>

#include <QFrame>
#include <QLabel>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form54 : public platform::Form {
 public:
  Form54();

  // Shows `text` in a freshly loaded reading window, modal; returns once
  // the player has closed it. A `caption` names both the window and its
  // heading in place of their design texts.
  static void Read(const std::string& text, const char* caption = nullptr);

  std::array<platform::Shape*, 1> Shape1;
  std::array<QLabel*, 1> LabelC;  // heading
  QFrame* Picture1;               // the page
  QLabel* Label1;                 // the text on it

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
