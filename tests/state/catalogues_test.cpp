#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "state/catalogues.h"
#include "state/computer_clock.h"
#include "state/game_state.h"
#include "state/log.h"
#include "state/random.h"
#include "shell/world_setup.h"
#include "state/product.h"
#include "support/fresh_state.h"

namespace koratsu {
namespace {

bool Contains(const Value& text, std::string_view part) {
  return text.Str().find(part) != std::string::npos;
}

// A world built once per test, with a fixed clock and a seeded generator.
class CatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetComputerClock(&clock_);
    SetRandomSource(&random_);
    SetLogSink([this](const std::string& line) { log_.push_back(line); });
    shell::InitWorld();
  }
  void TearDown() override {
    SetLogSink({});
    SetComputerClock(nullptr);
  }
  GameState& g() { return fresh_.g(); }

  testing::FreshState fresh_;
  FixedClock clock_{{2024, 7, 3, 4, 15, 0, 0}, 1234.5};
  SeededRandom random_{99};
  std::vector<std::string> log_;
};

// People.

TEST_F(CatalogueTest, AssistantNamesAreFamilyAndGivenNamesSaveOne) {
  std::set<std::string> names;
  for (long long r = 0; r < 19; ++r) {
    std::string name = g().Assistant[r].Name.Str();
    names.insert(name);
    auto blanks = std::count(name.begin(), name.end(), ' ');
    EXPECT_EQ(blanks, r == 13 ? 0 : 1) << name;
    if (r != 13) {
      EXPECT_TRUE(name.front() != ' ' && name.back() != ' ') << name;
    }
    EXPECT_GE(g().Assistant[r].Point, 0);
    EXPECT_LE(g().Assistant[r].Point, 6);
    EXPECT_GE(g().Assistant[r].Picture, 1);
    EXPECT_LE(g().Assistant[r].Picture, 4);
  }
  EXPECT_EQ(names.size(), 19u);
  EXPECT_EQ(g().Assistant[16].Point, 6);
  EXPECT_EQ(g().Assistant[13].Skill.Str(), "なし");
}

TEST_F(CatalogueTest, RecurringPeopleKeepOneName) {
  // The aspiring artist: assistant 1, poll artist 6 and asset row 5 with 3,600 yen.
  const Value& aspiring = g().Assistant[1].Name;
  EXPECT_EQ(aspiring.Str(), kAspiringArtistName);
  EXPECT_EQ(g().Assistant[1].Skill.Str(), "センスがない");
  EXPECT_EQ(g().PollArtist[6].Name, aspiring);
  EXPECT_EQ(g().PollArtist[6].Popularity, 32);
  EXPECT_EQ(g().AssetRankEntry[5].Name, aspiring);
  EXPECT_EQ(g().AssetRankEntry[5].Job.Str(), "漫画家のタマゴ");
  EXPECT_EQ(g().AssetRankEntry[5].Value, 3600);

  // The karate assistant is the martial artist of asset row 40.
  EXPECT_EQ(g().Assistant[10].Skill.Str(), "空手が強い");
  EXPECT_EQ(g().AssetRankEntry[40].Name, g().Assistant[10].Name);
  EXPECT_EQ(g().AssetRankEntry[40].Job.Str(), "格闘家");
}

TEST_F(CatalogueTest, PollArtistsAfterThePlayer) {
  EXPECT_TRUE(g().PollArtist[0].Name.IsText());
  EXPECT_EQ(g().PollArtist[0].Name.Str(), "");
  EXPECT_EQ(g().PollArtist[0].Popularity, 0);
  std::set<std::string> names;
  for (long long r = 1; r < 16; ++r) {
    names.insert(g().PollArtist[r].Name.Str());
    EXPECT_GE(g().PollArtist[r].Popularity, 26);
    if (r < 15) {
      EXPECT_LT(g().PollArtist[r].Popularity, g().PollArtist[15].Popularity) << r;
    }
  }
  EXPECT_EQ(names.size(), 15u);
  EXPECT_EQ(g().PollArtist[15].Popularity, 84);
  EXPECT_TRUE(g().PollArtist[16].Name.IsEmpty());
}

TEST_F(CatalogueTest, AssetRankingHasThePlayerAndTheSizeClasses) {
  const rec::AssetRankEntry& player = g().AssetRankEntry[0];
  EXPECT_EQ(player.Name.Str(), "");
  EXPECT_EQ(player.Job.Str(), "漫画家");
  EXPECT_EQ(player.Value, 12000);
  EXPECT_DOUBLE_EQ(player.Growth.Num(), 0.06);

  std::map<int, int> byDigits;
  std::vector<std::pair<double, long long>> rows;
  std::set<std::string> names, jobs;
  for (long long r = 1; r < 100; ++r) {
    const rec::AssetRankEntry& e = g().AssetRankEntry[r];
    double assets = e.Value.Num();
    ++byDigits[static_cast<int>(std::to_string(static_cast<long long>(assets)).size())];
    rows.push_back({assets, r});
    names.insert(e.Name.Str());
    jobs.insert(e.Job.Str());
    EXPECT_DOUBLE_EQ(e.Growth.Num(), assets / 200000) << r;
    EXPECT_TRUE(e.Spare.IsNumber());
    EXPECT_EQ(e.Spare, 0);
    EXPECT_FALSE(e.Job.Str().empty());
  }
  EXPECT_EQ(names.size(), 99u);
  EXPECT_EQ(byDigits, (std::map<int, int>{{4, 1}, {6, 5}, {7, 8}, {8, 33}, {9, 43}, {10, 9}}));

  std::sort(rows.begin(), rows.end(), [](auto a, auto b) { return a.first > b.first; });
  const std::pair<double, const char*> top[] = {
      {1524100000, "ﾊﾟｿｺﾝ会社経営者"}, {1520000000, "家電会社社長"}, {1325412000, "石油成金"},
      {1321212120, "地主"},            {1210101000, "電話会社会長"}, {1201010000, "高利貸し名誉会長"},
      {1101210101, "大手ﾃﾞﾊﾟｰﾄ社長"}, {1052410000, "ﾊﾟｿｺﾝ会社経営者"}, {1010101245, "出版社専務"},
      {999998750, "鉄道研究家"},
  };
  for (int place = 0; place < 10; ++place) {
    EXPECT_EQ(rows[place].first, top[place].first) << "place " << place + 1;
    EXPECT_EQ(g().AssetRankEntry[rows[place].second].Job.Str(), top[place].second);
  }
  EXPECT_LT(rows[10].first, rows[9].first);
  EXPECT_DOUBLE_EQ(g().AssetRankEntry[rows[0].second].Growth.Num(), 7620.5);

  const std::pair<double, const char*> lowest[] = {
      {3600, "漫画家のタマゴ"}, {235010, "投資家"}, {365421, "内閣総理大臣"}, {500000, "高校教師"},
      {580000, "犯人"},
  };
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(rows[98 - i].first, lowest[i].first);
    EXPECT_EQ(g().AssetRankEntry[rows[98 - i].second].Job.Str(), lowest[i].second);
  }

  for (const char* job : {"大手銀行幹部", "都市銀行総裁", "漫画家", "政治家", "投資家", "格闘家",
                          "映画監督", "作曲家", "芸術家", "小説家", "家電会社社長", "不動産会社社長",
                          "馬主", "石油成金", "総会屋さん", "ｹﾞｰﾑ作る人"})
    EXPECT_TRUE(jobs.count(job)) << job;
}

// Works.

TEST_F(CatalogueTest, ClassificationListsKeepTheirOrder) {
  EXPECT_EQ(g().ClassList[0].Text[3].Str(), "4コマ漫画");
  EXPECT_EQ(g().ClassList[0].Point[3], 20);
  EXPECT_EQ(g().ClassList[1].Text[0].Str(), "少年層");
  EXPECT_EQ(g().ClassList[1].Point[0], 30);
  EXPECT_EQ(g().ClassList[2].Text[2].Str(), "ﾄﾞｷｭﾒﾝﾀﾘｰ");
  EXPECT_EQ(g().ClassList[2].Point[2], 12);
  EXPECT_TRUE(g().ClassList[2].Text[3].IsEmpty());
}

TEST_F(CatalogueTest, ExistingMangaAndNovelsShareTheirTitles) {
  EXPECT_EQ(g().OtherManga[24].Title.Str(), "楽しい漫画");
  EXPECT_EQ(g().OtherManga[28].Title.Str(), "たのしいﾊﾟｿｺﾝ入門");
  EXPECT_EQ(g().Novel[0].Title.Str(), "はしる馬");
  EXPECT_EQ(g().Novel[8].Title.Str(), "満員電車は大変だ");
  EXPECT_EQ(g().Novel[25].Title.Str(), "東京特許許可局");
  EXPECT_EQ(g().Novel[26].Title.Str(), "贋作鑑定委員会");

  EXPECT_EQ(g().OtherManga[15].Title, g().Novel[9].Title);
  EXPECT_EQ(g().OtherManga[15].Comment, g().Novel[9].Comment);
  EXPECT_EQ(g().OtherManga[27].Title, g().Novel[33].Title);
  EXPECT_EQ(g().Novel[36].Title.Str(), kProductTitle);

  std::set<std::string> manga, novels;
  for (long long r = 0; r < 34; ++r) {
    manga.insert(g().OtherManga[r].Title.Str());
    EXPECT_EQ(g().OtherManga[r].Fame == 0, r == 6) << r;
    EXPECT_GE(g().OtherManga[r].Popularity, 1);
    EXPECT_LE(g().OtherManga[r].Popularity, 5);
  }
  for (long long r = 0; r < 39; ++r) novels.insert(g().Novel[r].Title.Str());
  EXPECT_EQ(manga.size(), 34u);
  EXPECT_EQ(novels.size(), 39u);
  // Only the two shared titles occur in both catalogues.
  std::vector<std::string> shared;
  std::set_intersection(manga.begin(), manga.end(), novels.begin(), novels.end(),
                        std::back_inserter(shared));
  EXPECT_EQ(shared.size(), 2u);
}

TEST_F(CatalogueTest, NovelsAreGroupedByPublisherExceptOne) {
  std::map<int, int> perPublisher;
  int previous = 0;
  for (long long r = 0; r < 39; ++r) {
    int publisher = static_cast<int>(g().Novel[r].Publisher.Index());
    ++perPublisher[publisher];
    EXPECT_GE(g().Novel[r].Popularity, 1);
    EXPECT_LE(g().Novel[r].Popularity, 5);
    if (r == 35) {
      EXPECT_EQ(publisher, 2);
      continue;
    }
    EXPECT_GE(publisher, previous) << r;
    previous = publisher;
  }
  EXPECT_EQ(perPublisher, (std::map<int, int>{{1, 6}, {2, 9}, {3, 4}, {4, 13}, {5, 7}}));
}

TEST_F(CatalogueTest, PublisherFoursWordIsInItsNamesAndInANovelsComment) {
  EXPECT_TRUE(Contains(g().Publisher[3].Name, kPublisher4Word));
  EXPECT_TRUE(Contains(g().Magazine[6].Name, kPublisher4Word));
  EXPECT_EQ(g().Magazine[6].Publisher, 4);
  EXPECT_EQ(g().Novel[18].Comment.Str(), "最近話題の" + std::string(kPublisher4Word) + "について");
  EXPECT_EQ(g().Novel[18].Publisher, 4);
}

// Magazines and publishers.

TEST_F(CatalogueTest, MagazinesNameTheirPublishersConsistently) {
  const int publishers[] = {1, 1, 2, 2, 3, 3, 4, 5, 5, 5};
  std::set<std::string> titles, publisherNames;
  for (long long r = 0; r < 10; ++r) {
    const rec::Magazine& m = g().Magazine[r];
    EXPECT_EQ(m.No, r + 1);
    EXPECT_EQ(m.Frequency, 2);
    EXPECT_EQ(m.Publisher, publishers[r]);
    EXPECT_EQ(m.PublisherName, g().Publisher[m.Publisher.Index() - 1].Name) << r;
    EXPECT_EQ(m.Text.Str().substr(0, 1), " ");
    EXPECT_GE(m.DeadlineDay, 0);
    EXPECT_LE(m.DeadlineDay, 6);
    titles.insert(m.Name.Str());
    publisherNames.insert(m.PublisherName.Str());
    // The set-up leaves the dealings with the magazine to the rules of play.
    for (const Value* v : {&m.RequestState, &m.Adopted, &m.Yukou, &m.SerialRunning})
      EXPECT_TRUE(v->IsEmpty());
  }
  EXPECT_EQ(titles.size(), 10u);
  EXPECT_EQ(publisherNames.size(), 5u);
  EXPECT_TRUE(g().Publisher[5].Name.IsEmpty());
  EXPECT_TRUE(g().Publisher[0].AwardNo.IsEmpty());

  for (long long i = 0; i <= 9; ++i) {
    EXPECT_TRUE(g().PublisherYukou[i].IsNumber());
    EXPECT_EQ(g().PublisherYukou[i], 0);
  }
  EXPECT_TRUE(g().PublisherYukou[10].IsEmpty());

  const rec::Magazine& top = g().Magazine[6];
  for (long long r = 0; r < 10; ++r) {
    if (r == 6) continue;
    EXPECT_LT(g().Magazine[r].Standard, top.Standard);
    EXPECT_LT(g().Magazine[r].Prize, top.Prize);
    EXPECT_GT(g().Magazine[r].Pages, top.Pages);
  }
  EXPECT_EQ(top.Prize, 2000000);
}

// Activities.

TEST_F(CatalogueTest, ActivityIdsAndTheirFixedTerms) {
  for (long long r = 0; r < 10; ++r) EXPECT_EQ(g().SanpoPlace[r].Id, r + 1);
  for (long long r = 0; r < 22; ++r) {
    const rec::ArubaitoJob& job = g().ArubaitoJob[r];
    EXPECT_EQ(job.Id, r + 1);
    EXPECT_EQ(job.ShortStatus.Str(), "バイト中");
    EXPECT_EQ(job.StatusDetail.Str(), "ｱﾙﾊﾞｲﾄしています");
    EXPECT_LE(job.Stamina, g().ArubaitoJob[8].Stamina);
    EXPECT_LE(job.Pay, g().ArubaitoJob[10].Pay);
    EXPECT_LE(job.Minutes, g().ArubaitoJob[6].Minutes);
  }
  EXPECT_EQ(g().ArubaitoJob[10].Pay, 50000);
  EXPECT_EQ(g().ArubaitoJob[10].Minutes, 240);
  EXPECT_EQ(g().ArubaitoJob[6].Minutes, 420);
  EXPECT_EQ(g().ArubaitoJob[6].Stamina, 2);
  EXPECT_EQ(g().ArubaitoJob[8].Stamina, 6);

  EXPECT_TRUE(g().SanpoPlace[0].Cost.IsNumber());
  EXPECT_EQ(g().SanpoPlace[0].Cost, 0);
  EXPECT_EQ(g().SanpoPlace[2].StatusDetail, g().SanpoPlace[4].StatusDetail);
  EXPECT_EQ(g().SanpoPlace[5].StatusDetail, g().SanpoPlace[8].StatusDetail);
}

TEST_F(CatalogueTest, TrainingCoursesAreBuiltFromTheirAbility) {
  const char* abilities[] = {"教養", "発想力", "知能", "創造力", "画力"};
  for (long long r = 0; r < 5; ++r) {
    const rec::SyugyouCourse& c = g().SyugyouCourse[r];
    std::string a = abilities[r];
    EXPECT_EQ(c.Id, r + 6);
    EXPECT_EQ(c.Name.Str(), a + "の修行をする");
    EXPECT_EQ(c.Text.Str(), a + "の修行をします。" + a + "を上げることができます。");
    EXPECT_EQ(c.StatusText.Str(), a + "の修行をします");
    EXPECT_EQ(c.StatusDetail.Str(), a + "の修行中");
    EXPECT_TRUE(c.ShortStatus.IsText());
    EXPECT_EQ(c.ShortStatus.Str(), "");
    EXPECT_EQ(c.Minutes, 600);
    EXPECT_EQ(c.Fee, 3000);
    EXPECT_EQ(c.Stamina, 5);
  }
}

// Knowledge and equipment.

TEST_F(CatalogueTest, KnowledgeIdsAreUniqueExceptFortyTwo) {
  std::map<long long, std::vector<long long>> rowsById;
  for (long long r = 0; r < 97; ++r) {
    const rec::KnowledgeItem& item = g().KnowledgeItem[r];
    rowsById[item.Id.Index()].push_back(r);
    EXPECT_GE(item.Value, 0.01);
    EXPECT_LE(item.Value, 3);
    EXPECT_TRUE(item.PointWork.IsEmpty());
  }
  ASSERT_EQ(rowsById.size(), 96u);
  EXPECT_EQ(rowsById.begin()->first, 0);
  EXPECT_EQ(rowsById.rbegin()->first, 95);
  EXPECT_EQ(rowsById[42], (std::vector<long long>{11, 64}));
  EXPECT_EQ(g().KnowledgeItem[11].Name.Str(), "医者");
  EXPECT_EQ(g().KnowledgeItem[64].Name.Str(), "恋愛");
  EXPECT_EQ(g().KnowledgeItem[80].Name.Str(), "某 埋蔵金");
}

TEST_F(CatalogueTest, NoEquipmentIsOwnedAndThePcCostsMoreThanWhatNeedsIt) {
  for (long long r = 0; r < 5; ++r) {
    EXPECT_TRUE(g().Equipment[r].Owned.IsEmpty());
    EXPECT_FALSE(g().Equipment[r].Name.Str().empty());
  }
  EXPECT_EQ(g().Equipment[0].Name.Str(), "コピー機");
  EXPECT_LT(g().Equipment[3].Price, g().Equipment[2].Price);
  EXPECT_LT(g().Equipment[4].Price, g().Equipment[2].Price);
  EXPECT_TRUE(g().Equipment[5].Name.IsEmpty());
}

// The adders.

TEST_F(CatalogueTest, AddersStoreTheirArgumentsInTheirOwnOrder) {
  AddSanpo(75, 500, 3, "name", "short", "text", "detail", 11);
  const rec::SanpoPlace& s = g().SanpoPlace[10];
  EXPECT_EQ(s.Minutes, 75);
  EXPECT_EQ(s.Cost, 500);
  EXPECT_EQ(s.Option, 3);
  EXPECT_EQ(s.Name.Str(), "name");
  EXPECT_EQ(s.ShortStatus.Str(), "short");
  EXPECT_EQ(s.StatusText.Str(), "text");
  EXPECT_EQ(s.StatusDetail.Str(), "detail");
  EXPECT_EQ(s.Id, 11);

  AddArubaito(200, 9000, 3, "name", "short", "text", "detail", 23);
  const rec::ArubaitoJob& j = g().ArubaitoJob[22];
  EXPECT_EQ(j.Minutes, 200);
  EXPECT_EQ(j.Pay, 9000);
  EXPECT_EQ(j.Stamina, 3);
  EXPECT_EQ(j.Name.Str(), "name");
  EXPECT_EQ(j.StatusText.Str(), "text");
  EXPECT_EQ(j.StatusDetail.Str(), "detail");
  EXPECT_EQ(j.Id, 23);

  AddSyugyou(600, 3000, 5, "name", "short", "about", "detail", "text", 11);
  const rec::SyugyouCourse& c = g().SyugyouCourse[5];
  EXPECT_EQ(c.Text.Str(), "about");
  EXPECT_EQ(c.StatusDetail.Str(), "detail");
  EXPECT_EQ(c.StatusText.Str(), "text");

  AddMagazine(3, 11, 1, 15, 24, 7, 230, 12, 450, " text", 600000);
  const rec::Magazine& m = g().Magazine[10];
  EXPECT_EQ(m.Publisher, 3);
  EXPECT_EQ(m.No, 11);
  EXPECT_EQ(m.Frequency, 1);
  EXPECT_EQ(m.DeadlineDay, 15);
  EXPECT_EQ(m.Pages, 24);
  EXPECT_EQ(g().PublisherYukou[10], 7);  // at the row, not at the publisher number
  EXPECT_EQ(m.Standard, 230);
  EXPECT_EQ(m.SerialCount, 12);
  EXPECT_EQ(m.ComicsPrice, 450);
  EXPECT_EQ(m.Text.Str(), " text");
  EXPECT_EQ(m.Prize, 600000);

  AddAssetRank("name", "job", 99, 1000000);
  const rec::AssetRankEntry& a = g().AssetRankEntry[100];
  EXPECT_EQ(a.Job.Str(), "job");
  EXPECT_EQ(a.Value, 1000000);
  EXPECT_EQ(a.Growth, 5);
  EXPECT_EQ(a.Spare, 0);  // the third argument is never read
}

TEST_F(CatalogueTest, AKnowledgeItemIsKnownOnlyWithPointsAboveZero) {
  AddTiItem(96, "a", 3, 1);
  AddTiItem(97, "b", 0, 1);
  AddTiItem(98, "c", -2, 1);
  EXPECT_EQ(g().KnowledgeItem[97].Known, 1);
  EXPECT_TRUE(g().KnowledgeItem[98].Known.IsEmpty());
  EXPECT_TRUE(g().KnowledgeItem[99].Known.IsEmpty());
  EXPECT_EQ(g().KnowledgeItem[99].Point, -2);
}

TEST_F(CatalogueTest, AFullTableRefusesTheRowWhole) {
  while (g().AsiCount < 65) AddAsi("x", "y", 1, 1);
  log_.clear();
  AddAsi("66th", "y", 1, 1);
  EXPECT_EQ(g().AsiCount, 65);
  EXPECT_EQ(g().Assistant[64].Name.Str(), "x");
  EXPECT_EQ(log_.size(), 1u);

  while (g().PollArtistCount < 33) AddPollArtist("x", 1);
  AddPollArtist("34th", 1);
  EXPECT_EQ(g().PollArtistCount, 33);

  while (g().AssetRankCount < 257) AddAssetRank("x", "y", 0, 1);
  AddAssetRank("258th", "y", 0, 1);
  EXPECT_EQ(g().AssetRankCount, 257);

  while (g().ClassList[1].Count < 129) AddAudience("x", 1);
  AddAudience("130th", 1);
  EXPECT_EQ(g().ClassList[1].Count, 129);
  EXPECT_EQ(g().ClassList[0].Count, 4);
  EXPECT_EQ(g().ClassList[2].Count, 3);
  EXPECT_TRUE(g().ClassList[2].Text[3].IsEmpty());
}

TEST_F(CatalogueTest, AMagazineNameWithABadPublisherIndexWritesNothing) {
  log_.clear();
  AddMagazineName("publisher", "magazine", 65);
  EXPECT_EQ(g().MagazineCount, 10);
  EXPECT_TRUE(g().Magazine[10].Name.IsEmpty());
  EXPECT_FALSE(log_.empty());
}

}  // namespace
}  // namespace koratsu
