#include "production/work_detail.h"

#include <algorithm>

#include "production/work_record.h"
#include "state/game_state.h"
#include "state/money.h"

namespace koratsu {

namespace {

// The box office is the audience times the ticket price; it is stored nowhere.
constexpr double kTicketPrice = 1800;
// The last day of a movie's run; the day after it stays at 22.
constexpr double kLastRunDay = 21;
// MangaAnimeState besides 0, none.
constexpr int kOnTheAir = 1;
constexpr int kAnimeEnded = 2;

std::string Yen(const Value& amount) { return FormatKingaku(amount) + "円"; }
std::string Copies(const Value& count) { return FormatKingaku(count) + "冊"; }
std::string People(const Value& count) { return FormatKingaku(count) + "人"; }

std::string Finished(const rec::MangaWork& m) { return Join(m.Date, "完成"); }

const rec::Magazine& MagazineOf(const rec::MangaWork& m) { return State().Magazine[m.Magazine]; }

void DescribeAnime(const rec::MangaWork& m, SerialDetail& d) {
  if (m.AnimeState == kOnTheAir && m.AnimeEpisode >= 1) {
    d.anime = Join("放送中 第", m.AnimeEpisode, "話");
    d.animeRating = Join(m.AnimeRating, "%");
  } else if (m.AnimeState == kOnTheAir) {
    d.anime = Join("あと ", m.AnimeStartDays, "日");
    d.animeRating = "0%";
  } else if (m.AnimeState == kAnimeEnded) {
    d.anime = Join("放送済 全", m.AnimeEpisode, "話");
    d.animeRating = Join(m.AnimeRating, "%");
  } else {
    d.anime = "なし";
    d.animeRating = "0%";
    d.animeIncome = "0円";
    return;
  }
  d.animeIncome = Yen(m.AnimeIncome);
}

void DescribeMovie(const rec::MangaWork& m, SerialDetail& d) {
  if (m.MovieOn == 0 || m.MovieStartDays > 0) {
    d.movie = m.MovieOn == 0 ? std::string("なし") : Join("封切まで", m.MovieStartDays, "日");
    d.audience = "0人";
    d.boxOffice = "0円";
    return;
  }
  d.movie = m.MovieDay <= kLastRunDay ? Join("上映", m.MovieDay, "日目") : std::string("しました");
  d.audience = People(m.MovieAudience);
  d.boxOffice = Yen(m.MovieAudience * kTicketPrice);
}

}  // namespace

int ShownVolumes(long long work) {
  const long long volumes = State().MangaWork[work].Volumes.Index();
  return static_cast<int>(std::clamp<long long>(volumes, 0, Table<rec::ComicsVolume, 501>::kCapacity));
}

SerialDetail DescribeSerial(long long work) {
  const GameState& g = State();
  const rec::MangaWork& m = g.MangaWork[work];
  const rec::Magazine& magazine = MagazineOf(m);
  const bool running = m.State == manga_state::kSerialRunning;
  SerialDetail d;
  d.title = m.Title.Str();
  d.rank = Join(magazine.SerialCount, "作品中 第", m.SerialRank, "位");
  d.fee = Yen(m.SerialFee);
  d.period = running ? Join(m.Date, "～連載中") : Join(m.Date, "～", m.SerialEndDate);
  d.magazine = Join(magazine.Name, running ? "に連載中" : "に連載済");
  d.episodes = running ? Join("連載第", m.SerialEpisodes, "話") : Join("全 ", m.SerialEpisodes, "話");
  DescribeAnime(m, d);
  DescribeMovie(m, d);

  const int volumes = ShownVolumes(work);
  const auto& shelf = g.ComicsVolume[work];
  Value stock = 0;
  d.volumes.reserve(static_cast<size_t>(std::max(volumes, 1)));
  for (int v = 0; v < volumes; ++v) {
    const rec::ComicsVolume& volume = shelf[v];
    // The leading blank is part of the cell's text.
    d.volumes.push_back({Join(" 第", v + 1, "巻"), FormatKingaku(volume.Price) + "円", Copies(volume.Sold),
                         Copies(volume.Printed)});
    stock += volume.Printed;
  }
  if (volumes == 0) d.volumes.push_back({"", "0円", "0冊", "0冊"});
  // The running total the sales keep, not a sum of the rows.
  d.totalSold = Copies(m.TotalSold);
  d.stock = Copies(stock);
  d.lowerOffset = volumes >= 1 ? kVolumeRowStep * (volumes - 1) : 0;
  d.height = kSerialPanelHeight + d.lowerOffset;
  return d;
}

OneShotDetail DescribeOneShot(long long work) {
  const rec::MangaWork& m = State().MangaWork[work];
  // A work under review keeps what these start with.
  OneShotDetail d{.title = m.Title.Str(), .date = Finished(m), .adoption = "", .fee = "0円", .magazine = ""};
  if (m.State == manga_state::kRequestAccepted) {
    d.adoption = "されました";
    d.fee = Yen(m.Prize);
    d.magazine = MagazineOf(m).Name.Str();
  } else if (m.State == manga_state::kRequestRejected) {
    d.adoption = "されませんでした";
  }
  return d;
}

OwnWorkDetail DescribeOwnWork(long long work) {
  const rec::MangaWork& m = State().MangaWork[work];
  OwnWorkDetail d{.title = m.Title.Str(), .date = Finished(m), .magazine = "", .adoption = "", .prize = ""};
  d.magazine = m.State == manga_state::kUnsent ? std::string("投稿していません") : Join(MagazineOf(m).Name, "に投稿");
  if (m.State == manga_state::kTaken) {
    static const char* const kAwards[] = {"大賞を受賞", "副賞を受賞", "佳作を受賞", "持込み採用"};
    for (int award = 1; award <= 4; ++award)
      if (m.Award == award) d.adoption = kAwards[award - 1];
  } else {
    d.adoption = "されていません";
  }
  d.prize = Yen(m.Prize);
  return d;
}

}  // namespace koratsu
