#include "publishing/novel_permission.h"

#include "production/placing.h"
#include "state/game_state.h"
#include "state/random.h"
#include "ui/forms.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {

const char* const kPublisherPersonCaption = "出版社の人";

void NovelPermissionTalk(const Value& publisher, const Value& novel) {
  GameState& g = State();
  Rnd();  // discarded
  if (g.NovelTalkState != 0) return;
  g.NovelTalkState = 1;
  const Value title = g.Novel[novel].Title;

  if (g.PublisherYukou[publisher] == 0) {
    AddTalkLine("どうも、はじめまして、");
    AddTalkLine(Join("えー今日はうちの社の小説「", title, "」の漫画化についてですが"));
    AddTalkLine("そうですね・・・・・・・・・・・・・・・・");
    AddTalkLine("残念ですが、いろいろ問題がありますので今回はダメと言うことになります。");
    AddTalkLine("では、すいませんが、これで・・・");
    ui::ShowTalk(kPublisherPersonCaption);
    ui::Show(form::kNovelRefused, ui::Modal);
    return;
  }

  AddTalkLine(Join("どうも、いつも我が", g.Publisher[publisher - 1].Name, "がお世話になっております。"));
  AddTalkLine(Join("えー今日はうちの社の小説「", title, "」の漫画化についてですが"));
  AddTalkLine("そうですね・・・・・・・・・・・・・・・・");
  AddTalkLine("いつもお世話になっていますし、いいですよ。");
  AddTalkLine("では、これからも我が社をよろしくお願いします。ではまた。");
  ui::ShowTalk(kPublisherPersonCaption);
  Rnd();  // discarded
  PlaceAdaptedWork(novel, 3);
  // A serial's first episode goes on to its title in the set-up talk.
  if (g.FormSlot[form::kSettingsEditor].Mode != 2) ui::Show(form::kSchedule, ui::Modal);
}

void ChosenNovelPermissionTalk() {
  const GameState& g = State();
  NovelPermissionTalk(g.Novel[g.ChosenNovel].Publisher, g.ChosenNovel);
}

}  // namespace koratsu
