#include "publishing/windows/asset_ranking_window.h"

#include "publishing/rankings.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

// The list's columns, in pixels, each as wide as its widest text: a
// player's name of nine full-width characters, "99億9999万9999円" and
// "高利貸し名誉会長".
constexpr int kNameLeft = 37, kNameWidth = 108;
constexpr int kAssetsLeft = 146, kAssetsWidth = 111;
constexpr int kJobLeft = 259, kJobWidth = 93;

}  // namespace

Form61::Form61()
    : RankingList(kWidth, QStringLiteral("個人資産ランキング"), QStringLiteral("== 個人資産ランキングです ==")) {
  AddColumn(Label4, kNameLeft, kNameWidth);
  AddColumn(Label5, kAssetsLeft, kAssetsWidth, Qt::AlignRight);
  AddColumn(Label6, kJobLeft, kJobWidth);
  ColumnLine(0, kNameLeft - 2);
  ColumnLine(1, kAssetsLeft - 1);
  ColumnLine(2, kJobLeft - 2);
}

void Form61::Redraw() {
  RefreshAssetRanking();
  const int places = AssetPlaces();
  for (int k = 0; k < places; ++k) {
    const size_t row = static_cast<size_t>(k);
    const AssetPlace place = DescribeAssetPlace(k);
    MarkPlayer(Label4[row], place.player);
    Write(Label4[row], place.name);
    Write(Label6[row], place.job);
    Write(Label5[row], place.assets);
  }
}

namespace {
const bool registered = platform::RegisterForm<Form61>(form::kAssetRanking);
}  // namespace

}  // namespace koratsu
