// What the windows ask of the desktop's frame, and where the dialogs sit on a
// real desktop, which only a display with a window manager can tell.

#include <cstdio>
#include <cstdlib>
#include <string>

#include <QWidget>
#include <gtest/gtest.h>

#include "platform/form.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "shell/windows/message_boxes.h"
#include "shell/windows/new_game_window.h"
#include "shell/windows/tutorial_windows.h"
#include "state/yes_no.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using platform::Form;
using testing::ModalScript;
using testing::ProcessEvents;

// A window outside the main window asks for its caption and, where it keeps
// one, a close box: never a minimise or maximise button, which would let the
// player hide a modal box, and the program with it.
TEST(WindowFrames, NoWindowAsksForAMinimiseOrMaximiseButton) {
  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
  main.show();
  testing::ForEachOwnWindow([](int number, Form& window) {
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog) << "Form" << number;
    EXPECT_TRUE(flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint)) << "Form" << number;
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) << "Form" << number;
    EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), !window.Traits().removeCloseItem) << "Form" << number;
  });

  // Desktops that draw the buttons whatever the hints say leave them off a
  // toolbar-type window: a box on screen is one.
  ModalScript script;
  script.When(form::kYesNo, [](Form& form) {
    EXPECT_TRUE(form.testAttribute(Qt::WA_X11NetWmWindowTypeToolBar));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    static_cast<Form40&>(form).Command1[1]->click();
  });
  EXPECT_EQ(ui::AskYesNo("ゲームを終了しますか。"), yes_no::kNo);
}

// How far a window's frame centre lies from the main window's frame centre,
// in pixels, once the desktop has drawn its frame; and the window's picture
// over the main window when it is the one asked for.
void Report(const std::string& name, QWidget* window, const QWidget* main, const testing::Screenshot& shot) {
  ProcessEvents(400);
  const QRect outer = main->frameGeometry();
  const QRect own = window->frameGeometry();
  const double dx = (own.x() + own.width() / 2.0) - (outer.x() + outer.width() / 2.0);
  const double dy = (own.y() + own.height() / 2.0) - (outer.y() + outer.height() / 2.0);
  std::printf("%-8s window 0x%llx frame %d,%d %dx%d client %d,%d %dx%d  centre offset %+.1f %+.1f\n", name.c_str(),
              static_cast<unsigned long long>(window->winId()), own.x(), own.y(), own.width(), own.height(),
              window->geometry().x(), window->geometry().y(), window->width(), window->height(), dx, dy);
  std::fflush(stdout);
  if (shot.Is(name)) shot.Take(*main);
}

// Prints where the quit box, the message box, the name window, the about
// box and the tutorial windows sit, relative to the main window's frame.
// Run with QT_QPA_PLATFORM=xcb and KORATSU_FRAME_PROBE=1 under xvfb-run with a
// window manager; asked for the picture of one of them (Form40, for one),
// it takes it.
TEST(WindowFrames, ReportsWhereTheDialogsSitOnRequest) {
  const testing::Screenshot shot({form::Name(form::kMDIForm1), form::Name(form::kYesNo), form::Name(form::kMessage),
                                  form::Name(form::kAbout), form::Name(form::kTutorialStartEnd),
                                  form::Name(form::kNewGame), form::Name(form::kTutorialGuide)});
  if (!std::getenv("KORATSU_FRAME_PROBE") && !shot.Asked())
    GTEST_SKIP() << "set KORATSU_FRAME_PROBE under a window manager, or " << shot.Hint();
  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
  main.show();
  ProcessEvents(600);
  Report(form::Name(form::kMDIForm1), &main, &main, shot);

  ModalScript script;
  script
      .When(form::kYesNo,
            [&](Form& form) {
              Report(form::Name(form::kYesNo), &form, &main, shot);
              static_cast<Form40&>(form).Command1[1]->click();
            })
      .When(form::kMessage,
            [&](Form& form) {
              Report(form::Name(form::kMessage), &form, &main, shot);
              static_cast<Form42&>(form).Command1[0]->click();
            })
      .When(form::kAbout,
            [&](Form& form) {
              Report(form::Name(form::kAbout), &form, &main, shot);
              platform::Forms().Unload(form::kAbout);
            })
      .When(form::kTutorialStartEnd,
            [&](Form& form) {
              Report(form::Name(form::kTutorialStartEnd), &form, &main, shot);
              static_cast<Form38&>(form).Command1->click();
            })
      .When(form::kNewGame, [&](Form& form) {
        Report(form::Name(form::kNewGame), &form, &main, shot);
        if (Form* guide = platform::Forms().Find(form::kTutorialGuide))
          Report(form::Name(form::kTutorialGuide), guide, &main, shot);
        static_cast<Form3&>(form).Command2->click();
      });
  main.close();  // the quit question
  ui::ShowMessage("お金が足りません。");
  main.MHelpVersion_Click();
  main.MChuutoRiaru_Click();
  EXPECT_TRUE(script.Done());
}

}  // namespace
}  // namespace koratsu
