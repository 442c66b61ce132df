#pragma once
// Form61: the personal-asset ranking, a child window of the main window
// that ranks the people of the asset table, the player among them, by
// assets: place, name, assets and occupation, the player's name in red. Its
// width is held at 385 pixels.

#include <vector>

#include <QLabel>

#include "publishing/windows/ranking_list.h"

namespace koratsu {

class Form61 : public RankingList {
 public:
  static constexpr int kWidth = 385;  // pixels

  Form61();

  // By place: name, assets, occupation.
  std::vector<QLabel*> Label4, Label5, Label6;

 protected:
  void Redraw() override;
};

}  // namespace koratsu
