#pragma once
// The production fixture with stories to borrow: five publishers, a few
// novels and a few existing manga, and the draws of placing one of them.

#include <initializer_list>

#include "production/production_fixture.h"
#include "state/catalogues.h"

namespace koratsu::testing {

class BorrowedStoryTest : public ProductionTest {
 protected:
  static constexpr const char* kPublishers[] = {"集栄社", "講文館", "角田書店", "白泉堂", "秋田屋書店"};

  BorrowedStoryTest() {
    for (int i = 0; i < 5; ++i) g.Publisher[i].Name = kPublishers[i];
    AddNovel("夜明けの剣", 1, 3, "時代小説の名作");
    AddNovel("星の海", 4, 5, "宇宙を旅する少年の物語");
    AddNovel("静かな町", 2, 0, "誰も知らない話");
    AddOtherManga("ぼくらの野球", 5, 5, "国民的な野球漫画");
    AddOtherManga("名もない漫画", 0, 2, "誰も読んでいない");
  }

  // The draws of placing a work whose original has popularity or fame
  // `size`: the first item's draw (first + 2), the three sizes, the
  // target's spread, a value per setting with an item, then the rating.
  void ScriptPlacing(long size, long firstDraw, std::initializer_list<long> sizes, long r,
                     std::initializer_list<long> values) {
    random.Expect(g.TiItemCount.Index(), firstDraw);
    for (long s : sizes) random.Expect(size, s);
    random.Expect(50, r);
    for (long v : values) random.Expect(size, v);
    random.Any(3);  // the rating
  }

  const rec::ProductionSlot& Slot(int s) const { return g.ProductionSlot[s]; }
  void FillAllSlots() {
    for (int s = 0; s < 6; ++s) Busy(s);
  }
};

}  // namespace koratsu::testing
