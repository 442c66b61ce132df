#pragma once
// Offers from outside the magazine: a television anime or a movie of a
// serial (form::kMediaOffer, FormParam(43) the work, FormMode(43) 0 anime or
// 1 movie, the broadcast weekday in AnimeOfferWeekday), and merchandise of
// five kinds (form::kMerchOffer, FormParam(48) the work, FormMode(48) the
// kind). The windows show these texts and call these answers; declining
// merchandise does nothing.

#include <optional>
#include <string>

#include "state/value.h"

namespace koratsu {

constexpr double kAnimeIncome = 300000;  // yen a broadcast
constexpr int kMoviePremiereDays = 16;

struct MediaOfferTexts {
  std::string caption, accept, decline;  // the window and its buttons Command1, Command2
  std::string heading;                   // LabelC(0)
  std::string question;                  // Label1(1)
  std::string offer;                     // Label1(0)
};

// The offer window's texts for its mode; none for another mode, which keeps
// the window's design texts.
std::optional<MediaOfferTexts> MediaOfferWindowTexts();

// The offer window's answers, once it has closed: accepting starts the
// anime or the movie, and either way the editor replies.
void AcceptMediaOffer();
void DeclineMediaOffer();

struct MerchandiseKind {
  const char* product;   // Label2(0)
  const char* question;  // Label1(0)
  const char* caption;
  const char* decline;   // Command1
  const char* accept;    // Command2
  const char* heading;   // Label3
  double fee;            // yen, paid once on acceptance
  int picture;           // the element of Image1 the window shows
  const char* talkFirst;   // the editor's offer: after "  「" and the title
  const char* talkSecond;  // the offer's second line
};

// Kind 0 snacks, 1 game software, 2 character cards, 3 a figure, 4 the
// bank's mascot; none for another kind.
const MerchandiseKind* FindMerchandiseKind(const Value& kind);

// The merchandise window as it loads: the fee of its kind becomes
// MerchOfferFee (another kind leaves the fee as it was). The kind, or none.
const MerchandiseKind* LoadMerchOffer();
// "商品化する" / "契約する": the fee with the coin sound, and the kind is
// never offered again for the work.
void AcceptMerchOffer();

}  // namespace koratsu
