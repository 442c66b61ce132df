#include "platform/placement.h"

#include <algorithm>

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace koratsu::platform {

namespace {

QPointer<QWidget>& Main() {
  static QPointer<QWidget> main;
  return main;
}

QRect ScreenArea(const QWidget* window) {
  QScreen* screen = window->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QSize FrameExtra(const QWidget* window) {
  if (!window->isWindow()) return {};
  QSize frame = window->frameGeometry().size();
  QSize client = window->geometry().size();
  return {std::max(0, frame.width() - client.width()), std::max(0, frame.height() - client.height())};
}

QSize ClientSize(const QWidget* window) {
  // A window that was never sized takes the size its layout asks for.
  return window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
}

}  // namespace

void SetMainWindow(QWidget* window) { Main() = window; }
QWidget* MainWindow() { return Main(); }

QSize OuterSize(const QWidget* window) { return ClientSize(window) + FrameExtra(window); }

void SetOuterSize(QWidget* window, QSize outer) { window->resize(outer - FrameExtra(window)); }

void CentreOnScreen(QWidget* window) {
  QRect screen = ScreenArea(window);
  QSize own = OuterSize(window);
  window->move(screen.x() + (screen.width() - own.width()) / 2,
               screen.y() + (screen.height() - own.height()) / 2);
}

void CentreOverMainWindow(QWidget* window) {
  QWidget* main = MainWindow();
  if (!main || main == window || main->isMinimized() || !main->isVisible()) {
    CentreOnScreen(window);
    return;
  }
  QRect area = main->frameGeometry();
  QSize own = OuterSize(window);
  window->move(area.x() + (area.width() - own.width()) / 2, area.y() + (area.height() - own.height()) / 2);
}

}  // namespace koratsu::platform
