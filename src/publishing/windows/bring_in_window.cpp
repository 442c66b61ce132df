#include "publishing/windows/bring_in_window.h"

#include "publishing/bring_in.h"
#include "ui/forms.h"

namespace koratsu {

Form24::Form24() {
  Build({.title = QStringLiteral("描いた漫画を出版社に持込む"),
         .heading = QStringLiteral("== 描いた漫画を出版社へ持込みます  =="),
         .worksHeading = QStringLiteral("持込む漫画"),
         .columns = {{QStringLiteral("出版社"), 160}, {QStringLiteral("雑誌名"), 224}},
         .worksBar = 5, .magazineBar = 4, .workFrameHeight = 1500,
         // Bringing the work in closes the window; the editors' review follows.
         .send = QStringLiteral("持込む"), .open = OpenBringIn, .sendWork = BringInSelectedWork},
        Shape1, Label3);
}

void Form24::BuildWorkDetails() {
  for (size_t line = 3; line <= 6; ++line)
    Label5[line] = MakeLabel(Frame1[1], {}, 120, 330 + 270 * static_cast<int>(line - 3), 2400, 270);
}

namespace {
const bool registered = platform::RegisterForm<Form24>(form::kBringIn);
}  // namespace

}  // namespace koratsu
