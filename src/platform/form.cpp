#include "platform/form.h"

#include <map>
#include <set>
#include <string>
#include <vector>

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "platform/placement.h"
#include "state/game_state.h"
#include "state/log.h"
#include "ui/forms.h"

namespace koratsu::platform {

namespace {

constexpr int kRefreshInterval = 100;

std::map<int, std::function<Form*()>>& Registry() {
  static std::map<int, std::function<Form*()>> registry;
  return registry;
}

std::vector<FormRegistration>& Attempts() {
  static std::vector<FormRegistration> attempts;
  return attempts;
}

void ReportMissing(int form) {
  static std::set<int> reported;
  if (reported.insert(form).second) LogLine(form::Name(form) + " missing: no window of that number");
}

// Without the close button hint the desktop is asked to offer no close.
// Some window managers (openbox) keep the close box on every window with a
// caption whatever they are asked; closeEvent refuses it there.
Qt::WindowFlags DialogFlags(const FormTraits& traits) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (!traits.removeCloseItem) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  return flags;
}

}  // namespace

// ---------------------------------------------------------------- Form

Form::Form(const FormTraits& traits) : QDialog(nullptr, DialogFlags(traits)), traits_(traits) {}

bool Form::Loaded() const { return number_ != 0 && Forms().Find(number_) == this; }

QWidget* Form::Frame() { return subWindow_ ? static_cast<QWidget*>(subWindow_) : this; }

void Form::Unload() {
  if (Loaded()) Forms().Unload(number_);
}

bool CallMethod(const FormMethods& methods, std::string_view name) {
  for (const FormMethod& method : methods) {
    if (method.name == name) {
      method.run();
      return true;
    }
  }
  return false;
}

void Form::ServeRefreshRequests() {
  QPointer<Form> self(this);
  auto& slot = State().FormSlot[number_];
  if (slot.Rebuild == 1) {
    slot.Rebuild = 0;
    slot.Redraw = 1;
    Rebuild();
    if (!self) return;
  }
  auto& now = State().FormSlot[number_];
  if (now.Redraw == 1) {
    now.Redraw = 0;
    Redraw();
  }
}

void Form::CloseBoxPressed() { Unload(); }

void Form::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_ || traits_.kind == FormKind::Child) return;
  shown_ = true;
  // No window of ours has a minimise or maximise button. Some window managers
  // (openbox) draw them whatever the hints say, and minimising a modal box
  // there takes the whole program with it; they leave them off a window of
  // the toolbar type, which is named first, the dialog type after it. The
  // window exists but is not yet on screen here, so the type is in time.
  setAttribute(Qt::WA_X11NetWmWindowTypeToolBar);
  // It was centred before the desktop had framed it.
  if (traits_.centre) CentreAgainOnceFramed(this);
}

void Form::closeEvent(QCloseEvent* event) {
  // The window is closed by Unload, never by the close event itself: a close
  // that reaches here came from the desktop (the close box, Alt+F4).
  event->ignore();
  if (unloading_ || !Loaded()) return;
  if (!traits_.removeCloseItem) CloseBoxPressed();
}

// ---------------------------------------------------------------- FormHost

FormHost& Forms() {
  static FormHost host;
  return host;
}

bool RegisterFormClass(int form, const std::type_info& type, std::function<Form*()> make) {
  Attempts().push_back({form, &type, false});
  if (form < 1 || form > FormHost::kMaxForm) {
    LogLine(form::Name(form) + " cannot be registered: window numbers run from 1 to 128");
    return false;
  }
  if (!Registry().emplace(form, std::move(make)).second) {
    LogLine(form::Name(form) + " registered twice: the first class stays");
    return false;
  }
  Attempts().back().accepted = true;
  return true;
}

const std::vector<FormRegistration>& Registrations() { return Attempts(); }

void FormHost::SetMainWindow(QWidget* main, QMdiArea* area) {
  main_ = main;
  area_ = area;
}

bool FormHost::Registered(int form) const { return Registry().count(form) != 0; }

Form* FormHost::Find(int form) const {
  if (form < 1 || form > kMaxForm) return nullptr;
  return loaded_[static_cast<size_t>(form)].data();
}

Form* FormHost::Load(int form) {
  if (form < 1 || form > kMaxForm) {
    LogLine(form::Name(form) + " cannot be loaded: window numbers run from 1 to 128");
    return nullptr;
  }
  if (Form* loaded = Find(form)) return loaded;
  auto maker = Registry().find(form);
  if (maker == Registry().end()) {
    ReportMissing(form);
    return nullptr;
  }
  Form* window = maker->second();
  window->number_ = form;
  loaded_[static_cast<size_t>(form)] = window;
  Attach(window);

  const FormTraits& traits = window->traits_;
  GameState& g = State();
  if (traits.centre && traits.kind != FormKind::Child) CentreOverMainWindow(window);
  if (traits.trackOpen) g.FormSlot[form].Open = 1;
  if (traits.pauseClock) ui::PauseClock();
  if (traits.servesRefresh) {
    window->refreshTimer_ = new QTimer(window);
    window->refreshTimer_->setInterval(kRefreshInterval);
    QObject::connect(window->refreshTimer_, &QTimer::timeout, window, [window] { window->ServeRefreshRequests(); });
    window->refreshTimer_->start();
  }
  window->Form_Load();
  // A window may unload itself while it loads (nothing to show).
  return Find(form);
}

void FormHost::Attach(Form* form) {
  if (form->traits_.kind == FormKind::Child && area_) {
    form->subWindow_ = area_->addSubWindow(form);
    form->subWindow_->setAttribute(Qt::WA_DeleteOnClose, false);
    form->subWindow_->setWindowTitle(form->windowTitle());
    form->subWindow_->hide();
    return;
  }
  if (main_) form->setParent(main_, form->windowFlags());
}

void FormHost::Show(int form, int mode) {
  QPointer<Form> window = Load(form);
  if (!window) return;
  if (mode != ui::Modal || window->traits_.kind == FormKind::Child || window->execDepth_ > 0 ||
      window->Frame()->isVisible()) {
    ShowModeless(window);
    return;
  }
  ++window->execDepth_;
  window->exec();
  if (!window) return;
  --window->execDepth_;
  // Closed without Unload (the application quitting): unload it now.
  if (Find(form) == window) Unload(form);
  window->deleteLater();
}

void FormHost::ShowModeless(Form* form) {
  if (QMdiSubWindow* frame = form->subWindow_) {
    frame->show();
    if (area_) area_->setActiveSubWindow(frame);
    return;
  }
  form->show();
  form->raise();
  form->activateWindow();
}

void FormHost::Unload(int form) {
  Form* window = Find(form);
  if (!window || window->unloading_) return;
  window->unloading_ = true;
  const FormTraits traits = window->traits_;
  QPointer<Form> guard(window);
  window->Form_Unload();
  GameState& g = State();
  if (traits.trackOpen) g.FormSlot[form].Open = 0;
  if (traits.pauseClock || traits.resumeClockOnUnload) ui::ResumeClock();
  if (traits.resumeRequestOnUnload) g.ResumeRequest = 1;
  if (Find(form) == window) loaded_[static_cast<size_t>(form)] = nullptr;
  if (guard) Dispose(guard);
}

void FormHost::Dispose(Form* form) {
  if (form->refreshTimer_) form->refreshTimer_->stop();
  if (form->execDepth_ > 0) {
    // The Show that runs its modal loop disposes of it once the loop has ended.
    form->QDialog::done(QDialog::Rejected);
    return;
  }
  QWidget* frame = form->Frame();
  QMdiSubWindow* previous = form->subWindow_ ? PreviouslyActive(form->subWindow_) : nullptr;
  frame->hide();
  frame->deleteLater();
  if (previous) area_->setActiveSubWindow(previous);
}

QMdiSubWindow* FormHost::PreviouslyActive(QMdiSubWindow* closing) const {
  // As the desktop's own multiple-document windows do: the child that was
  // active before the closing one comes forward again, and the others keep
  // their order. Left to itself, the area would bring forward the first
  // child it holds (the room view), over the information panel.
  if (!area_ || area_->activeSubWindow() != closing) return nullptr;
  const QList<QMdiSubWindow*> history = area_->subWindowList(QMdiArea::ActivationHistoryOrder);
  for (auto child = history.rbegin(); child != history.rend(); ++child)
    if (*child != closing && (*child)->isVisible()) return *child;
  return nullptr;
}

void FormHost::UnloadAll() {
  for (int form = 1; form <= kMaxForm; ++form) Unload(form);
}

void FormHost::Call(int form, std::string_view method) {
  Form* window = Find(form);
  if (!window) {
    LogLine(form::Name(form) + "." + std::string(method) + " called while the window is not loaded");
    return;
  }
  if (!window->Call(method)) LogLine(form::Name(form) + " has no method " + std::string(method));
}

}  // namespace koratsu::platform
