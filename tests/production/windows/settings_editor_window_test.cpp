#include "production/windows/settings_editor_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "platform/pictures.h"
#include "production/new_manga.h"
#include "production/windows/new_manga_choice_window.h"
#include "production/windows/schedule_window.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "shell/windows/message_boxes.h"
#include "state/catalogues.h"
#include "state/tutorial_stage.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;

void Mouse(QWidget* target, QEvent::Type type) {
  const QPoint at(3, 3);
  const Qt::MouseButton button = Qt::LeftButton;
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}
void Press(QWidget* target) { Mouse(target, QEvent::MouseButtonPress); }
void Release(QWidget* target) { Mouse(target, QEvent::MouseButtonRelease); }
void DoubleClick(QWidget* target) {
  Press(target);
  Release(target);
  Mouse(target, QEvent::MouseButtonDblClick);
  Release(target);
}

class SettingsEditorWindowTest : public ::testing::Test {
 protected:
  SettingsEditorWindowTest() : previous_(ui::Installed()) {
    ui::Install(&qt);
    g().GameActive = 1;
    g().TiPointMax = 15;
    g().SigotoPoint = 20;
    for (const char* audience : {"少年層", "少女層", "青年層", "一般層"}) AddAudience(audience, 20);
    for (const char* genre : {"ギャグ", "恋愛", "冒険"}) AddGenre(genre, 20);
    for (const auto& [name, points] : std::initializer_list<std::pair<const char*, int>>{
             {"企業戦士", 0}, {"警察官", 7}, {"漫画家", 12}, {"スパイ", 5}})
      AddTiItem(static_cast<int>(g().TiItemCount.Index()) + 1, name, points, 1.5);
  }
  ~SettingsEditorWindowTest() override {
    platform::Forms().UnloadAll();
    testing::ProcessEvents();
    ui::Install(previous_);
  }
  GameState& g() { return state.g(); }

  // The editor, opened modeless, its timer stopped: the test ticks it.
  Form5* Open(int mode = 0) {
    g().FormSlot[form::kSettingsEditor].Mode = mode;
    ui::Show(form::kSettingsEditor, ui::Modeless);
    Form5* editor = platform::Forms().Find<Form5>(form::kSettingsEditor);
    if (editor) editor->Timer1->stop();
    return editor;
  }
  static void Hold(QWidget* button, Form5* editor, int ticks) {
    Press(button);
    for (int t = 0; t < ticks; ++t) editor->Timer1_Timer();
    Release(button);
  }

  testing::FreshState state;
  testing::SoundRecordingUi qt;

 private:
  ui::Ui* previous_;
};

TEST_F(SettingsEditorWindowTest, TheModeGivesTheCaptionTitleAndStartButton) {
  struct Case {
    int mode;
    const char* caption;
    const char* title;
    const char* start;
  } cases[] = {
      {0, "新しい漫画の設定", "新しい漫画の設定を決めてください", "作成開始"},
      {1, "読切の漫画の設定", "== 読切の漫画の設定を決めてください ==", "作成開始"},
      {2, "連載漫画の設定", "== 連載漫画の設定を決めてください ==", "決定"},
      {3, "オリジナルストーリーの漫画", "", "作成開始"},
  };
  for (const Case& c : cases) {
    Form5* editor = Open(c.mode);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle().toStdString(), c.caption);
    EXPECT_EQ(editor->Label3[0]->text().toStdString(), c.title);
    EXPECT_EQ(editor->Command1->text().toStdString(), c.start);
    platform::Forms().Unload(form::kSettingsEditor);
  }
}

TEST_F(SettingsEditorWindowTest, OpeningShowsTheListsEmptySettingsAndTheCandidates) {
  g().TutorialStage = tutorial_stage::kSettingsEditor;
  Form5* editor = Open();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(g().TutorialStage, tutorial_stage::kSettingsStart);
  EXPECT_FALSE(editor->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(editor->Combo1[1]->count(), 4);
  EXPECT_EQ(editor->Combo1[1]->currentText(), QStringLiteral("少年層"));
  EXPECT_EQ(editor->Combo1[2]->count(), 3);
  EXPECT_EQ(editor->Combo1[2]->currentIndex(), 0);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(editor->Label1[k]->text(), QStringLiteral("なし"));
    EXPECT_EQ(editor->Label8[k]->text(), QStringLiteral("0"));
    EXPECT_EQ(editor->Shape11[k]->width(), 0);
    EXPECT_EQ(editor->Shape2[k]->isVisibleTo(editor), k == 0) << "setting 0 is framed";
  }
  ASSERT_EQ(editor->Label10.size(), 3u);
  EXPECT_EQ(editor->Label10[1]->text(), QStringLiteral("漫画家"));
  EXPECT_EQ(editor->Label2[1]->text(), QStringLiteral("12/15"));
  EXPECT_EQ(editor->Shape[1]->width(), 176 * 12 / 15);
  EXPECT_EQ(editor->Label10[1]->y(), 17);
  EXPECT_EQ(editor->Shape1[7]->y(), 0) << "row 0 highlighted";
  EXPECT_EQ(editor->VScroll1->maximum(), 0) << "three rows fit";

  // Typing in a list beeps and changes nothing.
  for (int key : {Qt::Key_Down, Qt::Key_End, Qt::Key_A}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(editor->Combo1[1], &press);
  }
  EXPECT_EQ(editor->Combo1[1]->currentIndex(), 0);

  // A press on a name highlights its row in white on the dark bar.
  Press(editor->Label10[2]);
  EXPECT_EQ(editor->Shape1[7]->y(), 30);
  EXPECT_TRUE(editor->Label10[2]->styleSheet().contains(QStringLiteral("white")));
  EXPECT_FALSE(editor->Label10[0]->styleSheet().contains(QStringLiteral("white")));
}

TEST_F(SettingsEditorWindowTest, HoldingAnArrowMovesAPointATickWithTheRiseSound) {
  Form5* editor = Open();
  ASSERT_NE(editor, nullptr);
  DoubleClick(editor->Label10[0]);  // 警察官, 7 points, into setting 0
  EXPECT_EQ(editor->Label1[0]->text(), QStringLiteral("警察官"));

  QPixmap up = editor->Image4[0]->pixmap();
  Press(editor->Image4[0]);
  EXPECT_EQ(editor->Image4[0]->pixmap().toImage(),
            platform::FormPicture(form::kSettingsEditor, QStringLiteral("ImageS(3)")).toImage());
  for (int t = 0; t < 10; ++t) editor->Timer1_Timer();
  Release(editor->Image4[0]);
  EXPECT_EQ(editor->Image4[0]->pixmap().toImage(), up.toImage());
  EXPECT_EQ(editor->Label8[0]->text(), QStringLiteral("7")) << "stops after 7 ticks";
  EXPECT_EQ(editor->Label2[0]->text(), QStringLiteral("0/15"));
  EXPECT_EQ(editor->Shape[0]->width(), 0);
  EXPECT_EQ(editor->Shape11[0]->width(), 144 * 7 / 15);
  EXPECT_EQ(qt.Count(1), 7);

  // ▼ gives them back, one per tick.
  Press(editor->Image3[0]);
  editor->Timer1_Timer();
  EXPECT_EQ(editor->Label8[0]->text(), QStringLiteral("6"));
  EXPECT_EQ(editor->Label2[0]->text(), QStringLiteral("1/15"));
  editor->Timer1_Timer();
  EXPECT_EQ(editor->Label8[0]->text(), QStringLiteral("5"));
  Release(editor->Image3[0]);

  // A click shorter than a tick moves nothing.
  Press(editor->Image4[0]);
  Release(editor->Image4[0]);
  editor->Timer1_Timer();
  EXPECT_EQ(editor->Label8[0]->text(), QStringLiteral("5"));
  EXPECT_EQ(qt.Count(1), 9);

  // An arrow selects its row; a row without item holds nothing.
  Hold(editor->Image4[2], editor, 3);
  EXPECT_TRUE(editor->Shape2[2]->isVisibleTo(editor));
  EXPECT_FALSE(editor->Shape2[0]->isVisibleTo(editor));
  EXPECT_EQ(editor->Label8[2]->text(), QStringLiteral("0"));
  EXPECT_EQ(qt.Count(1), 9);

  // A window closed while an arrow is held (by the Enter key) lets it go.
  Press(editor->Image4[0]);
  EXPECT_EQ(g().PointRepeat, 1);
  platform::Forms().Unload(form::kSettingsEditor);
  EXPECT_EQ(g().PointRepeat, 0);
}

TEST_F(SettingsEditorWindowTest, AnItemHeldByAnotherSettingLeavesTheSelectedOneEmpty) {
  Form5* editor = Open();
  ASSERT_NE(editor, nullptr);
  Press(editor->Image1[1]);
  DoubleClick(editor->Label10[1]);  // 漫画家 into setting 1
  Hold(editor->Image4[1], editor, 4);
  Press(editor->Image1[0]);
  DoubleClick(editor->Label10[0]);  // 警察官 into setting 0
  Hold(editor->Image4[0], editor, 3);
  EXPECT_EQ(editor->Label2[0]->text(), QStringLiteral("4/15"));

  DoubleClick(editor->Label10[1]);
  EXPECT_EQ(editor->Label1[0]->text(), QStringLiteral("なし"));
  EXPECT_EQ(editor->Label8[0]->text(), QStringLiteral("0"));
  EXPECT_EQ(editor->Label2[0]->text(), QStringLiteral("7/15")) << "its points came back";
  EXPECT_EQ(editor->Label1[1]->text(), QStringLiteral("漫画家"));

  // なし empties the selected setting.
  Press(editor->Image1[1]);
  editor->Command3->click();
  EXPECT_EQ(editor->Label1[1]->text(), QStringLiteral("なし"));
  EXPECT_EQ(editor->Label2[1]->text(), QStringLiteral("12/15"));
}

TEST_F(SettingsEditorWindowTest, ALongListScrollsRowByRow) {
  for (int i = 0; i < 7; ++i) AddTiItem(100 + i, "ﾃｽﾄ", 3, 1);
  Form5* editor = Open();
  ASSERT_NE(editor, nullptr);
  ASSERT_EQ(editor->Label10.size(), 10u);
  // The inner list is 152 pixels high in a frame of 92.
  EXPECT_EQ(editor->Picture4->height(), 152);
  EXPECT_EQ(editor->VScroll1->maximum(), 152 - 92 + 4);
  EXPECT_EQ(editor->VScroll1->pageStep(), 76);
  EXPECT_EQ(editor->VScroll1->singleStep(), 15);
  editor->VScroll1->setValue(editor->VScroll1->maximum());
  EXPECT_EQ(editor->Picture4->y(), -64);
  // The last row ends at the bottom of the frame's inside.
  EXPECT_EQ(editor->Picture4->y() + editor->Label10[9]->geometry().bottom() + 1,
            editor->Picture4->parentWidget()->height());

  // Without knowledge points the list is hidden.
  platform::Forms().Unload(form::kSettingsEditor);
  for (long long i = 0; i < g().TiItemCount.Index(); ++i) g().KnowledgeItem[i].Point = 0;
  editor = Open();
  EXPECT_TRUE(editor->Label10.empty());
  EXPECT_FALSE(editor->Picture4->isVisibleTo(editor));
}

TEST_F(SettingsEditorWindowTest, TheCommandPlansAndStartsAWorkOrLeavesWithNothingSpent) {
  MDIForm1 main;
  main.show();
  ModalScript script;
  script
      .When(form::kNewMangaChoice, [](Form& form) { static_cast<Form46&>(form).Command1[0]->click(); })
      .When(form::kSettingsEditor,
            [this](Form& form) {
              auto& editor = static_cast<Form5&>(form);
              editor.Timer1->stop();
              EXPECT_EQ(editor.focusWidget(), editor.Command1) << "no list opens by itself";
              DoubleClick(editor.Label10[1]);
              Hold(editor.Image4[0], &editor, 5);
              editor.Command2->click();  // やめる: back to the choice
              EXPECT_EQ(g().KnowledgeItem[2].Point, 12);
            })
      .When(form::kNewMangaChoice, [](Form& form) { static_cast<Form46&>(form).Command1[0]->click(); })
      .When(form::kSettingsEditor,
            [](Form& form) {
              auto& editor = static_cast<Form5&>(form);
              editor.Timer1->stop();
              editor.Command1->click();  // no settings: refused, the editor stays
            })
      .When(form::kMessage,
            [](Form& form) {
              EXPECT_EQ(static_cast<Form42&>(form).Label1->text(), QStringLiteral("漫画の設定がありません。"));
              static_cast<Form42&>(form).Command1[0]->click();
            })
      .When(form::kSettingsEditor, [this](Form& form) {
        auto& editor = static_cast<Form5&>(form);
        editor.Combo1[1]->setCurrentIndex(2);
        editor.Combo1[2]->setCurrentIndex(1);
        DoubleClick(editor.Label10[1]);
        Hold(editor.Image4[0], &editor, 5);
        Press(editor.Image1[2]);
        DoubleClick(editor.Label10[2]);
        Hold(editor.Image4[2], &editor, 2);
        editor.Command1->click();
      })
      .When(form::kSchedule, [](Form& form) { form.Unload(); });  // the new work's schedule follows
  StartNewManga();
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kSettingsEditor));
  EXPECT_FALSE(platform::Forms().IsLoaded(form::kNewMangaChoice));
  EXPECT_EQ(g().SlotKanseido[0], 0.1);
  EXPECT_EQ(g().ProductionSlot[0].Class[0], 2);
  EXPECT_EQ(g().ProductionSlot[0].Class[1], 1);
  EXPECT_EQ(g().ProductionSlot[0].SettingItem[0], 2);
  EXPECT_EQ(g().ProductionSlot[0].SettingItem[1], 3) << "the gap closed";
  EXPECT_EQ(g().ProductionSlot[0].SettingPoints[1], 2);
  EXPECT_EQ(g().KnowledgeItem[2].Point, 7);
  EXPECT_EQ(g().KnowledgeItem[3].Point, 3);
  EXPECT_EQ(g().FormSlot[form::kSettingsEditor].Mode, 0);
  main.Timer1->stop();
}

TEST_F(SettingsEditorWindowTest, TheScheduleAfterTheStartMovesNothingOfTheClosedEditor) {
  MDIForm1 main;
  main.show();
  int rises = 0;
  ModalScript script;
  script
      .When(form::kSettingsEditor,
            [&](Form& form) {
              auto& editor = static_cast<Form5&>(form);
              ASSERT_TRUE(editor.Timer1->isActive());
              DoubleClick(editor.Label10[1]);  // 警察官, 7 points
              Hold(editor.Image4[0], &editor, 5);
              rises = qt.Count(1);
              editor.Command1->click();  // the schedule opens from inside this handler
            })
      .When(form::kSchedule, [&](Form& form) {
        auto& schedule = static_cast<Form15&>(form);
        schedule.Timer1->stop();
        const Value points = g().NewMangaSetting[0].Points;
        const Value work = g().KnowledgeItem[2].PointWork;
        // ▼ held over several of the editor's ticks, the editor not yet deleted.
        Press(schedule.Image1[0]);
        QElapsedTimer held;
        held.start();
        while (held.elapsed() < 4 * Form5::kTimerInterval) QApplication::processEvents(QEventLoop::AllEvents, 5);
        Release(schedule.Image1[0]);
        EXPECT_EQ(g().NewMangaSetting[0].Points, points);
        EXPECT_EQ(g().KnowledgeItem[2].PointWork, work);
        EXPECT_EQ(qt.Count(1), rises) << "no rise sound from the closed editor";
        form.Unload();
      });
  ui::Show(form::kSettingsEditor, ui::Modal);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(g().ProductionSlot[0].SettingPoints[0], 5);
  main.Timer1->stop();
}

// Not a test: the editor over a game's main window, with three settings and
// the candidate list scrolled, for the documentation (settings-editor).
TEST(SettingsEditorScreen, TakesAPictureOnRequest) {
  const testing::Screenshot shot({"settings-editor"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::SceneGame scene("漫画家");
  MDIForm1& main = scene.main;
  testing::FreshState& state = scene.state;
  GameState& g = state.g();
  // Knowledge gathered over a few part-time jobs.
  const int gathered[][2] = {{0, 9}, {2, 6}, {5, 12}, {7, 15}, {9, 8}, {13, 4}, {18, 11}, {24, 7}, {31, 5}, {40, 10}};
  for (const auto& [item, points] : gathered) g.KnowledgeItem[item].Point = points;
  ui::Show(form::kSettingsEditor, ui::Modeless);
  Form5* editor = platform::Forms().Find<Form5>(form::kSettingsEditor);
  ASSERT_NE(editor, nullptr);
  editor->Timer1->stop();
  const int picks[3][2] = {{2, 9}, {3, 6}, {6, 4}};  // candidate row, points
  for (int k = 0; k < 3; ++k) {
    Press(editor->Image1[k]);
    DoubleClick(editor->Label10[picks[k][0]]);
    Press(editor->Image4[k]);
    for (int t = 0; t < picks[k][1]; ++t) editor->Timer1_Timer();
    Release(editor->Image4[k]);
  }
  editor->Combo1[1]->setCurrentIndex(2);
  editor->Combo1[2]->setCurrentIndex(1);
  editor->VScroll1->setValue(30);
  Press(editor->Label10[6]);
  Press(editor->Image1[1]);
  editor->Command1->setFocus();
  shot.Take(main);
}

}  // namespace
}  // namespace koratsu
