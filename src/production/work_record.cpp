#include "production/work_record.h"

namespace koratsu {

long long AppendMangaWork() {
  GameState& g = State();
  const long long at = g.MangaCount.Index();
  if (!Append(g.MangaWork, g.MangaCount)) return -1;
  return at;
}

bool TitleTaken(const std::string& title) {
  const GameState& g = State();
  const long long count = g.MangaCount.Index();
  for (long long m = 0; m < count && m < kMangaWorkCapacity; ++m)
    if (g.MangaWork[m].Title.Str() == title) return true;
  return false;
}

}  // namespace koratsu
