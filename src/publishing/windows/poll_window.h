#pragma once
// Form9: the monthly poll of manga artists. It holds the poll as it opens
// and shows the top five with their votes, the player's name in red.

#include <array>

#include <QLabel>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"

namespace koratsu {

class Form9 : public platform::Form {
 public:
  Form9();

  std::array<platform::Shape*, 6> Shape1;   // the heading's and the places' bars
  std::array<platform::Shape*, 10> Shape2;  // the white fields of names and votes
  std::array<QLabel*, 6> Label3;            // 4 the heading; 5, 0 to 3 the places 1 to 5
  std::array<QLabel*, 5> Label1;            // the names, place k + 1
  std::array<QLabel*, 5> Label2;            // the votes
  QPushButton* Command1;                    // 閉じる

  void Command1_Click();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
