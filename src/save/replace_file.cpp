#include "save/replace_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>

#include "state/log.h"

namespace koratsu::save {

namespace {

namespace fs = std::filesystem;

constexpr int kTemporaryAttempts = 100;
constexpr int kMostLinks = 40;  // as the system's own limit on a path's links
constexpr std::string_view kTemporaryStart = ".koratsu-";
constexpr std::string_view kTemporaryEnd = ".tmp";

// Names the target in its new files' names. It must not change between runs:
// a later run finds what a killed one left by it.
std::string TargetKey(const std::string& target) {
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (unsigned char c : fs::path(target).filename().string()) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string key(16, '0');
  for (int at = 15; at >= 0; --at, hash >>= 4) key[static_cast<std::size_t>(at)] = kDigits[hash & 15];
  return key;
}

// The start every new file for `target` shares: ".koratsu-<key>-".
std::string TemporaryStart(const std::string& target) {
  return std::string(kTemporaryStart) + TargetKey(target) + "-";
}

// A number as std::to_string writes it: digits, no leading zero.
bool Decimal(std::string_view text) {
  if (text.empty() || (text.size() > 1 && text[0] == '0')) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// A process number written by Decimal's rule; none otherwise.
std::optional<pid_t> ProcessNumber(std::string_view digits) {
  pid_t process = 0;
  if (!Decimal(digits)) return std::nullopt;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), process);
  if (error != std::errc() || end != digits.data() + digits.size() || process <= 0) return std::nullopt;
  return process;
}

// The process that made `name`, when `name` is a new file for the target whose
// names start with `start` ("<start><process>-<attempt>.tmp"); none otherwise.
std::optional<pid_t> MakerOf(std::string_view name, std::string_view start) {
  if (!name.starts_with(start) || !name.ends_with(kTemporaryEnd)) return std::nullopt;
  name.remove_prefix(start.size());
  name.remove_suffix(kTemporaryEnd.size());
  std::size_t dash = name.find('-');
  if (dash == std::string_view::npos || !Decimal(name.substr(dash + 1))) return std::nullopt;
  return ProcessNumber(name.substr(0, dash));
}

// Earlier versions named the new file "<target's name>.tmp<process>_<attempt>".
std::optional<pid_t> EarlierMakerOf(std::string_view name, std::string_view targetName) {
  constexpr std::string_view kEarlierMark = ".tmp";
  if (!name.starts_with(targetName) || !name.substr(targetName.size()).starts_with(kEarlierMark))
    return std::nullopt;
  name.remove_prefix(targetName.size() + kEarlierMark.size());
  std::size_t underscore = name.find('_');
  if (underscore == std::string_view::npos || !Decimal(name.substr(underscore + 1))) return std::nullopt;
  return ProcessNumber(name.substr(0, underscore));
}

bool Running(pid_t process) { return ::kill(process, 0) == 0 || errno != ESRCH; }

// A save that is still writing touches its file within moments. One of
// another process space (a sandbox, another computer on a shared folder)
// may carry a number that is nobody's here, so a file is only taken for a
// leftover once it has also lain untouched this long.
constexpr std::time_t kLeftoverSeconds = 10 * 60;

bool LongUntouched(const struct stat& found) {
  std::time_t now = std::time(nullptr);
  return found.st_mtime < now && now - found.st_mtime >= kLeftoverSeconds;
}

// A save killed half-way leaves its new file behind; once its process is gone
// nobody will rename or remove it. Files of a save that may still be running,
// and anything that is not one of our own new files, stay.
void RemoveLeftovers(const std::string& target) {
  fs::path folder = fs::path(target).parent_path();
  std::error_code error;
  fs::directory_iterator entries(folder.empty() ? fs::path(".") : folder, error);
  if (error) return;
  std::string start = TemporaryStart(target);
  std::string targetName = fs::path(target).filename().string();
  for (const fs::directory_entry& entry : entries) {
    std::string name = entry.path().filename().string();
    std::optional<pid_t> maker = MakerOf(name, start);
    if (!maker) maker = EarlierMakerOf(name, targetName);
    if (!maker || Running(*maker)) continue;
    struct stat found;
    if (::lstat(entry.path().c_str(), &found) != 0 || !S_ISREG(found.st_mode) || !LongUntouched(found)) continue;
    if (::unlink(entry.path().c_str()) == 0)
      LogLine("save file: removed " + Quoted(entry.path().string()) + ", left by a save that did not finish");
  }
}

// A link is followed to the file it names, there or not; the link stays.
Result FollowLinks(const std::string& path, std::string& target) {
  fs::path at = path;
  for (int links = 0; links <= kMostLinks; ++links) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(at, error))) {
      target = at.string();
      return Success();
    }
    fs::path named = fs::read_symlink(at, error);
    if (error) return Failure("cannot read the link " + Quoted(at.string()) + ": " + error.message());
    at = named.is_absolute() ? named : at.parent_path() / named;
  }
  return Failure("cannot save through " + Quoted(path) + ": its links lead round in a circle");
}

// Writes all of `bytes` and puts them on the disk.
Result WriteAll(int fd, std::string_view bytes, const std::string& path) {
  while (!bytes.empty()) {
    ssize_t put = ::write(fd, bytes.data(), bytes.size());
    if (put < 0) {
      if (errno == EINTR) continue;
      return SystemFailure("cannot write", path);
    }
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  if (::fsync(fd) != 0) return SystemFailure("cannot flush", path);
  return Success();
}

// The renamed entry itself reaches the disk with its folder.
void FlushFolder(const std::string& file) {
  fs::path folder = fs::path(file).parent_path();
  if (folder.empty()) folder = ".";
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::string TemporaryPath(const std::string& target, int attempt) {
  std::string name = TemporaryStart(target) + std::to_string(::getpid()) + "-" + std::to_string(attempt) +
                     std::string(kTemporaryEnd);
  return (fs::path(target).parent_path() / name).string();
}

Result ReplaceFile(const std::string& path, std::string_view bytes) {
  std::string target;
  if (Result followed = FollowLinks(path, target); !followed) return followed;
  struct stat existing;
  bool replacing = ::stat(target.c_str(), &existing) == 0;
  if (!replacing && errno != ENOENT) return SystemFailure("cannot look at", target);
  if (replacing && !S_ISREG(existing.st_mode))
    return Failure("cannot save over " + Quoted(target) + ": it is not a file");
  RemoveLeftovers(target);

  // Created here and nowhere else, never through a link; the system gives a
  // new file the permissions the process's mask allows.
  int fd = -1;
  std::string temporary;
  for (int attempt = 0; fd < 0 && attempt < kTemporaryAttempts; ++attempt) {
    temporary = TemporaryPath(target, attempt);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return SystemFailure("cannot create a file beside", target);
  if (replacing) ::fchmod(fd, existing.st_mode & 07777);  // best effort, as a copy would

  Result written = WriteAll(fd, bytes, temporary);
  if (::close(fd) != 0 && written) written = SystemFailure("cannot close", temporary);
  if (written && ::rename(temporary.c_str(), target.c_str()) != 0) written = SystemFailure("cannot replace", target);
  if (!written) {
    ::unlink(temporary.c_str());
    return written;
  }
  FlushFolder(target);
  return written;
}

}  // namespace koratsu::save
