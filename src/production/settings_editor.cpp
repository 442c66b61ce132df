#include "production/settings_editor.h"

#include "production/point_buttons.h"
#include "production/ratings.h"
#include "production/slots.h"
#include "state/game_state.h"
#include "state/random.h"
#include "ui/forms.h"
#include "ui/tutorial_stages.h"
#include "ui/ui.h"

namespace koratsu {

const char* const kNoSettingsMessage = "漫画の設定がありません。";
const char* const kNoPointsSuffix = "のﾎﾟｲﾝﾄがありません。";

namespace {

rec::NewMangaSetting& Setting(const Value& k) { return State().NewMangaSetting[k]; }

bool HasItem(const Value& k) { return Setting(k).Used == 1; }

bool HeldByAnotherSetting(const Value& item, const Value& except) {
  for (int k = 0; k < kSettingCount; ++k)
    if (k != except && HasItem(k) && Setting(k).Item == item) return true;
  return false;
}

// Moves setting `from` down to the empty setting `to`.
void MoveSettingDown(int from, int to) {
  rec::NewMangaSetting& later = Setting(from);
  rec::NewMangaSetting& earlier = Setting(to);
  earlier.Used = 1;
  earlier.Item = later.Item;
  earlier.Points = later.Points;
  later.Used = 0;
  later.Item = 0;
  later.Points = 0;
}

// The settings with items move to the front, keeping their order.
void CloseGaps() {
  for (;;) {
    if (!HasItem(0) && HasItem(1)) {
      MoveSettingDown(1, 0);
    } else if (!HasItem(1) && HasItem(2)) {
      MoveSettingDown(2, 1);
    } else {
      return;
    }
  }
}

// The first refusal of the plan, or "" when it can be made.
std::string PlanRefusal() {
  if (!HasItem(0) && !HasItem(1) && !HasItem(2)) return kNoSettingsMessage;
  for (int k = 0; k < kSettingCount; ++k)
    if (HasItem(k) && Setting(k).Points <= 0)
      return State().KnowledgeItem[Setting(k).Item].Name.Str() + kNoPointsSuffix;
  return {};
}

void SpendKnowledge() {
  GameState& g = State();
  for (long long i = 0; i < g.TiItemCount.Index(); ++i) g.KnowledgeItem[i].Point = g.KnowledgeItem[i].PointWork;
  g.FormSlot[form::kKnowledgeList].Rebuild = 1;
}

void PlaceWork(int s, const Value& audience, const Value& genre) {
  GameState& g = State();
  rec::ProductionSlot& p = g.ProductionSlot[s];
  g.SlotKanseido[s] = 0.1;
  Value r = RndInt(50);
  if (r <= 20) r = -r;
  Value values[kSettingCount];
  for (int k = 0; k < kSettingCount; ++k) p.SettingPoints[k] = HasItem(k) ? Setting(k).Points : Value(0);
  p.Class[0] = audience;
  p.Class[1] = genre;
  for (int k = 0; k < kSettingCount; ++k) {
    p.SettingItem[k] = HasItem(k) ? Setting(k).Item : Value(-1);
    values[k] = SettingValue(p.SettingItem[k], p.SettingPoints[k]);
  }
  p.Target = Int(140 + r + (values[0] + values[1] + values[2]) / 20);
  p.Source = 0;
  CompletePlacing(s, values[0], values[1], values[2]);
}

}  // namespace

void OpenSettingsEditor() {
  GameState& g = State();
  AdvanceTutorial(tutorial_stage::kSettingsEditor);
  for (int k = 0; k < kSettingCount; ++k) {
    Setting(k).Used = 0;
    Setting(k).Points = 0;
  }
  const long long items = g.TiItemCount.Index();
  for (long long i = 0; i < items; ++i) g.KnowledgeItem[i].PointWork = g.KnowledgeItem[i].Point;
  g.SelectedSetting = 0;
  g.CandidateCount = 0;
  for (long long i = 0; i < items; ++i) {
    if (!(g.KnowledgeItem[i].PointWork > 0)) continue;
    rec::SettingCandidate* row = Append(g.SettingCandidate, g.CandidateCount);
    if (!row) break;
    row->Item = i;
  }
}

void SelectSetting(int k) {
  if (k >= 0 && k < kSettingCount) State().SelectedSetting = k;
}

void ClearSelectedSetting() {
  GameState& g = State();
  rec::NewMangaSetting& s = Setting(g.SelectedSetting);
  if (s.Used == 1) g.KnowledgeItem[s.Item].PointWork += s.Points;
  s.Used = 0;
  s.Points = 0;
}

void ChooseCandidate(const Value& row) {
  GameState& g = State();
  if (row < 0 || row >= g.CandidateCount) return;
  const Value item = g.SettingCandidate[row].Item;
  ClearSelectedSetting();
  if (HeldByAnotherSetting(item, g.SelectedSetting)) return;
  rec::NewMangaSetting& s = Setting(g.SelectedSetting);
  s.Used = 1;
  s.Item = item;
}

void PressSettingPointButton(int k, int repeat) {
  GameState& g = State();
  SelectSetting(k);
  g.PointRepeat = repeat;
  g.PointRepeatSlot = k;
}

void ReleaseSettingPointButton() { State().PointRepeat = kPointRepeatIdle; }

bool SettingsEditorTimerStep() {
  GameState& g = State();
  rec::NewMangaSetting& s = Setting(g.SelectedSetting);
  if (s.Used != 1) return false;
  return StepHeldPointButton(g.KnowledgeItem[s.Item].PointWork, s.Points);
}

bool StartProduction(const Value& audience, const Value& genre) {
  GameState& g = State();
  Rnd();  // discarded
  AdvanceTutorial(tutorial_stage::kSettingsStart);
  if (std::string refusal = PlanRefusal(); !refusal.empty()) {
    ui::ShowMessage(refusal);
    return false;
  }
  // Checked before anything is spent: the ways into the editor refuse a
  // seventh work, but nothing here may rely on that.
  const int slot = FirstFreeSlot();
  if (slot < 0) {
    ui::ShowMessage(kSixWorksMessage);
    return false;
  }
  CloseGaps();
  SpendKnowledge();
  PlaceWork(slot, audience, genre);

  ui::Unload(form::kSettingsEditor);
  ui::Unload(form::kNewMangaChoice);
  if (g.FormSlot[form::kSettingsEditor].Mode != 2) ui::Show(form::kSchedule, ui::Modal);
  g.FormSlot[form::kSettingsEditor].Mode = 0;
  return true;
}

}  // namespace koratsu
