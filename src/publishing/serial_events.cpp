#include "publishing/serial_events.h"

#include <initializer_list>
#include <string>

#include "life/activity.h"
#include "production/delivery.h"
#include "production/work_record.h"
#include "publishing/notices.h"
#include "state/editor_event_queue.h"
#include "state/game_state.h"
#include "state/log.h"
#include "state/production_slots.h"
#include "state/random.h"
#include "state/shared_ops.h"
#include "ui/forms.h"
#include "ui/game_ops.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr const char* kEditor = "担当 報告";
constexpr int kOneShotFee = 200000;
constexpr int kSerialEpisodeKind = 6;
constexpr int kComicsReleaseDelay = 5;

void Talk(std::initializer_list<std::string> lines) {
  for (const std::string& line : lines) AddTalkLine(line);
  ui::ShowTalk(kEditor);
}

void RefuseOneShot(rec::MangaWork& work) {
  GameState& g = State();
  const std::string opening = Join("  先日送ってもらった読切漫画「", work.Title, "」ですが。");
  if (RndInt(5) != 0) {
    Talk({opening, "せっかくお頼みしたのに、編集部で面白いか意見が分かれてしまいました。",
          "なので今回は、不採用にさせていただきます。またの機会がありましたらその時はよろしく。"});
  } else {
    Talk({opening, "せっかくお頼みしたのに、これでは読者に受けないと言うことで。",
          "今回は、不採用と言うことにさせていただきます。またの機会がありましたらその時はよろしく。"});
  }
  work.State = manga_state::kRequestRejected;
  g.Magazine[work.SentMagazine].RequestState = 0;
  // The archive shows the verdict, as it does for an accepted one.
  g.FormSlot[form::kArchive].Redraw = 1;
}

void AcceptOneShot(rec::MangaWork& work) {
  GameState& g = State();
  const Value magazine = work.Magazine;
  rec::Magazine& row = g.Magazine[magazine];
  row.Yukou += 1;
  g.PublisherYukou[row.Publisher] += 1;
  if (g.PlayerDebuted <= 2) g.PlayerDebuted = 2;
  if (RndInt(2) == 0) {
    Talk({Join("  先日送ってもらった読切漫画「", work.Title, "」ですが。"),
          "大変よい出来だったので採用させていただくことにしました。今後もよろしくお願いします。",
          "それと原稿料20万0000円です。では"});
  } else {
    Talk({Join("  この前、頼んでいた読切原稿の「", work.Title, "」が"),
          "よい出来だったので採用させていただくことにしました。",
          "なので原稿料20万0000円をお渡しします。ではまたよろしくお願いします。"});
  }
  ui::SetControlText(form::kFeeNotice, "Label2(1)", FeePurpose(magazine, false));
  ui::SetControlText(form::kFeeNotice, "Label2(0)", FeeAmount(kOneShotFee));
  ui::Show(form::kFeeNotice, ui::Modal);
  // The money only once its notice has closed.
  work.Prize = kOneShotFee;
  AddKingaku(kOneShotFee);
  work.State = manga_state::kRequestAccepted;
  g.FormSlot[form::kArchive].Redraw = 1;
  g.Magazine[work.SentMagazine].RequestState = 2;
}

// The misses of an unfinished episode: one more day, then the magazine's
// next regular deadline, then the end of the serial.
void FirstMiss(rec::ProductionSlot& slot, const Value& label) {
  slot.Extension = 1;
  slot.DaysLeft = 1;
  if (RndInt(5) != 0) {
    Talk({Join("  「", label, "」の〆切は今日だが、まだ完成していないようだな。"),
          "明日まで〆切を伸ばせたので絶対に完成させなさい。",
          "できなかったときは漫画家としての運命の終わりだと思え！"});
  } else {
    Talk({Join("  今日〆切の「", label, "」ですが、まだ完成していないようですね・・"),
          "なんとか明日まで〆切を延ばせますので、明日までには完成させてください。",
          "明日がギリギリなのでくれぐれも気をつけてください。"});
  }
}

void SecondMiss(rec::ProductionSlot& slot, const Value& label) {
  slot.Extension = 2;
  slot.DaysLeft = DaysToRegularDeadline(slot.Magazine, slot.DaysLeft);
  Talk({Join("  〆切を今日まで伸ばした「", label, "」ですが結局、完成しませんでしたね・・・"),
        "とりあえず過ぎてしまったことは、しょうがないので次回からはかならず〆切を守ってください。"});
}

void CancelSerial(int s) {
  GameState& g = State();
  rec::ProductionSlot& slot = g.ProductionSlot[s];
  AddTalkLine("  また完成しませんでしたね・・・");
  AddTalkLine("編集部で検討した結果、残念ながら連載打ち切りと言うことになりました。");
  AddTalkLine("〆切を守ることは漫画家として必要なことなのでこれからは守るようにしてください。");
  AddTalkLine("では、さようなら");
  if (slot.Episode == 0) {
    // A first episode has no record yet: only its magazine's place is freed.
    g.Magazine[slot.Magazine].SerialRunning = 0;
  } else {
    rec::MangaWork& work = g.MangaWork[slot.MangaIndex];
    work.SerialEndDate = DateString(g.GameYear, g.GameMonth, g.GameDay, 2);
    work.State = manga_state::kSerialEnded;
    g.Magazine[work.Magazine].SerialRunning = 0;
  }
  g.FormSlot[form::kArchive].Redraw = 1;
  ClearWorkSlot(s);
  ui::ShowTalk(kEditor);
  g.FormSlot[form::kCompletion].Rebuild = 1;
}

// The readers' reaction to a new serial, whose title the entry holds as text.
void SerialReaction(int entry, const std::string& verdict) {
  Talk({Join("  先日送ってもらいました連載「", State().EditorEvent[entry].Manga, "」ですが、"), verdict});
}

}  // namespace

void OneShotVerdict(int entry) {
  GameState& g = State();
  rec::MangaWork& work = g.MangaWork[g.EditorEvent[entry].Manga];
  if (work.Hyouka >= g.Magazine[work.Magazine].Standard / 8) {
    AcceptOneShot(work);
  } else {
    RefuseOneShot(work);
  }
}

void SerialDeadline(int entry) {
  GameState& g = State();
  const Value target = g.EditorEvent[entry].Target;
  const long long s = target.Index();
  // The slot may have been freed or taken by another work since the entry
  // was queued (an old save): then there is no episode to judge.
  if (s < 0 || s > kLastSlot || !SlotBusy(static_cast<int>(s)) || g.ProductionSlot[s].Kind != kSerialEpisodeKind) {
    LogLine("serial deadline: slot " + target.Str() + " holds no serial episode; nothing done");
    return;
  }
  rec::ProductionSlot& slot = g.ProductionSlot[s];
  if (g.SlotKanseido[s] > slot.Target) {
    g.SerialSlot = s;
    g.FormSlot[form::kDelivery].Mode = delivery_mode::kSerial;
    ui::Show(form::kDelivery, ui::Modal);
    return;
  }
  StopKoudou();
  const Value label = g.SlotLabel[s];
  if (slot.Extension == 0) {
    FirstMiss(slot, label);
  } else if (slot.Extension == 1) {
    SecondMiss(slot, label);
  } else if (slot.Extension == 2) {
    CancelSerial(static_cast<int>(s));
  }
}

void ComicsOffer(int entry) {
  GameState& g = State();
  const Value work = g.EditorEvent[entry].Target;
  const rec::MangaWork& serial = g.MangaWork[work];
  Talk({Join("  連載「", serial.Title, "」がページがそろそろ溜まったので"),
        Join("コミックス化しようと考えています。発売が5日後で定価", g.Magazine[serial.Magazine].ComicsPrice,
             "円です、印税は10%です。")});
  QueueEditorEvent(event_code::kComicsRelease, kComicsReleaseDelay, {.Target = work});
}

void LastEpisodeWarning(int entry) {
  GameState& g = State();
  const rec::MangaWork& serial = g.MangaWork[g.EditorEvent[entry].MangaIndex];
  Talk({Join("  どうも、こんにちは、連載漫画「", serial.Title, "」ですが、"),
        "  実は連載漫画の中でも人気が落ちていて、編集会議でそろそろ打ち切りに・・・。",
        "  と、いう話になりました。次回で最終回となりますので、よろしくお願いします。",
        "  今後とも是非 我が出版社をよろしくお願いします。では。"});
}

void VeryPopularReaction(int entry) {
  GameState& g = State();
  SerialReaction(entry, Join("大人気のようです。さすが", g.PlayerSei, "先生ですね、今後もがんばってください。"));
  g.PlayerPopularity += 1.5;
}

void NotPopularReaction(int entry) { SerialReaction(entry, "ちょっと人気がないようです・・今後はがんばってください。"); }

void FairReaction(int entry) { SerialReaction(entry, "人気はまあまあです。今後もがんばってください。"); }

}  // namespace koratsu
