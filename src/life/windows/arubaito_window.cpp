#include "life/windows/arubaito_window.h"

#include "life/arubaito.h"
#include "platform/panels.h"
#include "platform/qt_strings.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

using platform::Q;

Form32::Form32()
    : ActivityChoiceDialog("ｱﾙﾊﾞｲﾄをします", "== どのｱﾙﾊﾞｲﾄをしますか？  ==", form::kArubaito, "決定", 960) {
  Label1[2] = platform::PanelText(Picture1, "仕事期間", 150, 165, 1200, true);
  Label1[3] = platform::PanelText(Picture1, "", 1440, 165, 2520);
  Label1[4] = platform::PanelText(Picture1, "合計給与", 150, 525, 1200, true);
  Label1[5] = platform::PanelText(Picture1, "", 1440, 525, 2520);
}

void Form32::Form_Load() {
  OpenArubaito();
  const GameState& g = State();
  std::vector<std::string> names;
  for (long long r = 0; r < g.ArubaitoCount.Index(); ++r) names.push_back(g.ArubaitoJob[r].Name.Str());
  ShowChoices(names);
}

void Form32::Combo1_Click() {
  const int row = Combo1[0]->currentIndex();
  ChooseArubaito(row);
  const ArubaitoTexts texts = DescribeArubaito(row);
  Label1[3]->setText(Q(texts.minutes));
  Label1[5]->setText(Q(texts.pay));
  Label1[6]->setText(Q(texts.stamina));
}

void Form32::Command3_Click() { StartArubaito(Combo1[0]->currentIndex()); }

namespace {
const bool registered = platform::RegisterForm<Form32>(form::kArubaito);
}  // namespace

}  // namespace koratsu
