#pragma once
// Form8: posting a finished work to a magazine's rookie contest. The player
// picks one of his works not sent yet and one of the magazines, and 送る
// posts it; the envelope's trip (Form68) follows.

#include <array>

#include <QLabel>

#include "platform/window_conventions.h"
#include "publishing/windows/submission_window.h"

namespace koratsu {

class Form8 : public SubmissionWindow {
 public:
  Form8();

  // 0 behind the heading, 1 to 4 behind the lists' headings, 5 the works'
  // selection bar, 6 the magazines'.
  std::array<platform::Shape*, 7> Shape1{};
  // 0 the heading, 1 to 4 the lists' headings, 5 to 8, 10 and 11 the details'
  // captions; there is no 9.
  std::array<QLabel*, 12> Label3{};

 protected:
  void BuildWorkDetails() override;
};

}  // namespace koratsu
