#include "save/writer.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "save/cp932.h"
#include "save/number_text.h"
#include "save/replace_file.h"
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

Result WriteSaveFile(const GameState& g, const std::string& path) {
  std::string bytes;
  if (Result made = SaveFileBytes(g, bytes); !made) return made;
  return ReplaceFile(path, bytes);
}

}  // namespace koratsu::save
