#include "save/schema.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace koratsu::save {

namespace {

// Item helpers. `i` and `j` are the indices of the loops around the line.
#define AT(expr) \
  [](GameState& g, [[maybe_unused]] long long i, [[maybe_unused]] long long j) -> Value& { return expr; }
#define ITEM(name, expr) Item{#name, AT(expr)}
#define ONE(name) ITEM(name, g.name)
#define COUNT(name) AT(g.name), #name
#define CAP(table) static_cast<long long>(decltype(GameState::table)::kCapacity)

Node Line(int line, std::vector<Item> items) {
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
      ITEM(MangaEpisodeVolume, g.MangaWork[i].EpisodeVolume[j]),
      ITEM(VolumeSalesRate, g.ComicsVolume[i][j].SalesRate),
      ITEM(VolumeMillionFlag, g.ComicsVolume[i][j].MillionFlag),
      ITEM(VolumeSold, g.ComicsVolume[i][j].Sold),
      Item{"VolumePrice", nullptr,
           [](GameState& g, long long i, long long j) -> Money& { return g.ComicsVolume[i][j].Price; }},
      ITEM(VolumePrinted, g.ComicsVolume[i][j].Printed),
  };

  Node volumeExtension;
  volumeExtension.kind = NodeKind::kVolumeExtension;
  volumeExtension.items = volumeColumn;
  volumeExtension.firstColumn = kMainColumns;
  volumeExtension.lastColumn = static_cast<long long>(decltype(rec::MangaWork::EpisodeVolume)::kCapacity) - 1;

  return {
      Line(1, {ONE(SaveVersion), ONE(AppTitle), ONE(GameActive), ONE(KingakuComma), ONE(YesNoAnswer),
               ONE(GameSpeed), ONE(Koukaon), ONE(KingakuHyouzi), ONE(KoudouShown)}),
      Line(2, {ONE(CaptionRefresh), ONE(ResumeRequest), ONE(TickHold), ONE(PlayerDebuted)}),
      Rows(0, 128, {Line(3, {ITEM(FormSpare, g.FormSlot[i].Spare), ITEM(FormRedraw, g.FormSlot[i].Redraw),
                             ITEM(FormRebuild, g.FormSlot[i].Rebuild), ITEM(FormParam, g.FormSlot[i].Param),
                             ITEM(FormTop, g.FormSlot[i].Top), ITEM(FormLeft, g.FormSlot[i].Left),
                             ITEM(FormOpen, g.FormSlot[i].Open), ITEM(FormMode, g.FormSlot[i].Mode)})}),
      Rows(0, 2, {Line(4, {ITEM(SanpoPendingStatus, g.SanpoPendingStatus[i])})}),
      Line(5, {ONE(SerialAccepted), ONE(KoudouMode), ONE(Awake), ONE(BusySlotCount), ONE(PlayerPopularity),
               ONE(GameOverCause), ONE(SpareGameFlag), ONE(DeskAnimSprite), ONE(DeskAnimFrame), ONE(HouseKind),
               ONE(ChosenNovel)}),
      Line(6, {ONE(Garyoku), ONE(Kyouyou), ONE(Hassouryoku), ONE(Souzouryoku), ONE(Tinou)}),
      Line(7, {ONE(TalkText), ONE(TalkShownChars), ONE(TutorialStageLoaded), ONE(TalkMouth)}),
      Line(8, {ONE(StatusBarTick), ONE(StatusBarText), ONE(SpareStatusBarValue), ONE(SubTick), ONE(TicksPerStep),
               ONE(GameMinute)}),
      Line(9, {ONE(GameYear), ONE(GameMonth), ONE(GameDay), ONE(GameWeekday), ONE(GameHour)}),
      Line(10, {ONE(TutorialStage), ONE(SpareTutorialValue)}),
      Line(11, {ONE(StaminaMax), ONE(Stamina)}),
      Line(12, {ONE(BedSprite)}),
      Line(13, {ONE(ToolStyle), ONE(Experience), ONE(Level), ONE(ExperienceGain), ONE(LevelUpLineIndex)}),
      Line(14, {ONE(GaryokuMax), ONE(KyouyouMax), ONE(HassouryokuMax), ONE(SouzouryokuMax), ONE(TinouMax),
                ONE(TiPointMax)}),
      Line(15, {ONE(KoudouCost), ONE(KoudouMinutesLeft), ONE(KoudouMinutesTotal), ONE(StatusText),
                ONE(StatusDetail), ONE(LifeStatus), ONE(SigotoOn)}),
      Line(16, {ONE(ResultLineCount), ONE(SpareResultValue), ONE(ResultAnimTick), ONE(SanpoChoice),
                ONE(SanpoFrameShown)}),
      Rows(0, 10, {Line(17, {ITEM(ResultLineField, g.ResultLine[i].Field), ITEM(ResultLineGain, g.ResultLine[i].Gain),
                             ITEM(ResultLineSpare, g.ResultLine[i].Spare)})}),
      Line(18, {ONE(AsiCount), ONE(AsiListCount)}),
      Counted(COUNT(AsiCount), CAP(Assistant),
              {Line(19, {ITEM(AsiName, g.Assistant[i].Name), ITEM(AsiSkill, g.Assistant[i].Skill),
                         ITEM(AsiPoint, g.Assistant[i].Point), ITEM(AsiHired, g.Assistant[i].Hired),
                         ITEM(AsiPicture, g.Assistant[i].Picture), ITEM(AsiList, g.AsiList[i]),
                         ITEM(AsiOffered, g.Assistant[i].Offered)})}),
      Rows(0, 12, {Line(20, {ITEM(AsiDesk, g.AsiDesk[i])})}),
      Rows(0, 3, {Line(21, {ITEM(AsiDeskAnimSprite, g.AsiDeskSlot[i].AnimSprite),
                            ITEM(AsiDeskAnimFrame, g.AsiDeskSlot[i].AnimFrame),
                            ITEM(AsiDeskWalking, g.AsiDeskSlot[i].Walking)})}),
      Rows(0, 64, {Line(22, {ITEM(RankCongratShown, g.RankCongratShown[i])})}),
      Line(23, {ONE(PollArtistCount), ONE(FigureSheetStride), ONE(StaminaWarned)}),
      ThroughCount(COUNT(PollArtistCount), CAP(PollArtist),
                   {Line(24, {ITEM(PollArtistName, g.PollArtist[i].Name),
                              ITEM(PollArtistPopularity, g.PollArtist[i].Popularity)})}),
      Line(25, {ONE(LevelUpLineCount)}),
      Rows(0, 10, {Line(26, {ITEM(LevelUpLines, g.LevelUpLines[i])})}),
      Line(27, {ONE(TiListCount)}),
      Rows(0, 128, {Line(28, {ITEM(TiList, g.TiList[i])})}),
      Line(29, {ONE(Kingaku), ONE(PlayerSei), ONE(PlayerMei), ONE(PlayerFame)}),
      Line(30, {ONE(TalkLineCount), ONE(TalkLineIndex)}),
      Rows(0, 32, {Line(31, {ITEM(TalkLines, g.TalkLines[i])})}),
      Line(32, {ONE(SerialTalkState), ONE(SerialSlot), ONE(RequestMagazine), ONE(SerialMagazine)}),
      Line(33, {ONE(MotikomuTalkState), ONE(MotikomuManga)}),
      Line(34, {ONE(AssetRankCount), ONE(AssetRankFill)}),
      Counted(COUNT(AssetRankCount), CAP(AssetRankEntry),
              {Line(35, {ITEM(AssetRankName, g.AssetRankEntry[i].Name),
                         ITEM(AssetRankValue, g.AssetRankEntry[i].Value), ITEM(AssetRankJob, g.AssetRankEntry[i].Job),
                         ITEM(AssetRankSpare, g.AssetRankEntry[i].Spare),
                         ITEM(AssetRankGrowth, g.AssetRankEntry[i].Growth),
                         ITEM(AssetRankOrder, g.AssetRanking[i].Entry),
                         ITEM(AssetRankSorted, g.AssetRanking[i].Value)})}),
      Line(36, {ONE(ComicCount), ONE(ComicRankCount)}),
      // Rival records travel under the comics row's index.
      Counted(COUNT(ComicCount), CAP(ComicEntry),
              {Line(37, {ITEM(ComicTitle, g.ComicEntry[i].Title), ITEM(ComicCopies, g.ComicEntry[i].Copies),
                         ITEM(ComicAuthor, g.ComicEntry[i].Author), ITEM(ComicMangaIndex, g.ComicEntry[i].MangaIndex),
                         ITEM(ComicPopularity, g.ComicEntry[i].Popularity),
                         ITEM(ComicSalesPower, g.ComicEntry[i].SalesPower),
                         ITEM(ComicVolumes, g.ComicEntry[i].Volumes),
                         ITEM(ComicDaysToVolume, g.ComicEntry[i].DaysToVolume),
                         ITEM(ComicFinalVolume, g.ComicEntry[i].FinalVolume)}),
               Line(38, {ITEM(ComicRankRow, g.ComicRanking[i].Row), ITEM(ComicRankCopies, g.ComicRanking[i].Copies),
                         ITEM(RivalDebuted, g.Rival[i].Debuted), ITEM(RivalComicRow, g.Rival[i].ComicRow),
                         ITEM(ComicEnded, g.ComicEntry[i].Ended)})}),
      Line(39, {ONE(NovelCount), ONE(NovelTalkState)}),
      Counted(COUNT(NovelCount), CAP(Novel),
              {Line(40, {ITEM(NovelTitle, g.Novel[i].Title), ITEM(NovelPublisher, g.Novel[i].Publisher),
                         ITEM(NovelPopularity, g.Novel[i].Popularity), ITEM(NovelComment, g.Novel[i].Comment)})}),
      Line(41, {ONE(FigureCount)}),
      Counted(COUNT(FigureCount), CAP(Figure),
              {Line(42, {ITEM(FigurePlace, g.Figure[i].Place), ITEM(FigurePicture, g.Figure[i].Picture),
                         ITEM(FigureTargetCol, g.Figure[i].TargetCol), ITEM(FigureTargetRow, g.Figure[i].TargetRow),
                         ITEM(FigureSpareA, g.Figure[i].SpareA), ITEM(FigureSpareB, g.Figure[i].SpareB),
                         ITEM(FigureSprite, g.Figure[i].Sprite), ITEM(FigureDir, g.Figure[i].Dir),
                         ITEM(FigureStep, g.Figure[i].Step), ITEM(FigureAnim, g.Figure[i].Anim),
                         ITEM(FigureTurned, g.Figure[i].Turned)})}),
      Line(43, {ONE(OtherMangaCount)}),
      Counted(COUNT(OtherMangaCount), CAP(OtherManga),
              {Line(44, {ITEM(OtherMangaTitle, g.OtherManga[i].Title), ITEM(OtherMangaFame, g.OtherManga[i].Fame),
                         ITEM(OtherMangaPopularity, g.OtherManga[i].Popularity),
                         ITEM(OtherMangaComment, g.OtherManga[i].Comment)})}),
      Line(45, {ONE(SanpoCount), ONE(SpareSanpoValue), ONE(SanpoAnimFrame), ONE(SanpoKind), ONE(MinutesPerStep)}),
      Counted(COUNT(SanpoCount), CAP(SanpoPlace),
              {Line(46, {ITEM(SanpoName, g.SanpoPlace[i].Name), ITEM(SanpoId, g.SanpoPlace[i].Id),
                         ITEM(SanpoShortStatus, g.SanpoPlace[i].ShortStatus),
                         ITEM(SanpoStatusText, g.SanpoPlace[i].StatusText),
                         ITEM(SanpoStatusDetail, g.SanpoPlace[i].StatusDetail),
                         ITEM(SanpoMinutes, g.SanpoPlace[i].Minutes), ITEM(SanpoCost, g.SanpoPlace[i].Cost),
                         ITEM(SanpoOption, g.SanpoPlace[i].Option)})}),
      Line(47, {ONE(ArubaitoCount), ONE(ArubaitoOn), ONE(ArubaitoAnimFrame), ONE(ArubaitoKind),
                ONE(ArubaitoPayChosen), ONE(SpareArubaitoA), ONE(SpareArubaitoB)}),
      Counted(COUNT(ArubaitoCount), CAP(ArubaitoJob),
              {Line(48, {ITEM(ArubaitoName, g.ArubaitoJob[i].Name), ITEM(ArubaitoId, g.ArubaitoJob[i].Id),
                         ITEM(ArubaitoShortStatus, g.ArubaitoJob[i].ShortStatus),
                         ITEM(ArubaitoMinutes, g.ArubaitoJob[i].Minutes), ITEM(ArubaitoPay, g.ArubaitoJob[i].Pay),
                         ITEM(ArubaitoStatusText, g.ArubaitoJob[i].StatusText),
                         ITEM(ArubaitoStatusDetail, g.ArubaitoJob[i].StatusDetail),
                         ITEM(ArubaitoStamina, g.ArubaitoJob[i].Stamina)})}),
      Line(49, {ONE(SyugyouCount), ONE(SyugyouOn), ONE(SyugyouAnimFrame), ONE(SyugyouKind), ONE(SyugyouIndex),
                ONE(SpareSyugyouA), ONE(SpareSyugyouB)}),
      Counted(COUNT(SyugyouCount), CAP(SyugyouCourse),
              {Line(50, {ITEM(SyugyouName, g.SyugyouCourse[i].Name), ITEM(SyugyouId, g.SyugyouCourse[i].Id),
                         ITEM(SyugyouShortStatus, g.SyugyouCourse[i].ShortStatus),
                         ITEM(SyugyouText, g.SyugyouCourse[i].Text),
                         ITEM(SyugyouStatusDetail, g.SyugyouCourse[i].StatusDetail),
                         ITEM(SyugyouStatusText, g.SyugyouCourse[i].StatusText),
                         ITEM(SyugyouMinutes, g.SyugyouCourse[i].Minutes), ITEM(SyugyouFee, g.SyugyouCourse[i].Fee),
                         ITEM(SyugyouStamina, g.SyugyouCourse[i].Stamina)})}),
      Line(51, {ONE(TiItemCount), ONE(SpareTiCount), ONE(CandidateCount), ONE(SelectedSetting)}),
      Counted(COUNT(TiItemCount), CAP(KnowledgeItem),
              {Line(52, {ITEM(TiItemName, g.KnowledgeItem[i].Name), ITEM(TiPoint, g.KnowledgeItem[i].Point),
                         ITEM(TiItemId, g.KnowledgeItem[i].Id), ITEM(TiItemKnown, g.KnowledgeItem[i].Known),
                         ITEM(TiPointsWork, g.KnowledgeItem[i].PointWork),
                         ITEM(CandidateItem, g.SettingCandidate[i].Item),
                         ITEM(TiItemValue, g.KnowledgeItem[i].Value)})}),
      Rows(0, 2, {Line(53, {ITEM(SettingUsed, g.NewMangaSetting[i].Used),
                            ITEM(SettingPoints, g.NewMangaSetting[i].Points),
                            ITEM(SettingItem, g.NewMangaSetting[i].Item)})}),
      // Per i: classification list i, production slot i and classification column i.
      Rows(0, 6,
           {Rows(0, 64, {Line(54, {ITEM(SpareClassGridA, g.ClassList[i].SpareGridA[j]),
                                   ITEM(SpareClassGridB, g.ClassList[i].SpareGridB[j])})}),
            Rows(0, 128, {Line(55, {ITEM(ClassListPoint, g.ClassList[i].Point[j]),
                                    ITEM(ClassListText, g.ClassList[i].Text[j])})}),
            Rows(0, 6, {Line(56, {ITEM(SlotClass, g.ProductionSlot[i].Class[j]),
                                  ITEM(SlotRating, g.ProductionSlot[i].Rating[j])})}),
            Rows(0, 2, {Line(57, {ITEM(SlotSettingItem, g.ProductionSlot[i].SettingItem[j]),
                                  ITEM(SlotSettingPoints, g.ProductionSlot[i].SettingPoints[j])})}),
            Rows(0, 640, {Line(58, {ITEM(MangaClass, g.MangaClass[i][j])})}),
            Line(59, {ITEM(SlotMagazine, g.ProductionSlot[i].Magazine), ITEM(SlotKind, g.ProductionSlot[i].Kind),
                      ITEM(SlotFee, g.ProductionSlot[i].Fee), ITEM(ClassListCount, g.ClassList[i].Count)}),
            Line(60, {ITEM(SlotDaysLeft, g.ProductionSlot[i].DaysLeft), ITEM(SlotTarget, g.ProductionSlot[i].Target),
                      ITEM(SlotExtension, g.ProductionSlot[i].Extension),
                      ITEM(SpareSlotA, g.ProductionSlot[i].SpareA)}),
            Line(61, {ITEM(SlotQuality, g.ProductionSlot[i].Quality), ITEM(SpareSlotB, g.ProductionSlot[i].SpareB),
                      ITEM(SlotSource, g.ProductionSlot[i].Source)}),
            Line(62, {ITEM(SlotEpisode, g.ProductionSlot[i].Episode),
                      ITEM(SlotMangaIndex, g.ProductionSlot[i].MangaIndex),
                      ITEM(SpareSlotC, g.ProductionSlot[i].SpareC)})}),
      Line(63, {ONE(FinishedSlot), ONE(RequestFee)}),
      Rows(0, 10, {Line(64, {ITEM(SlotKanseido, g.SlotKanseido[i]), ITEM(SlotLabel, g.SlotLabel[i])})}),
      Line(65, {ONE(MangaListRow), ONE(MagazineListRow)}),
      Line(66, {ONE(MangaCount), ONE(DaysSinceOffer)}),
      // Per work: its first 201 episodes and volumes, settings, ratings and record.
      Counted(COUNT(MangaCount), CAP(MangaWork),
              {Rows(0, kMainColumns - 1, {Line(67, volumeColumn)}),
               Rows(0, 2, {Line(68, {ITEM(MangaSettingPoints, g.MangaWork[i].SettingPoints[j]),
                                     ITEM(MangaSettingItem, g.MangaWork[i].SettingItem[j]),
                                     ITEM(SpareMangaSetting, g.MangaWork[i].SpareSetting[j]),
                                     ITEM(MangaSettingUsed, g.MangaWork[i].SettingUsed[j]),
                                     ITEM(MangaSerialSettingPoints, g.MangaWork[i].SerialSettingPoints[j])})}),
               Rows(0, 20, {Line(69, {ITEM(MangaRating, g.MangaWork[i].Rating[j]),
                                      ITEM(MangaMerchAccepted, g.MangaWork[i].MerchAccepted[j])})}),
               Rows(0, 64, {Line(70, {ITEM(SpareMangaGridA, g.MangaWork[i].SpareGridA[j]),
                                      ITEM(SpareMangaGridB, g.MangaWork[i].SpareGridB[j])})}),
               Line(71, {ITEM(MangaTitle, g.MangaWork[i].Title), ITEM(MangaState, g.MangaWork[i].State),
                         ITEM(MangaClassPoint, g.MangaWork[i].ClassPoint),
                         ITEM(MangaRequested, g.MangaWork[i].Requested),
                         ITEM(MangaRequestMagazine, g.MangaWork[i].RequestMagazine),
                         ITEM(MangaVolumes, g.MangaWork[i].Volumes), ITEM(MangaAwarded, g.MangaWork[i].Awarded)}),
               Line(72, {ITEM(MangaResultDays, g.MangaWork[i].ResultDays), ITEM(MangaContest, g.MangaWork[i].Contest),
                         ITEM(MangaSentMagazine, g.MangaWork[i].SentMagazine),
                         ITEM(MangaMagazine, g.MangaWork[i].Magazine),
                         ITEM(MangaSerialEpisodes, g.MangaWork[i].SerialEpisodes),
                         ITEM(MangaPrize, g.MangaWork[i].Prize), ITEM(SpareMangaA, g.MangaWork[i].SpareA),
                         ITEM(SpareMangaB, g.MangaWork[i].SpareB)}),
               Line(73, {ITEM(MangaDate, g.MangaWork[i].Date), ITEM(MangaSerialEndDate, g.MangaWork[i].SerialEndDate),
                         ITEM(MangaSource, g.MangaWork[i].Source), ITEM(SpareMangaC, g.MangaWork[i].SpareC),
                         ITEM(MangaListIndex, g.MangaListIndex[i]), ITEM(MangaHyouka, g.MangaWork[i].Hyouka),
                         ITEM(MangaMovieAudience, g.MangaWork[i].MovieAudience),
                         ITEM(MangaReturnWarned, g.MangaWork[i].ReturnWarned)}),
               Line(74, {ITEM(MangaAwardSales, g.MangaWork[i].AwardSales),
                         ITEM(MangaSerialRank, g.MangaWork[i].SerialRank),
                         ITEM(MangaAnimeState, g.MangaWork[i].AnimeState), ITEM(MangaMovieOn, g.MangaWork[i].MovieOn),
                         ITEM(MangaTotalSold, g.MangaWork[i].TotalSold), ITEM(MangaRoyalty, g.MangaWork[i].Royalty),
                         ITEM(MangaAnimeIncome, g.MangaWork[i].AnimeIncome)}),
               Line(75, {ITEM(MangaSerialLowCount, g.MangaWork[i].SerialLowCount),
                         ITEM(SpareMangaD, g.MangaWork[i].SpareD),
                         ITEM(MangaSerialTopCount, g.MangaWork[i].SerialTopCount),
                         ITEM(MangaAnimeWeekday, g.MangaWork[i].AnimeWeekday),
                         ITEM(MangaAnimeStartDays, g.MangaWork[i].AnimeStartDays),
                         ITEM(MangaMovieDay, g.MangaWork[i].MovieDay), ITEM(MangaAward, g.MangaWork[i].Award)}),
               Line(76, {ITEM(MangaAnimeEpisode, g.MangaWork[i].AnimeEpisode),
                         ITEM(MangaAnimeRating, g.MangaWork[i].AnimeRating),
                         ITEM(MangaSerialFee, g.MangaWork[i].SerialFee), ITEM(SpareMangaE, g.MangaWork[i].SpareE),
                         ITEM(MangaAnimeLowCount, g.MangaWork[i].AnimeLowCount),
                         ITEM(MangaMovieStartDays, g.MangaWork[i].MovieStartDays),
                         ITEM(MangaContestResult, g.MangaWork[i].ContestResult)})}),
      Line(77, {ONE(AnimeOfferWeekday), ONE(MerchOfferFee)}),
      Rows(0, 1, {Line(78, {ITEM(MillionRecord, g.MillionRecord[i])})}),
      Line(79, {ONE(MangaListCount), ONE(OneShotRequestMagazine), ONE(SlotsInUse)}),
      Rows(0, 6, {Line(80, {ITEM(SlotSigotoPoint, g.ProductionSlot[i].SigotoPoint),
                            ITEM(SlotSigotoPointEdit, g.ProductionSlot[i].SigotoPointEdit),
                            ITEM(SpareSlotD, g.ProductionSlot[i].SpareD)})}),
      Line(81, {ONE(MagazineCount)}),
      // The publisher values travel under the magazine row's index.
      Counted(COUNT(MagazineCount), CAP(Magazine),
              {Line(82, {ITEM(MagazinePublisherName, g.Magazine[i].PublisherName),
                         ITEM(MagazineName, g.Magazine[i].Name), ITEM(MagazineText, g.Magazine[i].Text),
                         ITEM(MagazinePrize, g.Magazine[i].Prize),
                         ITEM(MagazineRequestState, g.Magazine[i].RequestState),
                         ITEM(MagazineAdopted, g.Magazine[i].Adopted)}),
               Line(83, {ITEM(MagazineNo, g.Magazine[i].No), ITEM(MagazinePublisher, g.Magazine[i].Publisher),
                         ITEM(PublisherYukou, g.PublisherYukou[i]), ITEM(MagazineYukou, g.Magazine[i].Yukou),
                         ITEM(MagazineDeadlineDay, g.Magazine[i].DeadlineDay),
                         ITEM(MagazineFrequency, g.Magazine[i].Frequency)}),
               Line(84, {ITEM(MagazinePages, g.Magazine[i].Pages), ITEM(MagazineStandard, g.Magazine[i].Standard),
                         ITEM(MagazineSerialCount, g.Magazine[i].SerialCount),
                         ITEM(MagazineComicsPrice, g.Magazine[i].ComicsPrice),
                         ITEM(MagazineSerialRunning, g.Magazine[i].SerialRunning)}),
               Line(85, {ITEM(PublisherName, g.Publisher[i].Name), ITEM(PublisherAwardNo, g.Publisher[i].AwardNo),
                         ITEM(PublisherAwardDone, g.Publisher[i].AwardDone),
                         ITEM(PublisherMotikomuCount, g.Publisher[i].MotikomuCount)})}),
      Line(86, {ONE(SigotoPoint), ONE(SigotoPointLeft), ONE(SukezyuruType), ONE(SukezyuruTypeEdit),
                ONE(SukezyuruHours), ONE(ScheduleEvery), ONE(PointRepeat), ONE(PointRepeatSlot)}),
      Line(87, {ONE(SpareWorldFlag)}),
      Rows(0, 24, {Line(88, {ITEM(SpareList25, g.SpareList25[i])})}),
      Line(89, {ONE(DouguSelected)}),
      Rows(0, 10, {Line(90, {ITEM(DouguName, g.Equipment[i].Name), ITEM(DouguOwned, g.Equipment[i].Owned),
                             ITEM(DouguPoint, g.Equipment[i].Point), ITEM(DouguPrice, g.Equipment[i].Price)})}),
      Rows(0, 64, {Line(91, {ITEM(EventDelay, g.EditorEvent[i].Delay), ITEM(EventCode, g.EditorEvent[i].Code),
                             ITEM(EventManga, g.EditorEvent[i].Manga), ITEM(EventMagazine, g.EditorEvent[i].Magazine),
                             ITEM(EventMangaIndex, g.EditorEvent[i].MangaIndex),
                             ITEM(EventTarget, g.EditorEvent[i].Target)})}),
      Line(92, {ONE(SpareSpriteA), ONE(SpareSpriteB), ONE(SpriteLast), ONE(SpareSpriteC), ONE(SpareSpriteFlag),
                ONE(SpareSpriteD), ONE(SpriteVisibleCount), ONE(SpriteDrawCount)}),
      Rows(0, 500, {Line(93, {ITEM(SpriteDepth, g.Sprite[i].Depth), ITEM(SpriteSortSlot, g.SpriteFrameEntry[i].Slot),
                              ITEM(SpriteUsed, g.Sprite[i].Used), ITEM(SpriteDrawList, g.SpriteDrawList[i])}),
                    Line(94, {ITEM(SpriteX, g.Sprite[i].X), ITEM(SpriteY, g.Sprite[i].Y),
                              ITEM(SpriteSrcX, g.Sprite[i].SrcX), ITEM(SpriteSrcY, g.Sprite[i].SrcY)}),
                    Line(95, {ITEM(SpriteWidth, g.Sprite[i].Width), ITEM(SpriteHeight, g.Sprite[i].Height),
                              ITEM(SpareSpriteList, g.Sprite[i].SpareList),
                              ITEM(SpriteSortDepth, g.SpriteFrameEntry[i].Depth)})}),
      Line(96, {ONE(RoomItemSpriteCount)}),
      Counted(COUNT(RoomItemSpriteCount), CAP(RoomItem), {Line(97, {ITEM(RoomItemSprite, g.RoomItem[i].Sprite)})}),
      volumeExtension,
  };
}

#undef CAP
#undef COUNT
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
      problem = std::string(loop.countName) + " \"" + count.Str() + "\" is not a number";
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
