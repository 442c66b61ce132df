// The delivery window's rules: what a requested one-shot's delivery records
// and queues, what its opening and its 送る do, and a magazine's next
// regular deadline.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "production/delivery.h"
#include "production/production_fixture.h"
#include "production/work_record.h"
#include "state/editor_event_queue.h"
#include "state/log.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

class DeliveryTest : public ProductionTest {
 protected:
  DeliveryTest() {
    g.GameYear = 1971;
    g.GameMonth = 6;
    g.GameDay = 9;
    // Row 2 asked for the work; its publisher is named, not the magazine.
    g.MagazineCount = 3;
    g.Magazine[2].PublisherName = "鳩笛出版";
    g.Magazine[2].Name = "週刊ペンだこ";
    g.MangaCount = 2;
    rec::MangaWork& work = g.MangaWork[1];
    work.Title = "夏の読切";
    work.State = manga_state::kRequestDelivered;
    work.Requested = 1;
    work.RequestMagazine = 2;
  }
};

TEST_F(DeliveryTest, AOneShotGoesToItsPublisherAndItsAnswerIsQueuedTwoDaysOn) {
  g.EditorEvent[0].Code = event_code::kComicsRelease;  // in use
  g.EditorEvent[1] = {9, event_code::kFree, "old", 7, 8, 9};
  random.Expect(6, 3);  // the delivery's experience

  EXPECT_EQ(DeliverRequestedOneShot(), "完成した読切漫画「夏の読切」を鳩笛出版へ送ります。");

  EXPECT_EQ(g.PlayerPopularity, 4) << "at once, before the magazine answers";
  const rec::EditorEvent& e = g.EditorEvent[1];
  EXPECT_EQ(e.Code, event_code::kOneShotVerdict);
  EXPECT_EQ(e.Delay, 2);
  EXPECT_EQ(e.Manga, 1);
  EXPECT_EQ(e.Magazine, 2);
  EXPECT_EQ(e.Target, 9) << "fields of other codes stay as they were";
  const rec::MangaWork& work = g.MangaWork[1];
  EXPECT_EQ(work.SentMagazine, 2);
  EXPECT_EQ(work.Magazine, 2);
  EXPECT_EQ(work.Date.Str(), "71/06/09");
  EXPECT_EQ(work.State, manga_state::kRequestDelivered);
  EXPECT_EQ(g.Experience, 27);
  EXPECT_EQ(random.Remaining(), 0u);
}

TEST_F(DeliveryTest, AFullQueueTakesNoAnswerAndOverwritesNothing) {
  for (int i = 0; i < 65; ++i) g.EditorEvent[i] = {1, event_code::kComicsRelease, {}, {}, {}, i};
  random.Expect(6, 0);
  std::vector<std::string> log;
  SetLogSink([&log](const std::string& line) { log.push_back(line); });
  EXPECT_FALSE(DeliverRequestedOneShot().empty());
  SetLogSink({});
  for (int i = 0; i < 65; ++i) {
    EXPECT_EQ(g.EditorEvent[i].Code, event_code::kComicsRelease) << i;
    EXPECT_EQ(g.EditorEvent[i].Target, i) << i;
  }
  EXPECT_EQ(log.size(), 1u);
  EXPECT_EQ(g.PlayerPopularity, 4);
}

TEST_F(DeliveryTest, OpeningCopiesTheKnowledgeAndSendingLeavesItAlone) {
  g.SerialEpisodeSent = 12;
  g.KnowledgeItem[1].PointWork = 99;
  OpenDelivery();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(g.KnowledgeItem[i].PointWork, g.KnowledgeItem[i].Point) << i;
  EXPECT_EQ(g.SerialEpisodeSent, 0);

  g.KnowledgeItem[1].PointWork = 2;  // what a panel might have moved
  DeliverySent();
  EXPECT_EQ(g.KnowledgeItem[1].Point, 7);
  EXPECT_EQ(g.ResumeRequest, 1);
  for (int form : {form::kCompletion, form::kArchive, form::kKnowledgeList})
    EXPECT_EQ(g.FormSlot[form].Rebuild, 1) << form;
}

TEST_F(DeliveryTest, TheNextRegularDeadlineByTheMagazinesFrequency) {
  struct Case {
    int frequency, deadlineDay, month, day, weekday;
    Value days;
  };
  const Case cases[] = {
      {2, 3, 6, 10, 4, 6},   // weekly, Wednesday, missed on a Thursday
      {2, 3, 6, 9, 3, 7},    // on the deadline weekday itself: a week on
      {2, 6, 6, 7, 0, 13},   // Saturday, from a Sunday: the Saturday of the next week
      {1, 20, 6, 9, 3, 41},  // monthly: the 20th of next month, June having 30 days
      {1, 5, 2, 27, 6, 6},   // February 1971: 28 days
      {3, 5, 6, 9, 3, -1},   // no such frequency: unchanged
  };
  for (const Case& c : cases) {
    g.Magazine[1].Frequency = c.frequency;
    g.Magazine[1].DeadlineDay = c.deadlineDay;
    g.GameMonth = c.month;
    g.GameDay = c.day;
    g.GameWeekday = c.weekday;
    EXPECT_EQ(DaysToRegularDeadline(1, -1), c.days) << "frequency " << c.frequency << ", " << c.month << "/" << c.day;
  }
}

}  // namespace
}  // namespace koratsu::testing
