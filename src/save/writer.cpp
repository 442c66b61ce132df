#include "save/writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <span>
#include <string_view>

#include "save/cp932.h"
#include "save/number_text.h"
#include "save/schema.h"
#include "save/walk.h"
#include "state/log.h"

namespace koratsu::save {

namespace {

class Writer {
 public:
  static constexpr bool kWriting = true;

  explicit Writer(std::string& out) : out_(out) {}

  bool Line(int, std::span<const Slot> slots, long long, long long) {
    bool first = true;
    for (const Slot& slot : slots) {
      if (!first) out_.push_back(',');
      first = false;
      if (slot.money)
        AppendMoney(out_, *slot.money);
      else
        AppendValue(slot);
    }
    out_.append("\r\n");
    return true;
  }

  bool AtVolumeExtension() const { return false; }

  bool Fail(std::string problem) {
    error_ = "cannot save: " + problem;
    return false;
  }

  const std::string& Error() const { return error_; }

 private:
  void AppendValue(const Slot& slot) {
    const Value& value = *slot.value;
    if (value.IsEmpty()) return;
    if (value.IsNumber()) {
      AppendNumber(out_, value.Num());
      return;
    }
    if (slot.number && !value.IsNumeric()) {
      // The reader takes no such text here; the value is what the game reads it as.
      LogLine(std::string("save file: ") + slot.name + " held the text " + Quoted(value.TextView()) +
              " and was written as the number it reads as");
      AppendNumber(out_, value.Num());
      return;
    }
    out_.push_back('"');
    AppendText(value.TextView());
    out_.push_back('"');
  }

  // The format has no escape: a double quote or a line break cannot stand in
  // a text. The text boxes never take them; should one get in all the same,
  // it is written as a look-alike so that the file stays readable.
  void AppendText(std::string_view text) {
    if (text.find_first_of("\"\r\n") != std::string_view::npos) {
      std::string safe(text);
      std::replace(safe.begin(), safe.end(), '"', '\'');
      std::replace(safe.begin(), safe.end(), '\r', ' ');
      std::replace(safe.begin(), safe.end(), '\n', ' ');
      LogLine("save file: a text holding a double quote or a line break was written with look-alikes");
      Encode(safe);
      return;
    }
    Encode(text);
  }

  void Encode(std::string_view text) {
    if (!codes_.Encode(text, out_))
      LogLine("save file: a character code page 932 cannot hold was written as \"?\"");
  }

  std::string& out_;
  Cp932 codes_;
  std::string error_;
};

constexpr int kTemporaryAttempts = 100;

// A link is followed: the file it names is replaced, the link stays.
std::string ResolvedTarget(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (!fs::is_symlink(path, error)) return path;
  fs::path real = fs::weakly_canonical(path, error);
  return error ? path : real.string();
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
  std::filesystem::path folder = std::filesystem::path(file).parent_path();
  if (folder.empty()) folder = ".";
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

Result SaveFileBytes(const GameState& g, std::string& bytes) {
  bytes.clear();
  bytes.reserve(static_cast<std::size_t>(400'000 + 12'000 * std::max<long long>(g.MangaCount.Index(), 0)));
  Writer writer(bytes);
  // The walk hands out references into the state; the writer only reads them.
  Walk<Writer> walk(const_cast<GameState&>(g), writer);
  if (!walk.Nodes(SaveFileLines(), 0)) {
    bytes.clear();
    return Failure(writer.Error());
  }
  return Success();
}

std::string TemporaryPath(const std::string& target, int attempt) {
  return target + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(attempt);
}

Result WriteSaveFile(const GameState& g, const std::string& path) {
  std::string bytes;
  if (Result made = SaveFileBytes(g, bytes); !made) return made;

  std::string target = ResolvedTarget(path);
  struct stat existing;
  bool replacing = ::stat(target.c_str(), &existing) == 0;
  if (!replacing && errno != ENOENT) return SystemFailure("cannot look at", target);
  if (replacing && !S_ISREG(existing.st_mode))
    return Failure("cannot save over " + Quoted(target) + ": it is not a file");

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
