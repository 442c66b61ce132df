#include "support/late_game.h"

#include <string>

#include "state/koudou_mode.h"

namespace koratsu::bench {

void FillLateGame(GameState& g, int works, int volumes) {
  g.SaveVersion = "1.20";
  g.AppTitle = "Koratsu";
  g.GameActive = 1;
  g.PlayerSei = "山田";
  g.PlayerMei = "";
  g.Kingaku = 987654321012.0;
  g.Stamina = 24.38;

  g.AsiCount = 19;
  for (int a = 0; a < 19; ++a) {
    g.Assistant[a].Name = "ｱｼｽﾀﾝﾄ" + std::to_string(a);
    g.Assistant[a].Skill = "背景が得意";
    g.Assistant[a].Point = a % 7;
  }
  g.PollArtistCount = 16;
  for (int p = 0; p <= 16; ++p) g.PollArtist[p].Name = "作家" + std::to_string(p);
  g.AssetRankCount = 100;
  for (int r = 0; r < 100; ++r) {
    g.AssetRankEntry[r].Name = "資産家" + std::to_string(r);
    g.AssetRankEntry[r].Value = 1e9 - r * 7777777.0;
    g.AssetRankEntry[r].Growth = (1e9 - r * 7777777.0) / 200000;
  }
  g.NovelCount = 39;
  g.OtherMangaCount = 34;
  g.SanpoCount = 10;
  g.ArubaitoCount = 22;
  g.SyugyouCount = 5;
  g.TiItemCount = 97;
  for (int k = 0; k < 97; ++k) {
    g.KnowledgeItem[k].Name = "知識" + std::to_string(k);
    g.KnowledgeItem[k].Value = 0.01 * (k + 1);
  }
  g.MagazineCount = 10;
  for (int m = 0; m < 10; ++m) g.Magazine[m].Name = "週刊誌" + std::to_string(m);
  g.FigureCount = 5;
  g.RoomItemSpriteCount = 20;
  for (int s = 0; s < 60; ++s) {
    g.Sprite[s].Used = 1;
    g.Sprite[s].Depth = 100 + s * 3 + s / 1000.0;
  }

  g.ComicCount = 257;
  for (int c = 0; c < 257; ++c) {
    g.ComicEntry[c].Title = "ライバル作品" + std::to_string(c);
    g.ComicEntry[c].Copies = 10600000 - c * 1000;
    g.ComicEntry[c].MangaIndex = -1;
  }

  g.MangaCount = works;
  for (int w = 0; w < works; ++w) {
    rec::MangaWork& m = g.MangaWork[w];
    m.Title = "僕の漫画" + std::to_string(w);
    m.State = 8;
    m.Date = "74/03/01";
    m.Hyouka = 180.5 + w;
    m.Volumes = volumes;
    m.SerialEpisodes = volumes;
    m.TotalSold = 1234567.0 * w;
    for (int k = 0; k < 6; ++k) m.Rating[k] = (w + k) % 10;
    g.MangaClass[0][w] = 1;
    g.MangaClass[1][w] = w % 3;
    for (int v = 0; v < volumes; ++v) {
      m.EpisodeVolume[v] = v + 1;
      rec::ComicsVolume& cv = g.ComicsVolume[w][v];
      cv.Sold = 100000 + 37 * v;
      cv.Printed = 150000 + 50000 * (v % 3);
      cv.SalesRate = 1.05 + v / 100.0;
      cv.MillionFlag = 0;
      cv.Price = Money::FromNumber(410);
    }
  }
}

void WorkOnSixWorks(GameState& g) {
  g.SubTick = 0;
  g.TicksPerStep = 2;
  g.TickHold = 0;
  g.MinutesPerStep = 30;
  g.KoudouMode = koudou_mode::kWork;
  g.KoudouMinutesLeft = 0;
  g.SigotoOn = 1;
  for (int s = 0; s <= 5; ++s) {
    g.SlotKanseido[s] = 1;
    g.ProductionSlot[s].Target = 1e12;
    g.ProductionSlot[s].SigotoPoint = 5;
    g.ProductionSlot[s].Kind = 0;
  }
}

}  // namespace koratsu::bench
