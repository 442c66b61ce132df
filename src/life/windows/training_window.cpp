#include "life/windows/training_window.h"

#include "life/training.h"
#include "platform/panels.h"
#include "platform/qt_strings.h"
#include "platform/twips.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

using platform::Q;

Form39::Form39()
    : ActivityChoiceDialog("修行を行います", "== どの修行を行いますか？  ==", form::kTraining, "修行する", 600) {
  Label1[2] = new QLabel(Picture1);
  platform::Place(Label1[2], 120, 45, 3840, 480);
  Label1[2]->setWordWrap(true);
  Label1[2]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Label1[0] = platform::PanelText(this, "時間", 1320, 1800, 600, true);
  Label1[1] = platform::PanelText(this, "", 1920, 1800, 1260);
  Label1[4] = platform::PanelText(this, "費用", 3300, 1800, 600, true);
  Label1[3] = platform::PanelText(this, "", 3900, 1800, 1380);
}

void Form39::Form_Load() {
  OpenSyugyou();
  const GameState& g = State();
  std::vector<std::string> names;
  for (long long r = 0; r < g.SyugyouCount.Index(); ++r) names.push_back(g.SyugyouCourse[r].Name.Str());
  ShowChoices(names);
}

void Form39::Combo1_Click() {
  const int row = Combo1[0]->currentIndex();
  ChooseSyugyou(row);
  const SyugyouTexts texts = DescribeSyugyou(row);
  Label1[2]->setText(Q(texts.text));
  Label1[1]->setText(Q(texts.minutes));
  Label1[3]->setText(Q(texts.fee));
  Label1[6]->setText(Q(texts.stamina));
}

void Form39::Command3_Click() { StartSyugyou(Combo1[0]->currentIndex()); }

namespace {
const bool registered = platform::RegisterForm<Form39>(form::kTraining);
}  // namespace

}  // namespace koratsu
