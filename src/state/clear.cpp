// Emptying the game state before a new game or a load.
//
// Every game value becomes empty (volume prices 0). Counted tables are emptied
// over the rows in use, their count read before the rows and emptied after
// them; rows at or beyond a count stay as they are, the world set-up writes
// them again. The program's own values (titles, version, the tutorial's choice
// and window state, the about box's counters) are left alone. The groups follow
// the order of the save file.

#include <algorithm>

#include "state/game_state.h"

namespace koratsu {

namespace {

template <class... V>
void Empty(V&... values) {
  ((values = Value()), ...);
}

template <class T, std::size_t N>
void EmptyAll(Table<T, N>& table) {
  for (T& row : table) ResetRow(row);
}

// Rows first .. last (inclusive), kept inside the table.
template <class T, std::size_t N>
void EmptyRows(Table<T, N>& table, long long first, long long last) {
  last = std::min<long long>(last, static_cast<long long>(N) - 1);
  for (long long i = std::max<long long>(first, 0); i <= last; ++i) ResetRow(table[i]);
}

// The rows in use, 0 .. count - 1.
template <class T, std::size_t N>
void EmptyUsed(Table<T, N>& table, long long count) {
  EmptyRows(table, 0, count - 1);
}

}  // namespace

void ClearGameState() {
  GameState& g = State();

  // 1. Settings and window flags.
  Empty(g.GameActive, g.KingakuComma, g.YesNoAnswer, g.GameSpeed, g.Koukaon, g.KingakuHyouzi,
        g.KoudouShown, g.CaptionRefresh, g.ResumeRequest, g.TickHold, g.PlayerDebuted);

  // 2. Window slots.
  EmptyAll(g.FormSlot);
  EmptyAll(g.SanpoPendingStatus);

  // 3. Player, clock and activity values.
  Empty(g.SerialAccepted, g.KoudouMode, g.Awake, g.BusySlotCount, g.PlayerPopularity,
        g.GameOverCause, g.SpareGameFlag, g.DeskAnimSprite, g.DeskAnimFrame, g.HouseKind,
        g.ChosenNovel);
  Empty(g.Garyoku, g.Kyouyou, g.Hassouryoku, g.Souzouryoku, g.Tinou);
  Empty(g.TalkText, g.TalkShownChars, g.TutorialStageLoaded, g.TalkMouth, g.StatusBarTick,
        g.StatusBarText, g.SpareStatusBarValue, g.SubTick, g.TicksPerStep, g.GameMinute,
        g.GameYear, g.GameMonth, g.GameDay, g.GameWeekday, g.GameHour, g.SpareTutorialValue,
        g.StaminaMax, g.Stamina, g.BedSprite, g.ToolStyle, g.Experience, g.Level,
        g.ExperienceGain, g.LevelUpLineIndex);
  Empty(g.GaryokuMax, g.KyouyouMax, g.HassouryokuMax, g.SouzouryokuMax, g.TinouMax, g.TiPointMax);
  Empty(g.KoudouCost, g.KoudouMinutesLeft, g.KoudouMinutesTotal, g.StatusText, g.StatusDetail,
        g.LifeStatus, g.SigotoOn, g.ResultLineCount, g.SpareResultValue, g.ResultAnimTick,
        g.SanpoChoice, g.SanpoFrameShown);

  // 4. Points-gained rows.
  EmptyAll(g.ResultLine);

  // 5. Assistants and desks.
  long long asiCount = g.AsiCount.Index();
  EmptyUsed(g.Assistant, asiCount);
  EmptyUsed(g.AsiList, asiCount);
  Empty(g.AsiCount, g.AsiListCount);
  EmptyAll(g.AsiDesk);
  EmptyAll(g.AsiDeskSlot);
  EmptyAll(g.RankCongratShown);

  // 6. Poll artists (one row more than in use), level-up lines, knowledge list.
  EmptyRows(g.PollArtist, 0, g.PollArtistCount.Index());
  Empty(g.PollArtistCount, g.FigureSheetStride, g.StaminaWarned);
  EmptyAll(g.LevelUpLines);
  Empty(g.LevelUpLineCount);
  EmptyAll(g.TiList);
  Empty(g.TiListCount);

  // 7. Money, name, conversation and talk states.
  Empty(g.Kingaku, g.PlayerSei, g.PlayerMei, g.PlayerFame, g.TalkLineCount, g.TalkLineIndex);
  EmptyAll(g.TalkLines);
  Empty(g.SerialTalkState, g.SerialSlot, g.RequestMagazine, g.SerialMagazine, g.MotikomuTalkState,
        g.MotikomuManga);

  // 8. Asset ranking.
  long long assetCount = g.AssetRankCount.Index();
  EmptyUsed(g.AssetRankEntry, assetCount);
  EmptyUsed(g.AssetRanking, assetCount);
  Empty(g.AssetRankCount, g.AssetRankFill);

  // 9. Comics market; the rival roster is indexed by rival number and emptied whole.
  long long comicCount = g.ComicCount.Index();
  EmptyUsed(g.ComicEntry, comicCount);
  EmptyUsed(g.ComicRanking, comicCount);
  EmptyAll(g.Rival);
  Empty(g.ComicCount, g.ComicRankCount);

  // 10. Novels, figures, existing manga.
  EmptyUsed(g.Novel, g.NovelCount.Index());
  Empty(g.NovelCount, g.NovelTalkState);
  EmptyUsed(g.Figure, g.FigureCount.Index());
  Empty(g.FigureCount);
  EmptyUsed(g.OtherManga, g.OtherMangaCount.Index());
  Empty(g.OtherMangaCount);

  // 11. Outings, jobs, training.
  EmptyUsed(g.SanpoPlace, g.SanpoCount.Index());
  Empty(g.SanpoCount, g.SpareSanpoValue, g.SanpoAnimFrame, g.SanpoKind, g.MinutesPerStep);
  EmptyUsed(g.ArubaitoJob, g.ArubaitoCount.Index());
  Empty(g.ArubaitoCount, g.ArubaitoOn, g.ArubaitoAnimFrame, g.ArubaitoKind, g.ArubaitoPayChosen,
        g.SpareArubaitoA, g.SpareArubaitoB);
  EmptyUsed(g.SyugyouCourse, g.SyugyouCount.Index());
  Empty(g.SyugyouCount, g.SyugyouOn, g.SyugyouAnimFrame, g.SyugyouKind, g.SyugyouIndex,
        g.SpareSyugyouA, g.SpareSyugyouB);

  // 12. Knowledge items and the planning settings.
  long long itemCount = g.TiItemCount.Index();
  EmptyUsed(g.KnowledgeItem, itemCount);
  EmptyUsed(g.SettingCandidate, itemCount);
  Empty(g.TiItemCount, g.SpareTiCount, g.CandidateCount, g.SelectedSetting);
  EmptyAll(g.NewMangaSetting);

  // 13. Per production slot i: classification list i, slot i and classification column i.
  for (long long i = 0; i <= 6; ++i) {
    ResetRow(g.ClassList[i]);
    ResetRow(g.ProductionSlot[i]);
    EmptyAll(g.MangaClass[i]);
  }

  // 14.
  Empty(g.FinishedSlot, g.RequestFee);
  EmptyAll(g.SlotKanseido);
  EmptyAll(g.SlotLabel);
  Empty(g.MangaListRow, g.MagazineListRow);

  // 15. Works with their episodes and volumes. All 501 columns of a row in use
  // are emptied, so no stale volume survives into the next game.
  long long workCount = g.MangaCount.Index();
  EmptyUsed(g.MangaWork, workCount);
  EmptyUsed(g.ComicsVolume, workCount);
  EmptyUsed(g.MangaListIndex, workCount);
  Empty(g.MangaCount, g.DaysSinceOffer, g.AnimeOfferWeekday, g.MerchOfferFee);
  EmptyAll(g.MillionRecord);
  Empty(g.MangaListCount, g.OneShotRequestMagazine, g.SlotsInUse);
  // The slots' work points were emptied with their slots in group 13.

  // 16. Magazines with the publisher fields of the same index.
  long long magazineCount = g.MagazineCount.Index();
  EmptyUsed(g.Magazine, magazineCount);
  EmptyUsed(g.Publisher, magazineCount);
  EmptyUsed(g.PublisherYukou, magazineCount);
  Empty(g.MagazineCount);

  // 17. Studio, schedule, equipment, event queue.
  Empty(g.SigotoPoint, g.SigotoPointLeft, g.SukezyuruType, g.SukezyuruTypeEdit, g.SukezyuruHours,
        g.ScheduleEvery, g.PointRepeat, g.PointRepeatSlot, g.SpareWorldFlag);
  EmptyAll(g.SpareList25);
  Empty(g.DouguSelected);
  EmptyAll(g.Equipment);
  EmptyAll(g.EditorEvent);

  // 18. Sprite table and room items.
  Empty(g.SpareSpriteA, g.SpareSpriteB, g.SpriteLast, g.SpareSpriteC, g.SpareSpriteFlag,
        g.SpareSpriteD, g.SpriteVisibleCount, g.SpriteDrawCount);
  EmptyAll(g.Sprite);
  EmptyAll(g.SpriteFrameEntry);
  EmptyAll(g.SpriteDrawList);
  EmptyUsed(g.RoomItem, g.RoomItemSpriteCount.Index());
  Empty(g.RoomItemSpriteCount);

  // 19. Values the save file does not hold.
  EmptyAll(g.SerialPointsAdd);
  Empty(g.SerialSelectedSetting, g.MangaArchiveScroll, g.RankAchievement, g.RankAchievementTitle,
        g.CeremonyBusy, g.PollCount, g.SerialEpisodeSent, g.SerialTitleSent);
  EmptyAll(g.PollVotes);
  EmptyAll(g.PollRanking);
  EmptyAll(g.PublisherSerialRunning);
  EmptyAll(g.SerialListSlot);
  EmptyAll(g.PublisherTorofi);
  Empty(g.SerialListCount, g.EndSerialAnswer, g.TalkSpeaker);
}

}  // namespace koratsu
