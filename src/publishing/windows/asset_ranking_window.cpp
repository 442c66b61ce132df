#include "publishing/windows/asset_ranking_window.h"

#include "publishing/rankings.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

// The list's columns, in pixels.
constexpr int kNameLeft = 39, kNameWidth = 98;
constexpr int kAssetsLeft = 137, kAssetsWidth = 116;
constexpr int kJobLeft = 259, kJobWidth = 94;

}  // namespace

Form61::Form61()
    : RankingList(kWidth, QStringLiteral("個人資産ランキング"), QStringLiteral("== 個人資産ランキングです ==")) {
  AddColumn(Label4, kNameLeft, kNameWidth);
  AddColumn(Label5, kAssetsLeft, kAssetsWidth, Qt::AlignRight);
  AddColumn(Label6, kJobLeft, kJobWidth);
  ColumnLine(0, kNameLeft - 3);
  ColumnLine(1, kAssetsLeft);
  ColumnLine(2, kJobLeft - 3);
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
