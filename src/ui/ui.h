#pragma once
// How rules open windows and boxes.
//
// Rules never touch a window: they set the window's FormSlot values, then ask
// ui:: to show it. The Qt shell implements this interface with real windows;
// tests implement it with a scripted player. A modal Show returns when the
// window has closed, as the clock tick expects.

#include <optional>
#include <string>
#include <string_view>

namespace koratsu::ui {

constexpr int Modeless = 0;
constexpr int Modal = 1;

struct FileDialogRequest {
  std::string title;       // dialog caption
  std::string filter;      // "Koratsu (*.krt)"
  std::string defaultExt;  // "krt"
  std::string fileName;    // proposed name, may be empty
  std::string folder;      // where the dialog opens; empty: where the platform likes
};

class Ui {
 public:
  virtual ~Ui() = default;

  // The program's own OK box (form::kMessage) and yes/no box (form::kYesNo),
  // captioned with AppTitle.
  virtual void ShowMessage(const std::string& text) = 0;
  // yes_no::kYes or yes_no::kNo (state/yes_no.h).
  virtual int AskYesNo(const std::string& text) = 0;
  // The platform's standard warning box (exclamation icon), for save failures.
  virtual void ShowSystemWarning(const std::string& text) = 0;

  // The conversation window (form::kConversation), shown modally with the lines already
  // appended by AddTalkLine; returns when the player has closed it.
  virtual void ShowTalk(const std::string& caption) = 0;

  // Windows by their constant in the window index (ui/forms.h). mode is
  // Modal or Modeless.
  virtual void Show(int form, int mode) = 0;
  virtual void Unload(int form) = 0;
  virtual bool IsLoaded(int form) = 0;
  // A public method of a window that rules call (the room view's GraphicChange, ...).
  virtual void CallForm(int form, std::string_view method) = 0;
  // Sets the text of one control of window `form`, named as the window's
  // design names it ("Label1(1)"), loading the window first when it is not:
  // how a notice is filled before it is shown.
  virtual void SetControlText(int form, std::string_view control, const std::string& text) = 0;

  // Starts or stops the main window's clock timer.
  virtual void SetClockRunning(bool running) = 0;

  // The main window's public operations that apply a setting to menus and effects.
  virtual void GameSpeedChange() = 0;
  virtual void ChangeKoukaon() = 0;
  virtual void ChangeKingaku() = 0;
  virtual void ChangeToolStyle() = 0;

  // Plays Sound/Gold.wav (0) or Sound/Up.wav (1) without waiting.
  virtual void PlaySound(int kind) = 0;

  // The file dialogs; an empty result means the player cancelled.
  virtual std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) = 0;

  // The help document and the maker's web page.
  virtual void ShowHelp() = 0;
  virtual void OpenWebPage(const std::string& address) = 0;
};

// Installs the implementation; the caller keeps ownership. With none installed
// every call does nothing (and asks answer "no").
void Install(Ui* implementation);
Ui* Installed();

void ShowMessage(const std::string& text);
int AskYesNo(const std::string& text);
void ShowSystemWarning(const std::string& text);
void ShowTalk(const std::string& caption);
void Show(int form, int mode);
void Unload(int form);
bool IsLoaded(int form);
void CallForm(int form, std::string_view method);
void SetControlText(int form, std::string_view control, const std::string& text);
void GameSpeedChange();
void ChangeKoukaon();
void ChangeKingaku();
void ChangeToolStyle();
void PlaySound(int kind);
std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request);
std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request);
void ShowHelp();
void OpenWebPage(const std::string& address);

// Stop and restart the clock timer, only while a game runs (GameActive 1).
// A flag, not a counter: one ResumeClock undoes any number of pauses.
void PauseClock();
void ResumeClock();

}  // namespace koratsu::ui
