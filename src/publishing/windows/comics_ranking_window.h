#pragma once
// Form60: the comics sales ranking, a child window of the main window that
// ranks every comics series on the market, the rivals' and the player's, by
// copies sold: place, title, volumes, copies and author, the player's
// authors in red; a title or author too long for its column ends in "…",
// its whole text in the tooltip. Its width is held at 400 pixels.

#include <vector>

#include <QLabel>

#include "publishing/windows/ranking_list.h"

namespace koratsu {

class Form60 : public RankingList {
 public:
  static constexpr int kWidth = 400;  // pixels

  Form60();

  // By place: title, copies, author, volumes.
  std::vector<QLabel*> Label4, Label5, Label6, Label7;

 protected:
  void Redraw() override;
};

}  // namespace koratsu
