// The main window's menu bar, built from one table in the order of the menu
// tree. A row of level n + 1 belongs to the nearest row of level n above it;
// "-" is a separator. Entries are named as the menu items are, and reached by
// name through MDIForm1::Menu. The commands themselves are the rules' own
// (shell::RunCommand); the settings go through the settings' apply methods.

#include <iterator>

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "platform/qt_strings.h"
#include "shell/settings.h"
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
  bool enabled = true;
};

const MenuRow kMenuTree[] = {
    {1, "MMenu", "メニュー(&M)", nullptr},
    {2, "MNewGame", "新しいゲーム(&N)", &MDIForm1::MNewGame_Click},
    {2, "MChuutoRiaru", "ﾁｭｰﾄﾘｱﾙﾓｰﾄﾞ(&C)", &MDIForm1::MChuutoRiaru_Click},
    {2, "MMinasu02", "-", nullptr},
    {2, "MSaveGame", "ゲームを保存(&S)", &MDIForm1::MSaveGame_Click},
    {2, "MLoadGame", "ゲームを読込(&L)", &MDIForm1::MLoadGame_Click},
    {2, "MMinasu03", "-", nullptr},
    {2, "MEndGame", "ゲームを終了(&E)", &MDIForm1::MEndGame_Click},
    {1, "MKoudou", "行動(&K)", nullptr},
    {2, "MManga", "漫画(&M)", nullptr},
    {3, "MNewManga", "新しく漫画を描く(&N)", &MDIForm1::MNewManga_Click},
    {3, "MMangaRSyuuryou", "連載漫画を終了(&E)", &MDIForm1::MMangaRSyuuryou_Click},
    {3, "MMinasu04", "-", nullptr},
    {3, "MMangaOkuru", "漫画を投稿する(&T)", &MDIForm1::MMangaOkuru_Click},
    {3, "MMotikomu", "漫画を持込む(&M)", &MDIForm1::MMotikomu_Click},
    {2, "MAsi", "ｱｼｽﾀﾝﾄ(&A)", nullptr},
    {3, "MGetAsi", "ｱｼｽﾀﾝﾄを雇う(&G)", &MDIForm1::MGetAsi_Click},
    {3, "MAsiKaiko", "ｱｼｽﾀﾝﾄを解雇(&K)", &MDIForm1::MAsiKaiko_Click},
    {2, "Minasu05", "-", nullptr},
    {2, "MSigotosuru", "時間を進める(&S)", &MDIForm1::MSigotosuru_Click},
    {2, "MSanpo", "外に出かける(&S)", &MDIForm1::MSanpo_Click},
    {2, "MArubaito", "ｱﾙﾊﾞｲﾄをする(&A)", &MDIForm1::MArubaito_Click},
    {2, "MSyugyou", "修行に出る(&N)", &MDIForm1::MSyugyou_Click},
    {2, "Minasu06", "-", nullptr},
    {2, "MSukezyuru", "ｽｹｼﾞｭｰﾙ管理(&S)", &MDIForm1::MSukezyuru_Click},
    {2, "MDouguKounyu", "機材の購入(&D)", &MDIForm1::MDouguKounyu_Click},
    {2, "MHikkosi", "引越しをする(&H)", &MDIForm1::MHikkosi_Click},
    {1, "MInfo", "情報(&I)", nullptr},
    {2, "MRanc", "ﾗﾝｷﾝｸﾞ(&R)", nullptr},
    {3, "MKozinRanc", "個人資産ﾗﾝｷﾝｸﾞ(&K)", &MDIForm1::MKozinRanc_Click},
    {3, "MComicRank", "ｺﾐｯｸｽの売上ﾗﾝｷﾝｸﾞ(&R)", &MDIForm1::MComicRank_Click},
    // Switched off as designed, and nothing switches it on.
    {2, "MSyuppanYukou", "出版社との友好関係(&Y)", &MDIForm1::MSyuppanYukou_Click, Check::None, false},
    {2, "MTiPoint", "知識のﾎﾟｲﾝﾄ(&P)", &MDIForm1::MTiPoint_Click},
    {2, "MImamadeManga", "制作した漫画(&M)", &MDIForm1::MImamadeManga_Click},
    {2, "MTorofi", "受賞したﾄﾛﾌｨｰ(&T)", &MDIForm1::MTorofi_Click},
    {2, "MKanseido", "漫画の完成度(&K)", &MDIForm1::MKanseido_Click},
    {1, "MWindow", "ウィンドウ(&W)", nullptr},
    {2, "MVisualWindow", "ビジュアルウィンドウ(&V)", &MDIForm1::MVisualWindow_Click},
    {2, "MInfo2", "情報ウィンドウ(&I)", &MDIForm1::MInfo2_Click},
    // The open child windows are listed below it.
    {2, "MOtherWindow", "その他のウィンドウ...(&O)", nullptr},
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

// Entries the window menu adds below "その他のウィンドウ" while it is open.
constexpr const char* kListedWindow = "listedWindow";

}  // namespace

void MDIForm1::BuildMenus() {
  constexpr size_t kRows = std::size(kMenuTree);
  QMenu* parents[4] = {};
  for (size_t i = 0; i < kRows; ++i) {
    const MenuRow& row = kMenuTree[i];
    QString caption = platform::Q(row.caption);
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
    action->setEnabled(row.enabled);
    action->setObjectName(platform::Q(row.name));
    if (row.command) connect(action, &QAction::triggered, this, [this, command = row.command] { (this->*command)(); });
    menu_.emplace(row.name, action);
  }
  QMenu* windows = Menu("MWindow")->menu();
  connect(windows, &QMenu::aboutToShow, this, [this] { ListChildWindows(); });
}

void MDIForm1::ListChildWindows() {
  QMenu* windows = Menu("MWindow")->menu();
  for (QAction* action : windows->actions())
    if (action->objectName() == QLatin1String(kListedWindow)) {
      windows->removeAction(action);
      action->deleteLater();
    }
  const QList<QMdiSubWindow*> children = Client->subWindowList();
  int number = 0;
  for (QMdiSubWindow* child : children) {
    if (!child->isVisible()) continue;
    if (number == 0) windows->addSeparator()->setObjectName(QLatin1String(kListedWindow));
    ++number;
    QAction* entry = windows->addAction(QStringLiteral("&%1 %2").arg(number).arg(child->windowTitle()));
    entry->setObjectName(QLatin1String(kListedWindow));
    entry->setCheckable(true);
    entry->setChecked(child == Client->currentSubWindow());
    connect(entry, &QAction::triggered, this, [this, child] {
      if (!Client->subWindowList().contains(child)) return;
      if (child->isMinimized()) child->showNormal();
      Client->setActiveSubWindow(child);
    });
  }
}

QAction* MDIForm1::Menu(std::string_view name) const {
  auto found = menu_.find(name);
  return found == menu_.end() ? nullptr : found->second;
}

void MDIForm1::SetChecked(std::string_view name, bool checked) {
  if (QAction* action = Menu(name)) action->setChecked(checked);
}

void MDIForm1::Run(shell::Command command) { shell::RunCommand(command, *this); }

// ---------------------------------------------------------------- commands

void MDIForm1::MNewGame_Click() { Run(shell::Command::NewGame); }
void MDIForm1::MChuutoRiaru_Click() { Run(shell::Command::ChuutoRiaru); }
void MDIForm1::MSaveGame_Click() { Run(shell::Command::SaveGame); }
void MDIForm1::MLoadGame_Click() { Run(shell::Command::LoadGame); }
void MDIForm1::MEndGame_Click() { close(); }
void MDIForm1::MNewManga_Click() { Run(shell::Command::NewManga); }
void MDIForm1::MMangaRSyuuryou_Click() { Run(shell::Command::MangaRSyuuryou); }
void MDIForm1::MMangaOkuru_Click() { Run(shell::Command::MangaOkuru); }
void MDIForm1::MMotikomu_Click() { Run(shell::Command::Motikomu); }
void MDIForm1::MGetAsi_Click() { Run(shell::Command::GetAsi); }
void MDIForm1::MAsiKaiko_Click() { Run(shell::Command::AsiKaiko); }
void MDIForm1::MSigotosuru_Click() { Run(shell::Command::Sigotosuru); }
void MDIForm1::MSanpo_Click() { Run(shell::Command::Sanpo); }
void MDIForm1::MArubaito_Click() { Run(shell::Command::Arubaito); }
void MDIForm1::MSyugyou_Click() { Run(shell::Command::Syugyou); }
void MDIForm1::MSukezyuru_Click() { Run(shell::Command::Sukezyuru); }
void MDIForm1::MDouguKounyu_Click() { Run(shell::Command::DouguKounyu); }
void MDIForm1::MHikkosi_Click() { Run(shell::Command::Hikkosi); }
void MDIForm1::MKozinRanc_Click() { Run(shell::Command::KozinRanc); }
void MDIForm1::MComicRank_Click() { Run(shell::Command::ComicRank); }
void MDIForm1::MSyuppanYukou_Click() { Run(shell::Command::SyuppanYukou); }
void MDIForm1::MTiPoint_Click() { Run(shell::Command::TiPoint); }
void MDIForm1::MImamadeManga_Click() { Run(shell::Command::ImamadeManga); }
void MDIForm1::MTorofi_Click() { Run(shell::Command::Torofi); }
void MDIForm1::MKanseido_Click() { Run(shell::Command::Kanseido); }
void MDIForm1::MVisualWindow_Click() { Run(shell::Command::VisualWindow); }
void MDIForm1::MInfo2_Click() { Run(shell::Command::Info2); }
void MDIForm1::MHelpGame_Click() { Run(shell::Command::HelpGame); }
void MDIForm1::MHelpVersion_Click() { Run(shell::Command::HelpVersion); }

void MDIForm1::MSFast_Click() { shell::ChooseSetting(shell::Setting::GameSpeed, 1); }
void MDIForm1::MSMedi_Click() { shell::ChooseSetting(shell::Setting::GameSpeed, 2); }
void MDIForm1::MSSlow_Click() { shell::ChooseSetting(shell::Setting::GameSpeed, 3); }
void MDIForm1::MNyes_Click() { shell::ChooseSetting(shell::Setting::Koukaon, 1); }
void MDIForm1::MSno_Click() { shell::ChooseSetting(shell::Setting::Koukaon, 2); }
void MDIForm1::MJapanGold_Click() { shell::ChooseSetting(shell::Setting::KingakuHyouzi, 1); }
void MDIForm1::MSuiizi_Click() { shell::ChooseSetting(shell::Setting::KingakuHyouzi, 2); }
void MDIForm1::MToolBox_Click() { shell::ChooseSetting(shell::Setting::ToolStyle, 0); }
void MDIForm1::MToolWindow_Click() { shell::ChooseSetting(shell::Setting::ToolStyle, 1); }

}  // namespace koratsu
