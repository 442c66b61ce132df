#include "publishing/windows/merchandise_window.h"

#include <QPointer>

#include "platform/qt_strings.h"
#include "publishing/media_offers.h"
#include "publishing/notices.h"
#include "publishing/windows/notice_rows.h"
#include "publishing/windows/offer_buttons.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

Form48::Form48() : NoticeForm(form::kMerchOffer, QString(), {}) {
  Label3 = AddHeading("Label3", QString());
  Picture2 = AddPicture("Picture2", 64, 64);
  for (size_t k = 0; k < Image1.size(); ++k)
    Image1[k] = AddHiddenPicture(("Image1(" + std::to_string(k) + ")").c_str());
  Label1[0] = AddText("Label1(0)", 1, QString(), true);
  Label2[1] = AddText("Label2(1)", 1);
  Label1[1] = AddText("Label1(1)", 1, QStringLiteral("商品"));
  Label2[0] = ValueBeside(Label1[1], "Label2(0)");
  Label1[2] = AddText("Label1(2)", 1, QStringLiteral("契約金"));
  Label2[2] = ValueBeside(Label1[2], "Label2(2)");
  AddButton(QString());
  Command2 = AddOfferButton(Command1, "Command2", false);
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form48::Form_Load() {
  NoticeForm::Form_Load();
  if (const MerchandiseKind* kind = LoadMerchOffer()) {
    Picture2->setPixmap(Image1[static_cast<size_t>(kind->picture)]->pixmap());
    setWindowTitle(platform::Q(kind->caption));
    Command1->setText(platform::Q(kind->decline));
    Command2->setText(platform::Q(kind->accept));
    Label3->setText(platform::Q(kind->heading));
    Label1[0]->setText(platform::Q(kind->question));
    Label2[0]->setText(platform::Q(kind->product));
  }
  const GameState& g = State();
  Label2[1]->setText(platform::Q(g.MangaWork[g.FormSlot[form::kMerchOffer].Param].Title.Str()));
  Label2[2]->setText(platform::Q(FeeAmount(g.MerchOfferFee)));
  Command2->setFocus();
}

void Form48::Command2_Click() {
  QPointer<Form48> self(this);
  AcceptMerchOffer();
  if (self) Unload();
}

namespace {
const bool registered = platform::RegisterForm<Form48>(form::kMerchOffer);
}  // namespace

}  // namespace koratsu
