// Enter in a dialog presses the button that has the focus; the default
// button only when the focus is on something else.

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <gtest/gtest.h>

#include "platform/form.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "shell/windows/message_boxes.h"
#include "shell/windows/new_game_window.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;

QPushButton* DefaultOf(const Form& window) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->isDefault()) return button;
  }
  return nullptr;
}

// Every window with a default button: each of its other buttons, given the
// focus, takes over as the button Enter presses.
TEST(EnterKey, TheFocusedButtonTakesOverFromTheDefault) {
  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
  main.show();
  testing::ForEachOwnWindow([](int number, Form& window) {
    window.show();
    testing::ProcessEvents();
    QPushButton* defaultButton = DefaultOf(window);
    if (!defaultButton) return;
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
      if (button == defaultButton || !button->isVisible() || !button->isEnabled()) continue;
      button->setFocus(Qt::TabFocusReason);
      testing::ProcessEvents();
      EXPECT_TRUE(button->isDefault()) << "Form" << number << " " << button->text().toStdString();
      defaultButton->setFocus(Qt::TabFocusReason);
      testing::ProcessEvents();
    }
  });
}

TEST(EnterKey, OnTheNewGamesCancelButtonClosesTheWindowWithoutAsking) {
  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
  main.show();
  enum Focus { Name, Cancel };
  const struct {
    Focus focus;
    bool warned, open;
  } cases[] = {{Name, true, true}, {Cancel, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.focus);
    auto* window = platform::Forms().Load<Form3>(form::kNewGame);
    ASSERT_NE(window, nullptr);
    window->show();
    testing::ProcessEvents();
    QWidget* focused = c.focus == Name ? static_cast<QWidget*>(window->Text1) : window->Command2;
    focused->setFocus(Qt::TabFocusReason);
    testing::ProcessEvents();
    // 決定 with an empty name only warns and leaves the window open.
    bool warned = false;
    testing::ModalScript script;  // fails on a box nobody expects
    if (c.warned) script.When(form::kMessage, [&](Form& form) {
      warned = true;
      static_cast<Form42&>(form).Command1[0]->click();
    });
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(focused, &enter);
    testing::ProcessEvents();
    EXPECT_EQ(warned, c.warned);
    EXPECT_EQ(platform::Forms().IsLoaded(form::kNewGame), c.open);
    platform::Forms().UnloadAll();
    testing::ProcessEvents();
  }
}

}  // namespace
}  // namespace koratsu
