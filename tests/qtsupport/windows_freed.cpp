#include "qtsupport/windows_freed.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <string>

namespace koratsu::testing {

namespace {

QSet<QWidget*> Windows() {
  // Windows closed with deleteLater go first: they are freed.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  const QWidgetList windows = QApplication::topLevelWidgets();
  return {windows.begin(), windows.end()};
}

}  // namespace

void WindowsFreed::OnTestStart(const ::testing::TestInfo&) { before_ = Windows(); }

void WindowsFreed::OnTestEnd(const ::testing::TestInfo&) {
  std::string left;
  for (QWidget* window : Windows())
    if (!before_.contains(window))
      left += std::string(" ") + window->metaObject()->className() + " \"" + window->windowTitle().toStdString() + "\"";
  if (!left.empty()) ADD_FAILURE() << "windows never freed:" << left;
}

}  // namespace koratsu::testing
