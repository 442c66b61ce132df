#pragma once
// Form24: bringing a finished work to a magazine's editors in person. The
// player picks one of his works not sent yet and one of the magazines, and
// 持込む has the editors review it at once.

#include <array>

#include <QLabel>

#include "platform/window_conventions.h"
#include "publishing/windows/submission_window.h"

namespace koratsu {

// Its Label5 3 to 6 are the work's four lines, without captions; no Label4
// as the magazine list has no fee column.
class Form24 : public SubmissionWindow {
 public:
  Form24();

  // 0 behind the heading, 1 to 3 behind the lists' headings, 4 the
  // magazines' selection bar, 5 the works'.
  std::array<platform::Shape*, 6> Shape1{};
  // 0 the heading, 1 to 3 the lists' headings, 5 to 8 the publisher
  // details' captions; there is no 4.
  std::array<QLabel*, 9> Label3{};

 protected:
  void BuildWorkDetails() override;
};

}  // namespace koratsu
