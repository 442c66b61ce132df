#include "production/story_words.h"

#include <gtest/gtest.h>

namespace koratsu {
namespace {

TEST(StoryWords, NameZeroToFiveAndNothingElse) {
  struct Case {
    Value level;
    std::optional<std::string> fame, popularity;
  } cases[] = {
      {0, "ない", "ない"},
      {2, "まあまあ", "まあまあ"},
      {3, "有名", "人気"},
      {5, "超有名", "超人気"},
      {6, std::nullopt, std::nullopt},
      {-1, std::nullopt, std::nullopt},
      {2.5, std::nullopt, std::nullopt},
      {Value(), "ない", "ない"},  // empty reads as 0
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FameWord(c.level), c.fame) << c.level.Str();
    EXPECT_EQ(PopularityWord(c.level), c.popularity) << c.level.Str();
  }
}

}  // namespace
}  // namespace koratsu
