// The help command: the game's own document in a window of its own, from its start.

#include <functional>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "platform/pictures.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/help_viewer.h"
#include "shell/windows/info_panel.h"
#include "shell/windows/main_window.h"
#include "shell/windows/toolbar.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::ProcessEvents;

class HelpViewerTest : public ::testing::Test {
 protected:
  ~HelpViewerTest() override {
    if (HelpViewer* viewer = HelpViewer::Existing()) viewer->hide();
    platform::SetProgramFolder(QStringLiteral(KORATSU_BUILD_DIR));
  }
  testing::FreshState state;
  testing::QtUiScope qt;
  std::unique_ptr<MDIForm1> main = std::make_unique<MDIForm1>();
};

TEST_F(HelpViewerTest, TheHelpCommandShowsTheDocumentFromItsStart) {
  main->show();
  main->MHelpGame_Click();
  HelpViewer* viewer = HelpViewer::Existing();
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(viewer->isVisible());
  QTextBrowser* browser = viewer->Browser();
  EXPECT_TRUE(browser->source().toLocalFile().endsWith(QStringLiteral("/Koratsu.html")));
  QString text = browser->toPlainText();
  for (const char* part : {"Koratsu ヘルプ", "目次", "保存と読み込み", "ゲームオーバー", "体力"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;

  // Read further down, then asked again: back at the start.
  viewer->resize(300, 200);
  ProcessEvents();
  browser->scrollToAnchor(QStringLiteral("menu"));
  ProcessEvents();
  ASSERT_GT(browser->verticalScrollBar()->value(), 0);
  main->MHelpGame_Click();
  EXPECT_EQ(HelpViewer::Existing(), viewer);
  EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
}

// Every entry of the menus, every toolbar button and every caption of the
// information panel appears in the help as the game writes it.
TEST_F(HelpViewerTest, TheHelpUsesTheGamesOwnWords) {
  main->MHelpGame_Click();
  ASSERT_NE(HelpViewer::Existing(), nullptr);
  const QString help = HelpViewer::Existing()->Browser()->toPlainText();

  QStringList words;
  std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
    for (QAction* action : actions) {
      // The publishers' friendship entry is never available.
      if (action->isSeparator() || action->objectName() == QStringLiteral("MSyuppanYukou")) continue;
      words << action->text().remove(QRegularExpression(QStringLiteral("\\(&.\\)"))).remove(QLatin1Char('&'));
      if (QMenu* menu = action->menu()) walk(menu->actions());
    }
  };
  walk(main->menuBar()->actions());
  auto* panel = platform::Forms().Load<Form4>(form::kInfoPanel);
  ASSERT_NE(panel, nullptr);
  for (QLabel* caption : panel->Captions) words << caption->text();
  for (const ToolButton& button : ToolButtons()) words << QString::fromUtf8(button.tooltip);

  for (const QString& word : words) EXPECT_TRUE(help.contains(word)) << word.toStdString();
  EXPECT_FALSE(help.contains(QStringLiteral("想像力")));
}

TEST_F(HelpViewerTest, EveryLinkOfTheContentsHasItsSection) {
  main->MHelpGame_Click();
  ASSERT_NE(HelpViewer::Existing(), nullptr);
  QFile file(HelpViewer::Existing()->Browser()->source().toLocalFile());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(file.readAll());
  const QRegularExpression link(QStringLiteral("href=\"#([a-z]+)\""));
  int links = 0;
  for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
    ++links;
    const QString name = match.captured(1);
    EXPECT_TRUE(html.contains(QStringLiteral("<a name=\"%1\">").arg(name))) << name.toStdString();
  }
  EXPECT_GT(links, 0);
}

TEST_F(HelpViewerTest, AMissingDocumentIsSaidInTheWindow) {
  platform::SetProgramFolder(QDir::tempPath() + QStringLiteral("/koratsu-no-help-here"));
  testing::LogCapture log;
  ui::ShowHelp();
  ASSERT_NE(HelpViewer::Existing(), nullptr);
  EXPECT_TRUE(HelpViewer::Existing()->Browser()->toPlainText().contains(QStringLiteral("ヘルプファイルが見つかりません。")));
  EXPECT_EQ(log.Count("help document missing"), 1);
}

}  // namespace
}  // namespace koratsu
