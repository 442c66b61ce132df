#include "shell/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>
#include <utility>

#include "publishing/comics.h"
#include "shell/cp932.h"
#include "shell/save_schema.h"
#include "state/log.h"

namespace koratsu {

namespace {

using save::Item;
using save::Node;
using save::NodeKind;

// One item of a line, resolved to the value it stands for.
struct Slot {
  Value* value = nullptr;
  Money* money = nullptr;  // the volume prices
  const char* name = "";
};

SaveFileResult Success() { return {true, {}}; }
SaveFileResult Failure(std::string error) { return {false, std::move(error)}; }

// A text between double quotes, for messages.
std::string Quoted(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted.push_back('"');
  quoted.append(text);
  quoted.push_back('"');
  return quoted;
}

std::string SystemError(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

// ---------------------------------------------------------------------------
// Numbers and money as text.

// The shortest text that reads back as the same double: whole numbers plainly,
// fractions with a leading zero, very large and very small values with an exponent.
void AppendNumber(std::string& out, double x) {
  if (std::isnan(x)) {
    // No calculation of the game gives one; there is no text for it.
    LogLine("save file: a value that is not a number was written as 0");
    out.push_back('0');
    return;
  }
  if (std::isinf(x)) {
    out.append(x > 0 ? "1E+999" : "-1E+999");  // reads back as infinity
    return;
  }
  char buffer[64];
  char* end;
  double magnitude = std::fabs(x);
  if (magnitude < 1e15 && x == std::trunc(x)) {
    end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(x)).ptr;
  } else if (magnitude >= 1e-4 && magnitude < 1e15) {
    end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed).ptr;
  } else {
    end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific).ptr;
    std::replace(buffer, end, 'e', 'E');
  }
  out.append(buffer, end);
}

// Exactly, from the fixed point: "410", "410.5", "-0.0001".
void AppendMoney(std::string& out, Money money) {
  std::int64_t scaled = money.Scaled();
  std::uint64_t magnitude = scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
  if (scaled < 0) out.push_back('-');
  char buffer[32];
  out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, magnitude / 10000).ptr);
  unsigned fraction = static_cast<unsigned>(magnitude % 10000);
  if (fraction == 0) return;
  char digits[4];
  for (int k = 3; k >= 0; --k, fraction /= 10) digits[k] = static_cast<char>('0' + fraction % 10);
  int length = 4;
  while (digits[length - 1] == '0') --length;
  out.push_back('.');
  out.append(digits, static_cast<std::size_t>(length));
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "12", "-3.5", "0.5", "1.5E-05", and the short forms a file may hold too: ".5", "-.25", "1E+15".
bool ReadNumber(std::string_view text, double& out) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  bool negative = begin < end && *begin == '-';
  const char* digits = negative ? begin + 1 : begin;
  bool plain = digits < end && (IsDigit(*digits) || (*digits == '.' && digits + 1 < end && IsDigit(digits[1])));
  if (plain) {
    double value = 0;
    auto [ptr, ec] = std::from_chars(digits, end, value, std::chars_format::general);
    if (ptr == end && ec == std::errc()) {
      out = negative ? -value : value;
      return true;
    }
    if (ptr == end && ec == std::errc::result_out_of_range) {
      // Past the range of a double: infinity, or zero for a tiny value.
      std::string copy(text);
      out = std::strtod(copy.c_str(), nullptr);
      return true;
    }
  }
  return ParseNumber(text, out);  // blanks, a "+" sign
}

// Money is read from its digits, so that no price moves by a rounding.
bool ReadMoney(std::string_view text, Money& out) {
  text = TrimBlanks(text);
  if (text.empty()) {
    out = Money();
    return true;
  }
  std::string_view body = text;
  bool negative = body.front() == '-';
  if (negative) body.remove_prefix(1);
  std::size_t point = body.find('.');
  std::string_view whole = body.substr(0, point);
  std::string_view fraction = point == std::string_view::npos ? std::string_view() : body.substr(point + 1);
  bool exact = (!whole.empty() || !fraction.empty()) && whole.size() <= 14 &&
               std::all_of(whole.begin(), whole.end(), IsDigit) &&
               std::all_of(fraction.begin(), fraction.end(), IsDigit);
  if (exact) {
    std::int64_t scaled = 0;
    for (char c : whole) scaled = scaled * 10 + (c - '0');
    for (std::size_t k = 0; k < 4; ++k) scaled = scaled * 10 + (k < fraction.size() ? fraction[k] - '0' : 0);
    if (fraction.size() > 4 && fraction[4] >= '5') ++scaled;
    out = Money::FromScaled(negative ? -scaled : scaled);
    return true;
  }
  double yen = 0;
  if (!ReadNumber(text, yen) || !(std::fabs(yen) < 9e14)) return false;
  out = Money::FromNumber(yen);
  return true;
}

// ---------------------------------------------------------------------------
// The walk over the schema, shared by the writer and the reader.

template <class Visitor>
class Walk {
 public:
  Walk(GameState& g, Visitor& visitor) : g_(g), visitor_(visitor) {}

  bool Nodes(const std::vector<Node>& nodes, int depth) {
    for (const Node& node : nodes) {
      bool going = true;
      switch (node.kind) {
        case NodeKind::kLine:
          going = LineNode(node);
          break;
        case NodeKind::kLoop:
          going = Loop(node, depth);
          break;
        case NodeKind::kVolumeExtension:
          going = VolumeExtension(node);
          break;
      }
      if (!going) return false;
    }
    return true;
  }

 private:
  bool LineNode(const Node& line) {
    slots_.clear();
    for (const Item& item : line.items) {
      Slot slot;
      slot.name = item.name;
      if (item.money)
        slot.money = &item.money(g_, index_[0], index_[1]);
      else
        slot.value = &item.value(g_, index_[0], index_[1]);
      slots_.push_back(slot);
    }
    return visitor_.Line(line.line, slots_, index_[0], index_[1]);
  }

  bool Loop(const Node& loop, int depth) {
    long long first = loop.first;
    long long last = loop.last;
    if (loop.count) {
      std::string problem;
      auto rows = save::LoopRows(loop, loop.count(g_, index_[0], index_[1]), problem);
      if (!rows) return visitor_.Fail(problem);
      first = 0;
      last = *rows - 1;
    }
    for (long long row = first; row <= last; ++row) {
      index_[depth] = row;
      if (!Nodes(loop.body, depth + 1)) return false;
    }
    index_[depth] = 0;
    return true;
  }

  // After the last kind of line: for each work whose episodes or volumes go
  // past column 200, its row and last column, then one line per column.
  bool VolumeExtension(const Node& extension) {
    std::vector<std::pair<long long, long long>> plan;  // work, last column
    Value tag, works;
    if constexpr (Visitor::kWriting) {
      plan = ColumnsInUse(extension);
      if (plan.empty()) return true;
      tag = Value(save::kVolumeExtensionTag);
      works = Value(static_cast<long long>(plan.size()));
    } else {
      if (!visitor_.AtVolumeExtension()) return true;
    }
    Slot header[] = {{&tag, nullptr, "tag"}, {&works, nullptr, "works"}};
    if (!visitor_.Line(0, header, 0, 0)) return false;
    long long workRows = WorkRows();
    if (!IsWhole(works) || works.Num() < 0 || works.Num() > static_cast<double>(workRows))
      return visitor_.Fail("the volume extension's number of works " + Quoted(works.Str()) + " does not fit");

    long long previous = -1;
    for (long long k = 0; k < works.Index(); ++k) {
      Value work, lastColumn;
      if constexpr (Visitor::kWriting) {
        work = Value(plan[static_cast<std::size_t>(k)].first);
        lastColumn = Value(plan[static_cast<std::size_t>(k)].second);
      }
      Slot row[] = {{&work, nullptr, "work"}, {&lastColumn, nullptr, "last column"}};
      if (!visitor_.Line(0, row, 0, 0)) return false;
      if (!IsWhole(work) || work.Index() <= previous || work.Index() >= workRows)
        return visitor_.Fail("the volume extension names work " + Quoted(work.Str()) + " out of order or range");
      if (!IsWhole(lastColumn) || lastColumn.Index() < extension.firstColumn ||
          lastColumn.Index() > extension.lastColumn)
        return visitor_.Fail("the volume extension's last column " + Quoted(lastColumn.Str()) + " is out of range");
      previous = work.Index();
      index_[0] = previous;
      for (long long column = extension.firstColumn; column <= lastColumn.Index(); ++column) {
        index_[1] = column;
        if (!LineNode(extension)) return false;
      }
    }
    index_[0] = index_[1] = 0;
    return true;
  }

  static bool IsWhole(const Value& v) { return v.IsNumber() && v.Num() == std::trunc(v.Num()); }

  // The works the file holds; the loop over them has checked the count already.
  long long WorkRows() const {
    long long capacity = static_cast<long long>(decltype(GameState::MangaWork)::kCapacity);
    return std::clamp<long long>(g_.MangaCount.Index(), 0, capacity);
  }

  std::vector<std::pair<long long, long long>> ColumnsInUse(const Node& extension) {
    std::vector<std::pair<long long, long long>> plan;
    for (long long work = 0; work < WorkRows(); ++work) {
      const auto& episodes = g_.MangaWork[work].EpisodeVolume;
      const auto& volumes = g_.ComicsVolume[work];
      for (long long column = extension.lastColumn; column >= extension.firstColumn; --column) {
        const rec::ComicsVolume& v = volumes[column];
        if (!episodes[column].IsEmpty() || !v.SalesRate.IsEmpty() || !v.MillionFlag.IsEmpty() ||
            !v.Sold.IsEmpty() || v.Price.Scaled() != 0 || !v.Printed.IsEmpty()) {
          plan.emplace_back(work, column);
          break;
        }
      }
    }
    return plan;
  }

  GameState& g_;
  Visitor& visitor_;
  long long index_[2] = {0, 0};
  std::vector<Slot> slots_;
};

// ---------------------------------------------------------------------------
// Writing.

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
        AppendValue(*slot.value);
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
  void AppendValue(const Value& value) {
    if (value.IsEmpty()) return;
    if (value.IsNumber()) {
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

// ---------------------------------------------------------------------------
// Reading.

class Reader {
 public:
  static constexpr bool kWriting = false;

  explicit Reader(std::string_view bytes) : data_(bytes) {}

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
    std::string tag = std::string("\"") + save::kVolumeExtensionTag + "\",";
    return data_.substr(pos_).starts_with(tag);
  }

  bool Fail(const std::string& problem) {
    error_ = "cannot read the file at line " + std::to_string(lineNumber_) + " (" + Where() + "): " + problem;
    return false;
  }

  const std::string& Error() const { return error_; }

 private:
  bool Fail(const Slot& slot, const std::string& problem) { return Fail(std::string(slot.name) + ": " + problem); }

  std::string Where() const {
    std::string where = kind_ > 0 ? "kind " + std::to_string(kind_) : "volume extension";
    return where + ", i " + std::to_string(i_) + ", j " + std::to_string(j_);
  }

  bool Store(const Slot& slot, bool quoted, std::string_view raw) {
    if (slot.money) {
      if (!ReadMoney(raw, *slot.money)) return Fail(slot, Quoted(raw) + " is not an amount");
      return true;
    }
    if (quoted) {
      text_.clear();
      if (!codes_.Decode(raw, text_)) return Fail(slot, "a text that is not in code page 932");
      *slot.value = Value(std::string_view(text_));
      return true;
    }
    if (raw.empty()) {
      *slot.value = Value();
      return true;
    }
    double number = 0;
    if (!ReadNumber(raw, number)) return Fail(slot, Quoted(raw) + " is not a number");
    *slot.value = Value(number);
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
};

std::vector<std::string> RosterTitles() {
  std::vector<std::string> titles;
  for (int rival = 0; rival < RivalRosterSize(); ++rival) titles.emplace_back(RivalRosterTitle(rival));
  return titles;
}

// Larger than any saved game, small enough to hold in memory.
constexpr off_t kLargestFile = 256L * 1024 * 1024;

SaveFileResult ReadWholeFile(const std::string& path, std::string& bytes) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Failure(SystemError("cannot open", path));
  struct stat info;
  if (::fstat(fd, &info) != 0) {
    SaveFileResult failure = Failure(SystemError("cannot read", path));
    ::close(fd);
    return failure;
  }
  if (info.st_size > kLargestFile) {
    ::close(fd);
    return Failure("cannot read " + path + ": the file is far larger than a saved game");
  }
  // Read to the end, whatever the size said: the file may still be growing.
  bytes.assign(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 0) + 1, '\0');
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (bytes.size() > static_cast<std::size_t>(kLargestFile)) {
        ::close(fd);
        return Failure("cannot read " + path + ": the file is far larger than a saved game");
      }
      bytes.resize(bytes.size() * 2);
    }
    ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (got < 0) {
      if (errno == EINTR) continue;
      SaveFileResult failure = Failure(SystemError("cannot read", path));
      ::close(fd);
      return failure;
    }
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  bytes.resize(filled);
  ::close(fd);
  return Success();
}

}  // namespace

SaveFileResult SaveFileBytes(const GameState& g, std::string& bytes) {
  bytes.clear();
  bytes.reserve(static_cast<std::size_t>(400'000 + 12'000 * std::max<long long>(g.MangaCount.Index(), 0)));
  Writer writer(bytes);
  // The walk hands out references into the state; the writer only reads them.
  Walk<Writer> walk(const_cast<GameState&>(g), writer);
  if (!walk.Nodes(save::SaveFileLines(), 0)) {
    bytes.clear();
    return Failure(writer.Error());
  }
  return Success();
}

SaveFileResult WriteSaveFile(const GameState& g, const std::string& path) {
  std::string bytes;
  if (SaveFileResult made = SaveFileBytes(g, bytes); !made) return made;

  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return Failure(SystemError("cannot create", path));
  std::size_t written = 0;
  while (written < bytes.size()) {
    ssize_t put = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (put < 0) {
      if (errno == EINTR) continue;
      SaveFileResult failure = Failure(SystemError("cannot write", path));
      ::close(fd);
      return failure;
    }
    written += static_cast<std::size_t>(put);
  }
  // A file that is not on the disk yet is not saved; EINVAL: a special file that keeps nothing.
  if (::fsync(fd) != 0 && errno != EINVAL) {
    SaveFileResult failure = Failure(SystemError("cannot flush", path));
    ::close(fd);
    return failure;
  }
  if (::close(fd) != 0) return Failure(SystemError("cannot close", path));
  return Success();
}

SaveFileResult ReadSaveFile(GameState& g, const std::string& path) {
  std::string bytes;
  if (SaveFileResult got = ReadWholeFile(path, bytes); !got) return got;
  return ReadSaveFileBytes(g, bytes);
}

SaveFileResult ReadSaveFileBytes(GameState& g, std::string_view bytes) {
  // Read into a copy, so that a file that fails halfway leaves the game as it was.
  auto staged = std::make_unique<GameState>(g);
  Reader reader(bytes);
  Walk<Reader> walk(*staged, reader);
  if (!walk.Nodes(save::SaveFileLines(), 0)) return Failure(reader.Error());
  RebuildRivalRecords(*staged, RosterTitles());
  g = std::move(*staged);
  return Success();
}

void RebuildRivalRecords(GameState& g, const std::vector<std::string>& rosterTitles) {
  const long long rivals = static_cast<long long>(decltype(GameState::Rival)::kCapacity);
  const long long comics =
      std::clamp<long long>(g.ComicCount.Index(), 0, static_cast<long long>(decltype(GameState::ComicEntry)::kCapacity));
  // Rows that the rivals the file holds already stand for.
  std::vector<bool> taken(static_cast<std::size_t>(comics), false);
  for (long long rival = 0; rival < std::min(comics, rivals); ++rival) {
    const rec::Rival& record = g.Rival[rival];
    long long row = record.ComicRow.Index();
    if (record.Debuted.Num() != 0 && row >= 0 && row < comics) taken[static_cast<std::size_t>(row)] = true;
  }
  for (long long rival = comics; rival < rivals; ++rival) {
    rec::Rival& record = g.Rival[rival];
    ResetRow(record);
    if (rival >= static_cast<long long>(rosterTitles.size())) continue;
    const std::string& title = rosterTitles[static_cast<std::size_t>(rival)];
    for (long long row = 0; row < comics; ++row) {
      const rec::ComicEntry& entry = g.ComicEntry[row];
      if (taken[static_cast<std::size_t>(row)] || entry.MangaIndex != Value(-1) || !entry.Title.IsText() ||
          entry.Title.TextView() != title)
        continue;
      record.Debuted = 1;
      record.ComicRow = row;
      taken[static_cast<std::size_t>(row)] = true;
      break;
    }
  }
}

}  // namespace koratsu
