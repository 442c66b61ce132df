// Posting a finished work to a magazine's contest: the two lists, the
// question, the posted record and the envelope's trip.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "production/work_record.h"
#include "publishing/contest.h"
#include "publishing/submission_lists.h"
#include "state/catalogues.h"
#include "state/game_state.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

constexpr int kChokomaka = 3;  // 千石船書房's 週刊ちょこまか, prize 1,000,000 yen

class ContestPostTest : public ::testing::Test {
 protected:
  ContestPostTest() : g(fresh.g()) {
    g.GameActive = 1;
    AddClassLists();
    AddMagazines();
  }

  long long AddWork(const std::string& title, int state, int audience = 1, int genre = 2) {
    const long long m = AppendMangaWork();
    g.MangaWork[m].Title = title;
    g.MangaWork[m].State = state;
    g.MangaClass[0][m] = audience;
    g.MangaClass[1][m] = genre;
    return m;
  }

  // The window's opening: its rule, then the first magazine and work selected.
  void Open() {
    OpenContestPost();
    SelectSubmissionMagazine(0);
    SelectSubmissionWork(0);
  }

  std::vector<long long> Listed() const {
    std::vector<long long> works;
    for (long long row = 0; row < g.MangaListCount.Index(); ++row) works.push_back(g.MangaListIndex[row].Index());
    return works;
  }

  FreshState fresh;
  GameState& g;
  ScriptedUi ui;
};

TEST_F(ContestPostTest, WithNoWorkToSendThePlayerIsToldByThePublisherSelected) {
  // First no work at all, then only a work already sent.
  for (bool sentOne : {false, true}) {
    if (sentOne) AddWork("送った漫画", manga_state::kSent);
    Open();
    EXPECT_EQ(g.MangaListCount, 0);
    for (int row : {0, kChokomaka}) {
      SelectSubmissionMagazine(row);
      ui.Clear();
      EXPECT_FALSE(PostSelectedWork());
      const std::string publisher = row == 0 ? "大風呂敷出版" : "千石船書房";
      EXPECT_EQ(ui.Messages(), std::vector<std::string>{"現在" + publisher + "に送れる原稿はありません。"});
      EXPECT_EQ(ui.Events().size(), 1u) << "no question, the window stays";
    }
  }
  EXPECT_EQ(g.MangaWork[0].State, manga_state::kSent);
}

TEST_F(ContestPostTest, OnlyUnsentOwnWorksAreListedInRecordOrder) {
  const int states[] = {manga_state::kUnsent,        manga_state::kSent,          manga_state::kTaken,
                        manga_state::kUnsent,        manga_state::kSerialRunning, manga_state::kRequestDelivered,
                        manga_state::kRequestNamed,  manga_state::kSerialEnded,   manga_state::kUnsent};
  for (int state : states) AddWork("作品", state);
  g.TutorialStage = 5;
  Open();
  EXPECT_EQ(Listed(), (std::vector<long long>{0, 3, 8}));
  EXPECT_EQ(g.MangaListRow, 0);
  EXPECT_EQ(g.MagazineListRow, 0);
  EXPECT_EQ(g.TutorialStage, 5) << "only the tutorial's step 10 moves on here";
}

TEST_F(ContestPostTest, TheRowsDescribeTheWorkAndTheMagazine) {
  AddWork("一番星", manga_state::kUnsent, 1, 2);
  Open();
  const SubmissionWork work = DescribeSubmissionWork(0);
  EXPECT_EQ(work.title, "一番星");
  EXPECT_EQ(work.audience, g.ClassList[1].Text[1].Str());
  EXPECT_EQ(work.genre, g.ClassList[2].Text[2].Str());
  EXPECT_FALSE(work.audience.empty());

  SubmissionMagazine magazine = DescribeSubmissionMagazine(kChokomaka);
  EXPECT_EQ(magazine.publisher, "千石船書房");
  EXPECT_EQ(magazine.name, "週刊ちょこまか");
  EXPECT_EQ(magazine.text, " 子供に大人気の雑誌。人気漫画家が多数連載。");
  EXPECT_EQ(magazine.fee, "100万0000円");
  EXPECT_EQ(magazine.adopted, "ありません");
  g.Magazine[kChokomaka].Adopted = 1;
  EXPECT_EQ(DescribeSubmissionMagazine(kChokomaka).adopted, "あります");

  // A row past a list's end is remembered and selects nothing.
  EXPECT_FALSE(SelectSubmissionWork(1));
  EXPECT_EQ(g.MangaListRow, 1);
  EXPECT_FALSE(SelectSubmissionMagazine(10));
  EXPECT_EQ(g.MagazineListRow, 10);
  EXPECT_TRUE(SelectSubmissionMagazine(9));
}

TEST_F(ContestPostTest, YesPostsTheSelectedWorkClosesTheWindowAndSendsTheEnvelope) {
  AddWork("一番星", manga_state::kUnsent);
  AddWork("二番星", manga_state::kUnsent);
  bool posted = false;
  ui.On(form::kContestPost, [&] {
    Open();
    SelectSubmissionMagazine(kChokomaka);
    SelectSubmissionWork(1);
    posted = PostSelectedWork();
  });
  ui.AnswerYesNo({6});
  ui::Show(form::kContestPost, ui::Modal);

  EXPECT_TRUE(posted);
  EXPECT_EQ(ui.Questions(), std::vector<std::string>{"千石船書房に「二番星」を投稿しますか？"});
  const rec::MangaWork& work = g.MangaWork[1];
  EXPECT_EQ(work.State, manga_state::kSent);
  EXPECT_EQ(work.ResultDays, 4);
  EXPECT_EQ(work.Contest, 1);
  EXPECT_EQ(work.SentMagazine, kChokomaka);
  EXPECT_EQ(work.Magazine, kChokomaka);
  EXPECT_EQ(g.FormSlot[form::kArchive].Redraw, 1);
  EXPECT_EQ(g.MangaWork[0].State, manga_state::kUnsent);
  EXPECT_EQ(ui.Windows(), (std::vector<std::string>{"+8", "-8", "+68"})) << "the envelope shows once the window has closed";

  Open();
  EXPECT_EQ(Listed(), std::vector<long long>{0});
}

TEST_F(ContestPostTest, NoChangesNothingAndKeepsTheWindow) {
  AddWork("一番星", manga_state::kUnsent);
  Open();
  ui.AnswerYesNo({7});
  ui.Clear();
  EXPECT_FALSE(PostSelectedWork());
  EXPECT_EQ(ui.Questions(), std::vector<std::string>{"大風呂敷出版に「一番星」を投稿しますか？"});
  EXPECT_EQ(ui.Events().size(), 1u);
  const rec::MangaWork& work = g.MangaWork[0];
  EXPECT_EQ(work.State, manga_state::kUnsent);
  EXPECT_TRUE(work.ResultDays.IsEmpty());
  EXPECT_TRUE(work.Contest.IsEmpty());
  EXPECT_TRUE(work.SentMagazine.IsEmpty());
  EXPECT_TRUE(g.FormSlot[form::kArchive].Redraw.IsEmpty());
}

TEST_F(ContestPostTest, TheTutorialMovesOnWhenTheWindowOpensAndWhenTheEnvelopeArrives) {
  g.TutorialStage = 10;
  g.TutorialStageLoaded = 1;
  OpenContestPost();
  EXPECT_EQ(g.TutorialStage, 11) << "also when the player then closes without posting";
  EXPECT_EQ(g.TutorialStageLoaded, 0);

  int left = kEnvelopeLeft;
  int moves = 1;
  for (; !MoveEnvelope(left); ++moves) EXPECT_EQ(g.TutorialStage, 11) << "before the arrival";
  EXPECT_EQ(moves, 22);
  EXPECT_EQ(left, 236);
  EXPECT_EQ(g.TutorialStage, 12);

  g.TutorialStage = 10;
  left = kEnvelopeLeft;
  while (!MoveEnvelope(left)) {
  }
  EXPECT_EQ(g.TutorialStage, 10) << "the envelope moves only step 11 on";
}

}  // namespace
}  // namespace koratsu::testing
