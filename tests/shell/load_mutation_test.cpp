// A saved game damaged in every way a disk, a transfer or a hand can damage
// it, loaded into a running game: each file either loads whole (and its game
// then saves and reads back the same) or is refused with the load's message,
// the running game left exactly as it was, to the last byte.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "publishing/comics.h"
#include "save/reader.h"
#include "save/schema.h"
#include "shell/game_flow.h"
#include "shell/save_load.h"
#include "state/computer_clock.h"
#include "state/game_state.h"
#include "state/log.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/save_bytes.h"
#include "support/scripted_ui.h"

namespace koratsu {
namespace {

using testing::SavedBytes;

constexpr int kMutations = 2000;
// Every this many files, the load goes through the whole command instead of
// the reader alone: the file on the disk, the dialog, the fresh world.
constexpr int kThroughTheCommand = 50;

// A fixed sequence of numbers for a fixed seed (splitmix64).
class Draws {
 public:
  explicit Draws(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0 .. n - 1; n > 0.
  std::size_t Below(std::size_t n) { return static_cast<std::size_t>(Next() % n); }

 private:
  std::uint64_t state_;
};

// The places in `g`'s file of the lines whose first item is a count that
// bounds rows further on, found by walking the lines with `g`'s counts.
std::vector<std::size_t> CountLines(GameState& g) {
  std::set<std::string_view> countNames;
  auto collect = [&](auto& self, const std::vector<save::Node>& nodes) -> void {
    for (const save::Node& node : nodes) {
      if (node.countName) countNames.insert(node.countName);
      self(self, node.body);
    }
  };
  collect(collect, save::SaveFileLines());
  std::vector<std::size_t> places;
  std::size_t line = 0;
  auto walk = [&](auto& self, const std::vector<save::Node>& nodes) -> void {
    for (const save::Node& node : nodes) {
      if (node.kind == save::NodeKind::kLine) {
        if (countNames.count(node.items.front().name)) places.push_back(line);
        ++line;
      } else if (node.kind == save::NodeKind::kLoop) {
        long long rows = node.last - node.first + 1;
        std::string problem;
        if (node.count) rows = save::LoopRows(node, node.count(g, 0, 0), problem).value_or(0);
        for (long long row = 0; row < rows; ++row) self(self, node.body);
      }
    }
  };
  walk(walk, save::SaveFileLines());
  return places;
}

enum Kind {
  kByteChanged,
  kLineCut,
  kLineDoubled,
  kLinesSwapped,
  kCountChanged,
  kQuoteRemoved,
  kFileCut,
  kCodePageBroken,
  kKinds,
};

const char* const kKindNames[kKinds] = {"a byte changed",   "a line cut",       "a line doubled",
                                        "two lines swapped", "a count changed", "a quote removed",
                                        "the file cut",      "code page 932 broken"};

// The file to be damaged, with where its lines, quotes and bytes of code
// page 932 characters stand.
struct Original {
  Original(std::string file, GameState& g) : bytes(std::move(file)), countLines(CountLines(g)) {
    for (std::size_t at = 0; at < bytes.size();) {
      std::size_t end = bytes.find("\r\n", at);
      lines.push_back({at, end - at});
      at = end + 2;
    }
    for (std::size_t k = 0; k < bytes.size(); ++k) {
      if (bytes[k] == '"') quotes.push_back(k);
      if (static_cast<unsigned char>(bytes[k]) >= 0x80) highBytes.push_back(k);
    }
  }
  std::string_view Line(std::size_t k) const { return std::string_view(bytes).substr(lines[k].first, lines[k].second); }

  std::string bytes;
  std::vector<std::size_t> countLines;  // by line number
  std::vector<std::pair<std::size_t, std::size_t>> lines;  // start and length
  std::vector<std::size_t> quotes, highBytes;
};

// One damaged copy of the original, of the given kind.
std::string Mutate(const Original& original, Kind kind, Draws& draw) {
  std::string file = original.bytes;
  auto line = [&](std::size_t k) { return original.lines[k]; };
  std::size_t a = draw.Below(original.lines.size());
  switch (kind) {
    case kByteChanged: {
      std::size_t at = draw.Below(file.size());
      file[at] = static_cast<char>(file[at] ^ (1 + draw.Below(255)));
      break;
    }
    case kLineCut: {
      while (line(a).second == 0) a = draw.Below(original.lines.size());
      std::size_t keep = draw.Below(line(a).second);
      file.erase(line(a).first + keep, line(a).second - keep);
      break;
    }
    case kLineDoubled:
      file.insert(line(a).first, std::string(original.Line(a)) + "\r\n");
      break;
    case kLinesSwapped: {
      // Neighbours as often as lines far apart.
      std::size_t b = draw.Below(2) ? draw.Below(original.lines.size()) : std::min(a + 1, original.lines.size() - 1);
      if (a > b) std::swap(a, b);
      if (a == b) break;
      std::string first(original.Line(a)), second(original.Line(b));
      file.replace(line(b).first, line(b).second, first);
      file.replace(line(a).first, line(a).second, second);
      break;
    }
    case kCountChanged: {
      std::size_t k = original.countLines[draw.Below(original.countLines.size())];
      std::string_view text = original.Line(k);
      std::size_t end = std::min(text.find(','), text.size());
      static const long long kChanges[] = {-1000000, -100, -3, -2, -1, 1, 2, 3, 100, 1000000};
      long long count = end == 0 ? 0 : std::stoll(std::string(text.substr(0, end)));
      file.replace(line(k).first, end, std::to_string(count + kChanges[draw.Below(std::size(kChanges))]));
      break;
    }
    case kQuoteRemoved:
      file.erase(original.quotes[draw.Below(original.quotes.size())], 1);
      break;
    case kFileCut:
      file.resize(draw.Below(file.size()));
      break;
    case kCodePageBroken: {
      std::size_t at = original.highBytes[draw.Below(original.highBytes.size())];
      if (std::size_t how = draw.Below(3); how == 0) {
        file[at] = '\xFF';  // a byte the code page does not use
      } else if (how == 1) {
        file.erase(at + 1, 1);  // a character without its second byte
      } else {
        file.insert(file.find('"', at), 1, '\x81');  // a first byte before the closing quote
      }
      break;
    }
    case kKinds:
      break;
  }
  return file;
}

// The running game as it lies in memory, to tell whether anything in it changed.
class Image {
 public:
  void Take(const GameState& g) { std::memcpy(bytes_.get(), static_cast<const void*>(&g), sizeof(GameState)); }
  bool Same(const GameState& g) const {
    return std::memcmp(bytes_.get(), static_cast<const void*>(&g), sizeof(GameState)) == 0;
  }

 private:
  std::unique_ptr<unsigned char[]> bytes_ = std::make_unique_for_overwrite<unsigned char[]>(sizeof(GameState));
};

class LoadMutationTest : public ::testing::Test {
 protected:
  LoadMutationTest() {
    SetComputerClock(&clock);
    SetRandomSource(&random);
    SetLogSink([](const std::string&) {});  // damaged files make much to log
    shell::SetProgramValues();
    EXPECT_TRUE(shell::ConfirmNewGame("漫画太郎", screen));
  }
  ~LoadMutationTest() override {
    SetLogSink({});
    SetComputerClock(nullptr);
  }
  GameState& g() { return state.g(); }

  // Loads `bytes` through the load command; true when the game was replaced.
  bool LoadThroughTheCommand(const std::string& bytes) {
    std::string path = (folder / "game.krt").string();
    testing::WriteAll(path, bytes);
    ui.Clear();
    ui.AnswerFileDialog(path);
    shell::LoadGame(screen);
    if (ui.Messages().empty()) return true;
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{shell::kLoadFailedMessage});
    return false;
  }

  // Every mutation of `original` loaded into the running game; returns
  // "tried, loaded, refused" with the counts by kind.
  std::string Run(const std::string& bytes, std::uint64_t seed) {
    EXPECT_TRUE(LoadThroughTheCommand(bytes));
    const Original original(bytes, g());
    Image image;
    image.Take(g());
    std::string verified = SavedBytes(g());  // a file known to read back the same
    Draws draw(seed);
    int loaded[kKinds] = {}, refused[kKinds] = {};
    for (int m = 0; m < kMutations && !HasFailure(); ++m) {
      auto kind = static_cast<Kind>(m % kKinds);
      SCOPED_TRACE("mutation " + std::to_string(m) + ", " + kKindNames[kind]);
      std::string file = Mutate(original, kind, draw);
      bool whole = m % kThroughTheCommand == 0 ? LoadThroughTheCommand(file) : bool(save::ReadSaveFileBytes(g(), file));
      if (!whole) {
        ++refused[kind];
        EXPECT_TRUE(image.Same(g())) << "a refused file changed the running game";
        continue;
      }
      ++loaded[kind];
      std::string saved = SavedBytes(g());
      if (saved != verified) {
        save::Result again = save::ReadSaveFileBytes(g(), saved);
        EXPECT_TRUE(again) << again.error;
        std::string resaved = SavedBytes(g());
        EXPECT_TRUE(resaved == saved) << testing::FirstDifference(resaved, saved);
        verified = saved;
      }
      image.Take(g());
    }
    int tried = 0, loadedAll = 0, refusedAll = 0;
    std::string byKind;
    for (int k = 0; k < kKinds; ++k) {
      loadedAll += loaded[k];
      refusedAll += refused[k];
      byKind += std::string("; ") + kKindNames[k] + " " + std::to_string(loaded[k]) + "/" +
                std::to_string(loaded[k] + refused[k]);
    }
    tried = loadedAll + refusedAll;
    return std::to_string(tried) + " tried, " + std::to_string(loadedAll) + " loaded, " +
           std::to_string(refusedAll) + " refused (loaded/tried" + byKind + ")";
  }

  FixedClock clock{{1970, 7, 3, 5, 14, 0, 0}, 321.0};
  SeededRandom random{7};
  testing::FreshState state;
  testing::ScriptedUi ui;
  testing::RecordingScreen screen;
  testing::TempFolder folder;
};

TEST_F(LoadMutationTest, DamagedFilesOfANewGameLoadWholeOrNotAtAll) {
  std::string counts = Run(SavedBytes(g()), 1);
  std::printf("new game's file: %s\n", counts.c_str());
}

// Two works, one of them a serial with two volumes out and its next episode
// in production, and three of the editors' events queued.
void AddTwoWorks(GameState& g) {
  auto set = [](std::initializer_list<std::pair<Value*, Value>> values) {
    for (const auto& [at, value] : values) *at = value;
  };
  rec::MangaWork& shot = g.MangaWork[0];
  rec::MangaWork& serial = g.MangaWork[1];
  set({{&g.Kingaku, 2345678}, {&g.MangaCount, 2}, {&g.MangaListCount, 2}, {&g.MangaListIndex[1], 1},
       {&g.MangaClass[0][0], 1}, {&g.MangaClass[1][0], 2}});
  set({{&shot.Title, "初めての読み切り"}, {&shot.State, 1}, {&shot.ClassPoint, 86}, {&shot.Contest, 1},
       {&shot.Magazine, 2}, {&shot.Prize, 300000}, {&shot.Date, "70/07/05"}, {&shot.Hyouka, 212.5},
       {&shot.ContestResult, 2}, {&shot.SettingItem[0], 14}, {&shot.SettingPoints[0], 6}});
  set({{&serial.Title, "ﾏﾝｶﾞ道,第二部"}, {&serial.State, 3}, {&serial.Volumes, 2}, {&serial.Magazine, 0},
       {&serial.SerialEpisodes, 23}, {&serial.Date, "70/07/20"}, {&serial.SerialRank, 4},
       {&serial.TotalSold, 265000}, {&serial.Royalty, 10865000}, {&serial.SerialFee, 240000}});
  for (int episode = 0; episode < 23; ++episode) serial.EpisodeVolume[episode] = episode < 20 ? episode / 10 + 1 : 0;
  for (int volume = 0; volume < 2; ++volume) {
    rec::ComicsVolume& v = g.ComicsVolume[1][volume];
    set({{&v.SalesRate, 1.05 - 0.1 * volume}, {&v.MillionFlag, 0}, {&v.Sold, 140000 - 15000 * volume},
         {&v.Printed, 150000}});
    v.Price = Money::FromNumber(410);
  }
  long long row = AddComicRow(serial.Title, g.PlayerSei, 40, 2, 0, 265000);
  g.ComicEntry[row].MangaIndex = 1;

  // The serial's next episode in production.
  rec::ProductionSlot& slot = g.ProductionSlot[0];
  set({{&slot.Magazine, 0}, {&slot.Kind, 2}, {&slot.Fee, 240000}, {&slot.DaysLeft, 5}, {&slot.Target, 400},
       {&slot.Episode, 24}, {&slot.MangaIndex, 1}, {&g.SlotKanseido[0], 37.5}, {&g.SlotLabel[0], "連載 第24話"},
       {&g.SlotsInUse, 1}, {&g.BusySlotCount, 1}});

  g.EditorEvent[0] = {3, 2, 0, 2, Value(), Value()};
  g.EditorEvent[1] = {1, 7, "ﾏﾝｶﾞ道,第二部", 0, 1, Value()};
  g.EditorEvent[2] = {6, 5, Value(), Value(), Value(), 1};
}

TEST_F(LoadMutationTest, DamagedFilesOfAGameWithTwoWorksSerialVolumesAndAQueueLoadWholeOrNotAtAll) {
  AddTwoWorks(g());
  std::string counts = Run(SavedBytes(g()), 2);
  std::printf("file with two works: %s\n", counts.c_str());
}

}  // namespace
}  // namespace koratsu
