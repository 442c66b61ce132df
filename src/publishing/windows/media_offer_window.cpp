#include "publishing/windows/media_offer_window.h"

#include "platform/qt_strings.h"
#include "publishing/media_offers.h"
#include "publishing/windows/offer_buttons.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

Form43::Form43() : NoticeForm(form::kMediaOffer, QString(), {.width = 5400}) {
  LabelC[0] = AddHeading("LabelC(0)", QString());
  Picture1[0] = AddPicture("Picture1(0)", 96, 72);
  // The film set stands where the television does; the mode shows one.
  Picture1[1] = AddHiddenPicture("Picture1(1)");
  Picture1[1]->setGeometry(Picture1[0]->geometry());
  Label1[0] = AddText("Label1(0)", 3);
  Label1[1] = AddText("Label1(1)", 1, QString(), true);
  AddButton(QString());
  Command2 = AddOfferButton(Command1, "Command2", true);
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form43::Form_Load() {
  NoticeForm::Form_Load();
  const std::optional<MediaOfferTexts> texts = MediaOfferWindowTexts();
  if (!texts) return;
  setWindowTitle(platform::Q(texts->caption));
  Command1->setText(platform::Q(texts->accept));
  Command2->setText(platform::Q(texts->decline));
  LabelC[0]->setText(platform::Q(texts->heading));
  Label1[1]->setText(platform::Q(texts->question));
  Label1[0]->setText(platform::Q(texts->offer));
  const bool movie = State().FormSlot[form::kMediaOffer].Mode == 1;
  Picture1[0]->setVisible(!movie);
  Picture1[1]->setVisible(movie);
}

// The main window comes back to the front.
void Form43::Form_Unload() { State().ResumeRequest = 1; }

// The window is gone before the editor answers.
void Form43::ButtonPressed() {
  Unload();
  AcceptMediaOffer();
}

void Form43::Command2_Click() {
  Unload();
  DeclineMediaOffer();
}

namespace {
const bool registered = platform::RegisterForm<Form43>(form::kMediaOffer);
}  // namespace

}  // namespace koratsu
