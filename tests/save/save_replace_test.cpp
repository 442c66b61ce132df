// Saving over a file: the game is written to a new file beside the target and
// renamed over it when it is whole, so that a failure keeps the old file.

#include <dlfcn.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "save/busy_game.h"
#include "save/replace_file.h"
#include "save/writer.h"
#include "state/game_state.h"
#include "support/save_bytes.h"

namespace {
int umaskCalls = 0;
}  // namespace

// Counts the calls of the process's mask: the mask is the whole process's,
// and a save must not change it while other threads may create files.
extern "C" mode_t umask(mode_t mask) {
  ++umaskCalls;
  static auto real = reinterpret_cast<mode_t (*)(mode_t)>(::dlsym(RTLD_NEXT, "umask"));
  return real(mask);
}

namespace koratsu {
namespace {

namespace fs = std::filesystem;
using testing::ReadAll;
using testing::SavedBytes;
using testing::WriteAll;
using testing::TempFolder;

fs::perms Permissions(const fs::path& path) { return fs::status(path).permissions() & fs::perms::all; }

// The number of a process that has ended.
pid_t EndedProcess() {
  pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

// The name of the new file a save of `target` by `process` would try first.
std::string TemporaryNameOf(const fs::path& target, pid_t process) {
  std::string name = fs::path(save::TemporaryPath(target.string(), 0)).filename().string();
  std::string own = "-" + std::to_string(::getpid()) + "-";
  name.replace(name.find(own), own.size(), "-" + std::to_string(process) + "-");
  return name;
}

// A file holding `bytes` that was last written `age` ago.
void WriteAged(const fs::path& path, const std::string& bytes, std::chrono::seconds age) {
  WriteAll(path, bytes);
  fs::last_write_time(path, fs::file_time_type::clock::now() - age);
}

constexpr std::chrono::seconds kAnHourAgo{3600};

// The process's mask, set for the life of the scope.
class MaskScope {
 public:
  explicit MaskScope(mode_t mask) : previous_(::umask(mask)) {}
  ~MaskScope() { ::umask(previous_); }

 private:
  mode_t previous_;
};

// Files may grow to `bytes` for the life of the scope; a write past it fails
// as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    previousSignal_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    ::signal(SIGXFSZ, previousSignal_);
  }

 private:
  rlimit previous_{};
  sighandler_t previousSignal_;
};

class SaveReplaceTest : public ::testing::Test {
 protected:
  SaveReplaceTest() { testing::FillBusyGame(*game); }

  std::unique_ptr<GameState> game = std::make_unique<GameState>();
  TempFolder folder;
};

TEST_F(SaveReplaceTest, AWriteThatFailsKeepsWhatThePathHeldAndLeavesNoOtherFile) {
  fs::path old = folder / "game.krt";
  WriteAll(old, "the previous game");
  fs::create_directory(folder / "a folder.krt");
  struct Case {
    const char* what;
    fs::path path;
    rlim_t sizeLimit;
  };
  const Case cases[] = {
      {"a full disk", old, 4096},
      {"a folder in the way", folder / "a folder.krt", RLIM_INFINITY},
      {"a folder that is not there", folder / "no such folder" / "game.krt", RLIM_INFINITY},
      {"a device, not a file", "/dev/null", RLIM_INFINITY},
  };
  for (const Case& c : cases) {
    save::Result written;
    {
      FileSizeLimit limit(c.sizeLimit);
      written = save::WriteSaveFile(*game, c.path.string());
    }
    EXPECT_FALSE(written) << c.what;
    EXPECT_NE(written.error, "") << c.what;
    EXPECT_EQ(ReadAll(old), "the previous game") << c.what;
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"a folder.krt", "game.krt"})) << c.what;
  }
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(SaveReplaceTest, TheNewFileIsCreatedOnceAndWrittenThroughItsOwnDescriptorNeverThroughALink) {
  fs::path target = folder / "game.krt";
  fs::path victim = folder / "victim";
  WriteAll(victim, "not to be written");
  // Links and a file where the new file would go first: they are passed over.
  for (int attempt = 0; attempt < 3; ++attempt) fs::create_symlink(victim, save::TemporaryPath(target.string(), attempt));
  std::string planted = save::TemporaryPath(target.string(), 3);
  WriteAll(planted, "someone else's");

  int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(watch, 0);
  ASSERT_GE(::inotify_add_watch(watch, folder.Path().c_str(), IN_OPEN | IN_CREATE | IN_MOVED_TO), 0);
  save::Result written = save::WriteSaveFile(*game, target.string());
  ASSERT_TRUE(written) << written.error;

  std::vector<std::string> seen;
  std::array<char, 64 * 1024> buffer;
  for (ssize_t got; (got = ::read(watch, buffer.data(), buffer.size())) > 0;) {
    for (char* at = buffer.data(); at < buffer.data() + got;) {
      auto* event = reinterpret_cast<inotify_event*>(at);
      std::string name = event->len ? event->name : "";
      if (!name.empty() && (event->mask & IN_CREATE)) seen.push_back("create " + name);
      if (!name.empty() && (event->mask & IN_OPEN)) seen.push_back("open " + name);
      if (event->mask & IN_MOVED_TO) seen.push_back("renamed to " + name);
      at += sizeof(inotify_event) + event->len;
    }
  }
  ::close(watch);
  std::string used = fs::path(save::TemporaryPath(target.string(), 4)).filename().string();
  EXPECT_EQ(seen, (std::vector<std::string>{"create " + used, "open " + used, "renamed to game.krt"}));

  EXPECT_EQ(ReadAll(target), SavedBytes(*game));
  EXPECT_EQ(ReadAll(victim), "not to be written");
  EXPECT_EQ(ReadAll(planted), "someone else's");
  for (int attempt = 0; attempt < 3; ++attempt) EXPECT_TRUE(fs::is_symlink(save::TemporaryPath(target.string(), attempt)));
}

TEST_F(SaveReplaceTest, ANewFileTakesThePermissionsOfTheMaskAReplacedOneKeepsItsOwnAndTheMaskStays) {
  MaskScope mask(027);
  int callsBefore = umaskCalls;
  fs::path fresh = folder / "new.krt";
  ASSERT_TRUE(save::WriteSaveFile(*game, fresh.string()));
  EXPECT_EQ(Permissions(fresh), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  fs::path kept = folder / "kept.krt";
  WriteAll(kept, std::string(3'000'000, 'x'));  // longer than the game
  fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
  ASSERT_TRUE(save::WriteSaveFile(*game, kept.string()));
  EXPECT_EQ(Permissions(kept), fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
  EXPECT_EQ(ReadAll(kept), SavedBytes(*game));
  EXPECT_EQ(umaskCalls, callsBefore) << "the process's mask was changed while saving";
}

TEST_F(SaveReplaceTest, ThroughALinkTheFileItNamesIsReplacedAndTheLinkStays) {
  fs::path real = folder / "game.krt";
  WriteAll(real, "the previous game");
  fs::path link = folder / "link.krt";
  fs::create_symlink(real, link);
  ASSERT_TRUE(save::WriteSaveFile(*game, link.string()));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadAll(real), SavedBytes(*game));
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"game.krt", "link.krt"}));
}

TEST_F(SaveReplaceTest, ANameAsLongAsTheSystemAllowsSaves) {
  const std::string names[] = {
      std::string(251, 'x') + ".krt",
      [] {
        std::string name;
        for (int i = 0; i < 83; ++i) name += "漫";
        return name + ".krt";
      }(),
  };
  for (const std::string& name : names) {
    TempFolder own;
    save::Result written = save::WriteSaveFile(*game, (own / name).string());
    ASSERT_TRUE(written) << written.error;
    EXPECT_EQ(ReadAll(own / name), SavedBytes(*game));
    EXPECT_EQ(own.Names(), std::vector<std::string>{name});
  }
}

TEST_F(SaveReplaceTest, ThroughALinkToAFileNotYetThereThatFileIsWrittenAndTheLinkStays) {
  fs::path link = folder / "link.krt";
  fs::create_symlink("hop.krt", link);
  fs::create_symlink(folder / "game.krt", folder / "hop.krt");
  save::Result written = save::WriteSaveFile(*game, link.string());
  ASSERT_TRUE(written) << written.error;
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_TRUE(fs::is_symlink(folder / "hop.krt"));
  EXPECT_EQ(ReadAll(folder / "game.krt"), SavedBytes(*game));
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"game.krt", "hop.krt", "link.krt"}));
}

TEST_F(SaveReplaceTest, LinksThatLeadRoundInACircleAreRefusedAndNothingIsMade) {
  fs::create_symlink("b.krt", folder / "a.krt");
  fs::create_symlink("a.krt", folder / "b.krt");
  save::Result written = save::WriteSaveFile(*game, (folder / "a.krt").string());
  EXPECT_FALSE(written);
  EXPECT_NE(written.error, "");
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"a.krt", "b.krt"}));
}

TEST_F(SaveReplaceTest, ASaveRemovesWhatAKilledSaveOfTheSameFileLeftAndNothingElse) {
  fs::path target = folder / "game.krt";
  WriteAll(target, "the previous game");
  std::string leftover = TemporaryNameOf(target, EndedProcess());
  WriteAged(folder / leftover, "half a game", kAnHourAgo);
  const std::string kept[] = {
      TemporaryNameOf(target, ::getppid()),                   // a save still running
      TemporaryNameOf(folder / "other.krt", EndedProcess()),  // another file's
      "game.krt.bak",
      leftover + ".bak",
  };
  for (const std::string& name : kept) WriteAged(folder / name, "someone else's", kAnHourAgo);
  std::string folderInTheWay = TemporaryNameOf(target, EndedProcess());
  fs::create_directory(folder / folderInTheWay);

  save::Result written = save::WriteSaveFile(*game, target.string());
  ASSERT_TRUE(written) << written.error;
  EXPECT_FALSE(fs::exists(folder / leftover));
  for (const std::string& name : kept) EXPECT_EQ(ReadAll(folder / name), "someone else's") << name;
  EXPECT_TRUE(fs::is_directory(folder / folderInTheWay));
  EXPECT_EQ(ReadAll(target), SavedBytes(*game));
}

TEST_F(SaveReplaceTest, LeftoversGoOnlyOnceUntouchedForTenMinutesAndEarlierVersionsNamesAreKnown) {
  fs::path target = folder / "game.krt";
  WriteAll(target, "the previous game");
  const std::string ended = std::to_string(EndedProcess());
  const std::string running = std::to_string(::getppid());
  using std::chrono::seconds;
  struct Case {
    std::string name;
    seconds age;
    bool removed;
  };
  const Case cases[] = {
      {TemporaryNameOf(target, EndedProcess()), seconds(11 * 60), true},
      {TemporaryNameOf(target, EndedProcess()), seconds(9 * 60), false},  // another process space's save may be writing
      {TemporaryNameOf(target, EndedProcess()), -kAnHourAgo, false},        // a clock ahead of ours
      {"game.krt.tmp" + ended + "_0", kAnHourAgo, true},
      {"game.krt.tmp" + ended + "_17", kAnHourAgo, true},
      {"game.krt.tmp" + ended + "_1", seconds(60), false},
      {"game.krt.tmp" + running + "_0", kAnHourAgo, false},
      {"other.krt.tmp" + ended + "_0", kAnHourAgo, false},
      {"game.krt.tmp" + ended + "_0.bak", kAnHourAgo, false},
      {"game.krt.tmp" + ended + "_", kAnHourAgo, false},
      {"game.krt.tmp" + ended + "_01", kAnHourAgo, false},
      {"game.krt.tmp0" + ended + "_0", kAnHourAgo, false},
      {"game.krt.tmp_0", kAnHourAgo, false},
      {"game.krt.tmp-" + ended + "_0", kAnHourAgo, false},
      {"game.krt.tmp" + ended + "-0", kAnHourAgo, false},
      {"xgame.krt.tmp" + ended + "_0", kAnHourAgo, false},
      {"game.krt.tmp", kAnHourAgo, false},
  };
  for (const Case& c : cases) WriteAged(folder / c.name, "half a game", c.age);

  save::Result written = save::WriteSaveFile(*game, target.string());
  ASSERT_TRUE(written) << written.error;
  for (const Case& c : cases) EXPECT_EQ(fs::exists(folder / c.name), !c.removed) << c.name;
  EXPECT_EQ(ReadAll(target), SavedBytes(*game));
}

}  // namespace
}  // namespace koratsu
