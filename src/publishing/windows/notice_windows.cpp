#include "publishing/windows/notice_windows.h"

#include "platform/qt_strings.h"
#include "publishing/notices.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

const QString kClose = QStringLiteral("閉じる");
constexpr platform::NoticeStyle kNoCloseBox{};
constexpr platform::NoticeStyle kKeepsCloseBox{.closeBox = true};

}  // namespace

// ---------------------------------------------------------------- Form49

Form49::Form49() : NoticeForm(form::kFeeNotice, QStringLiteral("原稿料"), kNoCloseBox) {
  Label3 = AddHeading("Label3", QStringLiteral("== 原稿料です  =="));
  Image1 = AddPicture("Image1", 64, 64);
  Label1[1] = AddText("Label1(1)", 1, QStringLiteral("原稿料"), true);
  Label2[1] = AddText("Label2(1)", 1);
  Label2[0] = AddText("Label2(0)", 1);
  AddButton(QStringLiteral("受け取る"));
}

void Form49::ButtonPressed() { FeeNoticePressed(); }

// ---------------------------------------------------------------- Form59

Form59::Form59() : NoticeForm(form::kVeryPopular, QStringLiteral("大人気です"), kNoCloseBox) {
  Label3[0] = AddHeading("Label3(0)", QString());
  Image1 = AddPicture("Image1", 64, 64);
  Label1[0] = AddText("Label1(0)", 4);
  AddButton(kClose);
}

void Form59::ButtonPressed() { VeryPopularPressed(); }

// ---------------------------------------------------------------- Form20

Form20::Form20() : NoticeForm(form::kAccident, QStringLiteral("アクシデント発生"), kNoCloseBox) {
  Picture2 = AddPicture("Picture2", 96, 72);
  Image1[0] = AddHiddenPicture("Image1(0)");
  Image1[1] = AddHiddenPicture("Image1(1)");
  Label1[0] = AddText("Label1(0)", 4);
  AddButton(kClose);
}

void Form20::Form_Load() {
  NoticeForm::Form_Load();
  const Value& mode = State().FormSlot[form::kAccident].Mode;
  const std::optional<std::string> text = AccidentText(mode);
  if (!text) return;
  Picture2->setPixmap(Image1[mode == 0 ? 1 : 0]->pixmap());
  Label1[0]->setText(platform::Q(*text));
}

// ---------------------------------------------------------------- Form35

Form35::Form35() : NoticeForm(form::kSerialMilestone, QStringLiteral("連載記念"), kKeepsCloseBox) {
  Image1 = AddPicture("Image1", 96, 72);
  for (size_t i = 0; i < Image2.size(); ++i)
    Image2[i] = AddHiddenPicture(("Image2(" + std::to_string(i) + ")").c_str());
  Label1[0] = AddText("Label1(0)", 4);
  AddButton(kClose);
}

void Form35::Form_Load() {
  NoticeForm::Form_Load();
  const int picture = SerialMilestonePicture(State().FormSlot[form::kSerialMilestone].Param);
  if (picture >= 0) Image1->setPixmap(Image2[static_cast<size_t>(picture)]->pixmap());
}

// ---------------------------------------------------------------- Form37

Form37::Form37() : NoticeForm(form::kComicsMilestone, QStringLiteral("おめでとう"), kNoCloseBox) {
  Label3[0] = AddHeading("Label3(0)", QStringLiteral("== コミックスが大人気です =="));
  Image1 = AddPicture("Image1", 64, 64);
  Label1 = AddText("Label1", 4);
  AddButton(kClose);
}

void Form37::Form_Load() {
  NoticeForm::Form_Load();
  if (const std::optional<std::string> text = MillionSellerText()) Label1->setText(platform::Q(*text));
}

// ---------------------------------------------------------------- Form66

Form66::Form66() : NoticeForm(form::kReturnsNotice, QStringLiteral("本の返本"), kKeepsCloseBox) {
  Label3 = AddHeading("Label3", QStringLiteral("== 倉庫が返本の山です =="));
  Image1[0] = AddPicture("Image1(0)", 64, 64);
  Image1[1] = AddPicture("Image1(1)", 64, 64);
  Label1[0] = AddText("Label1(0)", 4);
  AddButton(kClose);
}

// ---------------------------------------------------------------- Form62

Form62::Form62() : NoticeForm(form::kCongratulation, QStringLiteral("おめでとう"), kKeepsCloseBox) {
  Label3[0] = AddHeading("Label3(0)", QStringLiteral("== おめでとうございます =="));
  Image1 = AddPicture("Image1", 64, 64);
  Label1 = AddText("Label1", 4);
  AddButton(kClose);
}

namespace {
const bool registered = platform::RegisterForm<Form49>(form::kFeeNotice) &&
                        platform::RegisterForm<Form59>(form::kVeryPopular) &&
                        platform::RegisterForm<Form20>(form::kAccident) &&
                        platform::RegisterForm<Form35>(form::kSerialMilestone) &&
                        platform::RegisterForm<Form37>(form::kComicsMilestone) &&
                        platform::RegisterForm<Form66>(form::kReturnsNotice) &&
                        platform::RegisterForm<Form62>(form::kCongratulation);
}  // namespace

}  // namespace koratsu
