#include "publishing/submission_lists.h"

#include "production/work_record.h"
#include "state/game_state.h"
#include "state/money.h"

namespace koratsu {

void BuildSubmissionWorkList() {
  GameState& g = State();
  g.MangaListCount = 0;
  const long long works = g.MangaCount.Index();
  for (long long m = 0; m < works; ++m) {
    if (g.MangaWork[m].State != manga_state::kUnsent) continue;
    g.MangaListIndex[g.MangaListCount] = m;
    g.MangaListCount += 1;
  }
}

bool SelectSubmissionWork(const Value& row) {
  GameState& g = State();
  g.MangaListRow = row;
  return row >= 0 && row < g.MangaListCount;
}

bool SelectSubmissionMagazine(const Value& row) {
  GameState& g = State();
  g.MagazineListRow = row;
  return row >= 0 && row < g.MagazineCount;
}

SubmissionWork DescribeSubmissionWork(const Value& row) {
  const GameState& g = State();
  const Value& m = g.MangaListIndex[row];
  return {g.MangaWork[m].Title.Str(), g.ClassList[1].Text[g.MangaClass[0][m]].Str(),
          g.ClassList[2].Text[g.MangaClass[1][m]].Str()};
}

SubmissionMagazine DescribeSubmissionMagazine(const Value& row) {
  const rec::Magazine& magazine = State().Magazine[row];
  return {magazine.PublisherName.Str(), magazine.Name.Str(), magazine.Text.Str(),
          FormatKingaku(magazine.Prize) + "円", magazine.Adopted == 0 ? "ありません" : "あります"};
}

}  // namespace koratsu
