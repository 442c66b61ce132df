#include "publishing/windows/comics_release_window.h"

#include "publishing/comics_release.h"
#include "publishing/windows/notice_rows.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

Form47::Form47() : NoticeForm(form::kComicsRelease, QStringLiteral("コミックス発売"), {}) {
  Label3 = AddHeading("Label3", QStringLiteral("== コミックス発売 =="));
  Image1 = AddPicture("Image1", 64, 88);
  Label1[0] = AddText("Label1(0)", 1, QStringLiteral("今日はコミックスの発売日です。"));
  Label2[1] = AddText("Label2(1)", 2, QStringLiteral("44"), true);
  Label1[1] = AddText("Label1(1)", 1, QStringLiteral("定価"));
  Label2[0] = ValueBeside(Label1[1], "Label2(0)", QStringLiteral("0円"));
  Label1[2] = AddText("Label1(2)", 1, QStringLiteral("巻数"));
  Label2[2] = ValueBeside(Label1[2], "Label2(2)", QStringLiteral("0円"));
  AddButton(QStringLiteral("閉じる"));
}

void Form47::ButtonPressed() { CloseComicsRelease(); }

// The main window comes back to the front.
void Form47::Form_Unload() { State().ResumeRequest = 1; }

namespace {
const bool registered = platform::RegisterForm<Form47>(form::kComicsRelease);
}  // namespace

}  // namespace koratsu
