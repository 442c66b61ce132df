#include "ui/ui.h"

#include "state/game_state.h"
#include "state/yes_no.h"

namespace koratsu::ui {

namespace {
Ui* installed = nullptr;

// The installed implementation, or one that does nothing.
Ui& Current() {
  static Ui none;
  return installed ? *installed : none;
}
}  // namespace

void Install(Ui* implementation) { installed = implementation; }
Ui* Installed() { return installed; }

void ShowMessage(const std::string& text) { Current().ShowMessage(text); }
int AskYesNo(const std::string& text) { return Current().AskYesNo(text); }
void ShowSystemWarning(const std::string& text) { Current().ShowSystemWarning(text); }
void ShowTalk(const std::string& caption) { Current().ShowTalk(caption); }
void Show(int form, int mode) { Current().Show(form, mode); }
void Unload(int form) { Current().Unload(form); }
bool IsLoaded(int form) { return Current().IsLoaded(form); }
void CallForm(int form, std::string_view method) { Current().CallForm(form, method); }
void SetControlText(int form, std::string_view control, const std::string& text) {
  Current().SetControlText(form, control, text);
}
void GameSpeedChange() { Current().GameSpeedChange(); }
void ChangeKoukaon() { Current().ChangeKoukaon(); }
void ChangeKingaku() { Current().ChangeKingaku(); }
void ChangeToolStyle() { Current().ChangeToolStyle(); }
void PlaySound(int kind) { Current().PlaySound(kind); }
std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) { return Current().ChooseSaveFile(request); }
std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) { return Current().ChooseOpenFile(request); }
void ShowHelp() { Current().ShowHelp(); }
void OpenWebPage(const std::string& address) { Current().OpenWebPage(address); }

void SetClockRunning(bool running) { Current().SetClockRunning(running); }

void PauseClock() {
  if (State().GameActive == 1) SetClockRunning(false);
}
void ResumeClock() {
  if (State().GameActive == 1) SetClockRunning(true);
}

}  // namespace koratsu::ui
