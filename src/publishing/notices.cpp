#include "publishing/notices.h"

#include <iterator>

#include "state/game_state.h"
#include "state/money.h"
#include "ui/forms.h"
#include "ui/game_ops.h"

namespace koratsu {

namespace {

constexpr int kCoinSound = 0;

const char* const kAssetFeats[] = {
    "  資産ﾗﾝｷﾝｸﾞで貴方が遂に一位に輝きました。おめでとうございます。",
    "  資産ﾗﾝｷﾝｸﾞで三位以内に入りました。おめでとうございます。",
    "  資産ﾗﾝｷﾝｸﾞで五位以内に入りました。おめでとうございます。",
    "  資産ﾗﾝｷﾝｸﾞで十位以内に入りました。おめでとうございます。",
};
const char* const kComicsFeats[] = {
    "」がｺﾐｯｸｽの売上げが遂に一位に輝きました。おめでとうございます。",
    "」がｺﾐｯｸｽの売上げが三位以内に入りました。おめでとうございます。",
    "」がｺﾐｯｸｽの売上げが五位以内に入りました。おめでとうございます。",
    "」がｺﾐｯｸｽの売上げが十位以内に入りました。おめでとうございます。",
};

}  // namespace

std::string FeePurpose(const Value& magazine, bool prize) {
  return Join(State().Magazine[magazine].Name, prize ? "の賞金" : "の稿料");
}

std::string FeeAmount(const Value& yen) { return FormatKingaku(yen) + "円"; }

void FeeNoticePressed() { PlayKoukaon(kCoinSound); }

std::string VeryPopularHeading(const Value& title) { return Join("==", title, "が大人気です =="); }

std::string VeryPopularText(const Value& title, PopularityNews news) {
  const char* after = "」の雑誌の取材がきました。コミックスの売り上げがよくなりそうです。";
  if (news == PopularityNews::Magazine)
    after = "」が大人気で雑誌で紹介されました。コミックスの売り上げがよくなりそうです。";
  if (news == PopularityNews::NewsProgramme)
    after = "」が大人気でニュース番組で紹介されました。コミックスの売り上げがよくなりそうです。";
  return Join("「", title, after);
}

void VeryPopularPressed() {
  GameState& g = State();
  g.PlayerPopularity += 1;
}

std::optional<std::string> AccidentText(const Value& mode) {
  if (mode == 0) return "  インクが原稿の上に零れてしまいました。完成が大幅に遅れそうです。";
  if (mode == 1) return "  原稿が火事により燃えてしまいました。完成が大幅に遅れそうです。";
  return std::nullopt;
}

std::optional<std::string> MillionSellerText() {
  const GameState& g = State();
  if (g.FormSlot[form::kComicsMilestone].Param != 0) return std::nullopt;
  return Join("「", g.MangaWork[g.MillionRecord[0]].Title, "」のコミックス 第", g.MillionRecord[1] + 1,
              "巻の売り上げがついに100万冊を突破しました。");
}

std::string ReturnsText(const Value& title) {
  return Join(title, "のコミックスが返品の山で出版社の倉庫が満杯です。");
}

std::string CongratulationText(const Value& code, const Value& comicsTitle) {
  for (int c = 1; c <= static_cast<int>(std::size(kAssetFeats)); ++c)
    if (code == c) return kAssetFeats[c - 1];
  for (int c = 1; c <= static_cast<int>(std::size(kComicsFeats)); ++c)
    if (code == c + 4) return Join("  「", comicsTitle, kComicsFeats[c - 1]);
  return {};
}

}  // namespace koratsu
