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

#include "state/yes_no.h"

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

// Every call does nothing unless an implementation says otherwise: a question
// answers no, no window is loaded, a file dialog is cancelled. A stand-in
// overrides only what it watches.
class Ui {
 public:
  virtual ~Ui() = default;

  // The program's own OK box (form::kMessage) and yes/no box (form::kYesNo),
  // captioned with AppTitle.
  virtual void ShowMessage(const std::string& text) { (void)text; }
  // yes_no::kYes or yes_no::kNo (state/yes_no.h).
  virtual int AskYesNo(const std::string& text) {
    (void)text;
    return yes_no::kNo;
  }
  // The platform's standard warning box (exclamation icon), for save failures.
  virtual void ShowSystemWarning(const std::string& text) { (void)text; }

  // The conversation window (form::kConversation), shown modally with the lines already
  // appended by AddTalkLine; returns when the player has closed it.
  virtual void ShowTalk(const std::string& caption) { (void)caption; }

  // Windows by their constant in the window index (ui/forms.h). mode is
  // Modal or Modeless.
  virtual void Show(int form, int mode) {
    (void)form;
    (void)mode;
  }
  virtual void Unload(int form) { (void)form; }
  virtual bool IsLoaded(int form) {
    (void)form;
    return false;
  }
  // A public method of a window that rules call (the room view's GraphicChange, ...).
  virtual void CallForm(int form, std::string_view method) {
    (void)form;
    (void)method;
  }
  // Sets the text of one control of window `form`, named as the window's
  // design names it ("Label1(1)"), loading the window first when it is not:
  // how a notice is filled before it is shown.
  virtual void SetControlText(int form, std::string_view control, const std::string& text) {
    (void)form;
    (void)control;
    (void)text;
  }

  // Starts or stops the main window's clock timer: the one switch of the clock.
  virtual void SetClockRunning(bool running) { (void)running; }

  // The main window's public operations that apply a setting to menus and effects.
  virtual void GameSpeedChange() {}
  virtual void ChangeKoukaon() {}
  virtual void ChangeKingaku() {}
  virtual void ChangeToolStyle() {}

  // Plays Sound/Gold.wav (0) or Sound/Up.wav (1) without waiting.
  virtual void PlaySound(int kind) { (void)kind; }

  // The file dialogs; an empty result means the player cancelled.
  virtual std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) {
    (void)request;
    return std::nullopt;
  }
  virtual std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) {
    (void)request;
    return std::nullopt;
  }

  // The help document and the maker's web page.
  virtual void ShowHelp() {}
  virtual void OpenWebPage(const std::string& address) { (void)address; }
};

// Installs the implementation; the caller keeps ownership. With none installed
// every call does what the defaults above do.
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

// Starts or stops the clock timer, whatever GameActive holds (the game flow).
void SetClockRunning(bool running);
// Stop and restart the clock timer, only while a game runs (GameActive 1).
// A flag, not a counter: one ResumeClock undoes any number of pauses.
void PauseClock();
void ResumeClock();

}  // namespace koratsu::ui
