#pragma once
// Form51: game over. It tells why the player's career ended and takes him
// back to the title screen; only its button closes it.

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

// What the buttons of the game over and of the ending do: the game ends
// and the title screen comes back, `window` closed with every other one.
void EndTheGame(platform::Form& window);

class Form51 : public platform::Form {
 public:
  Form51();

  platform::Shape* Shape1;  // behind the heading
  QLabel* Label3;
  QPlainTextEdit* Text1;  // the reason, two lines; it takes no typing
  QPushButton* Command1;  // さよなら

  void Command1_Click();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
