#include "save/reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <span>
#include <utility>
#include <vector>

#include "publishing/rival_records.h"
#include "save/cp932.h"
#include "save/number_text.h"
#include "save/schema.h"
#include "save/walk.h"

namespace koratsu::save {

namespace {

// What a read replaced, so that a read that fails can be taken back whole.
// A journal that is off keeps nothing.
class Journal {
 public:
  // `items`: about how many values the read will replace.
  Journal(GameState& g, bool on, std::size_t items)
      : begin_(reinterpret_cast<const char*>(&g)), end_(begin_ + sizeof(GameState)), on_(on) {
    if (on_) values_.reserve(items);
  }

  // Call before `value` takes what the file holds.
  void Keep(Value* value) {
    if (on_ && InState(value)) values_.push_back({value, std::move(*value)});
  }
  void Keep(Money* money) {
    if (on_ && InState(money)) moneys_.push_back({money, *money});
  }

  // Puts back every value as it was, bit for bit, the latest first.
  void Undo() {
    for (std::size_t k = values_.size(); k-- > 0;) *values_[k].at = std::move(values_[k].old);
    for (std::size_t k = moneys_.size(); k-- > 0;) *moneys_[k].at = moneys_[k].old;
    values_.clear();
    moneys_.clear();
  }

 private:
  template <class T>
  struct Kept {
    T* at;
    T old;
  };

  // The walk's own working values (the extension's header) are not the state's.
  bool InState(const void* at) const {
    auto* p = static_cast<const char*>(at);
    return p >= begin_ && p < end_;
  }

  const char* begin_;
  const char* end_;
  bool on_;
  std::vector<Kept<Value>> values_;
  std::vector<Kept<Money>> moneys_;
};

class Reader {
 public:
  static constexpr bool kWriting = false;

  // A saved game has fewer items than half its bytes.
  Reader(GameState& g, std::string_view bytes, OnFailure onFailure)
      : data_(bytes),
        journal_(g, onFailure == OnFailure::kTakeBack, std::min<std::size_t>(bytes.size() / 2, 1 << 20)) {}

  bool Line(int kind, std::span<const Slot> slots, long long i, long long j) {
    kind_ = kind;
    i_ = i;
    j_ = j;
    ++lineNumber_;
    if (pos_ >= data_.size()) return Fail("the file ends before this line");
    std::size_t newline = data_.find('\n', pos_);
    std::size_t lineEnd = newline == std::string_view::npos ? data_.size() : newline;
    std::string_view line = data_.substr(pos_, lineEnd - pos_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos_ = newline == std::string_view::npos ? data_.size() : newline + 1;

    std::size_t at = 0;
    for (std::size_t k = 0; k < slots.size(); ++k) {
      const Slot& slot = slots[k];
      bool quoted = false;
      std::string_view raw;
      std::size_t next = at;
      while (next < line.size() && (line[next] == ' ' || line[next] == '\t')) ++next;
      if (next < line.size() && line[next] == '"') {
        std::size_t close = line.find('"', next + 1);
        if (close == std::string_view::npos) return Fail(slot, "a text without its closing quote");
        quoted = true;
        raw = line.substr(next + 1, close - next - 1);
        at = close + 1;
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
      } else {
        std::size_t comma = line.find(',', at);
        std::size_t end = comma == std::string_view::npos ? line.size() : comma;
        raw = TrimBlanks(line.substr(at, end - at));
        at = end;
      }
      if (k + 1 < slots.size()) {
        if (at >= line.size())
          return Fail(slot, "the line ends after " + std::to_string(k + 1) + " of its " +
                                std::to_string(slots.size()) + " items");
        if (line[at] != ',') return Fail(slot, "unexpected characters after the text");
        ++at;
      } else if (at != line.size()) {
        return Fail(slot, line[at] == ',' ? "more items than the line holds" : "unexpected characters after the text");
      }
      if (!Store(slot, quoted, raw)) return false;
    }
    return true;
  }

  bool AtVolumeExtension() const {
    std::string tag = std::string("\"") + kVolumeExtensionTag + "\",";
    return data_.substr(pos_).starts_with(tag);
  }

  bool Fail(const std::string& problem) {
    error_ = "cannot read the file at line " + std::to_string(lineNumber_) + " (" + Where() + "): " + problem;
    return false;
  }

  const std::string& Error() const { return error_; }

  // Takes back everything the read wrote.
  void Undo() { journal_.Undo(); }

 private:
  bool Fail(const Slot& slot, const std::string& problem) { return Fail(std::string(slot.name) + ": " + problem); }

  std::string Where() const {
    std::string where = kind_ > 0 ? "kind " + std::to_string(kind_) : "volume extension";
    return where + ", i " + std::to_string(i_) + ", j " + std::to_string(j_);
  }

  bool Store(const Slot& slot, bool quoted, std::string_view raw) {
    if (slot.money) {
      Money amount;
      if (!ReadMoney(raw, amount)) return Fail(slot, Quoted(raw) + " is not an amount");
      journal_.Keep(slot.money);
      *slot.money = amount;
      return true;
    }
    Value value;
    if (quoted) {
      text_.clear();
      if (!codes_.Decode(raw, text_)) return Fail(slot, Quoted(raw) + " is not a text in code page 932");
      value = Value(std::string_view(text_));
      if (slot.number && !value.IsNumeric()) return Fail(slot, "the text " + Quoted(text_) + " where a number belongs");
    } else if (!raw.empty()) {
      double number = 0;
      if (!ReadNumber(raw, number)) return Fail(slot, Quoted(raw) + " is not a number");
      value = Value(number);
    }
    journal_.Keep(slot.value);
    *slot.value = std::move(value);
    return true;
  }

  std::string_view data_;
  std::size_t pos_ = 0;
  long long lineNumber_ = 0;
  int kind_ = 0;
  long long i_ = 0, j_ = 0;
  Cp932 codes_;
  std::string text_;
  std::string error_;
  Journal journal_;
};

// Larger than any saved game, small enough to hold in memory.
constexpr off_t kLargestFile = 256L * 1024 * 1024;

Result ReadWholeFile(const std::string& path, std::string& bytes) {
  // Not held up by a pipe that nobody writes to: only a plain file is read.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return SystemFailure("cannot open", path);
  struct stat info;
  Result read = Success();
  if (::fstat(fd, &info) != 0) {
    read = SystemFailure("cannot read", path);
  } else if (!S_ISREG(info.st_mode)) {
    read = Failure("cannot read " + Quoted(path) + ": it is not a file");
  } else if (info.st_size > kLargestFile) {
    read = Failure("cannot read " + Quoted(path) + ": the file is far larger than a saved game");
  }
  if (!read) {
    ::close(fd);
    return read;
  }
  // Read to the end, whatever the size said: the file may still be growing.
  bytes.assign(static_cast<std::size_t>(info.st_size) + 1, '\0');
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (bytes.size() > static_cast<std::size_t>(kLargestFile)) {
        read = Failure("cannot read " + Quoted(path) + ": the file is far larger than a saved game");
        break;
      }
      bytes.resize(bytes.size() * 2);
    }
    ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (got < 0) {
      if (errno == EINTR) continue;
      read = SystemFailure("cannot read", path);
      break;
    }
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  bytes.resize(filled);
  ::close(fd);
  return read;
}

}  // namespace

Result ReadSaveFile(GameState& g, const std::string& path, OnFailure onFailure) {
  std::string bytes;
  if (Result got = ReadWholeFile(path, bytes); !got) return got;
  return ReadSaveFileBytes(g, bytes, onFailure);
}

Result ReadSaveFileBytes(GameState& g, std::string_view bytes, OnFailure onFailure) {
  Reader reader(g, bytes, onFailure);
  Walk<Reader> walk(g, reader);
  if (!walk.Nodes(SaveFileLines(), 0)) {
    reader.Undo();
    return Failure(reader.Error());
  }
  RebuildRivalRecords(g);
  return Success();
}

}  // namespace koratsu::save
