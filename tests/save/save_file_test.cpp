#include "save/reader.h"
#include "save/writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "publishing/comics.h"
#include "roomview/walking.h"
#include "save/busy_game.h"
#include "save/cp932.h"
#include "state/game_state.h"
#include "state/log.h"
#include "shell/world_setup.h"
#include "ui/forms.h"
#include "support/save_bytes.h"

namespace koratsu {
namespace {

using testing::SavedBytes;
using testing::TempPath;

std::vector<std::string_view> Lines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    std::size_t end = bytes.find("\r\n");
    if (end == std::string_view::npos) {
      ADD_FAILURE() << "a line without CR LF at the end of the file";
      break;
    }
    lines.push_back(bytes.substr(0, end));
    bytes.remove_prefix(end + 2);
  }
  return lines;
}

// The number of lines the file of a game with these counts has.
long long FormulaLines(const GameState& g) {
  auto n = [](const Value& count) { return std::max<long long>(count.Index(), 0); };
  long long poll = g.PollArtistCount.IsEmpty() ? 1 : n(g.PollArtistCount) + 1;
  return 8010 + 296 * n(g.MangaCount) + 4 * n(g.MagazineCount) + 2 * n(g.ComicCount) + poll + n(g.AsiCount) +
         n(g.AssetRankCount) + n(g.NovelCount) + n(g.FigureCount) + n(g.OtherMangaCount) + n(g.SanpoCount) +
         n(g.ArubaitoCount) + n(g.SyugyouCount) + n(g.TiItemCount) + n(g.RoomItemSpriteCount);
}

// The bytes with the first line that begins with `start` replaced by `with`.
std::string ReplaceLine(std::string bytes, std::string_view start, std::string_view with) {
  std::size_t at = bytes.starts_with(start) ? 0 : bytes.find(std::string("\r\n") + std::string(start));
  if (at == std::string::npos) {
    ADD_FAILURE() << "no line begins with " << start;
    return bytes;
  }
  if (at != 0) at += 2;
  std::size_t end = bytes.find("\r\n", at);
  bytes.replace(at, end - at, with);
  return bytes;
}

// The line that follows the first line equal to `line`.
std::string LineAfter(std::string_view bytes, std::string_view line) {
  std::vector<std::string_view> lines = Lines(bytes);
  for (std::size_t k = 0; k + 1 < lines.size(); ++k)
    if (lines[k] == line) return std::string(lines[k + 1]);
  ADD_FAILURE() << "no line " << line;
  return {};
}

// A game as a new game or a load prepares it, with the program's own values.
std::unique_ptr<GameState> NewWorld() {
  auto g = std::make_unique<GameState>();
  StateScope scope(*g);
  g->SaveVersion = "1.20";
  g->AppVersion = "1.20";
  g->AppTitle = "Koratsu";
  ClearGameState();
  g->GameActive = 1;
  shell::InitWorld();
  UpdateRivalComics();
  MoveFigures();
  return g;
}

std::unique_ptr<GameState> BusyGame() {
  auto g = std::make_unique<GameState>();
  testing::FillBusyGame(*g);
  return g;
}

bool SameBits(const Value& a, const Value& b) {
  if (a.IsText() || b.IsText()) return a.IsText() && b.IsText() && a.TextView() == b.TextView();
  return a.Bits() == b.Bits();
}

// Catches log lines for the life of the scope.
class LogCatcher {
 public:
  LogCatcher() {
    SetLogSink([this](const std::string& line) { lines.push_back(line); });
  }
  ~LogCatcher() { SetLogSink({}); }
  std::vector<std::string> lines;
};

TEST(SaveFileTest, NewGameFileBeginsWithVersionTitleAndRunningFlagAndHasTheFormulasLines) {
  auto g = NewWorld();
  LogCatcher log;
  std::string bytes = SavedBytes(*g);
  EXPECT_EQ(log.lines, std::vector<std::string>{}) << "every item is written as the value it holds";
  EXPECT_TRUE(bytes.starts_with("\"1.20\",\"Koratsu\",1,")) << bytes.substr(0, 40);
  EXPECT_TRUE(bytes.ends_with("\r\n"));
  EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1) << "every line ends with CR LF";
  EXPECT_EQ(static_cast<long long>(Lines(bytes).size()), FormulaLines(*g));
}

TEST(SaveFileTest, LineCountFollowsTheSizeFormulaForEmptyAndUsedCounts) {
  struct Case {
    const char* what;
    void (*set)(GameState&);
    long long lines;
  };
  const Case cases[] = {
      {"every count empty; the poll artists still give row 0", [](GameState&) {}, 8011},
      {"counts of 0 write their count lines only",
       [](GameState& g) {
         g.MangaCount = 0;
         g.ComicCount = 0;
         g.PollArtistCount = 0;
       },
       8011},
      {"sixteen poll artists give 17 rows", [](GameState& g) { g.PollArtistCount = 16; }, 8027},
      {"a count below zero writes no rows", [](GameState& g) { g.AsiCount = -3; }, 8011},
      {"works, magazines and comics",
       [](GameState& g) {
         g.MangaCount = 3;
         g.MagazineCount = 10;
         g.ComicCount = 5;
         g.TiItemCount = 97;
       },
       8011 + 3 * 296 + 40 + 10 + 97},
  };
  for (const Case& c : cases) {
    auto state = std::make_unique<GameState>();
    GameState& g = *state;
    c.set(g);
    std::string bytes = SavedBytes(g);
    EXPECT_EQ(static_cast<long long>(Lines(bytes).size()), c.lines) << c.what;
    EXPECT_EQ(FormulaLines(g), c.lines) << c.what;
  }
}

TEST(SaveFileTest, NewWorldReadIntoAFreshWorldWritesTheSameBytes) {
  auto saved = NewWorld();
  saved->PlayerSei = "山田";
  saved->PlayerMei = "";
  saved->AssetRankEntry[0].Name = "山田 ";
  saved->TutorialStage = 2;
  std::string first = SavedBytes(*saved);

  auto loaded = NewWorld();
  save::Result read = save::ReadSaveFileBytes(*loaded, first);
  ASSERT_TRUE(read) << read.error;
  EXPECT_EQ(SavedBytes(*loaded), first);
}

TEST(SaveFileTest, BusyLateGameReadsBackExactlyAndWritesTheSameBytes) {
  auto saved = BusyGame();
  std::string path = TempPath("busy");
  save::Result written = save::WriteSaveFile(*saved, path);
  ASSERT_TRUE(written) << written.error;

  auto loaded = std::make_unique<GameState>();
  save::Result read = save::ReadSaveFile(*loaded, path);
  std::filesystem::remove(path);
  ASSERT_TRUE(read) << read.error;
  std::string first = SavedBytes(*saved);
  EXPECT_EQ(SavedBytes(*loaded), first);

  GameState& g = *loaded;
  EXPECT_EQ(g.PlayerSei.TextView(), "ﾏﾝｶﾞ,太郎");
  EXPECT_TRUE(g.PlayerMei.IsText() && g.PlayerMei.TextView().empty()) << "an empty text stays a text";
  EXPECT_TRUE(g.KoudouMode.IsEmpty()) << "an empty value stays empty";
  EXPECT_EQ(g.TalkLines[1].TextView(), "12,345,678円です。");
  EXPECT_TRUE(g.TalkLines[2].IsText()) << "quoted digits stay a text";
  EXPECT_TRUE(g.ComicEntry[3].Author.IsText());
  EXPECT_TRUE(SameBits(g.Stamina, Value(24.38)));
  EXPECT_TRUE(SameBits(g.PlayerPopularity, Value(0.1 + 0.2)));
  EXPECT_TRUE(SameBits(g.Kingaku, Value(123456789012.0)));
  EXPECT_TRUE(SameBits(g.FormSlot[form::kWorking].Left, Value(0.25)));
  EXPECT_EQ(g.AsiDesk[5].Num(), -1);
  EXPECT_EQ(g.EditorEvent[1].Manga.TextView(), "僕の漫画119");
  EXPECT_EQ(g.EditorEvent[0].Manga.Num(), 4);
  EXPECT_EQ(g.ComicsVolume[7][100].Price, Money::FromScaled(4100100));
  EXPECT_EQ(g.ComicsVolume[5][500].Price, Money::FromNumber(390.1234));
  // Past column 200: episodes and volumes of the long serial.
  EXPECT_EQ(g.MangaWork[11].EpisodeVolume[259].Num(), 259 / 9 + 1);
  EXPECT_EQ(g.ComicsVolume[11][239].Sold.Num(), 50000);
  EXPECT_TRUE(g.ComicsVolume[11][240].Sold.IsEmpty());

  // The lines of the format, then the extension: a header, and per work its
  // row and last column, then one line per column.
  long long extension = 1 + (1 + 500 - 200) + (1 + 259 - 200);
  EXPECT_EQ(static_cast<long long>(Lines(first).size()), FormulaLines(*saved) + extension);
}

TEST(SaveFileTest, NumbersAreWrittenShortestAndReadBackBitForBit) {
  struct Case {
    Value value;
    const char* text;
  };
  const Case cases[] = {
      {Value(0), "0"},
      {Value(12000), "12000"},
      {Value(-1), "-1"},
      {Value(0.5), "0.5"},
      {Value(-0.25), "-0.25"},
      {Value(24.38), "24.38"},
      {Value(0.1 + 0.2), "0.30000000000000004"},
      {Value(1e15), "1E+15"},
      {Value(1.5e-5), "1.5E-05"},
      {Value(HUGE_VAL), "1E+999"},
      {Value(-HUGE_VAL), "-1E+999"},
      {Value(-123456789.125), "-123456789.125"},
      {Value(), ""},
      {Value("12"), "\"12\""},
      {Value(""), "\"\""},
  };
  auto state = std::make_unique<GameState>();
  GameState& g = *state;
  g.SigotoPoint = 777777;
  auto backState = std::make_unique<GameState>();
  GameState& back = *backState;
  for (const Case& c : cases) {
    g.SpareWorldFlag = c.value;
    std::string bytes = SavedBytes(g);
    EXPECT_EQ(LineAfter(bytes, "777777,,,,,,,"), c.text);
    ASSERT_TRUE(save::ReadSaveFileBytes(back, bytes));
    EXPECT_TRUE(SameBits(back.SpareWorldFlag, c.value)) << c.text;
  }
}

TEST(SaveFileTest, VolumePricesAreWrittenFromTheirFourDecimals) {
  auto state = std::make_unique<GameState>();
  GameState& g = *state;
  g.MangaCount = 1;
  g.ComicsVolume[0][0].Price = Money::FromScaled(4105000);
  g.ComicsVolume[0][1].Price = Money::FromScaled(3901234);
  g.ComicsVolume[0][2].Price = Money::FromScaled(-1);
  g.ComicsVolume[0][3].Price = Money::FromScaled(123456789012340000);
  std::string bytes = SavedBytes(g);
  EXPECT_NE(bytes.find("\r\n,,,,410.5,\r\n,,,,390.1234,\r\n,,,,-0.0001,\r\n,,,,12345678901234,\r\n,,,,0,\r\n"),
            std::string::npos);
  auto backState = std::make_unique<GameState>();
  GameState& back = *backState;
  ASSERT_TRUE(save::ReadSaveFileBytes(back, bytes));
  for (int v = 0; v < 5; ++v) EXPECT_EQ(back.ComicsVolume[0][v].Price, g.ComicsVolume[0][v].Price) << v;
}

TEST(SaveFileTest, TextsAreCodePage932WithSingleByteHalfWidthKatakana) {
  auto state = std::make_unique<GameState>();
  GameState& g = *state;
  g.PlayerSei = "ﾎﾟｲﾝﾄ～漫画";
  std::string bytes = SavedBytes(g);
  EXPECT_NE(bytes.find("\"\xCE\xDF\xB2\xDD\xC4\x81\x60\x96\x9F\x89\xE6\""), std::string::npos);
  auto backState = std::make_unique<GameState>();
  GameState& back = *backState;
  ASSERT_TRUE(save::ReadSaveFileBytes(back, bytes));
  EXPECT_EQ(back.PlayerSei.TextView(), "ﾎﾟｲﾝﾄ～漫画");
}

TEST(SaveFileTest, ReadsEveryFormAnItemMayTakeInAFile) {
  auto state = std::make_unique<GameState>();
  GameState& g = *state;
  g.Garyoku = 111111;
  g.PlayerFame = 222222;
  g.BedSprite = 555555;
  std::string bytes = SavedBytes(g);
  bytes = ReplaceLine(bytes, "111111,", ".5,-.25,1E+15,1.5E-05,\"12\"");
  std::string name;
  save::Cp932().Encode("山田,太郎", name);
  bytes = ReplaceLine(bytes, ",,,222222", "12000, \"" + name + "\" ,\"\",");
  bytes = ReplaceLine(bytes, "555555", "");  // a blank line is one empty item

  auto backState = std::make_unique<GameState>();
  GameState& back = *backState;
  save::Result read = save::ReadSaveFileBytes(back, bytes);
  ASSERT_TRUE(read) << read.error;
  EXPECT_EQ(back.Garyoku.Num(), 0.5);
  EXPECT_EQ(back.Kyouyou.Num(), -0.25);
  EXPECT_EQ(back.Hassouryoku.Num(), 1e15);
  EXPECT_EQ(back.Souzouryoku.Num(), 1.5e-5);
  EXPECT_TRUE(back.Tinou.IsText());
  EXPECT_EQ(back.Tinou.TextView(), "12");
  EXPECT_EQ(back.Kingaku.Num(), 12000);
  EXPECT_EQ(back.PlayerSei.TextView(), "山田,太郎");
  EXPECT_TRUE(back.PlayerMei.IsText());
  EXPECT_TRUE(back.PlayerFame.IsEmpty());
  EXPECT_TRUE(back.BedSprite.IsEmpty());
}

TEST(SaveFileTest, ReadsLinesEndedByLineFeedAloneAndALastLineWithoutEnd) {
  auto saved = BusyGame();
  std::string bytes = SavedBytes(*saved);
  std::string unix;
  for (char c : bytes)
    if (c != '\r') unix.push_back(c);
  unix.pop_back();
  auto backState = std::make_unique<GameState>();
  GameState& back = *backState;
  save::Result read = save::ReadSaveFileBytes(back, unix);
  ASSERT_TRUE(read) << read.error;
  EXPECT_EQ(SavedBytes(back), bytes);
}

class FailedReadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved = BusyGame();
    saved->GameSpeed = 1;  // line 1 ends ",1,2,2,"
    saved->DaysSinceOffer = 987654;
    saved->AsiListCount = 876543;
    saved->Garyoku = 111111;
    bytes = SavedBytes(*saved);
    target = NewWorld();
    target->PlayerSei = "まだ遊んでいる";
    target->ComicsVolume[3][400].Sold = 9;
    target->Rival[200].Debuted = 1;
    before = std::make_unique<GameState>(*target);
  }

  // The target holds exactly what it held, to the last word.
  void ExpectUntouched(const std::string& what) {
    EXPECT_EQ(std::memcmp(before.get(), target.get(), sizeof(GameState)), 0) << what;
  }

  std::unique_ptr<GameState> saved;
  std::string bytes;
  std::unique_ptr<GameState> target;
  std::unique_ptr<GameState> before;
};

TEST_F(FailedReadTest, EachFaultFailsAndLeavesTheTargetUntouched) {
  std::size_t extension = bytes.find("\"Volumes201\"");
  ASSERT_NE(extension, std::string::npos);
  struct Case {
    const char* what;
    std::string file;
  };
  const Case cases[] = {
      {"an empty file", ""},
      {"cut in the middle of a line", bytes.substr(0, bytes.size() / 2)},
      {"cut at the end of a line", bytes.substr(0, bytes.find("\r\n", bytes.size() / 3) + 2)},
      {"cut inside the extension", bytes.substr(0, extension + 200)},
      {"a count that is not a number", ReplaceLine(bytes, "12,987654", "\"many\",987654")},
      {"a count past its table", ReplaceLine(bytes, "19,876543", "66,876543")},
      {"a count past the works table", ReplaceLine(bytes, "12,987654", "642,987654")},
      {"the poll artists' count, whose extra row is past the table", ReplaceLine(bytes, "16,", "33,,")},
      {"an item that is not a number", ReplaceLine(bytes, "111111,", "abc,22,9,15,24")},
      {"money that is a text", ReplaceLine(bytes, "123456789012,", "\"abc\",\"x\",\"\",20")},
      {"a date that is a text", ReplaceLine(bytes, "1974,11,30,6,23", "1974,\"11月\",30,6,23")},
      {"an ability that is an empty text", ReplaceLine(bytes, "111111,", "\"\",22,9,15,24")},
      {"a text without its closing quote", ReplaceLine(bytes, "111111,", "\"abc,22,9,15,24")},
      {"characters after a text", ReplaceLine(bytes, "111111,", "\"abc\"x,22,9,15,24")},
      {"a line with an item too few", ReplaceLine(bytes, "111111,", "111111,22,9,15")},
      {"a line with an item too many", ReplaceLine(bytes, "111111,", "111111,22,9,15,24,1")},
      {"a text that is not code page 932", ReplaceLine(bytes, "111111,", "\"\x81\",22,9,15,24")},
      {"a price that is not an amount", ReplaceLine(bytes, ",1.05,0,100000,410,150000", ",1.05,0,100000,abc,150000")},
      {"the extension naming a work past the count", ReplaceLine(bytes, "5,500", "12,500")},
      {"the extension's columns past the table", ReplaceLine(bytes, "5,500", "5,501")},
  };
  for (const Case& c : cases) {
    save::Result read = save::ReadSaveFileBytes(*target, c.file);
    EXPECT_FALSE(read) << c.what;
    EXPECT_FALSE(read.error.empty()) << c.what;
    ExpectUntouched(c.what);
  }
}

TEST_F(FailedReadTest, AMissingFileFailsAndLeavesTheTargetUntouched) {
  save::Result read = save::ReadSaveFile(*target, TempPath("missing"));
  EXPECT_FALSE(read);
  EXPECT_NE(read.error.find("cannot open"), std::string::npos) << read.error;
  ExpectUntouched("a missing file");
}

TEST_F(FailedReadTest, AFileWithoutTheExtensionReadsAndKeepsTheColumnsPast200) {
  std::size_t extension = bytes.find("\"Volumes201\"");
  std::string old = bytes.substr(0, extension);
  save::Result read = save::ReadSaveFileBytes(*target, old + "whatever follows the last line is not read\r\n");
  ASSERT_TRUE(read) << read.error;
  EXPECT_EQ(target->ComicsVolume[3][400].Sold.Num(), 9);
  EXPECT_TRUE(target->MangaWork[11].EpisodeVolume[259].IsEmpty());
  EXPECT_EQ(target->MangaWork[11].EpisodeVolume[200].Num(), 200 / 9 + 1);
  EXPECT_EQ(target->PlayerSei.TextView(), "ﾏﾝｶﾞ,太郎");
}

TEST(SaveFileTest, AReadForgetsRivalRecordsTheFileDoesNotHoldWhenTheirSeriesIsMissing) {
  auto saved = BusyGame();
  std::string bytes = SavedBytes(*saved);
  auto target = std::make_unique<GameState>();
  target->Rival[150].Debuted = 1;
  target->Rival[150].ComicRow = 3;
  ASSERT_TRUE(save::ReadSaveFileBytes(*target, bytes));
  EXPECT_TRUE(target->Rival[150].Debuted.IsEmpty());
  EXPECT_EQ(target->Rival[10].Debuted.Num(), 1) << "rival 10 came from the file";
}

TEST(SaveFileTest, AStateNoFileCouldCarryBackIsNotWritten) {
  struct Case {
    const char* what;
    void (*set)(GameState&);
  };
  const Case cases[] = {
      {"a count past its table", [](GameState& g) { g.FigureCount = 300; }},
      {"a count that is not a number", [](GameState& g) { g.MangaCount = "many"; }},
      {"the poll artists through a full table", [](GameState& g) { g.PollArtistCount = 33; }},
  };
  for (const Case& c : cases) {
    auto state = std::make_unique<GameState>();
    GameState& g = *state;
    c.set(g);
    std::string bytes;
    save::Result made = save::SaveFileBytes(g, bytes);
    EXPECT_FALSE(made) << c.what;
    EXPECT_TRUE(bytes.empty()) << c.what;
    std::string path = TempPath("refused");
    EXPECT_FALSE(save::WriteSaveFile(g, path)) << c.what;
    EXPECT_FALSE(std::filesystem::exists(path)) << c.what;
  }
}

TEST(SaveFileTest, AValueThatIsNotANumberIsWrittenAsZeroAndTheFileStillReads) {
  LogCatcher log;
  auto state = std::make_unique<GameState>();
  GameState& g = *state;
  g.Stamina = Value(std::nan(""));
  g.Kingaku = "abc";  // a text where only a number can stand
  g.GameYear = "1974";  // one that reads as a number stays a text
  g.PollArtistCount = Value(std::nan(""));  // row 0 and its extra row, as for 0
  g.PollArtist[0].Name = "row 0";
  std::string bytes = SavedBytes(g);
  auto backState = std::make_unique<GameState>();
  GameState& back = *backState;
  save::Result read = save::ReadSaveFileBytes(back, bytes);
  ASSERT_TRUE(read) << read.error;
  EXPECT_EQ(back.Stamina.Num(), 0);
  EXPECT_TRUE(back.Kingaku.IsNumber() && back.Kingaku.Num() == 0);
  EXPECT_EQ(back.GameYear.TextView(), "1974");
  EXPECT_EQ(back.PollArtist[0].Name.TextView(), "row 0");
  EXPECT_EQ(SavedBytes(back), bytes);
  EXPECT_FALSE(log.lines.empty());
}

TEST(SaveFileTest, TextsTheFormatCannotHoldStillGiveAFileThatReads) {
  LogCatcher log;
  auto state = std::make_unique<GameState>();
  GameState& g = *state;
  g.PlayerSei = "a\"b\r\nc\xF0\x9F\x98\x80";
  std::string bytes = SavedBytes(g);
  auto backState = std::make_unique<GameState>();
  GameState& back = *backState;
  save::Result read = save::ReadSaveFileBytes(back, bytes);
  ASSERT_TRUE(read) << read.error;
  EXPECT_EQ(back.PlayerSei.TextView(), "a'b  c?");
  EXPECT_EQ(log.lines.size(), 2u);
}

}  // namespace
}  // namespace koratsu
