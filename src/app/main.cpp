// Starts Qt and the game's main window, on the title screen.

#include <QApplication>

#include "platform/app_setup.h"
#include "shell/windows/main_window.h"
#include "shell/windows/qt_ui.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  koratsu::platform::SetUpApplication(app);
  // Both end before the application object: the sound effects need it.
  koratsu::QtUi ui;
  koratsu::ui::Install(&ui);
  koratsu::MDIForm1 window;
  window.show();
  return QApplication::exec();
}
