#include "shell/world_setup.h"

#include "production/sukezyuru.h"
#include "roomview/figures.h"
#include "roomview/furnish.h"
#include "state/catalogues.h"
#include "state/computer_clock.h"
#include "state/game_state.h"
#include "state/production_slots.h"
#include "state/random.h"
#include "ui/ui.h"

namespace koratsu::shell {

namespace {

// Per-work totals and the desks start as numbers, not as empty values.
void ZeroTotals(GameState& g) {
  for (long long s = 0; s <= kLastSlot; ++s) g.ProductionSlot[s].SigotoPoint = 0;
  for (long long m = 0; m <= 640; ++m) {
    rec::MangaWork& work = g.MangaWork[m];
    work.Prize = 0;
    work.TotalSold = 0;
    work.Royalty = 0;
    auto& volumes = g.ComicsVolume[m];
    for (long long v = 0; v <= 200; ++v) volumes[v].Sold = 0;
  }
  for (long long i = 0; i <= 256; ++i) g.KnowledgeItem[i].Point = 0;
  for (long long k = 0; k <= 12; ++k) g.AsiDesk[k] = -1;  // a free desk
}

}  // namespace

void InitWorld() {
  GameState& g = State();

  Randomize();
  Rnd();  // discarded

  g.PlayerSei = "";
  g.PlayerMei = "";
  g.StatusText = "停止中";

  // Today's month, day, weekday and hour, in 1970. The date is not checked
  // against that year, and the weekday is today's.
  ComputerTime now = CurrentComputerClock().Now();
  g.GameYear = 1970;
  g.GameMonth = now.month;
  g.GameDay = now.day;
  g.GameMinute = 0;
  g.GameWeekday = now.weekday - 1;
  g.GameHour = now.hour;

  g.Garyoku = RndInt(13) + 4;
  g.Kyouyou = RndInt(13) + 4;
  g.Hassouryoku = RndInt(13) + 4;
  g.Souzouryoku = RndInt(13) + 4;
  g.Tinou = RndInt(13) + 4;
  g.GaryokuMax = 20;
  g.KyouyouMax = 24;
  g.HassouryokuMax = 22;
  g.SouzouryokuMax = 20;
  g.TinouMax = 24;

  g.Experience = 0;
  g.Level = 1;
  g.Kingaku = 12000;
  g.SpareWorldFlag = 0;
  g.SerialAccepted = 0;
  g.SigotoOn = 0;
  g.PlayerPopularity = 3;
  g.FigureSheetStride = 80;
  g.HouseKind = 0;

  g.GameSpeed = 2;
  ui::GameSpeedChange();
  g.Koukaon = 1;
  ui::ChangeKoukaon();

  g.SigotoPoint = 20;
  g.SukezyuruType = 2;
  g.ScheduleEvery = 12;
  g.TicksPerStep = 3;
  SetSukezyuruHours(0);
  g.PlayerFame = 20;
  g.StaminaMax = 25;
  g.Stamina = g.StaminaMax;

  ZeroTotals(g);

  // The furniture takes the lowest sprite slots, the five figures the next ones.
  FurnishRoom();
  AddPerson("主人公", 0, 1);
  for (int desk = 0; desk < 4; ++desk) AddPerson("ｱｼｽﾀﾝﾄ", 1, 1);

  AddAssistants();
  AddClassLists();
  AddPollArtists();
  AddAssetRanking();
  AddOtherMangaRows();
  AddNovels();
  AddMagazines();
  AddSyugyouCourses();
  AddSanpoPlaces();
  AddArubaitoJobs();
  AddKnowledgeItems();
  GiveFirstKnowledgePoints();
  g.TiPointMax = 15;
  SetEquipment();
}

}  // namespace koratsu::shell
