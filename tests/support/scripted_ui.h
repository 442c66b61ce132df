#pragma once
// The player's part in a test: what happens in each window, the answers to
// yes/no questions and file dialogs, and a record of everything the game
// showed, in order. Install it for the length of a test (it installs itself).

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace koratsu::testing {

struct UiEvent {
  enum Kind {
    Message,        // text
    Question,       // text, answer in `number`
    SystemWarning,  // text
    Talk,           // caption in `text`, lines in `lines`
    Show,           // form, mode in `number`
    Unload,         // form
    Call,           // form, method in `text`
    ControlText,    // form, control in `text`, its new text in `value`
    Clock,          // number 1 running, 0 stopped
    Setting,        // text names the main window's operation
    Sound,          // kind in `number`
    SaveDialog,
    OpenDialog,
    Help,
    WebPage,        // address in `text`
  };
  UiEvent(Kind kind, std::string text = {}, int form = 0, int number = 0)
      : kind(kind), text(std::move(text)), form(form), number(number) {}
  Kind kind;
  std::string text;
  int form = 0;
  int number = 0;
  std::vector<std::string> lines;
  std::string value;
};

struct TalkRecord {
  std::string caption;
  std::vector<std::string> lines;
};

class ScriptedUi : public ui::Ui {
 public:
  ScriptedUi();
  ~ScriptedUi() override;

  // What the player does in window `form` while it is shown. For a modal
  // window the handler runs inside Show, and the window is closed afterwards.
  ScriptedUi& On(int form, std::function<void()> handler);
  ScriptedUi& OnCall(int form, const std::string& method, std::function<void()> handler);
  // What window `form` does as it closes: after its modal show, or when the
  // game unloads it.
  ScriptedUi& OnUnload(int form, std::function<void()> handler);
  // Runs after each conversation was recorded and closed.
  ScriptedUi& OnTalk(std::function<void(const TalkRecord&)> handler);
  // For every window without a handler of its own: what happens while it is
  // shown (with its mode), and as it closes (the conversation window too).
  ScriptedUi& OnAnyWindow(std::function<void(int form, int mode)> handler);
  ScriptedUi& OnAnyClose(std::function<void(int form)> handler);
  // Answers for the next questions, in order (6 yes, 7 no). Unscripted questions answer `fallback`.
  ScriptedUi& AnswerYesNo(std::initializer_list<int> answers);
  ScriptedUi& FallbackAnswer(int answer);
  // Answers the questions no scripted answer is left for, in place of the fallback.
  ScriptedUi& AnswerBy(std::function<int(const std::string& question)> answer);
  // Answers for the next file dialogs, in order; nullopt cancels.
  ScriptedUi& AnswerFileDialog(std::optional<std::string> path);

  // What the game showed.
  const std::vector<UiEvent>& Events() const { return events_; }
  std::vector<std::string> Messages() const;
  std::vector<std::string> Questions() const;
  const std::vector<TalkRecord>& Talks() const { return talks_; }
  const TalkRecord& Talk(std::size_t i) const { return talks_.at(i); }
  std::vector<int> Shown() const;  // window numbers in the order they were shown
  // Windows shown and closed by the game, in order: "+34" shown, "-33" unloaded.
  std::vector<std::string> Windows() const;
  // Conversations, windows shown and control texts, in order:
  // "talk <caption>: line / line /", "+N", "N.<control>=<text>".
  std::vector<std::string> Seen() const;
  int ShownCount(int form) const;
  // The text last set on a control of window `form` ("" when none was).
  std::string ControlText(int form, const std::string& control) const;
  std::vector<int> ClockSwitches() const;  // 1 started, 0 stopped, in order
  bool ClockRunning() const { return clockRunning_; }
  void Clear();

  // ui::Ui
  void ShowMessage(const std::string& text) override;
  int AskYesNo(const std::string& text) override;
  void ShowSystemWarning(const std::string& text) override;
  void ShowTalk(const std::string& caption) override;
  void Show(int form, int mode) override;
  void Unload(int form) override;
  bool IsLoaded(int form) override;
  void CallForm(int form, std::string_view method) override;
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
  ui::Ui* previous_;
  std::vector<UiEvent> events_;
  std::vector<TalkRecord> talks_;
  std::map<int, std::function<void()>> handlers_;
  std::map<std::pair<int, std::string>, std::function<void()>> callHandlers_;
  std::map<int, std::function<void()>> unloadHandlers_;
  std::map<std::pair<int, std::string>, std::string> controlTexts_;
  std::function<void(const TalkRecord&)> talkHandler_;
  std::function<void(int, int)> anyShown_;
  std::function<void(int)> anyClosed_;
  std::function<int(const std::string&)> answerBy_;
  std::deque<int> answers_;
  int fallback_ = 7;
  std::deque<std::optional<std::string>> fileAnswers_;
  std::set<int> loaded_;
  bool clockRunning_ = false;

  void Closed(int form);
  // Records a file dialog and gives the next scripted answer (none once they ran out).
  std::optional<std::string> FileAnswer(UiEvent::Kind dialog, const std::string& title);
};

}  // namespace koratsu::testing
