#pragma once
// Form48: goods of one of five kinds (FormMode(48)) are offered for a work
// (FormParam(48)); accepting pays the contract fee at once.

#include <array>

#include <QLabel>
#include <QPushButton>

#include "platform/notice_form.h"

namespace koratsu {

class Form48 : public platform::NoticeForm {
 public:
  Form48();
  QLabel* Label3;                   // heading
  QLabel* Picture2;                 // the product shown
  std::array<QLabel*, 5> Image1{};  // hidden: game software, snacks, cards, figure, bank card
  std::array<QLabel*, 3> Label1{};  // (0) the question, (1) 商品, (2) 契約金
  std::array<QLabel*, 3> Label2{};  // (0) the product, (1) the title, (2) the fee
  QPushButton* Command2;            // accepts; Command1 declines

  void Command2_Click();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
