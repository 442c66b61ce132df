#pragma once
// MDIForm1: the main window, frame of every game. The title screen, the
// start of a game, the clock timer, the settings and quitting.

#include <map>
#include <string>
#include <string_view>

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QPixmap>
#include <QTimer>

#include "shell/clock_timer.h"
#include "shell/main_screen.h"

class QAction;

namespace koratsu {

// The client area of the main window, with its background picture centred.
class MdiClient : public QMdiArea {
 public:
  explicit MdiClient(QWidget* parent);
  void SetPicture(const QPixmap& picture);
  const QPixmap& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
  QColor surround_;
};

class MDIForm1 : public QMainWindow, public shell::MainScreen {
 public:
  MDIForm1();
  ~MDIForm1() override;

  // The one main window, or nullptr before it was made.
  static MDIForm1* Instance();

  // Public methods of the main window.
  void ResetGame();
  void GameOn();
  void GameSpeedChange();
  void ChangeKoukaon();
  void ChangeKingaku();
  void ChangeToolStyle();
  // The same, by name, for rules that reach the main window through the ui seam.
  bool Call(std::string_view method);

  // A menu item by its name ("MSaveGame"); level-1 menus are the menus' own actions.
  QAction* Menu(std::string_view name) const;

  // The clock timer's event, as its timer runs it.
  void Timer1_Timer();
  shell::ClockTimer& Clock() { return clock_; }

  QWidget* Picture1;  // docked toolbar strip
  QWidget* Picture2;  // status bar
  QLabel* Label1;     // status line
  QTimer* Timer1;     // the clock
  MdiClient* Client;

  // shell::MainScreen
  void SetCaption(const std::string& text) override;
  void SetStatusLine(const std::string& text) override;
  void BringToFront() override;
  void ShowBackground(shell::Background background) override;
  void SetClockRunning(bool running) override;
  void PrepareToolbar() override;
  void HideToolbar() override;
  void SetGameMenus(bool gameRunning) override;

  // Menu commands.
  void MNewGame_Click();
  void MEndGame_Click();
  void MSFast_Click();
  void MSMedi_Click();
  void MSSlow_Click();
  void MNyes_Click();
  void MSno_Click();
  void MJapanGold_Click();
  void MSuiizi_Click();
  void MToolBox_Click();
  void MToolWindow_Click();
  void MHelpGame_Click();
  void MHelpVersion_Click();

 protected:
  // MDIForm_QueryUnload: every way of closing the window asks first.
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void MDIForm_Load();
  void MDIForm_Unload();
  void BuildMenus();
  void SetChecked(std::string_view name, bool checked);
  void PlaceOnScreen();

  std::map<std::string, QAction*, std::less<>> menu_;
  shell::ClockTimer clock_;
  bool placedWithFrame_ = false;
};

}  // namespace koratsu
