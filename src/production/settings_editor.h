#pragma once
// The settings editor (Form5): the plan of an own story, made on working
// copies so that leaving the editor changes nothing.
//
// The plan is three settings (NewMangaSetting 0 to 2), each a knowledge item
// with the points poured into it; the points come out of the items' working
// copies (TiPointsWork) and go back there when a setting is cleared. The
// committed knowledge points (TiPoint) change only when production starts.
// Invariants while the editor is open: a setting without item holds 0
// points; for every item, its working points plus the points of the setting
// that holds it equal its TiPoint; no two settings hold the same item.

#include "state/value.h"

namespace koratsu {

constexpr int kSettingCount = 3;

extern const char* const kNoSettingsMessage;
extern const char* const kNoPointsSuffix;

// The editor's loading: the tutorial's step, every setting emptied, the
// working copies taken, setting 0 selected, and the candidate list
// (SettingCandidate, every item with working points, in item order) built.
// The list is not built again while the editor is open.
void OpenSettingsEditor();

// Makes setting k (0 to 2) the one being edited.
void SelectSetting(int k);

// "なし": the selected setting gives its points back to its item and has no
// item any more.
void ClearSelectedSetting();

// A double-click on candidate row `row`: the selected setting is cleared,
// then takes the row's item with 0 points, unless another setting holds it.
void ChooseCandidate(const Value& row);

// A press on setting k's ▲ (kPointRepeatAdd) or ▼ (kPointRepeatTakeBack):
// selects the setting and starts the repeat; the release stops it.
void PressSettingPointButton(int k, int repeat);
void ReleaseSettingPointButton();

// One tick of the editor's timer: a held button moves one point between the
// selected setting and its item's working points. True when a point moved.
bool SettingsEditorTimerStep();

// The start command (作成開始 / 決定) with the entries chosen in the audience
// and genre lists (0-based). Refuses, with a message and the plan kept, a
// plan without settings, a setting without points, or a studio without a
// free slot (then nothing is spent). Otherwise spends the knowledge, places
// the work in the first free slot, closes the editor and Form46 and, unless
// a serial's first episode is being set up, opens the schedule window.
// True when the work was placed.
bool StartProduction(const Value& audience, const Value& genre);

}  // namespace koratsu
