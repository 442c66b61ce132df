#pragma once
// MDIForm1: the main window, frame of every game. The title screen, the
// start of a game, the clock timer, the menus, the toolbar, the settings and
// quitting.

#include <array>
#include <map>
#include <string>
#include <string_view>

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QPixmap>
#include <QTimer>

#include "platform/form.h"
#include "shell/clock_timer.h"
#include "shell/commands.h"
#include "shell/main_screen.h"
#include "shell/windows/toolbar.h"

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
  // While the tutorial runs, a new game, the tutorial, saving and loading
  // are not offered: their menu entries and toolbar buttons are disabled.
  void SetTutorialMenus(bool tutorialRunning) override;
  bool TutorialMenusLocked() const { return tutorialLocked_; }
  // ResetGame, GameOn and BringToFront by name ("ResetGame", "GameOn",
  // "Show"), for rules that reach the main window through the ui seam; and
  // the publisher's permission talk for the novel just chosen
  // ("NovelPermissionTalk"), which the novel window, on the production side,
  // cannot call itself.
  platform::FormMethods Methods();
  bool Call(std::string_view method) { return platform::CallMethod(Methods(), method); }

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
  // The toolbar: BSave(3k) is button k in the strip, BSave(3k + 1) and
  // BSave(3k + 2) hold its normal and pressed pictures.
  std::array<ToolImage*, kBSaveCount> BSave{};

  // Starts or stops the clock timer; the ui seam's clock switch.
  void SetClockRunning(bool running);

  // shell::MainScreen
  void SetCaption(const std::string& text) override;
  void SetStatusLine(const std::string& text) override;
  void BringToFront() override;
  void ShowBackground(shell::Background background) override;
  void PrepareToolbar() override;
  void HideToolbar() override;
  void SetGameMenus(bool gameRunning) override;
  shell::ChildView ChildWindow(int form) override;
  void ArrangeChild(int form, shell::ToggleAction action) override;

  // Menu commands.
  void MNewGame_Click();
  void MChuutoRiaru_Click();
  void MSaveGame_Click();
  void MLoadGame_Click();
  void MEndGame_Click();
  void MNewManga_Click();
  void MMangaRSyuuryou_Click();
  void MMangaOkuru_Click();
  void MMotikomu_Click();
  void MGetAsi_Click();
  void MAsiKaiko_Click();
  void MSigotosuru_Click();
  void MSanpo_Click();
  void MArubaito_Click();
  void MSyugyou_Click();
  void MSukezyuru_Click();
  void MDouguKounyu_Click();
  void MHikkosi_Click();
  void MKozinRanc_Click();
  void MComicRank_Click();
  void MSyuppanYukou_Click();
  void MTiPoint_Click();
  void MImamadeManga_Click();
  void MTorofi_Click();
  void MKanseido_Click();
  void MVisualWindow_Click();
  void MInfo2_Click();
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

  // Toolbar events, of the docked strip and of the floating window alike.
  void BSave_MouseDown(int index, int button);
  void BSave_MouseUp(int index, int button);
  void BSave_MouseMove(int index);
  void BSave_Click(int index);

 protected:
  // MDIForm_QueryUnload: every way of closing the window asks first.
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void MDIForm_Load();
  void MDIForm_Unload();
  void BuildMenus();
  void BuildToolbar();
  void ListChildWindows();
  void Run(shell::Command command);
  void SetChecked(std::string_view name, bool checked);
  void PlaceOnScreen();

  std::map<std::string, QAction*, std::less<>> menu_;
  shell::ClockTimer clock_;
  bool placedWithFrame_ = false;
  bool tutorialLocked_ = false;
  bool gameMenus_ = false;
};

}  // namespace koratsu
