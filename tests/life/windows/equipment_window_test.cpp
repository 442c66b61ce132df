#include "life/windows/equipment_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <algorithm>

#include "qtsupport/window_testing.h"
#include "shell/world_setup.h"
#include "state/game_state.h"
#include "state/yes_no.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::UiEvent;

void Press(QWidget* target, Qt::MouseButton button) {
  const QPointF at(3, 3);
  QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), button, button, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
}

QColor TextColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

class EquipmentWindowTest : public ::testing::Test {
 protected:
  EquipmentWindowTest() {
    ClearGameState();
    shell::InitWorld();
    g().GameActive = 1;
  }
  ~EquipmentWindowTest() override {
    platform::Forms().UnloadAll();
    testing::ProcessEvents();
  }
  GameState& g() { return state.g(); }
  Form19* Open() { return platform::Forms().Load<Form19>(form::kEquipment); }

  testing::FreshState state;
  testing::ScriptedUi ui;
};

TEST_F(EquipmentWindowTest, ItOpensOnTheFirstRowWithEveryItemsTexts) {
  g().DouguSelected = 3;  // chosen the last time it was open
  Form19* w = Open();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->windowTitle(), QStringLiteral("機材購入"));
  EXPECT_EQ(w->Label3[0]->text(), QStringLiteral("== 機材を購入します  =="));
  EXPECT_EQ(w->Shape1[0]->FillColor(), 0xFF8000u);
  EXPECT_EQ(w->Command2->text(), QStringLiteral("購入する"));
  EXPECT_EQ(w->Command1->text(), QStringLiteral("やめる"));
  EXPECT_EQ(g().DouguSelected, Value(0));

  const char* names[] = {"コピー機", "ファックス", "パソコン", "スキャナー", "プリンター"};
  const char* points[] = {"+3ﾎﾟｲﾝﾄ", "+2ﾎﾟｲﾝﾄ", "+4ﾎﾟｲﾝﾄ", "+2ﾎﾟｲﾝﾄ", "+2ﾎﾟｲﾝﾄ"};
  const char* prices[] = {"20万0000円", "21万0000円", "40万0000円", "19万0000円", "25万0000円"};
  for (std::size_t i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(w->Label1[i]->text(), QStringLiteral("機材"));
    EXPECT_EQ(w->Label2[i]->text(), QString::fromUtf8(names[i]));
    EXPECT_EQ(w->Label4[i]->text(), QStringLiteral("仕事ﾎﾟｲﾝﾄ"));
    EXPECT_EQ(w->Label5[i]->text(), QString::fromUtf8(points[i]));
    EXPECT_EQ(w->Label6[i]->text(), QStringLiteral("価格"));
    EXPECT_EQ(w->Label7[i]->text(), QString::fromUtf8(prices[i]));
    EXPECT_EQ(w->Image1[i]->pixmap().size(), QSize(48, 48));
    const QColor expected = i == 0 ? QColor(Qt::white) : QColor(Qt::black);
    EXPECT_EQ(TextColour(w->Label8[i]), expected);
  }
  EXPECT_EQ(w->Label8[0]->text(), QStringLiteral("  原稿のコピーを行い仕事の効率がアップ。"));
  EXPECT_EQ(w->Label8[2]->text(), QStringLiteral("  ｺﾝﾋﾟｭｰﾀｸﾞﾗﾌｨｯｸを使う。使用方法がむずかしい。"));
  EXPECT_EQ(w->Shape2->geometry(), QRect(0, 0, 392, 64));
}

TEST_F(EquipmentWindowTest, AClickOnARowChoosesItAndTheListScrolls) {
  Form19* w = Open();
  ASSERT_NE(w, nullptr);
  Press(w->Image2[3], Qt::RightButton);
  EXPECT_EQ(g().DouguSelected, Value(3));
  EXPECT_EQ(w->Shape2->geometry(), QRect(0, 192, 392, 64));
  for (std::size_t i = 0; i < 5; ++i) {
    for (QLabel* label : {w->Label1[i], w->Label2[i], w->Label4[i], w->Label5[i], w->Label6[i], w->Label7[i], w->Label8[i]})
      EXPECT_EQ(TextColour(label), i == 3 ? QColor(Qt::white) : QColor(Qt::black)) << i;
  }
  Press(w->Image1[1], Qt::LeftButton);
  EXPECT_EQ(g().DouguSelected, Value(1));

  // Scrolled to its end, the list shows its last row at the bottom of its frame.
  EXPECT_EQ(w->VScroll1->minimum(), 0);
  EXPECT_GT(w->VScroll1->maximum(), 0);
  w->VScroll1->setValue(w->VScroll1->maximum());
  EXPECT_EQ(w->Picture1->y() + w->Picture1->height(), w->Picture2->height());
  w->VScroll1->setValue(0);
  EXPECT_EQ(w->Picture1->y(), 0);
}

TEST_F(EquipmentWindowTest, TheWheelMovesTheListAsFarAsTheArrowsDoForEachLine) {
  Form19* w = Open();
  ASSERT_NE(w, nullptr);
  // The bar counts in twips; an arrow moves the list a quarter of a 64-pixel row.
  const int end = w->Picture2->height() - w->Picture1->height();
  const int notch = -16 * QApplication::wheelScrollLines();
  EXPECT_TRUE(testing::TurnWheel(w->Picture2, -120));
  EXPECT_EQ(w->Picture1->y(), std::max(notch, end));
  for (int n = 0; n < 40; ++n) testing::TurnWheel(w->Picture2, -120);
  EXPECT_EQ(w->Picture1->y(), end);
  for (int n = 0; n < 40; ++n) testing::TurnWheel(w->Picture2, 120);
  EXPECT_EQ(w->Picture1->y(), 0);
}

TEST_F(EquipmentWindowTest, BuyingClosesTheWindowARefusalKeepsItOpen) {
  g().Kingaku = 250000;
  Form19* w = Open();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(ui.Events().back().kind, UiEvent::Clock);
  EXPECT_EQ(ui.Events().back().number, 0);

  Press(w->Image2[2], Qt::LeftButton);  // the computer: too dear
  w->Command2->click();
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"お金が足りません。"});
  EXPECT_TRUE(platform::Forms().IsLoaded(form::kEquipment));

  Press(w->Image2[4], Qt::LeftButton);  // the printer: no computer yet
  w->Command2->click();
  EXPECT_EQ(ui.Messages().back(), "プリンターを使用するにはパソコンが必要です。");

  ui.AnswerYesNo({yes_no::kYes});
  g().ResumeRequest = 0;
  Press(w->Image2[1], Qt::LeftButton);
  w->Command2->click();
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kEquipment));
  EXPECT_TRUE(g().Equipment[1].Owned == 1);
  EXPECT_EQ(g().Kingaku, Value(40000));
  EXPECT_TRUE(g().ResumeRequest == 1);
  EXPECT_EQ(ui.Events().back().kind, UiEvent::Clock);
  EXPECT_EQ(ui.Events().back().number, 1);
}

TEST_F(EquipmentWindowTest, TheCloseBoxClosesItAsTheCloseButtonDoes) {
  Form19* w = Open();
  ASSERT_NE(w, nullptr);
  QCloseEvent close;
  QApplication::sendEvent(w, &close);
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kEquipment));
  EXPECT_TRUE(g().ResumeRequest == 1);

  w = Open();
  ASSERT_NE(w, nullptr);
  w->Command1->click();
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kEquipment));
}

}  // namespace
}  // namespace koratsu
