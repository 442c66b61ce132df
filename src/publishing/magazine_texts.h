#pragma once
// What the magazine windows give to read: the contest spread's articles
// (form::kContestArticle), the featured work's critic articles
// (form::kFeaturedArticle) and the fan letter (form::kFanLetter), each read
// in the magazine reading window (form::kMagazineText). Texts are joined
// from the work's title, magazine, audience and genre as they stand when
// the player asks to read.

#include <string>

#include "state/value.h"

namespace koratsu {

// The area of the contest spread that holds the article of contest result
// `result`: 0 the grand prize (1), 1 the second prize (2), 2 the honourable
// mention (3); -1 for any other result, which has no article.
int ContestArticleArea(const Value& result);

// The article of work `work`'s contest result; "" for a work without a prize.
std::string ContestArticle(const Value& work);

// Critic article `variant` (0 to 3) on featured work `work`; variants 2 and
// 3 follow whether the work has an anime and a movie. "" for another variant.
std::string FeatureArticle(const Value& work, const Value& variant);

// Whom the fan letter is for: the family name, one blank, the given name and "先生へ".
std::string FanLetterAddressee();

// The fan letter's reading button: the letter is chosen (FormMode(64) = 1,
// the only letter there is) and its text returned, about the work in
// FormParam(64).
std::string ChooseFanLetter();

// The heading and caption of the reading window when it shows the fan letter.
inline constexpr const char* kFanLetterReading = "ﾌｧﾝﾚﾀｰの文章";

}  // namespace koratsu
