#include "publishing/bring_in.h"

#include <initializer_list>

#include "production/work_record.h"
#include "publishing/game_end.h"
#include "publishing/notices.h"
#include "publishing/submission_lists.h"
#include "state/game_state.h"
#include "state/random.h"
#include "ui/forms.h"
#include "ui/game_ops.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr const char* kPublisherSpeaker = "出版社の人";

void Say(std::initializer_list<const char*> lines) {
  for (const char* line : lines) AddTalkLine(line);
  ui::ShowTalk(kPublisherSpeaker);
}

// The editors look for a copy, then for a novel adapted without permission;
// true when one was found out and the game is over.
bool FoundOut(const rec::MangaWork& work) {
  const long copyDraw = RndInt(3);
  if (work.Source == 1 && copyDraw == 0) {
    Say({"あぁ！！これは、もしかして盗作していますか・・・？", "ん・・・そうですか、そういうことをする人だったのですね・・・"});
    EndCareer(0);
    return true;
  }
  const long novelDraw = RndInt(3);
  if (work.Source == 2 && novelDraw == 0) {
    Say({"ふむふむなるほど、小説が原作ですか・・・・・・・・", "ん！・・・この小説もしかして許可とっていませんね！",
         "著作権の問題などで、これは大問題ですよ・・・"});
    EndCareer(1);
    return true;
  }
  return false;
}

void Refuse(const rec::MangaWork& work) {
  GameState& g = State();
  rec::Magazine& magazine = g.Magazine[work.SentMagazine];
  magazine.Yukou -= 1;
  g.PublisherYukou[magazine.Publisher] -= 1;
  // The work left the list of unsent works.
  g.FormSlot[form::kArchive].Redraw = 1;
  if (RndInt(2) == 0) {
    Say({"うーん・・なかなかいいとは思うのですが、まだまだ努力の余地はあると思います",
         "基本はいいとは思いますので他に知識などをつけてまた挑戦してください。", "では、さようなら。"});
  } else {
    Say({"これでは駄目だな。うちの雑誌に載せるわけにはいかないぜ。", "君には実力があるので今後もがんばってくれたまい。",
         "では、さらばだ。"});
  }
}

void Adopt(rec::MangaWork& work) {
  GameState& g = State();
  const Value sent = work.SentMagazine;
  work.State = manga_state::kTaken;
  work.Award = 4;
  g.FormSlot[form::kArchive].Redraw = 1;
  // A debut by a requested one-shot (2) stays.
  if (g.PlayerDebuted <= 1) g.PlayerDebuted = 1;
  rec::Magazine& magazine = g.Magazine[sent];
  magazine.Adopted = 1;
  magazine.Yukou += 1;
  g.PublisherYukou[magazine.Publisher] += 1;
  if (RndInt(2) == 0) {
    Say({"なるほど・・かなり実力をもってらっしゃいますね。", "さっそく採用ということにします。"});
  } else {
    Say({"おー、面白い漫画ですね。驚きました。", "では、さっそく採用ということにいたします。"});
  }

  // The fee arrives once its notice has closed.
  const Value row = work.Magazine;
  const rec::Magazine& paying = g.Magazine[row];
  g.Publisher[paying.Publisher - 1].MotikomuCount += 1;
  ui::SetControlText(form::kFeeNotice, "Label2(1)", FeePurpose(row, false));
  ui::SetControlText(form::kFeeNotice, "Label2(0)", FeeAmount(paying.Prize));
  ui::Show(form::kFeeNotice, ui::Modal);
  work.Prize = paying.Prize;
  AddKingaku(paying.Prize);
  g.FormSlot[form::kArchive].Redraw = 1;

  Say({"さっそく本誌に載せることにします。", "今後原稿の依頼など伺うと思うのでよろしくお願いします。"});
}

}  // namespace

void OpenBringIn() { BuildSubmissionWorkList(); }

bool BringInSelectedWork() {
  GameState& g = State();
  const Value row = g.MagazineListRow;
  const Value& publisher = g.Magazine[row].PublisherName;
  if (g.MangaListCount == 0) {
    ui::ShowMessage(Join("現在", publisher, "に持込める原稿はありません。"));
    return false;
  }
  const Value m = g.MangaListIndex[g.MangaListRow];
  rec::MangaWork& work = g.MangaWork[m];
  if (ui::AskYesNo(Join(publisher, "に", work.Title, "を持込みますか？")) != 6) return false;
  work.State = manga_state::kSent;
  work.SentMagazine = row;
  work.Magazine = row;
  g.MotikomuManga = m;
  ui::Unload(form::kBringIn);
  g.MotikomuTalkState = 0;
  MotikomuReview();
  // A review that ended the game leaves the title screen alone.
  if (!GameEnded()) g.ResumeRequest = 1;
  return true;
}

void MotikomuReview() {
  GameState& g = State();
  Rnd();  // discarded
  rec::MangaWork& work = g.MangaWork[g.MotikomuManga];
  if (g.MotikomuTalkState == 0) {
    g.MotikomuTalkState = 1;
    AddTalkLine("こんにちは、編集部のものです。漫画の持ち込みだね。");
    AddTalkLine("さっそくですが作品を拝見しましょう。");
    AddTalkLine(Join("「", work.Title, "」・・・・・・・・・・・・"));
    ui::ShowTalk(kPublisherSpeaker);
  }
  if (g.MotikomuTalkState != 1) return;
  if (FoundOut(work)) return;
  const long verdictDraw = RndInt(3);
  if (work.Hyouka < kBringInThreshold && verdictDraw != 0) {
    Refuse(work);
  } else {
    Adopt(work);
  }
}

}  // namespace koratsu
