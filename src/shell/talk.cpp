#include "shell/talk.h"

#include "state/game_state.h"
#include "state/table.h"

namespace koratsu {

void AddTalkLine(const Value& text) {
  GameState& g = State();
  if (Value* line = Append(g.TalkLines, g.TalkLineCount)) *line = text;
}

}  // namespace koratsu
