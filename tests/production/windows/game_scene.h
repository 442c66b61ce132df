#pragma once
// A game running in the main window for the archive's scenes, and a
// player's double-click on a row of a list.

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>

#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "support/fresh_state.h"
#include "ui/ui.h"

namespace koratsu::testing {

// The Qt ui with the game's clock left as it is: a window that pauses the
// clock while open does not start it again as it closes.
class StoppedClockUi : public QtUi {
 public:
  void SetClockRunning(bool) override {}
};

// A new game in the main window, its clock stopped: the test moves time
// itself. A running clock would draw a random number at every event, as
// many as real time allows between the test's steps.
class RunningGame {
 public:
  RunningGame() {
    ui::Install(&clockless);
    main.show();
    ClearGameState();
    main.GameOn();
    main.Timer1->stop();
    g().PlayerSei = "漫画家";
  }
  ~RunningGame() { ui::Install(&qt.Ui()); }
  GameState& g() { return state.g(); }

  FreshState state;
  QtUiScope qt;
  StoppedClockUi clockless;
  MDIForm1 main;
};

inline void DoubleClickRow(QListWidget* list, int row) {
  QWidget* target = list->viewport();
  const QPoint at = list->visualItemRect(list->item(row)).center();
  auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  };
  send(QEvent::MouseButtonPress, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, Qt::NoButton);
  send(QEvent::MouseButtonDblClick, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, Qt::NoButton);
}

}  // namespace koratsu::testing
