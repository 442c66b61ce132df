#include "support/scripted_ui.h"

#include <algorithm>

#include "state/game_state.h"
#include "ui/forms.h"
#include "ui/talk.h"

namespace koratsu::testing {

ScriptedUi::ScriptedUi() : previous_(ui::Installed()) { ui::Install(this); }
ScriptedUi::~ScriptedUi() { ui::Install(previous_); }

ScriptedUi& ScriptedUi::On(int form, std::function<void()> handler) {
  handlers_[form] = std::move(handler);
  return *this;
}

ScriptedUi& ScriptedUi::OnCall(int form, const std::string& method, std::function<void()> handler) {
  callHandlers_[{form, method}] = std::move(handler);
  return *this;
}

ScriptedUi& ScriptedUi::OnUnload(int form, std::function<void()> handler) {
  unloadHandlers_[form] = std::move(handler);
  return *this;
}

ScriptedUi& ScriptedUi::OnTalk(std::function<void(const TalkRecord&)> handler) {
  talkHandler_ = std::move(handler);
  return *this;
}

ScriptedUi& ScriptedUi::OnAnyWindow(std::function<void(int form, int mode)> handler) {
  anyShown_ = std::move(handler);
  return *this;
}

ScriptedUi& ScriptedUi::OnAnyClose(std::function<void(int form)> handler) {
  anyClosed_ = std::move(handler);
  return *this;
}

ScriptedUi& ScriptedUi::AnswerBy(std::function<int(const std::string& question)> answer) {
  answerBy_ = std::move(answer);
  return *this;
}

ScriptedUi& ScriptedUi::AnswerYesNo(std::initializer_list<int> answers) {
  answers_.insert(answers_.end(), answers);
  return *this;
}

ScriptedUi& ScriptedUi::FallbackAnswer(int answer) {
  fallback_ = answer;
  return *this;
}

ScriptedUi& ScriptedUi::AnswerFileDialog(std::optional<std::string> path) {
  fileAnswers_.push_back(std::move(path));
  return *this;
}

std::vector<std::string> ScriptedUi::Messages() const {
  std::vector<std::string> out;
  for (const auto& e : events_)
    if (e.kind == UiEvent::Message) out.push_back(e.text);
  return out;
}

std::vector<std::string> ScriptedUi::Questions() const {
  std::vector<std::string> out;
  for (const auto& e : events_)
    if (e.kind == UiEvent::Question) out.push_back(e.text);
  return out;
}

std::vector<int> ScriptedUi::Shown() const {
  std::vector<int> out;
  for (const auto& e : events_)
    if (e.kind == UiEvent::Show) out.push_back(e.form);
  return out;
}

namespace {

// "+8" for a window shown, "-8" for one closed; appended rather than joined
// with +, which one compiler's string-copy check mistakes for an overlap.
std::string Signed(char sign, int form) {
  std::string text(1, sign);
  text += std::to_string(form);
  return text;
}

}  // namespace

std::vector<std::string> ScriptedUi::Windows() const {
  std::vector<std::string> windows;
  for (const auto& e : events_) {
    if (e.kind == UiEvent::Show) windows.push_back(Signed('+', e.form));
    if (e.kind == UiEvent::Unload) windows.push_back(Signed('-', e.form));
  }
  return windows;
}

std::vector<std::string> ScriptedUi::Seen() const {
  std::vector<std::string> seen;
  for (const auto& e : events_) {
    if (e.kind == UiEvent::Talk) {
      std::string talk = "talk " + e.text + ":";
      for (const std::string& line : e.lines) talk += " " + line + " /";
      seen.push_back(talk);
    }
    if (e.kind == UiEvent::Show) seen.push_back(Signed('+', e.form));
    if (e.kind == UiEvent::ControlText) seen.push_back(std::to_string(e.form) + "." + e.text + "=" + e.value);
  }
  return seen;
}

int ScriptedUi::ShownCount(int form) const {
  auto shown = Shown();
  return static_cast<int>(std::count(shown.begin(), shown.end(), form));
}

std::string ScriptedUi::ControlText(int form, const std::string& control) const {
  auto text = controlTexts_.find({form, control});
  return text == controlTexts_.end() ? std::string() : text->second;
}

std::vector<int> ScriptedUi::ClockSwitches() const {
  std::vector<int> out;
  for (const auto& e : events_)
    if (e.kind == UiEvent::Clock) out.push_back(e.number);
  return out;
}

void ScriptedUi::Clear() {
  events_.clear();
  talks_.clear();
}

void ScriptedUi::ShowMessage(const std::string& text) {
  events_.push_back({UiEvent::Message, text});
}

int ScriptedUi::AskYesNo(const std::string& text) {
  int answer = fallback_;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  } else if (answerBy_) {
    answer = answerBy_(text);
  }
  UiEvent e{UiEvent::Question, text};
  e.number = answer;
  events_.push_back(e);
  return answer;
}

void ScriptedUi::ShowSystemWarning(const std::string& text) {
  events_.push_back({UiEvent::SystemWarning, text});
}

void ScriptedUi::ShowTalk(const std::string& caption) {
  // The conversation shows every appended line and closes as its window does.
  GameState& g = State();
  TalkRecord talk{caption, {}};
  long long count = TalkLinesInUse();
  for (long long i = 0; i < count; ++i) talk.lines.push_back(g.TalkLines[i].Str());
  CloseTalk();
  UiEvent e{UiEvent::Talk, caption};
  e.lines = talk.lines;
  events_.push_back(e);
  talks_.push_back(talk);
  if (anyClosed_) anyClosed_(form::kConversation);
  if (talkHandler_) talkHandler_(talks_.back());
}

void ScriptedUi::Show(int form, int mode) {
  UiEvent e{UiEvent::Show, {}, form, mode};
  events_.push_back(e);
  loaded_.insert(form);
  auto handler = handlers_.find(form);
  if (handler != handlers_.end() && handler->second) {
    auto run = handler->second;  // the handler may replace itself
    run();
  } else if (anyShown_) {
    anyShown_(form, mode);
  }
  if (mode == ui::Modal && loaded_.count(form)) Closed(form);
}

void ScriptedUi::Unload(int form) {
  if (!loaded_.count(form)) return;
  events_.push_back({UiEvent::Unload, {}, form});
  Closed(form);
}

void ScriptedUi::Closed(int form) {
  loaded_.erase(form);
  auto handler = unloadHandlers_.find(form);
  if (handler != unloadHandlers_.end() && handler->second) {
    auto run = handler->second;
    run();
  } else if (anyClosed_) {
    anyClosed_(form);
  }
}

bool ScriptedUi::IsLoaded(int form) { return loaded_.count(form) != 0; }

void ScriptedUi::CallForm(int form, std::string_view method) {
  events_.push_back({UiEvent::Call, std::string(method), form});
  auto handler = callHandlers_.find({form, std::string(method)});
  if (handler != callHandlers_.end() && handler->second) handler->second();
}

void ScriptedUi::SetControlText(int form, std::string_view control, const std::string& text) {
  // Setting a text loads the window, as showing it would.
  loaded_.insert(form);
  UiEvent e{UiEvent::ControlText, std::string(control), form};
  e.value = text;
  events_.push_back(e);
  controlTexts_[{form, std::string(control)}] = text;
}

void ScriptedUi::SetClockRunning(bool running) {
  clockRunning_ = running;
  UiEvent e{UiEvent::Clock};
  e.number = running ? 1 : 0;
  events_.push_back(e);
}

void ScriptedUi::GameSpeedChange() { events_.push_back({UiEvent::Setting, "GameSpeedChange"}); }
void ScriptedUi::ChangeKoukaon() { events_.push_back({UiEvent::Setting, "ChangeKoukaon"}); }
void ScriptedUi::ChangeKingaku() { events_.push_back({UiEvent::Setting, "ChangeKingaku"}); }
void ScriptedUi::ChangeToolStyle() { events_.push_back({UiEvent::Setting, "ChangeToolStyle"}); }

void ScriptedUi::PlaySound(int kind) {
  UiEvent e{UiEvent::Sound};
  e.number = kind;
  events_.push_back(e);
}

std::optional<std::string> ScriptedUi::ChooseSaveFile(const ui::FileDialogRequest& request) {
  return FileAnswer(UiEvent::SaveDialog, request.title);
}

std::optional<std::string> ScriptedUi::ChooseOpenFile(const ui::FileDialogRequest& request) {
  return FileAnswer(UiEvent::OpenDialog, request.title);
}

std::optional<std::string> ScriptedUi::FileAnswer(UiEvent::Kind dialog, const std::string& title) {
  events_.push_back({dialog, title});
  if (fileAnswers_.empty()) return std::nullopt;
  auto answer = fileAnswers_.front();
  fileAnswers_.pop_front();
  return answer;
}

void ScriptedUi::ShowHelp() { events_.push_back({UiEvent::Help}); }
void ScriptedUi::OpenWebPage(const std::string& address) {
  events_.push_back({UiEvent::WebPage, address});
}

}  // namespace koratsu::testing
