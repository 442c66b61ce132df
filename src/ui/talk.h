#pragma once
// The line lists that windows type out in a speech balloon, and the typing
// itself.
//
// A conversation: append its lines with AddTalkLine, set TalkSpeaker = 1 for
// the president's speeches, then ui::ShowTalk(caption). When that returns,
// the conversation is over and the list is empty again. The tutorial guide
// shows the tutorial lines, the level-up window the level-up lines.

#include <string>

#include "state/table.h"
#include "state/value.h"

namespace koratsu {

// Each stores a line at the end of its list. A full list (33 lines, 11 for
// the level-up list) takes no more: the line is dropped and logged.
void AddTalkLine(const Value& text);
void AddTutorialLine(const Value& text);
void AddLevelUpLine(const Value& text);

// The closing of a conversation window: the list is empty again and the
// next conversation is the editor's.
void CloseTalk();

// The lines of the conversation waiting to be shown: TalkLineCount, within
// the list's capacity.
long long TalkLinesInUse();

// A line typed into a balloon one character per timer tick while the
// speaker's mouth moves. The three values are the window's own or, for the
// conversation window, TalkText, TalkShownChars and TalkMouth.
struct Typing {
  Value& text;        // the line being typed
  Value& shownChars;  // characters shown; one past the length once the line is complete
  Value& mouth;       // the mouth counter
};

// Characters in a line (not bytes).
long long LineLength(const Value& line);
// Starts typing `line` from its first character.
void StartLine(Typing typing, const Value& line);
// True until the tick after the last character was shown.
bool StillTyping(const Typing& typing);
// One tick of the typing timer: one more character while the line types.
// Returns the portrait frame to show: 1 the mouth closed, 2 open. The mouth
// alternates while the line types and rests closed once it is complete.
int TypeTick(Typing typing);
// The part of the line shown now.
std::string ShownText(const Typing& typing);

// A press of the balloon's button.
enum class BalloonPress {
  CompletedLine,   // the line was still typing: it shows whole at the next tick
  TurnedPage,      // the next line starts typing; more follow
  TurnedLastPage,  // the last line starts typing
  Finished,        // the last line was complete: nothing more to show
};
BalloonPress PressBalloon(Typing typing, const Table<Value, 33>& lines, const Value& count, Value& index);

}  // namespace koratsu
