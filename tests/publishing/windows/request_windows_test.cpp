// The request reply (Form16) in its three modes and the serial title window
// (Form23), offscreen.

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <string>

#include "platform/colors.h"
#include "production/work_record.h"
#include "publishing/windows/request_window.h"
#include "publishing/windows/serial_title_window.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/message_boxes.h"
#include "state/catalogues.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;

// Neither Esc nor the desktop's close closes `form`.
void ExpectOnlyButtonsClose(Form& form) {
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&form, &escape);
  testing::PressCloseBox(&form);
  EXPECT_TRUE(platform::Forms().IsLoaded(form.Number()));
}

class RequestWindowsTest : public ::testing::Test {
 protected:
  RequestWindowsTest() { g().GameActive = 1; }
  ~RequestWindowsTest() override { platform::Forms().UnloadAll(); }
  GameState& g() { return state.g(); }

  testing::FreshState state;
  testing::QtUiScope qt;
};

TEST_F(RequestWindowsTest, TheReplyWindowAsksByItsMode) {
  const struct {
    int mode;
    const char *caption, *asked, *accept, *decline;
  } cases[] = {
      {0, "依頼の返事", "読切漫画の依頼です", "引き受ける", "引き受けない"},
      {1, "依頼の返事", "連載漫画の依頼です", "引き受ける", "引き受けない"},
      {2, "連載漫画終了", "連載を本当に終了させますか？", "終了させる", "やめる"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    g().FormSlot[form::kRequestReply].Mode = c.mode;
    auto* window = platform::Forms().Load<Form16>(form::kRequestReply);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(window->Label1->text(), QString::fromUtf8(c.asked));
    EXPECT_EQ(window->Label3->text(), QStringLiteral("== どうしますか？ =="));
    EXPECT_EQ(window->Command1->text(), QString::fromUtf8(c.accept));
    EXPECT_EQ(window->Command2->text(), QString::fromUtf8(c.decline));
    EXPECT_EQ(window->Shape1[0]->FillColor(), platform::kHeadingBarFill);
    EXPECT_LE(window->Label1->fontMetrics().horizontalAdvance(window->Label1->text()), window->Label1->width());
    platform::Forms().Unload(form::kRequestReply);
  }
}

TEST_F(RequestWindowsTest, EndingASerialIsAnsweredByTheButtons) {
  g().FormSlot[form::kRequestReply].Mode = 2;
  for (int button : {1, 2}) {
    ModalScript script;
    script.When(form::kRequestReply, [button](Form& form) {
      ExpectOnlyButtonsClose(form);
      auto& reply = static_cast<Form16&>(form);
      (button == 1 ? reply.Command1 : reply.Command2)->click();
    });
    ui::Show(form::kRequestReply, ui::Modal);
    EXPECT_TRUE(script.Done());
    EXPECT_FALSE(platform::Forms().IsLoaded(form::kRequestReply));
    EXPECT_EQ(g().EndSerialAnswer, button == 1 ? 1 : 0);
  }
}

class SerialTitleWindowTest : public RequestWindowsTest {
 protected:
  SerialTitleWindowTest() {
    AddClassLists();
    const char* items[] = {"学園", "野球"};
    for (int i = 0; i < 2; ++i) g().KnowledgeItem[i].Name = items[i];
    g().TiItemCount = 2;
    rec::ProductionSlot& slot = g().ProductionSlot[2];
    slot.Class[0] = 3;
    slot.Class[1] = 1;
    const int settingItems[] = {1, -1, 0};
    const int points[] = {33, 99, 150};
    for (int k = 0; k < 3; ++k) {
      slot.SettingItem[k] = settingItems[k];
      slot.SettingPoints[k] = points[k];
    }
    g().SerialSlot = 2;
    g().SlotLabel[2] = "連載漫画";
  }
};

TEST_F(SerialTitleWindowTest, ItShowsTheEpisodesMakeUpAndTakesElevenCharacters) {
  auto* window = platform::Forms().Load<Form23>(form::kSerialTitle);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("連載漫画の題名"));
  const std::pair<size_t, const char*> captions[] = {{0, "== 連載の漫画の題名です  =="}, {1, "設定 1"}, {2, "ジャンル"},
                                                     {4, "漫画の題名"}, {5, "対象年齢層"}, {6, "設定 2"}, {7, "設定 3"}};
  for (auto [i, caption] : captions) EXPECT_EQ(window->Label3[i]->text(), QString::fromUtf8(caption)) << i;
  EXPECT_EQ(window->Label1[1]->text().toStdString(), g().ClassList[1].Text[3].Str());
  EXPECT_EQ(window->Label1[2]->text().toStdString(), g().ClassList[2].Text[1].Str());
  EXPECT_EQ(window->Label1[0]->text(), QStringLiteral("野球"));
  EXPECT_EQ(window->Label1[4]->text(), QStringLiteral("なし"));
  EXPECT_EQ(window->Label1[5]->text(), QStringLiteral("学園"));
  const struct {
    const char* points;
    int width;  // pixels: the frame is 80 wide, its box 100
  } bars[] = {{"33", 27}, {"99", 80}, {"150", 100}};
  for (size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(window->Label8[k]->text(), QString::fromUtf8(bars[k].points)) << k;
    EXPECT_EQ(window->Shape12[k]->width(), 80);
    EXPECT_EQ(window->Shape11[k]->width(), bars[k].width) << k;
  }
  for (platform::Shape* shape : window->Shape1) EXPECT_EQ(shape->FillColor(), platform::kHeadingBarFill);
  for (QLabel* label : window->Label8) {
    EXPECT_LE(label->fontMetrics().horizontalAdvance(QStringLiteral("150")), label->contentsRect().width());
    EXPECT_EQ(label->height(), window->Label1[0]->height()) << "a box one row high";
  }

  window->Text1->insert(QStringLiteral("あいうえおかきくけこさしす"));  // a paste
  EXPECT_EQ(window->Text1->text(), QStringLiteral("あいうえおかきくけこさ"));
}

TEST_F(SerialTitleWindowTest, OnlyAConfirmedTitleClosesIt) {
  const long long w = AppendMangaWork();
  g().MangaWork[w].Title = "空の旅";
  std::vector<QString> messages;
  auto answer = [&](Form& form) {
    auto& box = static_cast<Form42&>(form);
    messages.push_back(box.Label1->text());
    box.Command1[0]->click();
  };
  ModalScript script;
  script
      .When(form::kSerialTitle,
            [](Form& form) {
              ExpectOnlyButtonsClose(form);
              auto& title = static_cast<Form23&>(form);
              title.Command1->click();
              title.Text1->setText(QStringLiteral("空の旅"));
              title.Command1->click();
              title.Text1->setText(QStringLiteral("星の旅"));
              title.Command1->click();
            })
      .When(form::kMessage, answer)
      .When(form::kMessage, answer)
      .When(form::kYesNo, [](Form& form) {
        auto& box = static_cast<Form40&>(form);
        EXPECT_EQ(box.Label1->text(), QStringLiteral("星の旅でいいですか。"));
        box.Command1[0]->click();
      });
  ui::Show(form::kSerialTitle, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kSerialTitle));
  EXPECT_EQ(messages, (std::vector<QString>{QStringLiteral("漫画の題名を決めてください。"),
                                            QStringLiteral("すでにその名前の漫画を描いていますので他の名前にしてください")}));
  EXPECT_EQ(g().SlotLabel[2], "星の旅");
  EXPECT_EQ(g().SerialTalkState, 6);
}

}  // namespace
}  // namespace koratsu

namespace koratsu {
namespace {

// Not a test: the serial title window for a first episode planned from three
// knowledge items, its title being typed, for the documentation (serial-title).
TEST(SerialTitleScreen, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"serial-title"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::SceneGame scene("漫画家");
  GameState& g = scene.state.g();
  rec::ProductionSlot& slot = g.ProductionSlot[0];
  g.SlotKanseido[0] = 0.1;
  slot.Class[0] = 1;
  slot.Class[1] = 1;
  const int items[] = {4, 12, -1};
  const int points[] = {64, 118, 12};
  for (int k = 0; k < 3; ++k) {
    slot.SettingItem[k] = items[k];
    slot.SettingPoints[k] = points[k];
  }
  g.SerialSlot = 0;
  g.SlotLabel[0] = "連載漫画";
  shot.TakeOverModal(form::kSerialTitle, scene.main, [](Form& form) {
    static_cast<Form23&>(form).Text1->setText(QStringLiteral("星空ステーション"));
  });
}

}  // namespace
}  // namespace koratsu
