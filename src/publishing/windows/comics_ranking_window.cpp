#include "publishing/windows/comics_ranking_window.h"

#include "publishing/rankings.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

// The list's columns, in pixels. The title is what a player reads: it is as
// wide as the rivals' widest ("大江戸ふりかけ捕物帳"); volumes and copies are
// as wide as their widest texts ("1～200巻", "9999万9999冊"); the author takes
// what is left, and a longer name is cut short.
constexpr int kTitleLeft = 37, kTitleWidth = 116;
constexpr int kVolumesLeft = 155, kVolumesWidth = 53;
constexpr int kCopiesLeft = 210, kCopiesWidth = 84;
constexpr int kAuthorLeft = 296, kAuthorWidth = 72;

}  // namespace

Form60::Form60()
    : RankingList(kWidth, QStringLiteral("コミックスの売り上げランキング"),
                  QStringLiteral("== コミックスの売り上げランキングです ==")) {
  AddColumn(Label4, kTitleLeft, kTitleWidth);
  AddColumn(Label7, kVolumesLeft, kVolumesWidth, Qt::AlignRight);
  AddColumn(Label5, kCopiesLeft, kCopiesWidth, Qt::AlignRight);
  AddColumn(Label6, kAuthorLeft, kAuthorWidth);
  ColumnLine(0, kTitleLeft - 2);
  ColumnLine(1, kCopiesLeft - 2);
  ColumnLine(2, kAuthorLeft - 2);
}

void Form60::Redraw() {
  RefreshComicsRanking();
  const int places = ComicsPlaces();
  for (int k = 0; k < places; ++k) {
    const size_t row = static_cast<size_t>(k);
    const ComicsPlace place = DescribeComicsPlace(k);
    MarkPlayer(Label6[row], place.player);
    Write(Label7[row], place.volumes);
    WriteShortened(Label4[row], place.title);
    WriteShortened(Label6[row], place.author);
    Write(Label5[row], place.copies);
  }
}

namespace {
const bool registered = platform::RegisterForm<Form60>(form::kComicsRanking);
}  // namespace

}  // namespace koratsu
