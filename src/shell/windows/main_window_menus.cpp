// The main window's menu bar, built from one table in the order of the menu
// tree. A row of level n + 1 belongs to the nearest row of level n above it;
// "-" is a separator. Entries are named as the menu items are, and reached by
// name through MDIForm1::Menu.

#include <iterator>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "shell/windows/main_window.h"

namespace koratsu {

namespace {

enum class Check { None, Off, On };

struct MenuRow {
  int level;
  const char* name;
  const char* caption;
  void (MDIForm1::*command)();
  Check check = Check::None;
};

const MenuRow kMenuTree[] = {
    {1, "MMenu", "メニュー(&M)", nullptr},
    {2, "MNewGame", "新しいゲーム(&N)", &MDIForm1::MNewGame_Click},
    {2, "MChuutoRiaru", "ﾁｭｰﾄﾘｱﾙﾓｰﾄﾞ(&C)", nullptr},
    {2, "MMinasu02", "-", nullptr},
    {2, "MSaveGame", "ゲームを保存(&S)", nullptr},
    {2, "MLoadGame", "ゲームを読込(&L)", nullptr},
    {2, "MMinasu03", "-", nullptr},
    {2, "MEndGame", "ゲームを終了(&E)", &MDIForm1::MEndGame_Click},
    {1, "MKoudou", "行動(&K)", nullptr},
    {1, "MInfo", "情報(&I)", nullptr},
    {1, "MWindow", "ウィンドウ(&W)", nullptr},
    {1, "MSetup", "設定(&S)", nullptr},
    {2, "MGameSpeed", "ゲームスピード(&S)", nullptr},
    {3, "MSFast", "はやく(&F)", &MDIForm1::MSFast_Click, Check::Off},
    {3, "MSMedi", "ふつう(&M)", &MDIForm1::MSMedi_Click, Check::On},
    {3, "MSSlow", "おそく(&S)", &MDIForm1::MSSlow_Click, Check::Off},
    {2, "MKoukaon", "効果音(&K)", nullptr},
    {3, "MNyes", "鳴らす(&Y)", &MDIForm1::MNyes_Click, Check::On},
    {3, "MSno", "鳴らさない(&N)", &MDIForm1::MSno_Click, Check::Off},
    {2, "MKingakuhyouzi", "数字の表示方法(&K)", nullptr},
    {3, "MJapanGold", "1万0000(&J)", &MDIForm1::MJapanGold_Click, Check::On},
    {3, "MSuiizi", "10,000(&S)", &MDIForm1::MSuiizi_Click, Check::Off},
    {2, "MTool", "ツールの表示", nullptr},
    {3, "MToolBox", "ツールボックス(&B)", &MDIForm1::MToolBox_Click, Check::On},
    {3, "MToolWindow", "ツールウィンドウ(&W)", &MDIForm1::MToolWindow_Click, Check::Off},
    {1, "MHelp", "ヘルプ(&H)", nullptr},
    {2, "MHelpGame", "ヘルプ(&H)", &MDIForm1::MHelpGame_Click},
    {2, "MMinasu01", "-", nullptr},
    {2, "MHelpVersion", "バージョン情報(&A)...", &MDIForm1::MHelpVersion_Click},
};

}  // namespace

void MDIForm1::BuildMenus() {
  constexpr size_t kRows = std::size(kMenuTree);
  QMenu* parents[4] = {};
  for (size_t i = 0; i < kRows; ++i) {
    const MenuRow& row = kMenuTree[i];
    QString caption = QString::fromUtf8(row.caption);
    bool hasItems = i + 1 < kRows && kMenuTree[i + 1].level > row.level;
    QAction* action = nullptr;
    if (row.level == 1 || hasItems) {
      QMenu* menu = row.level == 1 ? menuBar()->addMenu(caption) : parents[row.level - 1]->addMenu(caption);
      parents[row.level] = menu;
      action = menu->menuAction();
    } else if (caption == QStringLiteral("-")) {
      action = parents[row.level - 1]->addSeparator();
    } else {
      action = parents[row.level - 1]->addAction(caption);
    }
    if (row.check != Check::None) {
      action->setCheckable(true);
      action->setChecked(row.check == Check::On);
    }
    if (row.command) connect(action, &QAction::triggered, this, [this, command = row.command] { (this->*command)(); });
    menu_.emplace(row.name, action);
  }
}

QAction* MDIForm1::Menu(std::string_view name) const {
  auto found = menu_.find(name);
  return found == menu_.end() ? nullptr : found->second;
}

void MDIForm1::SetChecked(std::string_view name, bool checked) {
  if (QAction* action = Menu(name)) action->setChecked(checked);
}

}  // namespace koratsu
