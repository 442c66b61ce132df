#include "publishing/windows/award_window.h"

#include "platform/window_conventions.h"
#include "publishing/awards.h"
#include "publishing/windows/notice_rows.h"
#include "ui/forms.h"

namespace koratsu {

Form13::Form13()
    : NoticeForm(form::kAward, QStringLiteral("漫画賞受賞"), {.width = 6600, .pauseClock = false}) {
  Label3 = AddHeading("Label3", QStringLiteral("== 漫画賞を受賞しました =="));
  Picture1 = AddPicture("Picture1", 96, 96);
  Picture2 = AddPicture("Picture2", 96, 96);
  Label1[0] = AddText("Label1(0)", 2, QStringLiteral("おめでとうございます。"), true);
  Label1[1] = AddText("Label1(1)", 1, QStringLiteral("会社"));
  Label2[0] = ValueBeside(Label1[1], "Label2(0)");
  Label1[3] = AddText("Label1(3)", 1, QStringLiteral("題名"));
  Label2[1] = ValueBeside(Label1[3], "Label2(1)");
  Label1[2] = AddText("Label1(2)", 1, QStringLiteral("賞金"));
  Label2[2] = ValueBeside(Label1[2], "Label2(2)", QStringLiteral("8000万0000円"));
  AddButton(QStringLiteral("受け取る"));
}

void Form13::Form_Load() {
  NoticeForm::Form_Load();
  platform::SetBackground(this, platform::BackgroundForColorCount(platform::ScreenColorCount(this)));
}

void Form13::ButtonPressed() { ReceiveAwardPrize(); }

namespace {
const bool registered = platform::RegisterForm<Form13>(form::kAward);
}  // namespace

}  // namespace koratsu
