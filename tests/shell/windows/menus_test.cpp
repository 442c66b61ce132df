// The main window's menu bar: the tree as the player sees it, what the title
// screen and a running game offer, the settings' check marks and the toggle
// of the information windows.

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

#include "platform/form.h"
#include "qtsupport/window_testing.h"
#include "shell/game_flow.h"
#include "shell/windows/main_window.h"
#include "shell/windows/message_boxes.h"
#include "state/koudou_mode.h"
#include "state/money.h"
#include "ui/forms.h"
#include "support/fresh_state.h"

namespace koratsu {
namespace {

using testing::ProcessEvents;

// Two information windows for the toggle, inside the main window.
constexpr int kList = testing::kFirstTestForm + 11;
constexpr int kOtherList = testing::kFirstTestForm + 12;
struct StandInList : platform::Form {
  StandInList() : Form({.kind = platform::FormKind::Child, .trackOpen = true}) {
    setWindowTitle(QStringLiteral("一覧"));
    setFixedSize(120, 80);
  }
};
const bool registered = platform::RegisterForm<StandInList>(kList) && platform::RegisterForm<StandInList>(kOtherList);

class MenusTest : public ::testing::Test {
 protected:
  MenusTest() { main->show(); }
  ~MenusTest() override { main->Timer1->stop(); }
  GameState& g() { return state.g(); }
  void StartGame() { ASSERT_TRUE(shell::ConfirmNewGame("漫画太郎", *main)); }
  bool Enabled(const char* name) { return main->Menu(name)->isEnabled(); }
  bool Checked(const char* name) { return main->Menu(name)->isChecked(); }

  // A menu as text: "caption: item | item | - | submenu(item | item)".
  static QString Describe(QMenu* menu) {
    QStringList items;
    for (QAction* action : menu->actions()) {
      if (action->objectName() == QLatin1String("listedWindow")) continue;
      if (action->isSeparator()) {
        items << QStringLiteral("-");
      } else if (action->menu()) {
        items << Describe(action->menu());
      } else {
        items << action->text() + (action->isCheckable() ? QStringLiteral("*") : QString());
      }
    }
    return menu->title() + QStringLiteral("(") + items.join(QStringLiteral(" | ")) + QStringLiteral(")");
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  std::unique_ptr<MDIForm1> main = std::make_unique<MDIForm1>();
};

TEST_F(MenusTest, TheMenuTreeReadsAsDesigned) {
  QStringList menus;
  for (QAction* action : main->menuBar()->actions()) menus << Describe(action->menu());
  const QStringList expected = {
      "メニュー(&M)(新しいゲーム(&N) | ﾁｭｰﾄﾘｱﾙﾓｰﾄﾞ(&C) | - | ゲームを保存(&S) | ゲームを読込(&L) | - | ゲームを終了(&E))",
      "行動(&K)(漫画(&M)(新しく漫画を描く(&N) | 連載漫画を終了(&E) | - | 漫画を投稿する(&T) | 漫画を持込む(&M)) | "
      "ｱｼｽﾀﾝﾄ(&A)(ｱｼｽﾀﾝﾄを雇う(&G) | ｱｼｽﾀﾝﾄを解雇(&K)) | - | 時間を進める(&S) | 外に出かける(&S) | "
      "ｱﾙﾊﾞｲﾄをする(&A) | 修行に出る(&N) | - | ｽｹｼﾞｭｰﾙ管理(&S) | 機材の購入(&D) | 引越しをする(&H))",
      "情報(&I)(ﾗﾝｷﾝｸﾞ(&R)(個人資産ﾗﾝｷﾝｸﾞ(&K) | ｺﾐｯｸｽの売上ﾗﾝｷﾝｸﾞ(&R)) | 出版社との友好関係(&Y) | 知識のﾎﾟｲﾝﾄ(&P) | "
      "制作した漫画(&M) | 受賞したﾄﾛﾌｨｰ(&T) | 漫画の完成度(&K))",
      "ウィンドウ(&W)(ビジュアルウィンドウ(&V) | 情報ウィンドウ(&I) | その他のウィンドウ...(&O))",
      "設定(&S)(ゲームスピード(&S)(はやく(&F)* | ふつう(&M)* | おそく(&S)*) | 効果音(&K)(鳴らす(&Y)* | 鳴らさない(&N)*) | "
      "数字の表示方法(&K)(1万0000(&J)* | 10,000(&S)*) | ツールの表示(ツールボックス(&B)* | ツールウィンドウ(&W)*))",
      "ヘルプ(&H)(ヘルプ(&H) | - | バージョン情報(&A)...)",
  };
  EXPECT_EQ(menus, expected);
}

TEST_F(MenusTest, TheTitleScreenOffersTheGameMenuTheSettingsAndHelp) {
  for (const char* name : {"MKoudou", "MInfo", "MSaveGame"}) EXPECT_FALSE(Enabled(name)) << name;
  EXPECT_FALSE(main->Menu("MWindow")->isVisible());
  for (const char* name : {"MMenu", "MNewGame", "MChuutoRiaru", "MLoadGame", "MEndGame", "MSetup", "MHelp"})
    EXPECT_TRUE(Enabled(name)) << name;
  for (const char* name : {"MSMedi", "MNyes", "MJapanGold", "MToolBox"}) EXPECT_TRUE(Checked(name)) << name;
  for (const char* name : {"MSFast", "MSSlow", "MSno", "MSuiizi", "MToolWindow"}) EXPECT_FALSE(Checked(name)) << name;

  StartGame();
  for (const char* name : {"MKoudou", "MInfo", "MSaveGame", "MLoadGame", "MNewGame"}) EXPECT_TRUE(Enabled(name)) << name;
  EXPECT_TRUE(main->Menu("MWindow")->isVisible());
  EXPECT_FALSE(Enabled("MSyuppanYukou"));  // never offered
  main->Menu("MSyuppanYukou")->trigger();
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kFriendship));
  // The command behind it still toggles the window.
  main->MSyuppanYukou_Click();
  EXPECT_TRUE(platform::Forms().IsLoaded(form::kFriendship));
}

TEST_F(MenusTest, TheTutorialTakesAwayNewGameTutorialSaveAndLoad) {
  StartGame();
  main->SetTutorialMenus(true);
  for (const char* name : {"MNewGame", "MChuutoRiaru", "MSaveGame", "MLoadGame"}) EXPECT_FALSE(Enabled(name)) << name;
  EXPECT_FALSE(main->BSave[0]->isEnabled());
  EXPECT_FALSE(main->BSave[33]->isEnabled());
  // A new game inside the tutorial keeps them away.
  StartGame();
  EXPECT_FALSE(Enabled("MSaveGame"));
  main->SetTutorialMenus(false);
  for (const char* name : {"MNewGame", "MChuutoRiaru", "MSaveGame", "MLoadGame"}) EXPECT_TRUE(Enabled(name)) << name;
  EXPECT_TRUE(main->BSave[0]->isEnabled());
}

TEST_F(MenusTest, SettingsMoveTheirCheckMarksAndTheMoneyText) {
  StartGame();
  Value amount(123456789);
  EXPECT_EQ(FormatKingaku(amount), "1億2345万6789");
  main->MSuiizi_Click();
  EXPECT_TRUE(Checked("MSuiizi"));
  EXPECT_FALSE(Checked("MJapanGold"));
  EXPECT_EQ(g().KingakuComma, Value(1));
  EXPECT_EQ(FormatKingaku(amount), "123,456,789");
  main->MJapanGold_Click();
  EXPECT_TRUE(Checked("MJapanGold"));
  EXPECT_EQ(FormatKingaku(amount), "1億2345万6789");

  main->MSno_Click();
  EXPECT_TRUE(Checked("MSno"));
  EXPECT_FALSE(Checked("MNyes"));
  EXPECT_EQ(g().Koukaon, Value(2));
  main->MSSlow_Click();
  EXPECT_EQ(main->Timer1->interval(), 60);
  EXPECT_TRUE(Checked("MSSlow"));
  EXPECT_FALSE(Checked("MSMedi"));
  EXPECT_TRUE(main->Timer1->isActive());

  // A new game writes money in groups of four digits again, and its menu says so.
  main->MSuiizi_Click();
  StartGame();
  EXPECT_TRUE(Checked("MJapanGold"));
  EXPECT_FALSE(Checked("MSuiizi"));
  EXPECT_EQ(FormatKingaku(amount), "1億2345万6789");
  EXPECT_TRUE(Checked("MSMedi"));
  EXPECT_TRUE(Checked("MNyes"));
}

TEST_F(MenusTest, TheToggleOpensFocusesMinimisesAndRestoresAWindow) {
  StartGame();
  shell::ToggleWindow(kList, *main);
  platform::Form* list = platform::Forms().Find(kList);
  ASSERT_NE(list, nullptr);
  QMdiSubWindow* frame = list->SubWindow();
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(main->Client->currentSubWindow(), frame);

  shell::ToggleWindow(kList, *main);  // in front and normal: tucked away
  EXPECT_TRUE(frame->isMinimized());
  shell::ToggleWindow(kList, *main);
  EXPECT_FALSE(frame->isMinimized());
  EXPECT_EQ(platform::Forms().Find(kList), list);  // never a second copy

  shell::ToggleWindow(kOtherList, *main);
  QMdiSubWindow* other = platform::Forms().Find(kOtherList)->SubWindow();
  EXPECT_EQ(main->Client->currentSubWindow(), other);
  shell::ToggleWindow(kList, *main);  // behind another: brought forward
  EXPECT_EQ(main->Client->currentSubWindow(), frame);
  EXPECT_FALSE(frame->isMinimized());

  // The window menu lists the open windows; choosing one brings it forward.
  QMenu* windows = main->Menu("MWindow")->menu();
  emit windows->aboutToShow();
  QList<QAction*> listed;
  for (QAction* action : windows->actions())
    if (action->objectName() == QLatin1String("listedWindow") && action->text().endsWith(QStringLiteral(" 一覧")))
      listed << action;
  ASSERT_EQ(listed.size(), 2);
  EXPECT_TRUE(listed[0]->text().startsWith(QStringLiteral("&")));
  listed[1]->trigger();
  EXPECT_EQ(main->Client->currentSubWindow(), other);

  // Closed by its close box, the window opens again.
  frame->close();
  ProcessEvents();
  EXPECT_FALSE(platform::Forms().IsLoaded(kList));
  EXPECT_EQ(g().FormSlot[kList].Open, Value(0));
  shell::ToggleWindow(kList, *main);
  EXPECT_TRUE(platform::Forms().IsLoaded(kList));
}

TEST_F(MenusTest, ActivityCommandsRefuseInTheProgramsBox) {
  StartGame();
  g().KoudouMode = koudou_mode::kArubaito;
  testing::ModalScript script;
  script.When(form::kMessage, [this](platform::Form& form) {
    auto& box = static_cast<Form42&>(form);
    EXPECT_EQ(box.Label1->text(), QStringLiteral("現在アルバイト中です。"));
    EXPECT_FALSE(main->Timer1->isActive());
    box.Command1[0]->click();
  });
  main->MSigotosuru_Click();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(g().KoudouMode, Value(koudou_mode::kArubaito));
  EXPECT_TRUE(main->Timer1->isActive());
}

}  // namespace
}  // namespace koratsu
