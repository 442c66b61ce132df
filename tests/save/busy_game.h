#pragma once
// A late game with a bit of everything the save file has to carry: works with
// many volumes, a serial past its 200th episode, queued editor events, the
// comics market, texts with commas and digits, fractions and negatives.

#include <string>

#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu::testing {

inline void FillBusyGame(GameState& g) {
  g.SaveVersion = "1.20";
  g.AppTitle = "Koratsu";
  g.GameActive = 1;
  g.GameSpeed = 3;
  g.Koukaon = 2;
  g.KingakuHyouzi = 2;
  g.KingakuComma = 1;
  g.ToolStyle = 1;
  g.CaptionRefresh = 1;
  g.PlayerDebuted = 2;

  g.PlayerSei = "ﾏﾝｶﾞ,太郎";  // a comma inside a name
  g.PlayerMei = "";
  g.Kingaku = 123456789012.0;
  g.Stamina = 24.38;
  g.StaminaMax = 29;
  g.PlayerPopularity = 0.1 + 0.2;
  g.PlayerFame = 20;
  g.Level = 7;
  g.Experience = 4321;
  g.Garyoku = 18;
  g.Kyouyou = 22;
  g.Hassouryoku = 9;
  g.Souzouryoku = 15;
  g.Tinou = 24;
  g.TiPointMax = 30;
  g.HouseKind = 1;
  g.SigotoPoint = 31;
  g.GameYear = 1974;
  g.GameMonth = 11;
  g.GameDay = 30;
  g.GameWeekday = 6;
  g.GameHour = 23;
  g.GameMinute = 45;
  g.StatusText = "仕事中";
  g.StatusDetail = "仕事をしています";
  g.TutorialStage = 0;
  g.TalkText = "売上は1,250,000冊です";
  g.TalkShownChars = 5;

  for (int w = 0; w < 129; w += 9) {
    g.FormSlot[w].Open = w % 2;
    g.FormSlot[w].Param = w - 60;
  }
  g.FormSlot[form::kWorking].Top = 1234.5;
  g.FormSlot[form::kWorking].Left = 0.25;

  g.AsiCount = 19;
  g.AsiListCount = 3;
  for (int a = 0; a < 19; ++a) {
    g.Assistant[a].Name = "ｱｼｽﾀﾝﾄ" + std::to_string(a);
    g.Assistant[a].Skill = "背景が得意";
    g.Assistant[a].Point = a % 7;
    g.Assistant[a].Picture = a % 4 + 1;
    g.AsiList[a] = 18 - a;
  }
  g.Assistant[4].Hired = 1;
  for (int d = 0; d < 13; ++d) g.AsiDesk[d] = -1;
  g.AsiDesk[0] = 4;

  g.PollArtistCount = 16;
  for (int p = 1; p <= 16; ++p) {
    g.PollArtist[p].Name = "作家" + std::to_string(p);
    g.PollArtist[p].Popularity = 26 + p * 3;
  }

  g.TalkLineCount = 3;
  g.TalkLines[0] = "今月の印税は";
  g.TalkLines[1] = "12,345,678円です。";
  g.TalkLines[2] = "12";  // digits, but a text
  g.LevelUpLineCount = 1;
  g.LevelUpLines[0] = "画力の上限が上がった";

  g.AssetRankCount = 100;
  g.AssetRankFill = 100;
  for (int r = 0; r < 100; ++r) {
    g.AssetRankEntry[r].Name = r == 0 ? "ﾏﾝｶﾞ,太郎 " : "資産家" + std::to_string(r);
    g.AssetRankEntry[r].Value = 1e9 - r * 7777777.0;
    g.AssetRankEntry[r].Job = "社長";
    g.AssetRankEntry[r].Spare = 0;
    g.AssetRankEntry[r].Growth = (1e9 - r * 7777777.0) / 200000;
    g.AssetRanking[r].Entry = 99 - r;
    g.AssetRanking[r].Value = r * 1000;
  }

  // Comics: rivals with -1, the player's series with their work.
  g.ComicCount = 120;
  g.ComicRankCount = 120;
  for (int c = 0; c < 120; ++c) {
    rec::ComicEntry& e = g.ComicEntry[c];
    bool players = c % 10 == 9;
    e.Title = players ? "僕の漫画" + std::to_string(c) : "ライバル作品" + std::to_string(c);
    e.Author = c == 3 ? Value("12") : Value("作者" + std::to_string(c));
    e.MangaIndex = players ? c / 10 : -1;
    e.Copies = 10600000 - c * 1000;
    e.Popularity = c % 62 + 1;
    e.SalesPower = c * 3;
    e.Volumes = c % 36 + 1;
    e.DaysToVolume = 56 - c % 56;
    e.FinalVolume = 108;
    e.Ended = c % 17 == 0 ? 1 : 0;
    g.ComicRanking[c].Row = 119 - c;
    g.ComicRanking[c].Copies = 10600000 - (119 - c) * 1000;
    if (!players) {
      g.Rival[c].Debuted = 1;
      g.Rival[c].ComicRow = c;
    }
  }

  g.NovelCount = 3;
  g.Novel[0].Title = "小説,その一";
  g.Novel[0].Publisher = 2;
  g.FigureCount = 5;
  for (int f = 0; f < 5; ++f) {
    g.Figure[f].Place = 1;
    g.Figure[f].Sprite = 10 + f;
    g.Figure[f].Dir = f == 3 ? 5 : 0;
    g.Figure[f].Picture = f == 3 ? 100 : f;
  }
  g.OtherMangaCount = 2;
  g.OtherManga[1].Comment = "ギャグマンが";
  g.SanpoCount = 10;
  g.SanpoPlace[2].Name = "観戦に行く";
  g.SanpoPlace[2].StatusText = "映画を見ています";
  g.ArubaitoCount = 22;
  g.ArubaitoJob[0].ShortStatus = "バイト中";
  g.SyugyouCount = 5;
  g.SyugyouCourse[0].ShortStatus = "";
  g.TiItemCount = 97;
  for (int k = 0; k < 97; ++k) {
    g.KnowledgeItem[k].Name = "知識" + std::to_string(k);
    g.KnowledgeItem[k].Point = k % 14;
    g.KnowledgeItem[k].Value = 0.01 * (k + 1);
    g.SettingCandidate[k].Item = k;
  }

  // Classification lists and the production slots.
  g.ClassList[0].Count = 4;
  g.ClassList[0].Text[0] = "12ページ";
  g.ClassList[0].Point[0] = 40;
  g.ClassList[2].Text[1] = "ｽﾄｰﾘｰ漫画";
  g.ProductionSlot[2].Class[0] = 1;
  g.ProductionSlot[2].SettingItem[0] = 5;
  g.ProductionSlot[2].SettingItem[1] = -1;
  g.ProductionSlot[2].SettingPoints[0] = 2.2;
  g.ProductionSlot[2].DaysLeft = -1;
  g.ProductionSlot[2].Quality = 201.35;
  g.ProductionSlot[2].SigotoPoint = 17;
  g.SlotKanseido[2] = 88.8;
  g.SlotLabel[2] = "連載漫画(許可あり小説)";

  // Works: many volumes, and one serial past episode 200.
  g.MangaCount = 12;
  for (int w = 0; w < 12; ++w) {
    rec::MangaWork& m = g.MangaWork[w];
    m.Title = "僕の漫画" + std::to_string(w * 10 + 9);
    m.State = w % 2 ? 7 : 9;
    m.Date = "74/03/0" + std::to_string(w % 9 + 1);
    m.Hyouka = 180.5 + w;
    m.AnimeRating = 26.4;
    m.Royalty = 410.0 * w * 1000;
    g.MangaClass[0][w] = 1;
    g.MangaClass[1][w] = w % 3;
    g.MangaListIndex[w] = w;
    int volumes = w * 20;
    m.Volumes = volumes;
    for (int v = 0; v < volumes; ++v) {
      rec::ComicsVolume& cv = g.ComicsVolume[w][v];
      cv.Sold = 100000 * (v + 1);
      cv.Printed = 150000 * (v + 1);
      cv.SalesRate = 1.05 + v / 100.0;
      cv.Price = Money::FromScaled(4100000 + v);  // 410.0000 .. with odd fractions
      cv.MillionFlag = cv.Sold.Num() >= 1000000 ? 1 : 0;
    }
  }
  rec::MangaWork& serial = g.MangaWork[11];
  serial.SerialEpisodes = 260;
  for (int e = 0; e < 260; ++e) serial.EpisodeVolume[e] = e / 9 + 1;
  for (int v = 220; v < 240; ++v) g.ComicsVolume[11][v].Sold = 50000;  // volumes 221 .. 240
  g.ComicsVolume[5][500].Price = Money::FromNumber(390.1234);  // the very last column

  g.MillionRecord[0] = 7;
  g.MillionRecord[1] = 12;

  g.MagazineCount = 10;
  for (int m = 0; m < 10; ++m) {
    g.Magazine[m].Name = "週刊誌" + std::to_string(m);
    g.Magazine[m].Publisher = m / 2 + 1;
    g.Magazine[m].ComicsPrice = 390 + m;
    g.PublisherYukou[m] = 0;
  }
  for (int p = 0; p < 5; ++p) g.Publisher[p].Name = "出版社" + std::to_string(p);
  g.PublisherYukou[3] = 4;

  for (int d = 0; d < 5; ++d) {
    g.Equipment[d].Name = "機材" + std::to_string(d);
    g.Equipment[d].Price = 200000 + d * 10000;
  }
  g.Equipment[1].Owned = 1;

  // Queued editor events: a work row for some codes, a serial's title for others.
  g.EditorEvent[0].Code = 2;
  g.EditorEvent[0].Delay = 2;
  g.EditorEvent[0].Manga = 4;
  g.EditorEvent[1].Code = 8;
  g.EditorEvent[1].Manga = "僕の漫画119";
  g.EditorEvent[64].Code = 11;
  g.EditorEvent[64].Target = 11;

  for (int s = 0; s < 30; ++s) {
    g.Sprite[s].Used = 1;
    g.Sprite[s].X = s * 6;
    g.Sprite[s].Y = 100 + s * 3;
    g.Sprite[s].Depth = 100 + s * 3 + s / 1000.0;
    g.Sprite[s].SrcX = s == 13 ? -50 : s * 20;
    g.SpriteDrawList[s] = s;
    g.SpriteFrameEntry[s].Slot = s;
    g.SpriteFrameEntry[s].Depth = g.Sprite[s].Depth;
  }
  g.SpriteDrawCount = 30;
  g.SpriteVisibleCount = 29;
  g.RoomItemSpriteCount = 6;
  for (int r = 0; r < 6; ++r) g.RoomItem[r].Sprite = r;
}

}  // namespace koratsu::testing
