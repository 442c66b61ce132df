#include "life/windows/assistant_windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/pictures.h"
#include "qtsupport/window_testing.h"
#include "shell/world_setup.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/yes_no.h"
#include "support/fresh_state.h"
#include "support/moved_house.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::ScriptedRandom;

class AssistantWindowsTest : public ::testing::Test {
 protected:
  AssistantWindowsTest() {
    ClearGameState();
    shell::InitWorld();
    testing::FurnishMovedHouse();
    g().GameActive = 1;
  }
  ~AssistantWindowsTest() override {
    platform::Forms().UnloadAll();
    testing::ProcessEvents();
    platform::SetProgramFolder(QStringLiteral(KORATSU_BUILD_DIR));
  }
  GameState& g() { return state.g(); }

  // Opens the hiring window on an offer of rows 16, 2 and 10.
  Form52* OpenOffer() {
    draws.Expect(4, 1).Expect(19, 16).Expect(19, 2).Expect(19, 10);
    SetRandomSource(&draws);
    return platform::Forms().Load<Form52>(form::kHireAssistant);
  }
  void ExpectPage(AssistantForm* w, const char* name, const char* skill, const char* points) {
    EXPECT_EQ(w->Label2[1]->text(), QString::fromUtf8(name));
    EXPECT_EQ(w->Label2[0]->text(), QString::fromUtf8(skill));
    EXPECT_EQ(w->Label2[2]->text(), QString::fromUtf8(points));
  }

  testing::FreshState state;
  testing::ScriptedUi ui;
  ScriptedRandom draws;
};

TEST_F(AssistantWindowsTest, TheHiringWindowBrowsesItsOfferPageByPage) {
  Form52* w = OpenOffer();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->windowTitle(), QStringLiteral("ｱｼｽﾀﾝﾄを雇用する"));
  EXPECT_EQ(w->Label3[0]->text(), QStringLiteral("== ｱｼｽﾀﾝﾄを雇用する =="));
  EXPECT_EQ(w->Command1->text(), QStringLiteral("雇用する"));
  EXPECT_EQ(w->Command2->text(), QStringLiteral("やめる"));
  EXPECT_EQ(w->Label1[3]->text(), QStringLiteral("名前"));
  EXPECT_EQ(w->Label1[1]->text(), QStringLiteral("技術"));
  EXPECT_EQ(w->Label1[2]->text(), QStringLiteral("仕事ﾎﾟｲﾝﾄ"));
  for (platform::Shape* band : w->Shape1) EXPECT_EQ(band->FillColor(), 0xFF8000u);
  EXPECT_EQ(w->HScroll1->minimum(), 0);
  EXPECT_EQ(w->HScroll1->maximum(), 2);
  EXPECT_EQ(w->HScroll1->value(), 0);
  ExpectPage(w, "御影 すみれ", "すごい", "+6ﾎﾟｲﾝﾄ");
  EXPECT_EQ(w->Image1[0]->pixmap().size(), QSize(64, 80));
  const QImage portrait4 = w->Image1[0]->pixmap().toImage();

  w->HScroll1->setValue(2);
  ExpectPage(w, "大河原 猛", "空手が強い", "+2ﾎﾟｲﾝﾄ");
  w->HScroll1->setValue(1);
  ExpectPage(w, "桐生 亜紀", "ピカイチ", "+5ﾎﾟｲﾝﾄ");
  EXPECT_NE(w->Image1[0]->pixmap().toImage(), portrait4);

  // The hire of the page shown closes the window.
  w->Command1->click();
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kHireAssistant));
  EXPECT_TRUE(g().Assistant[2].Hired == 1);
  EXPECT_EQ(g().AsiDesk[0], Value(2));
  EXPECT_TRUE(g().ResumeRequest == 1);
}

TEST_F(AssistantWindowsTest, TheWheelOverTheWindowTurnsAPageALine) {
  Form52* w = OpenOffer();
  ASSERT_NE(w, nullptr);
  const int line = 120 / QApplication::wheelScrollLines();
  EXPECT_TRUE(testing::TurnWheel(w, -line));
  EXPECT_EQ(w->HScroll1->value(), 1);
  ExpectPage(w, "桐生 亜紀", "ピカイチ", "+5ﾎﾟｲﾝﾄ");
  EXPECT_TRUE(testing::TurnWheel(w, line));
  EXPECT_EQ(w->HScroll1->value(), 0);
  ExpectPage(w, "御影 すみれ", "すごい", "+6ﾎﾟｲﾝﾄ");
}

TEST_F(AssistantWindowsTest, WithFourHiredTheHireButtonRefusesAndTheWindowStays) {
  for (int k = 0; k < 4; ++k) {
    g().Assistant[k].Hired = 1;
    g().AsiDesk[k] = k;
  }
  draws.Expect(4, 0).Expect(19, 8).Expect(19, 9);
  SetRandomSource(&draws);
  Form52* w = platform::Forms().Load<Form52>(form::kHireAssistant);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->HScroll1->maximum(), 1);
  w->Command1->click();
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"雇えるｱｼｽﾀﾝﾄは4人までです。"});
  EXPECT_TRUE(platform::Forms().IsLoaded(form::kHireAssistant));
  QCloseEvent close;
  QApplication::sendEvent(w, &close);
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kHireAssistant));
}

TEST_F(AssistantWindowsTest, AMissingPortraitShowsEmpty) {
  // The pictures beside the program, without Human3.bmp.
  QTemporaryDir folder;
  QDir(folder.path()).mkpath(QStringLiteral("Graphic"));
  for (int n : {1, 2, 4}) {
    const QString name = QStringLiteral("Graphic/Human%1.bmp").arg(n);
    ASSERT_TRUE(QFile::copy(QStringLiteral(KORATSU_BUILD_DIR "/") + name, folder.filePath(name)));
  }
  platform::SetProgramFolder(folder.path());
  testing::LogCapture log;
  Form52* w = OpenOffer();
  ASSERT_NE(w, nullptr);
  EXPECT_FALSE(w->Image1[0]->pixmap().isNull());
  w->HScroll1->setValue(2);  // picture 3
  ExpectPage(w, "大河原 猛", "空手が強い", "+2ﾎﾟｲﾝﾄ");
  EXPECT_TRUE(w->Image1[0]->pixmap().isNull());
  w->HScroll1->setValue(0);
  EXPECT_FALSE(w->Image1[0]->pixmap().isNull());
}

TEST_F(AssistantWindowsTest, TheDismissalWindowListsTheHiredInRowOrder) {
  for (long long row : {16, 2, 9}) g().Assistant[row].Hired = 1;
  g().AsiDesk[0] = 16;
  g().AsiDesk[1] = 2;
  g().AsiDesk[2] = 9;
  g().SigotoPoint = 20 + 6 + 5 + 3;
  Form53* w = platform::Forms().Load<Form53>(form::kDismissAssistant);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->windowTitle(), QStringLiteral("ｱｼｽﾀﾝﾄ解雇"));
  EXPECT_EQ(w->Label3[0]->text(), QStringLiteral("== ｱｼｽﾀﾝﾄを解雇する =="));
  EXPECT_EQ(w->Command1->text(), QStringLiteral("解雇する"));
  EXPECT_EQ(w->HScroll1->maximum(), 2);
  ExpectPage(w, "桐生 亜紀", "ピカイチ", "+5ﾎﾟｲﾝﾄ");

  w->HScroll1->setValue(2);
  ExpectPage(w, "御影 すみれ", "すごい", "+6ﾎﾟｲﾝﾄ");
  ui.AnswerYesNo({yes_no::kNo, yes_no::kYes});
  w->Command1->click();
  EXPECT_TRUE(platform::Forms().IsLoaded(form::kDismissAssistant));
  w->Command1->click();
  EXPECT_EQ(ui.Questions(), (std::vector<std::string>(2, "御影 すみれ氏を本当に止めさせますか？")));
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kDismissAssistant));
  EXPECT_TRUE(g().Assistant[16].Hired == 0);
  EXPECT_EQ(g().AsiDesk[0], Value(-1));
  EXPECT_EQ(g().SigotoPoint, Value(28));
}

}  // namespace
}  // namespace koratsu
