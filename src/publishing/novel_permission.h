#pragma once
// The publisher's answer to a novel's adaptation: a person from the
// publisher visits and grants it, which puts a licensed work into
// production at once, or refuses, which leaves the player the choice of
// making it without permission (Form57).
//
// A publisher's friendship (PublisherYukou) of 0 means it has never dealt
// with the player: it refuses. Any other value, a negative one too, means
// it knows him: it consents.

#include "state/value.h"

namespace koratsu {

extern const char* const kPublisherPersonCaption;

// The talk with publisher number `publisher` (1 to 5) on novel row `novel`.
// One discarded draw, then it runs only while NovelTalkState is 0 and sets
// it to 1. On consent: a second discarded draw, the licensed work placed
// (source 3), and the schedule unless a serial's first episode is being set
// up. Returns once every window it opened has closed.
void NovelPermissionTalk(const Value& publisher, const Value& novel);

// The talk for the novel last confirmed in the novel window (ChosenNovel).
void ChosenNovelPermissionTalk();

}  // namespace koratsu
