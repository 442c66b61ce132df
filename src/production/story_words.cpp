#include "production/story_words.h"

namespace koratsu {

namespace {

std::optional<std::string> WordOf(const Value& level, const char* const (&words)[6]) {
  for (int i = 0; i < 6; ++i)
    if (level == i) return words[i];
  return std::nullopt;
}

}  // namespace

std::optional<std::string> PopularityWord(const Value& popularity) {
  static const char* const kWords[6] = {"ない", "少し", "まあまあ", "人気", "大人気", "超人気"};
  return WordOf(popularity, kWords);
}

std::optional<std::string> FameWord(const Value& fame) {
  static const char* const kWords[6] = {"ない", "少し", "まあまあ", "有名", "大有名", "超有名"};
  return WordOf(fame, kWords);
}

}  // namespace koratsu
