#include "platform/placement.h"

#include <algorithm>

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <QTimer>
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

// What the desktop's frame adds to a window's size, as far as it has told.
QSize KnownFrameExtra(const QWidget* window) {
  QSize frame = window->frameGeometry().size();
  QSize client = window->geometry().size();
  return {std::max(0, frame.width() - client.width()), std::max(0, frame.height() - client.height())};
}

bool FrameKnown(const QWidget* window) { return KnownFrameExtra(window) != QSize(0, 0); }

// A window not yet on screen has no frame to measure: it will get the one the
// desktop gave the main window, which is framed the same way.
QSize FrameExtra(const QWidget* window) {
  if (!window->isWindow()) return {};
  if (FrameKnown(window) || window->isVisible()) return KnownFrameExtra(window);
  const QWidget* main = Main();
  if (main && main != window && main->isVisible()) return KnownFrameExtra(main);
  return {};
}

QSize ClientSize(const QWidget* window) {
  // A window that was never sized takes the size its layout asks for.
  return window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
}

// Where a window's frame goes to stand centred in `area`.
QPoint CentredIn(const QRect& area, const QWidget* window) {
  const QSize own = OuterSize(window);
  return {area.x() + (area.width() - own.width()) / 2, area.y() + (area.height() - own.height()) / 2};
}

QPoint CentredOverMainWindow(const QWidget* window) {
  const QWidget* main = Main();
  if (!main || main == window || main->isMinimized() || !main->isVisible()) {
    return CentredIn(ScreenArea(window), window);
  }
  return CentredIn(main->frameGeometry(), window);
}

}  // namespace

void SetMainWindow(QWidget* window) { Main() = window; }
QWidget* MainWindow() { return Main(); }

QSize OuterSize(const QWidget* window) { return ClientSize(window) + FrameExtra(window); }

void SetOuterSize(QWidget* window, QSize outer) { window->resize(outer - FrameExtra(window)); }

void CentreOnScreen(QWidget* window) { window->move(CentredIn(ScreenArea(window), window)); }

void CentreOverMainWindow(QWidget* window) { window->move(CentredOverMainWindow(window)); }

void CentreAgainOnceFramed(QWidget* window) {
  // The desktop tells the frame shortly after the window appears; a window
  // it gives no frame is left where it is.
  constexpr int kInterval = 20;
  constexpr int kTries = 50;
  auto* poll = new QTimer(window);
  poll->setInterval(kInterval);
  QObject::connect(poll, &QTimer::timeout, window, [window, poll, tries = 0]() mutable {
    if (!FrameKnown(window) && ++tries < kTries) return;
    poll->stop();
    poll->deleteLater();
    if (!FrameKnown(window) || !window->isVisible()) return;
    const QPoint target = CentredOverMainWindow(window);
    if (window->frameGeometry().topLeft() != target) window->move(target);
  });
  poll->start();
}

void PlaceInsideArea(QMdiSubWindow* frame, int height) {
  QMdiArea* area = frame ? frame->mdiArea() : nullptr;
  if (!area) return;
  const QSize inside = area->viewport()->size();
  frame->resize(frame->width(), std::max(std::min(height, inside.height()), frame->minimumHeight()));
  const int x = std::max(0, std::min(frame->x(), inside.width() - frame->width()));
  const int y = std::max(0, std::min(frame->y(), inside.height() - frame->height()));
  frame->move(x, y);
}

}  // namespace koratsu::platform
