#include "qtsupport/window_testing.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "platform/pictures.h"
#include "state/log.h"
#include "ui/forms.h"

namespace koratsu::testing {

namespace {

constexpr int kPollInterval = 5;
constexpr int kGiveUpTicks = 3000 / kPollInterval;

// Window tests read the pictures the build generated beside the programs.
class ProgramFolderEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { platform::SetProgramFolder(QStringLiteral(KORATSU_BUILD_DIR)); }
};

[[maybe_unused]] const auto* environment = ::testing::AddGlobalTestEnvironment(new ProgramFolderEnvironment);

}  // namespace

ModalScript::ModalScript() : poll_(std::make_unique<QTimer>()) {
  poll_->setInterval(kPollInterval);
  QObject::connect(poll_.get(), &QTimer::timeout, [this] { Poll(); });
  poll_->start();
}

ModalScript::~ModalScript() {
  poll_->stop();
  for (const Step& step : steps_)
    if (!step.ran) ADD_FAILURE() << "Form" << step.form << " never came up as a modal window";
}

ModalScript& ModalScript::When(int form, std::function<void(platform::Form&)> action) {
  steps_.push_back({form, std::move(action)});
  return *this;
}

bool ModalScript::Done() const {
  for (const Step& step : steps_)
    if (!step.ran) return false;
  return true;
}

void ModalScript::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal) {
    idleTicks_ = 0;
    return;
  }
  for (Step& step : steps_) {
    if (step.ran) continue;
    platform::Form* form = platform::Forms().Find(step.form);
    if (form && form == modal) {
      step.ran = true;
      idleTicks_ = 0;
      // Not from inside this timer: Qt does not run a timer again while its
      // handler runs, and the action may open a modal window of its own.
      QTimer::singleShot(0, [number = step.form, action = step.action] {
        if (platform::Form* window = platform::Forms().Find(number)) action(*window);
      });
      return;
    }
    break;  // actions run in order
  }
  if (++idleTicks_ < kGiveUpTicks) return;
  idleTicks_ = 0;
  auto* form = dynamic_cast<platform::Form*>(modal);
  ADD_FAILURE() << "a modal window (" << (form ? form::Name(form->Number()) : "not a game window")
                << ") stayed open with nothing to do";
  if (form) {
    platform::Forms().Unload(form->Number());
  } else {
    modal->hide();
  }
}

int SoundRecordingUi::Count(int kind) const {
  return static_cast<int>(std::count(sounds.begin(), sounds.end(), kind));
}

QtUiScope::QtUiScope() : previous_(ui::Installed()) { ui::Install(&ui_); }

QtUiScope::~QtUiScope() {
  platform::Forms().UnloadAll();
  ProcessEvents();
  ui::Install(previous_);
}

LogCapture::LogCapture() {
  SetLogSink([this](const std::string& line) { lines_.push_back(line); });
}

LogCapture::~LogCapture() { SetLogSink({}); }

int LogCapture::Count(const std::string& part) const {
  int n = 0;
  for (const std::string& line : lines_)
    if (line.find(part) != std::string::npos) ++n;
  return n;
}

void ProcessEvents(int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  do {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents(QEventLoop::AllEvents, 5);
  } while (clock.elapsed() < milliseconds);
}

void LeftMouse(QWidget* target, QEvent::Type type, QPoint at) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

void ForEachOwnWindow(const std::function<void(int number, platform::Form& window)>& check) {
  for (int number : form::kAll) {
    if (!platform::Forms().Registered(number)) continue;
    platform::Form* window = platform::Forms().Load(number);
    if (window && window->Traits().kind != platform::FormKind::Child) check(number, *window);
    platform::Forms().Unload(number);
    ProcessEvents();
  }
}

void ClickIntoList(QComboBox* box) {
  box->window()->activateWindow();
  box->setFocus(Qt::MouseFocusReason);
  ProcessEvents();
}

void ClickListEntry(QComboBox* box, int row) {
  QAbstractItemView* view = box->view();
  QWidget* target = view->viewport();
  const QRect entry = view->visualRect(view->model()->index(row, box->modelColumn()));
  const QPointF at(target->width() / 2, entry.center().y());
  const QPointF global = target->mapToGlobal(at);
  QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &move);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &release);
  ProcessEvents();
}

bool ListOpen(const QComboBox* box) { return box->view()->isVisible(); }

void PressCloseBox(QWidget* window) {
  QCloseEvent close;
  QApplication::sendEvent(window, &close);
}

bool TurnWheel(QWidget* target, int angle) {
  const QPointF at(2, 2);
  QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  wheel.ignore();
  QApplication::sendEvent(target, &wheel);
  return wheel.isAccepted();
}

QString Said(const QLabel* label) { return QString(label->text()).remove(u'\n'); }

QString Shown(QLabel* label) {
  label->ensurePolished();
  const Qt::TextFormat format = label->textFormat();
  if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(label->text()))) return label->text();
  QTextDocument document;
  document.setHtml(label->text());
  return document.toPlainText();
}

QString ShownToolTip(QWidget* widget) {
  const QPoint at(2, 2);
  QHelpEvent rest(QEvent::ToolTip, at, widget->mapToGlobal(at));
  QApplication::sendEvent(widget, &rest);
  QString shown;
  if (QToolTip::isVisible()) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* tip = qobject_cast<QLabel*>(window);
      if (!tip || tip->windowType() != Qt::ToolTip || !tip->isVisible()) continue;
      shown = Shown(tip);
      EXPECT_GE(tip->width(), tip->sizeHint().width()) << "the tooltip is too narrow for what it shows";
    }
  }
  QToolTip::hideText();
  return shown;
}

}  // namespace koratsu::testing
