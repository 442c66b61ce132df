#include "publishing/windows/comics_ranking_window.h"

#include "publishing/rankings.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

// The list's columns, in pixels.
constexpr int kTitleLeft = 39, kTitleWidth = 115;
constexpr int kVolumesLeft = 154, kVolumesWidth = 46;
constexpr int kCopiesLeft = 202, kCopiesWidth = 84;
constexpr int kAuthorLeft = 292, kAuthorWidth = 74;

}  // namespace

Form60::Form60()
    : RankingList(kWidth, QStringLiteral("コミックスの売り上げランキング"),
                  QStringLiteral("== コミックスの売り上げランキングです ==")) {
  AddColumn(Label4, kTitleLeft, kTitleWidth);
  AddColumn(Label7, kVolumesLeft, kVolumesWidth, Qt::AlignRight);
  AddColumn(Label5, kCopiesLeft, kCopiesWidth, Qt::AlignRight);
  AddColumn(Label6, kAuthorLeft, kAuthorWidth);
  ColumnLine(0, kTitleLeft - 3);
  ColumnLine(1, kCopiesLeft - 1);
  ColumnLine(2, kAuthorLeft - 3);
}

void Form60::Redraw() {
  RefreshComicsRanking();
  const int places = ComicsPlaces();
  for (int k = 0; k < places; ++k) {
    const size_t row = static_cast<size_t>(k);
    const ComicsPlace place = DescribeComicsPlace(k);
    MarkPlayer(Label6[row], place.player);
    Write(Label7[row], place.volumes);
    Write(Label4[row], place.title);
    Write(Label6[row], place.author);
    Write(Label5[row], place.copies);
  }
}

namespace {
const bool registered = platform::RegisterForm<Form60>(form::kComicsRanking);
}  // namespace

}  // namespace koratsu
