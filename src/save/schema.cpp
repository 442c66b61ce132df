#include "save/schema.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "save/result.h"

namespace koratsu::save {

namespace {

// Item helpers. `i` and `j` are the indices of the loops around the line.
#define AT(expr) \
  [](GameState& g, [[maybe_unused]] long long i, [[maybe_unused]] long long j) -> Value& { return expr; }
#define ITEM(name, expr) Item{#name, AT(expr)}
#define ONE(name) ITEM(name, g.name)
// Items a game only ever fills with numbers (or leaves empty).
#define NUMBER(name, expr) Item{#name, AT(expr), nullptr, true}
#define NUM(name) NUMBER(name, g.name)
#define COUNT(name) AT(g.name), #name
#define CAP(table) static_cast<long long>(decltype(GameState::table)::kCapacity)

Node Line(int line, std::vector<Item> items) {
  if (items.size() > kMostItemsOnALine) std::abort();  // the walk's room for one line
  Node node;
  node.kind = NodeKind::kLine;
  node.line = line;
  node.items = std::move(items);
  return node;
}

// Rows first .. last of the body.
Node Rows(long long first, long long last, std::vector<Node> body) {
  Node node;
  node.kind = NodeKind::kLoop;
  node.first = first;
  node.last = last;
  node.body = std::move(body);
  return node;
}

// Rows 0 .. count - 1 of the body.
Node Counted(ValueAt count, const char* countName, long long capacity, std::vector<Node> body) {
  Node node = Rows(0, -1, std::move(body));
  node.count = count;
  node.countName = countName;
  node.capacity = capacity;
  return node;
}

// Rows 0 .. count of the body: one row more than in use.
Node ThroughCount(ValueAt count, const char* countName, long long capacity, std::vector<Node> body) {
  Node node = Counted(count, countName, capacity, std::move(body));
  node.throughCount = true;
  return node;
}

std::vector<Node> BuildLines() {
  std::vector<Item> volumeColumn = {
      NUMBER(MangaEpisodeVolume, g.MangaWork[i].EpisodeVolume[j]),
      NUMBER(VolumeSalesRate, g.ComicsVolume[i][j].SalesRate),
      NUMBER(VolumeMillionFlag, g.ComicsVolume[i][j].MillionFlag),
      NUMBER(VolumeSold, g.ComicsVolume[i][j].Sold),
      Item{"VolumePrice", nullptr,
           [](GameState& g, long long i, long long j) -> Money& { return g.ComicsVolume[i][j].Price; }},
      NUMBER(VolumePrinted, g.ComicsVolume[i][j].Printed),
  };

  Node volumeExtension;
  volumeExtension.kind = NodeKind::kVolumeExtension;
  volumeExtension.items = volumeColumn;
  volumeExtension.firstColumn = kMainColumns;
  volumeExtension.lastColumn = static_cast<long long>(decltype(rec::MangaWork::EpisodeVolume)::kCapacity) - 1;

  return {
      Line(1, {ONE(SaveVersion), ONE(AppTitle), NUM(GameActive), NUM(KingakuComma), NUM(YesNoAnswer),
               NUM(GameSpeed), NUM(Koukaon), NUM(KingakuHyouzi), NUM(KoudouShown)}),
      Line(2, {NUM(CaptionRefresh), NUM(ResumeRequest), NUM(TickHold), NUM(PlayerDebuted)}),
      Rows(0, 128, {Line(3, {ITEM(FormSpare, g.FormSlot[i].Spare), NUMBER(FormRedraw, g.FormSlot[i].Redraw),
                             NUMBER(FormRebuild, g.FormSlot[i].Rebuild), NUMBER(FormParam, g.FormSlot[i].Param),
                             NUMBER(FormTop, g.FormSlot[i].Top), NUMBER(FormLeft, g.FormSlot[i].Left),
                             NUMBER(FormOpen, g.FormSlot[i].Open), NUMBER(FormMode, g.FormSlot[i].Mode)})}),
      Rows(0, 2, {Line(4, {ITEM(SanpoPendingStatus, g.SanpoPendingStatus[i])})}),
      Line(5, {NUM(SerialAccepted), NUM(KoudouMode), NUM(Awake), NUM(BusySlotCount), NUM(PlayerPopularity),
               NUM(GameOverCause), ONE(SpareGameFlag), NUM(DeskAnimSprite), NUM(DeskAnimFrame), NUM(HouseKind),
               NUM(ChosenNovel)}),
      Line(6, {NUM(Garyoku), NUM(Kyouyou), NUM(Hassouryoku), NUM(Souzouryoku), NUM(Tinou)}),
      Line(7, {ONE(TalkText), NUM(TalkShownChars), NUM(TutorialStageLoaded), NUM(TalkMouth)}),
      Line(8, {NUM(StatusBarTick), ONE(StatusBarText), ONE(SpareStatusBarValue), NUM(SubTick), NUM(TicksPerStep),
               NUM(GameMinute)}),
      Line(9, {NUM(GameYear), NUM(GameMonth), NUM(GameDay), NUM(GameWeekday), NUM(GameHour)}),
      Line(10, {NUM(TutorialStage), ONE(SpareTutorialValue)}),
      Line(11, {NUM(StaminaMax), NUM(Stamina)}),
      Line(12, {NUM(BedSprite)}),
      Line(13, {NUM(ToolStyle), NUM(Experience), NUM(Level), NUM(ExperienceGain), NUM(LevelUpLineIndex)}),
      Line(14, {NUM(GaryokuMax), NUM(KyouyouMax), NUM(HassouryokuMax), NUM(SouzouryokuMax), NUM(TinouMax),
                NUM(TiPointMax)}),
      Line(15, {NUM(KoudouCost), NUM(KoudouMinutesLeft), NUM(KoudouMinutesTotal), ONE(StatusText),
                ONE(StatusDetail), NUM(LifeStatus), NUM(SigotoOn)}),
      Line(16, {NUM(ResultLineCount), ONE(SpareResultValue), NUM(ResultAnimTick), NUM(SanpoChoice),
                NUM(SanpoFrameShown)}),
      Rows(0, 10, {Line(17, {ITEM(ResultLineField, g.ResultLine[i].Field), NUMBER(ResultLineGain, g.ResultLine[i].Gain),
                             ITEM(ResultLineSpare, g.ResultLine[i].Spare)})}),
      Line(18, {NUM(AsiCount), NUM(AsiListCount)}),
      Counted(COUNT(AsiCount), CAP(Assistant),
              {Line(19, {ITEM(AsiName, g.Assistant[i].Name), ITEM(AsiSkill, g.Assistant[i].Skill),
                         NUMBER(AsiPoint, g.Assistant[i].Point), NUMBER(AsiHired, g.Assistant[i].Hired),
                         NUMBER(AsiPicture, g.Assistant[i].Picture), NUMBER(AsiList, g.AsiList[i]),
                         NUMBER(AsiOffered, g.Assistant[i].Offered)})}),
      Rows(0, 12, {Line(20, {NUMBER(AsiDesk, g.AsiDesk[i])})}),
      Rows(0, 3, {Line(21, {NUMBER(AsiDeskAnimSprite, g.AsiDeskSlot[i].AnimSprite),
                            NUMBER(AsiDeskAnimFrame, g.AsiDeskSlot[i].AnimFrame),
                            NUMBER(AsiDeskWalking, g.AsiDeskSlot[i].Walking)})}),
      Rows(0, 64, {Line(22, {NUMBER(RankCongratShown, g.RankCongratShown[i])})}),
      Line(23, {NUM(PollArtistCount), NUM(FigureSheetStride), NUM(StaminaWarned)}),
      ThroughCount(COUNT(PollArtistCount), CAP(PollArtist),
                   {Line(24, {ITEM(PollArtistName, g.PollArtist[i].Name),
                              NUMBER(PollArtistPopularity, g.PollArtist[i].Popularity)})}),
      Line(25, {NUM(LevelUpLineCount)}),
      Rows(0, 10, {Line(26, {ITEM(LevelUpLines, g.LevelUpLines[i])})}),
      Line(27, {NUM(TiListCount)}),
      Rows(0, 128, {Line(28, {NUMBER(TiList, g.TiList[i])})}),
      Line(29, {NUM(Kingaku), ONE(PlayerSei), ONE(PlayerMei), NUM(PlayerFame)}),
      Line(30, {NUM(TalkLineCount), NUM(TalkLineIndex)}),
      Rows(0, 32, {Line(31, {ITEM(TalkLines, g.TalkLines[i])})}),
      Line(32, {NUM(SerialTalkState), NUM(SerialSlot), NUM(RequestMagazine), NUM(SerialMagazine)}),
      Line(33, {NUM(MotikomuTalkState), NUM(MotikomuManga)}),
      Line(34, {NUM(AssetRankCount), NUM(AssetRankFill)}),
      Counted(COUNT(AssetRankCount), CAP(AssetRankEntry),
              {Line(35, {ITEM(AssetRankName, g.AssetRankEntry[i].Name),
                         NUMBER(AssetRankValue, g.AssetRankEntry[i].Value), ITEM(AssetRankJob, g.AssetRankEntry[i].Job),
                         ITEM(AssetRankSpare, g.AssetRankEntry[i].Spare),
                         NUMBER(AssetRankGrowth, g.AssetRankEntry[i].Growth),
                         NUMBER(AssetRankOrder, g.AssetRanking[i].Entry),
                         NUMBER(AssetRankSorted, g.AssetRanking[i].Value)})}),
      Line(36, {NUM(ComicCount), NUM(ComicRankCount)}),
      // Rival records travel under the comics row's index.
      Counted(COUNT(ComicCount), CAP(ComicEntry),
              {Line(37, {ITEM(ComicTitle, g.ComicEntry[i].Title), NUMBER(ComicCopies, g.ComicEntry[i].Copies),
                         ITEM(ComicAuthor, g.ComicEntry[i].Author), NUMBER(ComicMangaIndex, g.ComicEntry[i].MangaIndex),
                         NUMBER(ComicPopularity, g.ComicEntry[i].Popularity),
                         NUMBER(ComicSalesPower, g.ComicEntry[i].SalesPower),
                         NUMBER(ComicVolumes, g.ComicEntry[i].Volumes),
                         NUMBER(ComicDaysToVolume, g.ComicEntry[i].DaysToVolume),
                         NUMBER(ComicFinalVolume, g.ComicEntry[i].FinalVolume)}),
               Line(38, {NUMBER(ComicRankRow, g.ComicRanking[i].Row), NUMBER(ComicRankCopies, g.ComicRanking[i].Copies),
                         NUMBER(RivalDebuted, g.Rival[i].Debuted), NUMBER(RivalComicRow, g.Rival[i].ComicRow),
                         NUMBER(ComicEnded, g.ComicEntry[i].Ended)})}),
      Line(39, {NUM(NovelCount), NUM(NovelTalkState)}),
      Counted(COUNT(NovelCount), CAP(Novel),
              {Line(40, {ITEM(NovelTitle, g.Novel[i].Title), NUMBER(NovelPublisher, g.Novel[i].Publisher),
                         NUMBER(NovelPopularity, g.Novel[i].Popularity), ITEM(NovelComment, g.Novel[i].Comment)})}),
      Line(41, {NUM(FigureCount)}),
      Counted(COUNT(FigureCount), CAP(Figure),
              {Line(42, {NUMBER(FigurePlace, g.Figure[i].Place), NUMBER(FigurePicture, g.Figure[i].Picture),
                         NUMBER(FigureTargetCol, g.Figure[i].TargetCol), NUMBER(FigureTargetRow, g.Figure[i].TargetRow),
                         ITEM(FigureSpareA, g.Figure[i].SpareA), ITEM(FigureSpareB, g.Figure[i].SpareB),
                         NUMBER(FigureSprite, g.Figure[i].Sprite), NUMBER(FigureDir, g.Figure[i].Dir),
                         NUMBER(FigureStep, g.Figure[i].Step), NUMBER(FigureAnim, g.Figure[i].Anim),
                         NUMBER(FigureTurned, g.Figure[i].Turned)})}),
      Line(43, {NUM(OtherMangaCount)}),
      Counted(COUNT(OtherMangaCount), CAP(OtherManga),
              {Line(44, {ITEM(OtherMangaTitle, g.OtherManga[i].Title), NUMBER(OtherMangaFame, g.OtherManga[i].Fame),
                         NUMBER(OtherMangaPopularity, g.OtherManga[i].Popularity),
                         ITEM(OtherMangaComment, g.OtherManga[i].Comment)})}),
      Line(45, {NUM(SanpoCount), ONE(SpareSanpoValue), NUM(SanpoAnimFrame), NUM(SanpoKind), NUM(MinutesPerStep)}),
      Counted(COUNT(SanpoCount), CAP(SanpoPlace),
              {Line(46, {ITEM(SanpoName, g.SanpoPlace[i].Name), NUMBER(SanpoId, g.SanpoPlace[i].Id),
                         ITEM(SanpoShortStatus, g.SanpoPlace[i].ShortStatus),
                         ITEM(SanpoStatusText, g.SanpoPlace[i].StatusText),
                         ITEM(SanpoStatusDetail, g.SanpoPlace[i].StatusDetail),
                         NUMBER(SanpoMinutes, g.SanpoPlace[i].Minutes), NUMBER(SanpoCost, g.SanpoPlace[i].Cost),
                         NUMBER(SanpoOption, g.SanpoPlace[i].Option)})}),
      Line(47, {NUM(ArubaitoCount), NUM(ArubaitoOn), NUM(ArubaitoAnimFrame), NUM(ArubaitoKind),
                NUM(ArubaitoPayChosen), ONE(SpareArubaitoA), ONE(SpareArubaitoB)}),
      Counted(COUNT(ArubaitoCount), CAP(ArubaitoJob),
              {Line(48, {ITEM(ArubaitoName, g.ArubaitoJob[i].Name), NUMBER(ArubaitoId, g.ArubaitoJob[i].Id),
                         ITEM(ArubaitoShortStatus, g.ArubaitoJob[i].ShortStatus),
                         NUMBER(ArubaitoMinutes, g.ArubaitoJob[i].Minutes), NUMBER(ArubaitoPay, g.ArubaitoJob[i].Pay),
                         ITEM(ArubaitoStatusText, g.ArubaitoJob[i].StatusText),
                         ITEM(ArubaitoStatusDetail, g.ArubaitoJob[i].StatusDetail),
                         NUMBER(ArubaitoStamina, g.ArubaitoJob[i].Stamina)})}),
      Line(49, {NUM(SyugyouCount), NUM(SyugyouOn), NUM(SyugyouAnimFrame), NUM(SyugyouKind), NUM(SyugyouIndex),
                ONE(SpareSyugyouA), ONE(SpareSyugyouB)}),
      Counted(COUNT(SyugyouCount), CAP(SyugyouCourse),
              {Line(50, {ITEM(SyugyouName, g.SyugyouCourse[i].Name), NUMBER(SyugyouId, g.SyugyouCourse[i].Id),
                         ITEM(SyugyouShortStatus, g.SyugyouCourse[i].ShortStatus),
                         ITEM(SyugyouText, g.SyugyouCourse[i].Text),
                         ITEM(SyugyouStatusDetail, g.SyugyouCourse[i].StatusDetail),
                         ITEM(SyugyouStatusText, g.SyugyouCourse[i].StatusText),
                         NUMBER(SyugyouMinutes, g.SyugyouCourse[i].Minutes), NUMBER(SyugyouFee, g.SyugyouCourse[i].Fee),
                         NUMBER(SyugyouStamina, g.SyugyouCourse[i].Stamina)})}),
      Line(51, {NUM(TiItemCount), ONE(SpareTiCount), NUM(CandidateCount), NUM(SelectedSetting)}),
      Counted(COUNT(TiItemCount), CAP(KnowledgeItem),
              {Line(52, {ITEM(TiItemName, g.KnowledgeItem[i].Name), NUMBER(TiPoint, g.KnowledgeItem[i].Point),
                         NUMBER(TiItemId, g.KnowledgeItem[i].Id), NUMBER(TiItemKnown, g.KnowledgeItem[i].Known),
                         NUMBER(TiPointsWork, g.KnowledgeItem[i].PointWork),
                         NUMBER(CandidateItem, g.SettingCandidate[i].Item),
                         NUMBER(TiItemValue, g.KnowledgeItem[i].Value)})}),
      Rows(0, 2, {Line(53, {NUMBER(SettingUsed, g.NewMangaSetting[i].Used),
                            NUMBER(SettingPoints, g.NewMangaSetting[i].Points),
                            NUMBER(SettingItem, g.NewMangaSetting[i].Item)})}),
      // Per i: classification list i, production slot i and classification column i.
      Rows(0, 6,
           {Rows(0, 64, {Line(54, {ITEM(SpareClassGridA, g.ClassList[i].SpareGridA[j]),
                                   ITEM(SpareClassGridB, g.ClassList[i].SpareGridB[j])})}),
            Rows(0, 128, {Line(55, {NUMBER(ClassListPoint, g.ClassList[i].Point[j]),
                                    ITEM(ClassListText, g.ClassList[i].Text[j])})}),
            Rows(0, 6, {Line(56, {NUMBER(SlotClass, g.ProductionSlot[i].Class[j]),
                                  NUMBER(SlotRating, g.ProductionSlot[i].Rating[j])})}),
            Rows(0, 2, {Line(57, {NUMBER(SlotSettingItem, g.ProductionSlot[i].SettingItem[j]),
                                  NUMBER(SlotSettingPoints, g.ProductionSlot[i].SettingPoints[j])})}),
            Rows(0, 640, {Line(58, {NUMBER(MangaClass, g.MangaClass[i][j])})}),
            Line(59, {NUMBER(SlotMagazine, g.ProductionSlot[i].Magazine), NUMBER(SlotKind, g.ProductionSlot[i].Kind),
                      NUMBER(SlotFee, g.ProductionSlot[i].Fee), NUMBER(ClassListCount, g.ClassList[i].Count)}),
            Line(60, {NUMBER(SlotDaysLeft, g.ProductionSlot[i].DaysLeft), NUMBER(SlotTarget, g.ProductionSlot[i].Target),
                      NUMBER(SlotExtension, g.ProductionSlot[i].Extension),
                      ITEM(SpareSlotA, g.ProductionSlot[i].SpareA)}),
            Line(61, {NUMBER(SlotQuality, g.ProductionSlot[i].Quality), ITEM(SpareSlotB, g.ProductionSlot[i].SpareB),
                      NUMBER(SlotSource, g.ProductionSlot[i].Source)}),
            Line(62, {NUMBER(SlotEpisode, g.ProductionSlot[i].Episode),
                      NUMBER(SlotMangaIndex, g.ProductionSlot[i].MangaIndex),
                      ITEM(SpareSlotC, g.ProductionSlot[i].SpareC)})}),
      Line(63, {NUM(FinishedSlot), NUM(RequestFee)}),
      Rows(0, 10, {Line(64, {NUMBER(SlotKanseido, g.SlotKanseido[i]), ITEM(SlotLabel, g.SlotLabel[i])})}),
      Line(65, {NUM(MangaListRow), NUM(MagazineListRow)}),
      Line(66, {NUM(MangaCount), NUM(DaysSinceOffer)}),
      // Per work: its first 201 episodes and volumes, settings, ratings and record.
      Counted(COUNT(MangaCount), CAP(MangaWork),
              {Rows(0, kMainColumns - 1, {Line(67, volumeColumn)}),
               Rows(0, 2, {Line(68, {NUMBER(MangaSettingPoints, g.MangaWork[i].SettingPoints[j]),
                                     NUMBER(MangaSettingItem, g.MangaWork[i].SettingItem[j]),
                                     ITEM(SpareMangaSetting, g.MangaWork[i].SpareSetting[j]),
                                     NUMBER(MangaSettingUsed, g.MangaWork[i].SettingUsed[j]),
                                     NUMBER(MangaSerialSettingPoints, g.MangaWork[i].SerialSettingPoints[j])})}),
               Rows(0, 20, {Line(69, {NUMBER(MangaRating, g.MangaWork[i].Rating[j]),
                                      NUMBER(MangaMerchAccepted, g.MangaWork[i].MerchAccepted[j])})}),
               Rows(0, 64, {Line(70, {ITEM(SpareMangaGridA, g.MangaWork[i].SpareGridA[j]),
                                      ITEM(SpareMangaGridB, g.MangaWork[i].SpareGridB[j])})}),
               Line(71, {ITEM(MangaTitle, g.MangaWork[i].Title), NUMBER(MangaState, g.MangaWork[i].State),
                         NUMBER(MangaClassPoint, g.MangaWork[i].ClassPoint),
                         NUMBER(MangaRequested, g.MangaWork[i].Requested),
                         NUMBER(MangaRequestMagazine, g.MangaWork[i].RequestMagazine),
                         NUMBER(MangaVolumes, g.MangaWork[i].Volumes), NUMBER(MangaAwarded, g.MangaWork[i].Awarded)}),
               Line(72, {NUMBER(MangaResultDays, g.MangaWork[i].ResultDays), NUMBER(MangaContest, g.MangaWork[i].Contest),
                         NUMBER(MangaSentMagazine, g.MangaWork[i].SentMagazine),
                         NUMBER(MangaMagazine, g.MangaWork[i].Magazine),
                         NUMBER(MangaSerialEpisodes, g.MangaWork[i].SerialEpisodes),
                         NUMBER(MangaPrize, g.MangaWork[i].Prize), ITEM(SpareMangaA, g.MangaWork[i].SpareA),
                         ITEM(SpareMangaB, g.MangaWork[i].SpareB)}),
               Line(73, {ITEM(MangaDate, g.MangaWork[i].Date), ITEM(MangaSerialEndDate, g.MangaWork[i].SerialEndDate),
                         NUMBER(MangaSource, g.MangaWork[i].Source), ITEM(SpareMangaC, g.MangaWork[i].SpareC),
                         NUMBER(MangaListIndex, g.MangaListIndex[i]), NUMBER(MangaHyouka, g.MangaWork[i].Hyouka),
                         NUMBER(MangaMovieAudience, g.MangaWork[i].MovieAudience),
                         NUMBER(MangaReturnWarned, g.MangaWork[i].ReturnWarned)}),
               Line(74, {NUMBER(MangaAwardSales, g.MangaWork[i].AwardSales),
                         NUMBER(MangaSerialRank, g.MangaWork[i].SerialRank),
                         NUMBER(MangaAnimeState, g.MangaWork[i].AnimeState), NUMBER(MangaMovieOn, g.MangaWork[i].MovieOn),
                         NUMBER(MangaTotalSold, g.MangaWork[i].TotalSold), NUMBER(MangaRoyalty, g.MangaWork[i].Royalty),
                         NUMBER(MangaAnimeIncome, g.MangaWork[i].AnimeIncome)}),
               Line(75, {NUMBER(MangaSerialLowCount, g.MangaWork[i].SerialLowCount),
                         ITEM(SpareMangaD, g.MangaWork[i].SpareD),
                         NUMBER(MangaSerialTopCount, g.MangaWork[i].SerialTopCount),
                         NUMBER(MangaAnimeWeekday, g.MangaWork[i].AnimeWeekday),
                         NUMBER(MangaAnimeStartDays, g.MangaWork[i].AnimeStartDays),
                         NUMBER(MangaMovieDay, g.MangaWork[i].MovieDay), NUMBER(MangaAward, g.MangaWork[i].Award)}),
               Line(76, {NUMBER(MangaAnimeEpisode, g.MangaWork[i].AnimeEpisode),
                         NUMBER(MangaAnimeRating, g.MangaWork[i].AnimeRating),
                         NUMBER(MangaSerialFee, g.MangaWork[i].SerialFee), ITEM(SpareMangaE, g.MangaWork[i].SpareE),
                         NUMBER(MangaAnimeLowCount, g.MangaWork[i].AnimeLowCount),
                         NUMBER(MangaMovieStartDays, g.MangaWork[i].MovieStartDays),
                         NUMBER(MangaContestResult, g.MangaWork[i].ContestResult)})}),
      Line(77, {NUM(AnimeOfferWeekday), NUM(MerchOfferFee)}),
      Rows(0, 1, {Line(78, {NUMBER(MillionRecord, g.MillionRecord[i])})}),
      Line(79, {NUM(MangaListCount), NUM(OneShotRequestMagazine), NUM(SlotsInUse)}),
      Rows(0, 6, {Line(80, {NUMBER(SlotSigotoPoint, g.ProductionSlot[i].SigotoPoint),
                            NUMBER(SlotSigotoPointEdit, g.ProductionSlot[i].SigotoPointEdit),
                            ITEM(SpareSlotD, g.ProductionSlot[i].SpareD)})}),
      Line(81, {NUM(MagazineCount)}),
      // The publisher values travel under the magazine row's index.
      Counted(COUNT(MagazineCount), CAP(Magazine),
              {Line(82, {ITEM(MagazinePublisherName, g.Magazine[i].PublisherName),
                         ITEM(MagazineName, g.Magazine[i].Name), ITEM(MagazineText, g.Magazine[i].Text),
                         NUMBER(MagazinePrize, g.Magazine[i].Prize),
                         NUMBER(MagazineRequestState, g.Magazine[i].RequestState),
                         NUMBER(MagazineAdopted, g.Magazine[i].Adopted)}),
               Line(83, {NUMBER(MagazineNo, g.Magazine[i].No), NUMBER(MagazinePublisher, g.Magazine[i].Publisher),
                         NUMBER(PublisherYukou, g.PublisherYukou[i]), NUMBER(MagazineYukou, g.Magazine[i].Yukou),
                         NUMBER(MagazineDeadlineDay, g.Magazine[i].DeadlineDay),
                         NUMBER(MagazineFrequency, g.Magazine[i].Frequency)}),
               Line(84, {NUMBER(MagazinePages, g.Magazine[i].Pages), NUMBER(MagazineStandard, g.Magazine[i].Standard),
                         NUMBER(MagazineSerialCount, g.Magazine[i].SerialCount),
                         NUMBER(MagazineComicsPrice, g.Magazine[i].ComicsPrice),
                         NUMBER(MagazineSerialRunning, g.Magazine[i].SerialRunning)}),
               Line(85, {ITEM(PublisherName, g.Publisher[i].Name), NUMBER(PublisherAwardNo, g.Publisher[i].AwardNo),
                         NUMBER(PublisherAwardDone, g.Publisher[i].AwardDone),
                         NUMBER(PublisherMotikomuCount, g.Publisher[i].MotikomuCount)})}),
      Line(86, {NUM(SigotoPoint), NUM(SigotoPointLeft), NUM(SukezyuruType), NUM(SukezyuruTypeEdit),
                NUM(SukezyuruHours), NUM(ScheduleEvery), NUM(PointRepeat), NUM(PointRepeatSlot)}),
      Line(87, {ONE(SpareWorldFlag)}),
      Rows(0, 24, {Line(88, {ITEM(SpareList25, g.SpareList25[i])})}),
      Line(89, {NUM(DouguSelected)}),
      Rows(0, 10, {Line(90, {ITEM(DouguName, g.Equipment[i].Name), NUMBER(DouguOwned, g.Equipment[i].Owned),
                             NUMBER(DouguPoint, g.Equipment[i].Point), NUMBER(DouguPrice, g.Equipment[i].Price)})}),
      Rows(0, 64, {Line(91, {NUMBER(EventDelay, g.EditorEvent[i].Delay), NUMBER(EventCode, g.EditorEvent[i].Code),
                             ITEM(EventManga, g.EditorEvent[i].Manga), NUMBER(EventMagazine, g.EditorEvent[i].Magazine),
                             NUMBER(EventMangaIndex, g.EditorEvent[i].MangaIndex),
                             NUMBER(EventTarget, g.EditorEvent[i].Target)})}),
      Line(92, {ONE(SpareSpriteA), ONE(SpareSpriteB), NUM(SpriteLast), ONE(SpareSpriteC), ONE(SpareSpriteFlag),
                ONE(SpareSpriteD), NUM(SpriteVisibleCount), NUM(SpriteDrawCount)}),
      Rows(0, 500, {Line(93, {NUMBER(SpriteDepth, g.Sprite[i].Depth), NUMBER(SpriteSortSlot, g.SpriteFrameEntry[i].Slot),
                              NUMBER(SpriteUsed, g.Sprite[i].Used), NUMBER(SpriteDrawList, g.SpriteDrawList[i])}),
                    Line(94, {NUMBER(SpriteX, g.Sprite[i].X), NUMBER(SpriteY, g.Sprite[i].Y),
                              NUMBER(SpriteSrcX, g.Sprite[i].SrcX), NUMBER(SpriteSrcY, g.Sprite[i].SrcY)}),
                    Line(95, {NUMBER(SpriteWidth, g.Sprite[i].Width), NUMBER(SpriteHeight, g.Sprite[i].Height),
                              ITEM(SpareSpriteList, g.Sprite[i].SpareList),
                              NUMBER(SpriteSortDepth, g.SpriteFrameEntry[i].Depth)})}),
      Line(96, {NUM(RoomItemSpriteCount)}),
      Counted(COUNT(RoomItemSpriteCount), CAP(RoomItem), {Line(97, {NUMBER(RoomItemSprite, g.RoomItem[i].Sprite)})}),
      volumeExtension,
  };
}

#undef CAP
#undef COUNT
#undef NUM
#undef NUMBER
#undef ONE
#undef ITEM
#undef AT

}  // namespace

const std::vector<Node>& SaveFileLines() {
  static const std::vector<Node> lines = BuildLines();
  return lines;
}

std::optional<long long> LoopRows(const Node& loop, const Value& count, std::string& problem) {
  double n = 0;
  if (!count.IsEmpty()) {
    if (!count.IsNumeric()) {
      problem = std::string(loop.countName) + " " + Quoted(count.Str()) + " is not a number";
      return std::nullopt;
    }
    n = count.Num();
    // The writer writes a value that is not a number as 0; the loop must agree.
    if (std::isnan(n)) n = 0;
  }
  long long rows = n > static_cast<double>(loop.capacity) + 1 ? loop.capacity + 1 : Value(n).Index();
  if (loop.throughCount) ++rows;
  if (rows > loop.capacity) {
    problem = std::string(loop.countName) + " " + count.Str() + " is past its table's " +
              std::to_string(loop.capacity) + " rows";
    return std::nullopt;
  }
  return std::max<long long>(rows, 0);
}

}  // namespace koratsu::save
