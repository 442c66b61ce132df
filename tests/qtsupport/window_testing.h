#pragma once
// Helpers for window tests: the player's part in modal windows, the Qt ui
// installed for a test, and the log lines a test wants to see.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QEvent>
#include <QPoint>
#include <QString>

#include "platform/form.h"
#include "shell/windows/qt_ui.h"

class QComboBox;
class QLabel;
class QTimer;

namespace koratsu::testing {

// What the player does in modal windows, in the order they come up. Each
// action runs once its window is the active modal window. A modal window
// nobody acts on is closed after a few seconds and fails the test; an action
// whose window never came fails it when the script ends.
class ModalScript {
 public:
  ModalScript();
  ~ModalScript();
  ModalScript& When(int form, std::function<void(platform::Form&)> action);
  // True once every action ran.
  bool Done() const;

 private:
  struct Step {
    int form;
    std::function<void(platform::Form&)> action;
    bool ran = false;
  };
  void Poll();
  std::vector<Step> steps_;
  std::unique_ptr<QTimer> poll_;
  int idleTicks_ = 0;
};

// The Qt ui, installed for the life of a test; unloads every window at its end.
class QtUiScope {
 public:
  QtUiScope();
  ~QtUiScope();
  QtUi& Ui() { return ui_; }

 private:
  QtUi ui_;
  ui::Ui* previous_;
};

// The Qt ui, writing down the sounds it is asked for instead of playing them.
class SoundRecordingUi : public QtUi {
 public:
  void PlaySound(int kind) override { sounds.push_back(kind); }
  int Count(int kind) const;
  std::vector<int> sounds;
};

// Collects log lines for the life of a test.
class LogCapture {
 public:
  LogCapture();
  ~LogCapture();
  const std::vector<std::string>& Lines() const { return lines_; }
  int Count(const std::string& part) const;

 private:
  std::vector<std::string> lines_;
};

// Windows that only tests register are numbered from here on, past every
// window of the game, so that none stands in for a game window.
constexpr int kFirstTestForm = 100;

// Lets Qt handle what is pending (deferred deletions, paint, timers due).
void ProcessEvents(int milliseconds = 0);

// Every registered window that stands on its own, loaded in turn, handed to
// `check` with its number, and unloaded; the main window's children are passed over.
void ForEachOwnWindow(const std::function<void(int number, platform::Form& window)>& check);

// The left mouse button pressed, moved or released at `at` over `target`
// (held but on release).
void LeftMouse(QWidget* target, QEvent::Type type, QPoint at = QPoint(4, 4));

// The player's mouse on a drop-down list: the focus comes to it from a click,
// as it does when the player clicks it (the list opens); then entry `row` of
// the open list is clicked.
void ClickIntoList(QComboBox* box);
void ClickListEntry(QComboBox* box, int row);
// Whether the list of `box` is open.
bool ListOpen(const QComboBox* box);

// The desktop's close request, as the close box or Alt+F4 sends it.
void PressCloseBox(QWidget* window);

// The mouse wheel turned over `target` by `angle` eighths of a degree (a
// notch is 120; below 0 towards the player, down a list). True when it was
// taken there. A real wheel over a control that leaves it goes on to the
// control's parent: send it to the one that takes it.
bool TurnWheel(QWidget* target, int angle);

// What a speech balloon's text label says, without the line breaks it is
// laid out in.
QString Said(const QLabel* label);

// What a label shows, read as the player reads it: its text as it stands
// when the label shows plain text, the text its markup comes to when Qt
// reads it as markup. The label is polished first, as showing it does.
QString Shown(QLabel* label);

// What the tooltip of `widget` shows when the mouse rests on it (empty when
// it has none); the tooltip is hidden again.
QString ShownToolTip(QWidget* widget);

}  // namespace koratsu::testing
