#include "qtsupport/screenshot.h"

#include <cstdlib>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <gtest/gtest.h>

#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "state/game_state.h"
#include "ui/ui.h"

namespace koratsu::testing {

namespace {

// Long enough for a window manager to map, frame and place a window, and for
// the main window's resize once its frame is known.
constexpr int kSettleMilliseconds = 800;

std::string Path(const std::string& name) {
  const char* folder = std::getenv("KORATSU_SCREENSHOT_DIR");
  const QDir dir(folder && *folder ? QString::fromLocal8Bit(folder) : QDir::currentPath());
  return dir.filePath(QString::fromStdString(name + ".png")).toStdString();
}

}  // namespace

Screenshot::Screenshot(std::initializer_list<std::string> names) {
  const char* asked = std::getenv("KORATSU_SCREENSHOT");
  hint_ = "set KORATSU_SCREENSHOT to";
  for (const std::string& name : names) {
    hint_ += " " + name;
    if (asked && name == asked) asked_ = name;
  }
  hint_ += " (and KORATSU_SCREENSHOT_DIR to a folder) for this scene's picture";
  if (!Asked()) return;
  SetComputerClock(&clock_);
  Settle();
}

Screenshot::~Screenshot() {
  if (Asked()) SetComputerClock(nullptr);
}

void Screenshot::Settle() { ProcessEvents(kSettleMilliseconds); }

void Screenshot::Take(const QWidget& window) const {
  if (!Asked()) return;
  Settle();
  QRect area = window.frameGeometry();
  for (const QWidget* other : QApplication::topLevelWidgets())
    if (other->isVisible()) area |= other->frameGeometry();
  QScreen* screen = window.screen();
  area &= screen->geometry();
  Save(screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage());
}

void Screenshot::Save(const QImage& picture) const {
  if (!Asked()) return;
  const std::string path = Path(asked_);
  EXPECT_TRUE(picture.save(QString::fromStdString(path))) << path;
}

void Screenshot::TakeOverModal(int form, const QWidget& window, const std::function<void(platform::Form&)>& prepare,
                               const std::function<void()>& open) const {
  ModalScript script;
  script.When(form, [&](platform::Form& shown) {
    if (prepare) prepare(shown);
    Take(window);
    ui::Unload(form);
  });
  if (open) {
    open();
  } else {
    ui::Show(form, ui::Modal);
  }
}

void StartSceneGame(MDIForm1& main, const std::string& name) {
  ClearGameState();
  main.GameOn();
  State().PlayerSei = name;
  State().CaptionRefresh = 1;
  main.Timer1_Timer();
  main.Timer1->stop();
}

SceneGame::SceneGame(const std::string& name) {
  main.show();
  Screenshot::Settle();
  StartSceneGame(main, name);
}

}  // namespace koratsu::testing
