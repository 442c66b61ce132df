#include "publishing/windows/magazine_text_window.h"

#include "platform/colors.h"
#include "platform/heading_bar.h"
#include "platform/panels.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

Form54::Form54() : Form({}) {
  setWindowTitle(QStringLiteral("雑誌の文章"));
  platform::SetFixedClientSize(this, 6000, 2880);

  const auto heading = platform::MakeHeadingBar(this, QStringLiteral("== 雑誌の文章です  =="), 120, 120, 5760, 360);
  Shape1[0] = heading.shape;
  LabelC[0] = heading.label;

  Picture1 = platform::SunkenPanel(this, 120, 600, 5760, 2160);
  platform::SetBackground(Picture1, platform::kWhite);
  Label1 = new QLabel(Picture1);
  Label1->setObjectName(QStringLiteral("Label1"));
  platform::Place(Label1, 120, 90, 5520, 1980);
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Form54::Form_Load() { platform::FillHeadingBars(Shape1); }

void Form54::Read(const std::string& text, const char* caption) {
  auto* reader = platform::Forms().Load<Form54>(form::kMagazineText);
  if (!reader) return;
  reader->Label1->setText(platform::Q(text));
  if (caption) {
    reader->setWindowTitle(platform::Q(caption));
    reader->LabelC[0]->setText(platform::Q(caption));
  }
  platform::Forms().Show(form::kMagazineText, ui::Modal);
}

namespace {
const bool registered = platform::RegisterForm<Form54>(form::kMagazineText);
}  // namespace

}  // namespace koratsu
