#pragma once
// The whole game: every single value and every table, under the names the
// game's rules use.
//
// Records are structs of koratsu::rec, kept in fixed-capacity tables named like
// the record: the assistants' names (AsiName(r)) are g.Assistant[r].Name, a
// work's title (MangaTitle(w)) is g.MangaWork[w].Title, a volume's sales
// (VolumeSold(w, v)) are g.ComicsVolume[w][v].Sold, a window's values
// (FormParam of the media offer) are g.FormSlot[form::kMediaOffer].Param,
// indexed by the window's constant in the window index (ui/forms.h). A field whose table has its own
// capacity or indexing is a table of its own, under its own name
// (SlotKanseido, SlotLabel, AsiDesk, AsiList, MangaClass, PublisherYukou, ...).
//
// Rule code reaches the one running game through State(); money changes
// through AddKingaku (ui/game_ops.h), which also redraws the money windows:
//   GameState& g = State();
//   if (g.Kingaku >= price) AddKingaku(-price);

#include <memory>

#include "state/table.h"
#include "state/value.h"

namespace koratsu {

namespace rec {

// Records with a field named Value declare their fields through this alias.
using V = koratsu::Value;

// Catalogues built by the world set-up.
struct Assistant {
  Value Name, Skill, Point, Hired, Picture, Offered;
};

struct PollArtist {
  Value Name, Popularity;
};

struct AssetRankEntry {
  V Name;
  V Value;  // assets in yen
  V Job, Spare, Growth;
};

struct AssetRanking {
  V Entry;  // row of AssetRankEntry at this place
  V Value;  // its assets, the sort key
};

struct Novel {
  Value Title, Publisher, Popularity, Comment;
};

struct OtherManga {
  Value Title, Fame, Popularity, Comment;
};

struct SanpoPlace {
  Value Name, Id, ShortStatus, StatusText, StatusDetail, Minutes, Cost, Option;
};

struct ArubaitoJob {
  Value Name, Id, ShortStatus, Minutes, Pay, StatusText, StatusDetail, Stamina;
};

struct SyugyouCourse {
  Value Name, Id, ShortStatus, Text, StatusDetail, StatusText, Minutes, Fee, Stamina;
};

struct KnowledgeItem {
  V Name, Point, Id, Known, PointWork;
  V Value;  // value factor of one point
};

struct SettingCandidate {
  Value Item;
};

struct NewMangaSetting {
  Value Item, Used, Points;
};

// Classification list k: 0 page formats, 1 audiences, 2 genres.
struct ClassList {
  Table<Value, 65> SpareGridA, SpareGridB;
  Table<Value, 129> Point, Text;
  Value Count;
};

struct Magazine {
  Value PublisherName, Name, Text, Prize, RequestState, Adopted, No, Publisher, Yukou,
      DeadlineDay, Frequency, Pages, Standard, SerialCount, ComicsPrice, SerialRunning;
};

// Indexed by the publisher number minus 1.
struct Publisher {
  Value Name, AwardNo, AwardDone, MotikomuCount;
};

struct Equipment {
  Value Name, Owned, Point, Price;
};

// Works and production.
struct ProductionSlot {
  Table<Value, 7> Class, Rating;
  Table<Value, 3> SettingItem, SettingPoints;
  Value Magazine, Kind, Fee, DaysLeft, Target, Extension, SpareA, Quality, SpareB, Source, Episode,
      MangaIndex, SpareC, SigotoPoint, SigotoPointEdit, SpareD;
};

struct MangaWork {
  Table<Value, 501> EpisodeVolume;
  Table<Value, 3> SettingPoints, SettingItem, SpareSetting, SettingUsed, SerialSettingPoints;
  Table<Value, 21> Rating, MerchAccepted;
  Table<Value, 65> SpareGridA, SpareGridB;
  Value Title, State, ClassPoint, Requested, RequestMagazine, Volumes, Awarded, ResultDays, Contest,
      SentMagazine, Magazine, SerialEpisodes, Prize, SpareA, SpareB, Date, SerialEndDate, Source,
      SpareC, Hyouka, MovieAudience, ReturnWarned, AwardSales, SerialRank, AnimeState, MovieOn,
      TotalSold, Royalty, AnimeIncome, SerialLowCount, SpareD, SerialTopCount, AnimeWeekday,
      AnimeStartDays, MovieDay, Award, AnimeEpisode, AnimeRating, SerialFee, SpareE, AnimeLowCount,
      MovieStartDays, ContestResult;
};

struct ComicsVolume {
  Value SalesRate, MillionFlag, Sold;
  Money Price;  // fixed point, never empty
  Value Printed;
};

struct EditorEvent {
  Value Delay, Code, Manga, Magazine, MangaIndex, Target;
};

// Market and rankings.
struct ComicEntry {
  Value Title, Copies, Author, MangaIndex, Popularity, SalesPower, Volumes, DaysToVolume,
      FinalVolume, Ended;
};

struct ComicRanking {
  Value Row, Copies;
};

struct Rival {
  Value Debuted, ComicRow;
};

struct PollRanking {
  Value Votes, Artist;
};

// Windows, conversations and the room view.
struct FormSlot {
  Value Spare, Redraw, Rebuild, Param, Top, Left, Open, Mode;
};

struct ResultLine {
  Value Field, Gain, Spare;
};

struct AsiDeskSlot {
  Value AnimSprite, AnimFrame, Walking;
};

struct Figure {
  Value Place, Picture, TargetCol, TargetRow, SpareA, SpareB, Sprite, Dir, Step, Anim, Turned;
};

struct Sprite {
  Value Depth, Used, X, Y, SrcX, SrcY, Width, Height, SpareList;
};

struct SpriteFrameEntry {
  Value Slot, Depth;
};

struct RoomItem {
  Value Sprite;
};

}  // namespace rec

struct GameState {
  // Program values.
  Value SaveVersion, AppVersion, AppTitle, GameActive;

  // Settings.
  Value GameSpeed, Koukaon, KingakuHyouzi, KingakuComma, ToolStyle;

  // Main window and status line.
  Value CaptionRefresh, ResumeRequest, StatusBarTick, StatusBarText, KoudouShown, YesNoAnswer;

  // Tutorial.
  Value TutorialStage, TutorialStageLoaded, TutorialMode, TutorialBlink;

  // Player.
  Value PlayerSei, PlayerMei, Kingaku, PlayerPopularity, PlayerFame, PlayerDebuted, GameOverCause,
      HouseKind, SigotoPoint, SigotoPointLeft;

  // Abilities, their caps, stamina and level.
  Value Garyoku, Kyouyou, Hassouryoku, Souzouryoku, Tinou;
  Value GaryokuMax, KyouyouMax, HassouryokuMax, SouzouryokuMax, TinouMax, TiPointMax;
  Value StaminaMax, Stamina, StaminaWarned, Level, Experience, ExperienceGain;

  // Calendar and clock.
  Value GameYear, GameMonth, GameDay, GameWeekday, GameHour, GameMinute, SubTick, TicksPerStep,
      MinutesPerStep, TickHold, ScheduleEvery;

  // Activity and life schedule.
  Value KoudouMode, KoudouMinutesLeft, KoudouMinutesTotal, KoudouCost, Awake, LifeStatus, SigotoOn,
      StatusText, StatusDetail, SukezyuruType, SukezyuruTypeEdit, SukezyuruHours, BusySlotCount;

  // Activity windows.
  Value SanpoKind, SanpoChoice, SanpoFrameShown, SanpoAnimFrame, ArubaitoKind, ArubaitoPayChosen,
      ArubaitoOn, ArubaitoAnimFrame, SyugyouKind, SyugyouIndex, SyugyouOn, SyugyouAnimFrame,
      ResultAnimTick;

  // Conversations and editors' talks.
  Value TalkText, TalkShownChars, TalkMouth, TalkSpeaker, SerialTalkState, MotikomuTalkState,
      NovelTalkState, CeremonyBusy;

  // Production, works and publishing.
  Value FinishedSlot, SerialSlot, SerialMagazine, RequestMagazine, OneShotRequestMagazine, RequestFee,
      SerialAccepted, ChosenNovel, MotikomuManga, SelectedSetting, PointRepeat, PointRepeatSlot,
      SerialSelectedSetting, SerialEpisodeSent, SerialTitleSent, EndSerialAnswer, MangaArchiveScroll,
      MangaListRow, MagazineListRow, DaysSinceOffer, AnimeOfferWeekday, MerchOfferFee,
      RankAchievement, RankAchievementTitle;

  // Room view.
  Value DeskAnimSprite, DeskAnimFrame, BedSprite, FigureSheetStride, SpriteLast;

  // About box.
  Value AboutClickA, AboutClickB;

  // Spare values: cleared, saved and loaded, nothing more.
  Value SpareGameFlag, SpareStatusBarValue, SpareTutorialValue, SpareResultValue, SpareSanpoValue,
      SpareArubaitoA, SpareArubaitoB, SpareSyugyouA, SpareSyugyouB, SpareTiCount, SpareWorldFlag,
      SpareSpriteA, SpareSpriteB, SpareSpriteC, SpareSpriteD, SpareSpriteFlag;

  // Counts and cursors of the tables below.
  Value AsiCount, AsiListCount, PollArtistCount, AssetRankCount, AssetRankFill, NovelCount,
      OtherMangaCount, SanpoCount, ArubaitoCount, SyugyouCount, TiItemCount, MagazineCount,
      DouguSelected, CandidateCount, SlotsInUse, MangaCount, MangaListCount, SerialListCount,
      ComicCount, ComicRankCount, PollCount, ResultLineCount, LevelUpLineCount, LevelUpLineIndex,
      TalkLineCount, TalkLineIndex, TutorialLineCount, TutorialLineIndex, TiListCount, FigureCount,
      SpriteVisibleCount, SpriteDrawCount, RoomItemSpriteCount;

  // World catalogues.
  Table<rec::Assistant, 65> Assistant;
  Table<Value, 65> AsiList;  // list position -> assistant row
  Table<rec::PollArtist, 33> PollArtist;
  Table<Value, 33> PollVotes;
  Table<rec::AssetRankEntry, 257> AssetRankEntry;
  Table<rec::Novel, 65> Novel;
  Table<rec::OtherManga, 65> OtherManga;
  Table<rec::SanpoPlace, 65> SanpoPlace;
  Table<rec::ArubaitoJob, 65> ArubaitoJob;
  Table<rec::SyugyouCourse, 65> SyugyouCourse;
  Table<rec::KnowledgeItem, 257> KnowledgeItem;
  Table<rec::ClassList, 7> ClassList;
  Table<rec::Magazine, 65> Magazine;
  Table<rec::Publisher, 65> Publisher;
  Table<Value, 65> PublisherYukou;  // indexed by the publisher number 1..5
  Table<Value, 6> PublisherTorofi, PublisherSerialRunning;
  Table<rec::Equipment, 11> Equipment;
  Table<Value, 25> SpareList25;

  // Works and production.
  Table<rec::ProductionSlot, 7> ProductionSlot;
  Table<Value, 11> SlotKanseido, SlotLabel;
  Table<rec::NewMangaSetting, 3> NewMangaSetting;
  Table<rec::SettingCandidate, 257> SettingCandidate;
  Table<Table<Value, 641>, 7> MangaClass;  // (column, work)
  Table<rec::MangaWork, 641> MangaWork;
  Table<Value, 641> MangaListIndex;
  Table<Table<rec::ComicsVolume, 501>, 641> ComicsVolume;  // (work, volume number - 1)
  Table<Value, 2> MillionRecord;
  Table<rec::EditorEvent, 65> EditorEvent;
  Table<Value, 6> SerialListSlot;
  Table<Value, 3> SerialPointsAdd;

  // Market and rankings.
  Table<rec::ComicEntry, 257> ComicEntry;
  Table<rec::ComicRanking, 257> ComicRanking;
  Table<rec::Rival, 257> Rival;
  Table<rec::AssetRanking, 257> AssetRanking;
  Table<rec::PollRanking, 33> PollRanking;
  Table<Value, 65> RankCongratShown;

  // Windows, conversations and the room view.
  Table<rec::FormSlot, 129> FormSlot;
  Table<rec::ResultLine, 11> ResultLine;
  Table<Value, 33> TalkLines;
  Table<Value, 11> LevelUpLines;
  Table<Value, 33> TutorialLines;
  Table<Value, 129> TiList;
  Table<Value, 3> SanpoPendingStatus;
  Table<Value, 13> AsiDesk;  // desk -> assistant row, -1 free
  Table<rec::AsiDeskSlot, 4> AsiDeskSlot;
  Table<rec::Figure, 257> Figure;
  Table<rec::Sprite, 501> Sprite;
  Table<rec::SpriteFrameEntry, 501> SpriteFrameEntry;
  Table<Value, 501> SpriteDrawList;
  Table<rec::RoomItem, 257> RoomItem;
};

// The running game. Tests and the load command may point it at another state
// for a while (StateScope).
GameState& State();

// True once a window opened inside a rule has ended the game (game over,
// the ending): the rule returns at once.
inline bool GameEnded() { return State().GameActive != 1; }

// Makes `state` the running game until the scope ends.
class StateScope {
 public:
  explicit StateScope(GameState& state);
  ~StateScope();
  StateScope(const StateScope&) = delete;
  StateScope& operator=(const StateScope&) = delete;

 private:
  GameState* previous_;
};

// Empties every game value and table, leaving the program's own values.
void ClearGameState();

}  // namespace koratsu
