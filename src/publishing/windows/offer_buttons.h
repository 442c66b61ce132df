#pragma once
// An offer's two buttons under its panel: the notice's own button and a
// second one beside it. The accepting one stands on the left and answers
// Enter; both are as wide as the longer captions need.

#include <QPushButton>

namespace koratsu {

// Adds the button named `name` beside the notice's own button `own`, which
// accepts the offer when `ownAccepts`, else declines it.
QPushButton* AddOfferButton(QPushButton* own, const char* name, bool ownAccepts);

}  // namespace koratsu
