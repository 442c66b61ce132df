#include "ui/talk.h"

#include <algorithm>
#include <cmath>

#include "state/game_state.h"

namespace koratsu {

void AddTalkLine(const Value& text) {
  GameState& g = State();
  if (Value* line = Append(g.TalkLines, g.TalkLineCount)) *line = text;
}

void AddTutorialLine(const Value& text) {
  GameState& g = State();
  if (Value* line = Append(g.TutorialLines, g.TutorialLineCount)) *line = text;
}

void AddLevelUpLine(const Value& text) {
  GameState& g = State();
  if (Value* line = Append(g.LevelUpLines, g.LevelUpLineCount)) *line = text;
}

void CloseTalk() {
  GameState& g = State();
  g.TalkSpeaker = 0;
  g.TalkLineIndex = 0;
  g.TalkLineCount = 0;
}

long long TalkLinesInUse() {
  long long count = State().TalkLineCount.Index();
  return std::clamp<long long>(count, 0, static_cast<long long>(decltype(GameState::TalkLines)::kCapacity));
}

namespace {

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

}  // namespace

long long LineLength(const Value& line) {
  std::string text = line.Str();
  return std::count_if(text.begin(), text.end(), StartsCharacter);
}

void StartLine(Typing typing, const Value& line) {
  typing.shownChars = 0;
  typing.text = line;
}

bool StillTyping(const Typing& typing) {
  return typing.shownChars.Num() <= static_cast<double>(LineLength(typing.text));
}

int TypeTick(Typing typing) {
  if (!StillTyping(typing)) return 1;
  typing.shownChars += 1;
  // The counter alternates 1, 2 (and back to 0); a stray value starts over.
  int frame = typing.mouth == 1 ? 2 : 1;
  typing.mouth = frame == 2 ? 0 : 1;
  return frame;
}

std::string ShownText(const Typing& typing) {
  std::string text = typing.text.Str();
  double shown = Int(typing.shownChars);
  if (shown <= 0) return {};
  long long remaining = static_cast<long long>(std::min(shown, 1e15));
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (!StartsCharacter(text[at])) continue;
    if (remaining-- == 0) return text.substr(0, at);
  }
  return text;
}

BalloonPress PressBalloon(Typing typing, const Table<Value, 33>& lines, const Value& count, Value& index) {
  if (StillTyping(typing)) {
    typing.shownChars = LineLength(typing.text);
    return BalloonPress::CompletedLine;
  }
  long long last = std::min<long long>(count.Index(), 33) - 1;
  if (index.Index() >= last) return BalloonPress::Finished;
  index = index.Index() + 1;
  StartLine(typing, lines[index]);
  return index.Index() == last ? BalloonPress::TurnedLastPage : BalloonPress::TurnedPage;
}

}  // namespace koratsu
