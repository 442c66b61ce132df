#pragma once
// Form24: bringing a finished work to a magazine's editors in person. The
// player picks one of his works not sent yet and one of the magazines, and
// 持込む has the editors review it at once.

#include <array>
#include <memory>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "platform/form.h"
#include "platform/window_conventions.h"
#include "publishing/windows/submission_lists_view.h"

namespace koratsu {

class Form24 : public platform::Form {
 public:
  Form24();

  // 0 behind the heading, 1 to 3 behind the lists' headings, 4 the
  // magazines' selection bar, 5 the works'.
  std::array<platform::Shape*, 6> Shape1{};
  // 0 the heading, 1 to 3 the lists' headings, 5 to 8 the publisher
  // details' captions; there is no 4.
  std::array<QLabel*, 9> Label3{};
  // The details: 0 publisher, 1 magazine, 2 its description, 7 adoptions,
  // 8 fee; 3 to 6 the work's four lines, 4 its audience, 5 its genre.
  std::array<QLabel*, 9> Label5{};
  std::array<QGroupBox*, 2> Frame1{};  // 0 the publisher's details, 1 the work's
  // Picture1 to Picture4, the row labels Label1, Label2 and Label7, the
  // rules Line1 and the scroll bars VScroll1 and VScroll2.
  std::unique_ptr<SubmissionLists> Lists;
  QPushButton* Command1;  // やめる
  QPushButton* Command2;  // 持込む

  void MangaClick(int row);
  void SyuppanClick(int row);
  void Command1_Click();
  void Command2_Click();

 protected:
  void Form_Load() override;
};

}  // namespace koratsu
