// Starts Qt and the game's main window.

#include <QApplication>
#include <QMainWindow>

#include "platform/app_setup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  platform::SetUpApplication(app);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Koratsu"));
  window.resize(576, 460);
  window.show();
  return QApplication::exec();
}
