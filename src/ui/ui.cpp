#include "ui/ui.h"

#include "state/game_state.h"
#include "state/yes_no.h"

namespace koratsu::ui {

namespace {
Ui* installed = nullptr;
}

void Install(Ui* implementation) { installed = implementation; }
Ui* Installed() { return installed; }

void ShowMessage(const std::string& text) { if (installed) installed->ShowMessage(text); }
int AskYesNo(const std::string& text) { return installed ? installed->AskYesNo(text) : yes_no::kNo; }
void ShowSystemWarning(const std::string& text) { if (installed) installed->ShowSystemWarning(text); }
void ShowTalk(const std::string& caption) { if (installed) installed->ShowTalk(caption); }
void Show(int form, int mode) { if (installed) installed->Show(form, mode); }
void Unload(int form) { if (installed) installed->Unload(form); }
bool IsLoaded(int form) { return installed && installed->IsLoaded(form); }
void CallForm(int form, std::string_view method) { if (installed) installed->CallForm(form, method); }
void SetControlText(int form, std::string_view control, const std::string& text) {
  if (installed) installed->SetControlText(form, control, text);
}
void GameSpeedChange() { if (installed) installed->GameSpeedChange(); }
void ChangeKoukaon() { if (installed) installed->ChangeKoukaon(); }
void ChangeKingaku() { if (installed) installed->ChangeKingaku(); }
void ChangeToolStyle() { if (installed) installed->ChangeToolStyle(); }
void PlaySound(int kind) { if (installed) installed->PlaySound(kind); }

std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) {
  return installed ? installed->ChooseSaveFile(request) : std::nullopt;
}
std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) {
  return installed ? installed->ChooseOpenFile(request) : std::nullopt;
}
void ShowHelp() { if (installed) installed->ShowHelp(); }
void OpenWebPage(const std::string& address) { if (installed) installed->OpenWebPage(address); }

void PauseClock() {
  if (installed && State().GameActive == 1) installed->SetClockRunning(false);
}
void ResumeClock() {
  if (installed && State().GameActive == 1) installed->SetClockRunning(true);
}

}  // namespace koratsu::ui
