#pragma once
// The event notices' texts, by what their openers know, and what the two
// notices with an effect of their own do on their button. Openers write the
// texts into the notices' labels (ui::SetControlText) before showing them;
// the scripted player of the tests presses the buttons through these
// functions, as the windows do. The serial milestone's texts come with
// the delivery's rules (production/serial_milestones.h).

#include <optional>
#include <string>

#include "production/serial_milestones.h"
#include "state/value.h"

namespace koratsu {

// The fee notice (form::kFeeNotice): Label2(1), the magazine's name and
// what the money is, a prize or a manuscript fee; Label2(0), the amount.
std::string FeePurpose(const Value& magazine, bool prize);
std::string FeeAmount(const Value& yen);
// Its button: the coin sound (none when effects are off).
void FeeNoticePressed();

// The popularity notice (form::kVeryPopular): its heading Label3(0) and its
// text Label1(0) for the news that made the work popular.
enum class PopularityNews { Magazine, NewsProgramme, Interview };
std::string VeryPopularHeading(const Value& title);
std::string VeryPopularText(const Value& title, PopularityNews news);
// Its button: the player's popularity rises by 1.
void VeryPopularPressed();

// The accident notice (form::kAccident) by FormMode(20): 0 ink spilt on the
// manuscript, 1 a fire. None for another mode: the notice keeps its design
// picture and text.
std::optional<std::string> AccidentText(const Value& mode);

// The million seller (form::kComicsMilestone): its Label1, from
// MillionRecord, with FormParam(37) = 0; none for another FormParam(37).
std::optional<std::string> MillionSellerText();

// The returns notice (form::kReturnsNotice): Label1(0).
std::string ReturnsText(const Value& title);

// The ranking feat (form::kCongratulation) by achievement code 1 to 8; the
// comics codes 5 to 8 name `comicsTitle`. "" for another code.
std::string CongratulationText(const Value& code, const Value& comicsTitle);

}  // namespace koratsu
