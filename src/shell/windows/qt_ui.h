#pragma once
// The ui seam on real windows: how rules open the program's windows and boxes.

#include "platform/sound_player.h"
#include "ui/ui.h"

class QWidget;

namespace koratsu {

// The control of `window` that ui::SetControlText names `control`: the label
// or button whose object name is the design's name; nullptr when there is none.
QWidget* TextControl(QWidget& window, std::string_view control);

class QtUi : public ui::Ui {
 public:
  QtUi() = default;
  ~QtUi() override;

  void ShowMessage(const std::string& text) override;
  int AskYesNo(const std::string& text) override;
  void ShowSystemWarning(const std::string& text) override;
  void ShowTalk(const std::string& caption) override;
  void Show(int form, int mode) override;
  void Unload(int form) override;
  bool IsLoaded(int form) override;
  // Form 0 is the main window MDIForm1 ("ResetGame", "GameOn", "Show").
  void CallForm(int form, std::string_view method) override;
  // The control is the window's child whose object name is the design's name.
  void SetControlText(int form, std::string_view control, const std::string& text) override;
  void SetClockRunning(bool running) override;
  void GameSpeedChange() override;
  void ChangeKoukaon() override;
  void ChangeKingaku() override;
  void ChangeToolStyle() override;
  void PlaySound(int kind) override;
  std::optional<std::string> ChooseSaveFile(const ui::FileDialogRequest& request) override;
  std::optional<std::string> ChooseOpenFile(const ui::FileDialogRequest& request) override;
  void ShowHelp() override;
  void OpenWebPage(const std::string& address) override;

 private:
  platform::SoundPlayer sound_;
};

}  // namespace koratsu
