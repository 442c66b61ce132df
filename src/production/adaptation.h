#pragma once
// Adapting a publisher's novel: the novel window (Form56) and the window
// after the publisher refused (Form57).
//
// Confirming a novel ends the current activity and hands over to the
// publisher's permission talk. The talk belongs to the publishers' side,
// which calls into production and not the other way round: the novel
// window reaches it through the main window ("NovelPermissionTalk"), which
// holds it for ChosenNovel.

#include "state/value.h"

namespace koratsu {

// The main window's method that holds the permission talk for ChosenNovel.
inline constexpr const char* kNovelPermissionTalkCall = "NovelPermissionTalk";

// The name of publisher number 1 to 5.
Value PublisherNameOf(const Value& publisher);

// Form56's 決定 on novel row `novel`. Refuses, with the six-works message and
// before any draw, while no slot is free. Otherwise draws one number and
// asks; on yes remembers the novel (ChosenNovel), says who is asked, closes
// the novel window and Form46, ends the current activity and has the
// publisher's permission talk held. True when the talk was asked for.
bool ConfirmNovel(const Value& novel);

// Form57's 無許可で作る: one discarded draw, then ChosenNovel is placed as a
// work without permission; the schedule follows unless a serial's first
// episode is being set up.
void MakeWithoutPermission();

// Form57's やめておく: for an own work nothing is made; a magazine's work must
// still be made, so Form46 opens again. Any other mode keeps the window.
void GiveUpAdaptation();

}  // namespace koratsu
