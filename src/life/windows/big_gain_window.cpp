#include "life/windows/big_gain_window.h"

#include "ui/forms.h"

namespace koratsu {

Form67::Form67() : NoticeForm(form::kBigGain, QStringLiteral("大幅アップ"), {.closeBox = true}) {
  LabelC[0] = AddHeading("LabelC(0)", QStringLiteral("== 知識ﾎﾟｲﾝﾄが大幅ｱｯﾌﾟ =="));
  Image1 = AddPicture("Image1", 64, 64);
  Label1[0] = nullptr;
  Label1[1] = AddText("Label1(1)", 3);
  AddButton(QStringLiteral("閉じる"));
}

namespace {
const bool registered = platform::RegisterForm<Form67>(form::kBigGain);
}  // namespace

}  // namespace koratsu
