#pragma once
// Form8: posting a finished work to a magazine's rookie contest. The player
// picks one of his works not sent yet and one of the magazines, and 送る
// posts it; the envelope's trip (Form68) follows.

#include <array>
#include <memory>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"
#include "publishing/windows/submission_lists_view.h"

namespace koratsu {

class Form8 : public platform::Form {
 public:
  Form8();

  // 0 behind the heading, 1 to 4 behind the lists' headings, 5 the works'
  // selection bar, 6 the magazines'.
  std::array<platform::Shape*, 7> Shape1{};
  // 0 the heading, 1 to 4 the lists' headings, 5 to 8, 10 and 11 the details'
  // captions; there is no 9.
  std::array<QLabel*, 12> Label3{};
  // The details: 0 publisher, 1 magazine, 2 its description, 7 adoptions,
  // 8 fee; 4 the work's audience, 5 its genre.
  std::array<QLabel*, 9> Label5{};
  std::array<QGroupBox*, 2> Frame1{};  // 0 the publisher's details, 1 the work's
  // Picture1 to Picture4, the row labels Label1, Label2, Label4 and Label7,
  // the rules Line1 and the scroll bars VScroll1 and VScroll2.
  std::unique_ptr<SubmissionLists> Lists;
  QPushButton* Command1;  // やめる
  QPushButton* Command2;  // 送る

  void MangaClick(int row);
  void SyuppanClick(int row);
  void Command1_Click();
  void Command2_Click();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
