#include "state/shared_ops.h"

#include "state/game_state.h"
#include "state/log.h"

namespace koratsu {

namespace {

std::size_t CharacterCount(const std::string& text) {
  std::size_t count = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++count;
  return count;
}

// The last `n` characters (not bytes) of a text.
std::string LastCharacters(const std::string& text, std::size_t n) {
  std::size_t count = CharacterCount(text);
  if (count <= n) return text;
  std::size_t skip = count - n;
  for (std::size_t at = 0; at < text.size(); ++at) {
    bool starts = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
    if (starts && skip-- == 0) return text.substr(at);
  }
  return text;
}

std::string TwoDigits(const Value& part) {
  std::string text = part.Str();
  if (CharacterCount(text) == 1) text = "0" + text;
  return text;
}

}  // namespace

std::string DateString(const Value& year, const Value& month, const Value& day, const Value& mode) {
  std::string yearText = year.Str();
  if (mode == 1) {
    while (CharacterCount(yearText) < 4) yearText = "0" + yearText;
  } else {
    yearText = LastCharacters(yearText, 2);
  }
  return yearText + "/" + TwoDigits(month) + "/" + TwoDigits(day);
}

void ClearWorkSlot(const Value& slot) {
  GameState& g = State();
  long long s = slot.Index();
  if (!Table<rec::ProductionSlot, 7>::InRange(s)) {
    LogLine("ClearWorkSlot: no production slot " + slot.Str() + "; nothing freed");
    return;
  }
  rec::ProductionSlot& p = g.ProductionSlot[s];
  g.SlotKanseido[s] = 0;
  p.DaysLeft = 0;
  p.SigotoPoint = 0;
  p.Extension = 0;
  p.SpareB = 0;
  p.Source = 0;
  p.Episode = 0;
  p.MangaIndex = 0;
}

}  // namespace koratsu
