#include "publishing/windows/feature_window.h"

#include "platform/heading_bar.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "publishing/magazine_texts.h"
#include "publishing/windows/magazine_text_window.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

Form63::Form63() : Form({.removeCloseItem = true, .pauseClock = true}) {
  setWindowTitle(QStringLiteral("雑誌に載りました"));
  platform::SetFixedClientSize(this, 4800, 3630);

  const auto heading = platform::MakeHeadingBar(this, QStringLiteral("== 雑誌に特集されました =="), 120, 120, 4560, 360);
  Shape1[0] = heading.shape;
  LabelC[0] = heading.label;

  Image1 = new platform::ClickableLabel(this);
  platform::Place(Image1, 120, 600, 1800, 2400);
  Image1->setPixmap(platform::FormPicture(form::kFeaturedArticle, QStringLiteral("Image1")));
  Image1->Clicked = [this] { Image1_Click(); };

  Label1[1] = new QLabel(QStringLiteral("画面をクリックしてください"), this);
  platform::Place(Label1[1], 2040, 1665, 2640, 270);

  Command1 = new QPushButton(QStringLiteral("閉じる"), this);
  platform::Place(Command1, 3480, 3120, 1200, 390);
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form63::Form_Load() { platform::FillHeadingBars(Shape1); }

void Form63::Image1_Click() {
  const rec::FormSlot& slot = State().FormSlot[form::kFeaturedArticle];
  // The work and the article stand the other way round from the other notices.
  const std::string article = FeatureArticle(slot.Mode, slot.Param);
  if (!article.empty()) Form54::Read(article);
}

void Form63::Command1_Click() { Unload(); }

namespace {
const bool registered = platform::RegisterForm<Form63>(form::kFeaturedArticle);
}  // namespace

}  // namespace koratsu
