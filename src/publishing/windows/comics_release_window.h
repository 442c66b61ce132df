#pragma once
// Form47: the day a volume of the player's comics goes on sale. The clock
// fills in the title, the price and the volume; closing it brings the
// volume onto the market.

#include <array>

#include <QLabel>

#include "platform/notice_form.h"

namespace koratsu {

class Form47 : public platform::NoticeForm {
 public:
  Form47();
  QLabel* Label3;                   // heading
  std::array<QLabel*, 3> Label1{};  // (0) the news, (1) 定価, (2) 巻数
  std::array<QLabel*, 3> Label2{};  // (0) the price, (1) the title, (2) the volumes
  QLabel* Image1;                   // the new volume

 protected:
  void ButtonPressed() override;
  void Form_Unload() override;
};

}  // namespace koratsu
