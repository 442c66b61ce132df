#pragma once
// The event notices of the publishing world, on the notice base: the fee
// (Form49), a very popular work (Form59), an accident (Form20), a serial's
// milestone (Form35), a million-selling volume (Form37), returned comics
// (Form66) and a ranking feat (Form62). Their openers fill the texts named
// here before showing them; Form20, Form35 and Form37 finish theirs as they
// load.

#include <array>

#include <QLabel>

#include "platform/notice_form.h"

namespace koratsu {

// Form49: a fee or a prize is paid; its button plays the coin sound.
class Form49 : public platform::NoticeForm {
 public:
  Form49();
  QLabel* Label3;                   // heading
  std::array<QLabel*, 2> Label1{};  // (1) "原稿料"
  std::array<QLabel*, 2> Label2{};  // (1) what the money is for, (0) the amount
  QLabel* Image1;

 protected:
  void ButtonPressed() override;
};

// Form59: a work became very popular; its button raises the popularity by 1.
class Form59 : public platform::NoticeForm {
 public:
  Form59();
  std::array<QLabel*, 1> Label3;  // heading, set by the opener
  std::array<QLabel*, 1> Label1;  // the news
  QLabel* Image1;

 protected:
  void ButtonPressed() override;
};

// Form20: an accident set a manuscript back; FormMode(20) tells which.
class Form20 : public platform::NoticeForm {
 public:
  Form20();
  QLabel* Picture2;               // the picture shown
  std::array<QLabel*, 2> Image1;  // hidden: (0) the fire, (1) the spilt ink
  std::array<QLabel*, 1> Label1;

 protected:
  void Form_Load() override;
};

// Form35: a serial reached a milestone; FormParam(35) holds how many episodes.
class Form35 : public platform::NoticeForm {
 public:
  Form35();
  QLabel* Image1;                 // the picture shown
  std::array<QLabel*, 4> Image2;  // hidden: the milestones' pictures
  std::array<QLabel*, 1> Label1;

 protected:
  void Form_Load() override;
};

// Form37: a comics volume sold a million, from MillionRecord.
class Form37 : public platform::NoticeForm {
 public:
  Form37();
  std::array<QLabel*, 1> Label3;  // heading
  QLabel* Label1;
  QLabel* Image1;

 protected:
  void Form_Load() override;
};

// Form66: unsold comics fill the publisher's warehouse.
class Form66 : public platform::NoticeForm {
 public:
  Form66();
  QLabel* Label3;  // heading
  std::array<QLabel*, 1> Label1;
  std::array<QLabel*, 2> Image1;  // the returned books, the full warehouse
};

// Form62: the player reached a top place in a ranking.
class Form62 : public platform::NoticeForm {
 public:
  Form62();
  std::array<QLabel*, 1> Label3;  // heading
  QLabel* Label1;
  QLabel* Image1;
};

}  // namespace koratsu
