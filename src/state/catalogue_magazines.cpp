// The ten magazines of the five publishers.

#include "state/catalogues.h"
#include "state/game_state.h"
#include "state/log.h"

namespace koratsu {

void AddMagazineName(const Value& publisherName, const Value& magazineTitle,
                     const Value& publisherIndex) {
  GameState& g = State();
  // A bad publisher index refuses the whole row rather than leaving half of it written.
  long long publisher = publisherIndex.Index();
  if (!Table<rec::Publisher, 65>::InRange(publisher)) {
    LogLine("AddMagazineName: no publisher index " + publisherIndex.Str() + "; row refused");
    return;
  }
  rec::Magazine* row = Append(g.Magazine, g.MagazineCount);
  if (!row) return;
  row->PublisherName = publisherName;
  row->Name = magazineTitle;
  g.Publisher[publisher].Name = publisherName;
}

void AddMagazine(const Value& publisher, const Value& magazineNo, const Value& frequency,
                 const Value& deadlineDay, const Value& pages, const Value& friendship,
                 const Value& standard, const Value& serialPlaces, const Value& comicsPrice,
                 const Value& text, const Value& prize) {
  GameState& g = State();
  long long r = g.MagazineCount.Index();
  rec::Magazine* row = Append(g.Magazine, g.MagazineCount);
  if (!row) return;
  row->Publisher = publisher;
  row->No = magazineNo;
  row->Frequency = frequency;
  row->DeadlineDay = deadlineDay;
  row->Pages = pages;
  // Stored at the row, not at the publisher number: rows 0..9 cover every
  // publisher number 1..5, so each publisher starts at this friendship.
  g.PublisherYukou[r] = friendship;
  row->Standard = standard;
  row->SerialCount = serialPlaces;
  row->ComicsPrice = comicsPrice;
  row->Text = text;
  row->Prize = prize;
}

namespace {

struct MagazineNameRow {
  const char* publisherName;
  const char* title;
  int publisherIndex;
};

constexpr MagazineNameRow kMagazineNames[] = {
    {"大風呂敷出版", "週刊少年ドタバタ", 0},
    {"大風呂敷出版", "週刊少年ハチマキ", 0},
    {"千石船書房", "週刊ヤングイカリ", 1},
    {"千石船書房", "週刊ちょこまか", 1},
    {"鳩笛出版", "週刊ペンだこ", 2},
    {"鳩笛出版", "週刊ひるやすみ", 2},
    {"ミミズク社", "週刊ミミズク", 3},
    {"金平糖書房", "週刊夜ふかし", 4},
    {"金平糖書房", "週刊すてきな午後", 4},
    {"金平糖書房", "週刊少年ゼンマイ", 4},
};

struct MagazineRow {
  int publisher, number, frequency, deadlineDay, pages, friendship, standard, serialPlaces,
      comicsPrice;
  const char* text;
  int prize;
};

// Every magazine is weekly (frequency 2); the deadline is a weekday, 0 Sunday.
constexpr MagazineRow kMagazines[] = {
    {1, 1, 2, 4, 19, 0, 240, 15, 400,
     " おもに、少年向けのギャグ漫画を掲載している、人気が非常に高く採用されるのは、かなり難しい。",
     1000000},
    {1, 2, 2, 5, 20, 0, 200, 17, 400, " スポーツマンが中心の熱い連載が多い。", 500000},
    {2, 3, 2, 5, 19, 0, 220, 13, 390, " 青年向け漫画雑誌。人気漫画が多数掲載されている。新人募集。",
     500000},
    {2, 4, 2, 2, 19, 0, 200, 16, 390, " 子供に大人気の雑誌。人気漫画家が多数連載。", 1000000},
    {3, 5, 2, 4, 20, 0, 200, 15, 400,
     " 毎月読者から漫画を募集し掲載している。ここからプロになった人も多数。", 300000},
    {3, 6, 2, 3, 20, 0, 220, 16, 420, " オフィスなどで読んだりしている。", 400000},
    {4, 7, 2, 3, 18, 0, 260, 17, 410, " 超人気雑誌、600万部発行しており 採用はなかなか難しい。",
     2000000},
    {5, 8, 2, 6, 21, 0, 200, 15, 390,
     " 青年層を中心に人気がある、人気漫画は少ないが発行部数は比較的多い。", 500000},
    {5, 9, 2, 2, 19, 0, 200, 15, 400,
     " すてきな漫画を多数連載している、ほとんどが大御所なので新人はむずかしい。", 1500000},
    {5, 10, 2, 1, 22, 0, 240, 16, 390, " 少年向きの漫画雑誌でオモチャの記事もいろいろ掲載されている。",
     300000},
};

}  // namespace

void AddMagazines() {
  GameState& g = State();
  // Two passes over the same rows: names first, then numbers and descriptions.
  g.MagazineCount = 0;
  for (const MagazineNameRow& r : kMagazineNames)
    AddMagazineName(r.publisherName, r.title, r.publisherIndex);
  g.MagazineCount = 0;
  for (const MagazineRow& r : kMagazines)
    AddMagazine(r.publisher, r.number, r.frequency, r.deadlineDay, r.pages, r.friendship,
                r.standard, r.serialPlaces, r.comicsPrice, r.text, r.prize);
}

}  // namespace koratsu
