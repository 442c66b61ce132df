#pragma once
// A finished work gets its title (the title window, Form7) and becomes a
// record of the works table; then it goes on: a requested one-shot to its
// delivery, an own work to the window that asks where to send it (Form55).

#include <string>

#include "state/value.h"

namespace koratsu {

// The title window's title box takes this many characters.
constexpr int kWorkTitleLength = 11;

// The title window's opening, once its controls show the work: the tutorial
// moves on, and naming the work earns its experience.
void WorkTitleLoaded();

enum class TitleOutcome {
  Refused,    // empty or taken: the player was told, nothing changed, the window stays
  Recorded,   // the work is record MangaCount - 1 and its slot is free
  NoRoom,     // the works table is full: the player was told, the work stays in its slot
};

// The title window's 決定 with the title as typed, for the work in
// FinishedSlot.
TitleOutcome NameFinishedWork(const std::string& title);

// The title window's closing: the busy slots are counted again.
void WorkTitleClosed();

// After the title window closed on a recorded work: a requested one-shot is
// delivered at once (Form18), an own work is offered to be sent (Form55).
void SendNamedWorkOn();

// Form55's buttons, after it closed: 0 posts the work to a contest (Form8),
// 1 brings it to an editor (Form24), 3 keeps it for now.
void SendFinishedWork(int button);

}  // namespace koratsu
