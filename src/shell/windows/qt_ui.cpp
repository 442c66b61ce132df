#include "shell/windows/qt_ui.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QUrl>

#include "platform/file_dialogs.h"
#include "platform/form.h"
#include "platform/qt_strings.h"
#include "shell/windows/help_viewer.h"
#include "shell/windows/main_window.h"
#include "shell/windows/message_boxes.h"
#include "state/game_state.h"
#include "state/log.h"
#include "state/yes_no.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

using platform::Q;
QString AppTitle() { return Q(State().AppTitle.Str()); }

}  // namespace

QWidget* TextControl(QWidget& window, std::string_view control) {
  const QString name = Q(control);
  if (auto* label = window.findChild<QLabel*>(name)) return label;
  return window.findChild<QAbstractButton*>(name);
}

QtUi::~QtUi() {
  if (ui::Installed() == this) ui::Install(nullptr);
}

void QtUi::ShowMessage(const std::string& text) {
  auto* box = platform::Forms().Load<Form42>(form::kMessage);
  if (!box) return;
  box->SetMessage(Q(text));
  box->setWindowTitle(AppTitle());
  platform::Forms().Show(form::kMessage, ui::Modal);
}

int QtUi::AskYesNo(const std::string& text) {
  auto* box = platform::Forms().Load<Form40>(form::kYesNo);
  if (!box) return yes_no::kNo;
  bool answered = false;
  QPointer<Form40> guard(box);
  box->Answered = [&answered] { answered = true; };
  box->SetMessage(Q(text));
  box->setWindowTitle(AppTitle());
  platform::Forms().Show(form::kYesNo, ui::Modal);
  if (guard) guard->Answered = nullptr;
  // A box closed without its buttons (the program ending) counts as No.
  if (!answered) return yes_no::kNo;
  return State().YesNoAnswer == 0 ? yes_no::kYes : yes_no::kNo;
}

void QtUi::ShowSystemWarning(const std::string& text) {
  QMessageBox::warning(MDIForm1::Instance(), AppTitle(), Q(text));
}

void QtUi::ShowTalk(const std::string& caption) {
  platform::Form* talk = platform::Forms().Load(form::kConversation);
  if (!talk) return;
  talk->setWindowTitle(Q(caption));
  platform::Forms().Show(form::kConversation, ui::Modal);
}

void QtUi::Show(int form, int mode) { platform::Forms().Show(form, mode); }

void QtUi::Unload(int form) { platform::Forms().Unload(form); }

bool QtUi::IsLoaded(int form) { return platform::Forms().IsLoaded(form); }

void QtUi::CallForm(int form, std::string_view method) {
  if (form != form::kMDIForm1) {
    platform::Forms().Call(form, method);
    return;
  }
  MDIForm1* main = MDIForm1::Instance();
  if (!main || !main->Call(method)) LogLine(form::Name(form::kMDIForm1) + " has no method " + std::string(method));
}

void QtUi::SetControlText(int form, std::string_view control, const std::string& text) {
  platform::Form* window = platform::Forms().Load(form);
  if (!window) return;  // the host has logged the missing window
  QWidget* target = TextControl(*window, control);
  if (auto* label = qobject_cast<QLabel*>(target)) {
    label->setText(Q(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
    button->setText(Q(text));
  } else {
    LogLine(form::Name(form) + " has no control " + std::string(control));
  }
}

void QtUi::SetClockRunning(bool running) {
  if (MDIForm1* main = MDIForm1::Instance()) main->SetClockRunning(running);
}

void QtUi::GameSpeedChange() {
  if (MDIForm1* main = MDIForm1::Instance()) main->GameSpeedChange();
}

void QtUi::ChangeKoukaon() {
  if (MDIForm1* main = MDIForm1::Instance()) main->ChangeKoukaon();
}

void QtUi::ChangeKingaku() {
  if (MDIForm1* main = MDIForm1::Instance()) main->ChangeKingaku();
}

void QtUi::ChangeToolStyle() {
  if (MDIForm1* main = MDIForm1::Instance()) main->ChangeToolStyle();
}

void QtUi::PlaySound(int kind) { sound_.Play(kind); }

std::optional<std::string> QtUi::ChooseSaveFile(const ui::FileDialogRequest& request) {
  return platform::ChooseFile(MDIForm1::Instance(), request, true);
}

std::optional<std::string> QtUi::ChooseOpenFile(const ui::FileDialogRequest& request) {
  return platform::ChooseFile(MDIForm1::Instance(), request, false);
}

void QtUi::ShowHelp() { HelpViewer::Instance().OpenAtStart(); }

void QtUi::OpenWebPage(const std::string& address) {
  if (!QDesktopServices::openUrl(QUrl(Q(address)))) LogLine("could not open " + address);
}

}  // namespace koratsu
