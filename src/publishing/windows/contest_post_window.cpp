#include "publishing/windows/contest_post_window.h"

#include "platform/twips.h"
#include "publishing/contest.h"
#include "ui/forms.h"

namespace koratsu {

Form8::Form8() {
  Build({.title = QStringLiteral("描いた漫画を出版社に送る"),
         .heading = QStringLiteral("== 描いた漫画を雑誌の新人賞へ送ります  =="),
         .worksHeading = QStringLiteral("投稿できる漫画"),
         .columns = {{QStringLiteral("出版社"), 120}, {QStringLiteral("雑誌名"), 150}, {QStringLiteral("最高原稿料"), 114}},
         .worksBar = 5, .magazineBar = 6, .workFrameHeight = 1260,
         // Posting closes the window; the envelope's trip follows.
         .send = QStringLiteral("送る"), .open = OpenContestPost, .sendWork = PostSelectedWork},
        Shape1, Label3);
}

void Form8::BuildWorkDetails() {
  MakeDetail(Frame1[1], 10, QStringLiteral("対象年齢"), 4, 360);
  MakeDetail(Frame1[1], 11, QStringLiteral("ジャンル"), 5, 780);
  for (size_t value : {4, 5}) Label5[value]->resize(platform::Px(1500), platform::Px(270));
}

namespace {
const bool registered = platform::RegisterForm<Form8>(form::kContestPost);
}  // namespace

}  // namespace koratsu
