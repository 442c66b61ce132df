#include "shell/windows/help_viewer.h"

#include <QFileInfo>
#include <QPointer>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/pictures.h"
#include "platform/placement.h"
#include "platform/qt_strings.h"
#include "state/game_state.h"
#include "state/log.h"

namespace koratsu {

namespace {

QPointer<HelpViewer>& TheViewer() {
  static QPointer<HelpViewer> viewer;
  return viewer;
}

}  // namespace

HelpViewer::HelpViewer(QWidget* owner) : QWidget(owner, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  resize(560, 480);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  browser_ = new QTextBrowser(this);
  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(false);
  layout->addWidget(browser_);
}

void HelpViewer::OpenAtStart() {
  QString title = platform::Q(State().AppTitle.Str());
  setWindowTitle(title.isEmpty() ? QStringLiteral("ヘルプ") : title + QStringLiteral(" ヘルプ"));
  QString path = platform::ProgramFile(QString::fromLatin1(kDocument));
  if (QFileInfo::exists(path)) {
    browser_->clearHistory();
    browser_->setSource(QUrl());
    browser_->setSource(QUrl::fromLocalFile(path));
  } else {
    LogLine("help document missing: " + platform::ToStd(path));
    browser_->setHtml(QStringLiteral("<p>ヘルプファイルが見つかりません。</p><p>%1</p>").arg(path.toHtmlEscaped()));
  }
  browser_->verticalScrollBar()->setValue(0);
  browser_->horizontalScrollBar()->setValue(0);
  if (!isVisible()) platform::CentreOverMainWindow(this);
  showNormal();
  raise();
  activateWindow();
}

HelpViewer& HelpViewer::Instance() {
  if (!TheViewer()) TheViewer() = new HelpViewer(platform::MainWindow());
  return *TheViewer();
}

HelpViewer* HelpViewer::Existing() { return TheViewer(); }

}  // namespace koratsu
