#include "publishing/game_end.h"

#include "state/game_state.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

// The half-width comma in the first two causes is the text's own.
const char* const kCauses[][2] = {
    {"あなたは盗作したことにより､漫画界を永久追放になりました。", "その後あなたを公の場で見た人は居ないという。"},
    {"あなたは許可を取らずに小説を漫画化したことにより､漫画界を永久追放になりました。",
     "その後のあなたの漫画家としての将来は絶望的だった。"},
    {"あなたは連日無理をして仕事を続けた結果、過労が溜まり死亡しました。", "残念ながらゲームオーバーです。"},
};

constexpr const char* kEnding[] = {
    "  おめでとうございます。あなたはすべて",
    "の出版社から漫画賞を獲得し「Koratsu」の漫画界でトップに君臨し",
    "ました。",
    "その後の漫画家としての人生は明るいも",
    "のであった。",
    "",
    "そしてめでたくゲームをクリアすることが",
    "できました。",
    "",
    "",
    "",
    "                    おしまい",
};

}  // namespace

void EndCareer(int cause) {
  State().GameOverCause = cause;
  ui::Show(form::kGameOver, ui::Modal);
}

std::vector<std::string> GameOverLines(const Value& cause) {
  for (int c = 0; c < 3; ++c)
    if (cause == c) return {kCauses[c][0], kCauses[c][1]};
  return {};
}

std::span<const char* const> EndingLines() { return kEnding; }

bool ScrollEnding(int& top, int height) {
  top -= 1;
  return top + height <= 0;
}

}  // namespace koratsu
