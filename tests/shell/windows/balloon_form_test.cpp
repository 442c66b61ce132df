#include "shell/windows/balloon_form.h"

#include <string>
#include <vector>

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QStringList>
#include <gtest/gtest.h>

#include "production/naming.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/conversation_window.h"
#include "shell/windows/main_window.h"
#include "shell/windows/new_game_window.h"
#include "shell/windows/tutorial_windows.h"
#include "support/fresh_state.h"
#include "ui/forms.h"
#include "ui/talk.h"
#include "ui/tutorial_stages.h"
#include "ui/ui.h"

namespace koratsu {
namespace {

std::string Repeat(const char* text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

// The smallest text size a balloon shows, which its longest talks need.
constexpr int kSmallestSize = 10;

// The longest a work's title and the player's name can be, in wide characters.
const std::string kTitle = Repeat("漫", kWorkTitleLength);
const std::string kName = Repeat("郷", Form3::kNameLength);

// The game's longest talk lines, with their titles, names and amounts at their longest.
const std::vector<std::string> kLongTalk = {
    Join("  今日、放送されました「", kTitle, "」ですが、", "視聴率があまりよくありませんでした・・・"),
    Join("  〆切を今日まで伸ばした「", kTitle, "」ですが結局、完成しませんでしたね・・・"),
    "とりあえず過ぎてしまったことは、しょうがないので次回からはかならず〆切を守ってください。",
    Join("  ", kName, "先生のお噂を聞いて今日は ", "週刊すてきな午後", "に読切原稿の依頼にきたのですが"),
    Join("今回の受賞作品は", kName, " ", "先生の「", kTitle, "」です。"),
    "  最近視聴率が下がってきていまして、テレビ局からそろそろ終了・・・ということになりました。",
    Join("  こんにちは朗報です。実は昨日、第", 29, "回 ", "大風呂敷出版", "漫画賞の発表がありまして"),
    "なので原稿料20万0000円をお渡しします。ではまたよろしくお願いします。",
    Join("大人気のようです。さすが", kName, "先生ですね、今後もがんばってください。"),
    Join("  また、興行収入の10%が原作者である", kName, "先生に振り込まれます。"),
    Join("  ", kName, "先生についに新連載をしてもらおうという事で意見が一致しました。"),
    "今回は、不採用と言うことにさせていただきます。またの機会がありましたらその時はよろしく。",
    Join("  どうも、こんにちは。", "週刊すてきな午後", "でお世話になっています。今日お伺いしたのは"),
    "編集部で調べた結果、小説を漫画化していますが許可を取っていないことがわかりました。",
    Join("  「", kTitle, "」の第", 501, "巻が 15万冊の増刷が決まりました。"),
    "ｷｬﾗｸﾀｰ・ﾌｨｷﾞｭｱを発売したいと言うことですが、どうしますか？",
    Join("コミックス化しようと考えています。発売が5日後で定価", 420, "円です、印税は10%です。"),
    Join("えー今日はうちの社の小説「", kTitle, "」の漫画化についてですが"),
    "そうですね・・・・・・・・・・・・・・・・",
    Join("「", kTitle, "」・・・・・・・・・・・・"),
};

// Every line the tutorial's guide says.
std::vector<std::string> TutorialTalk() {
  std::vector<std::string> lines;
  for (int stage = 0; stage <= tutorial_stage::kLast; ++stage)
    for (const char* line : TutorialStageLines(stage)) lines.push_back(line);
  return lines;
}

// The outline of the balloon and what lies outside it: text must keep off both.
bool Border(const QImage& balloon, int x, int y) {
  if (!balloon.rect().contains(x, y)) return true;
  QRgb pixel = balloon.pixel(x, y);
  return qAlpha(pixel) < 255 || qGray(pixel) < 160;
}

// What is wrong with the place of the balloon's text; empty when nothing is.
std::string Misplaced(BalloonForm& form) {
  QLabel* label = form.Label1[0];
  const QString text = label->text();
  std::string faults;
  // The text as the label lays it out, whole: none of it may be cut off.
  QRect laid = QFontMetrics(label->font(), label)
                   .boundingRect(QRect(QPoint(0, 0), label->size()),
                                 static_cast<int>(label->alignment()) | Qt::TextWordWrap, text);
  if (laid.height() > label->height() || laid.width() > label->width())
    faults += "laid out " + std::to_string(laid.width()) + " by " + std::to_string(laid.height()) +
              ", larger than its label; ";

  // The ink: what the text changes on the balloon.
  const QImage balloon = form.Picture1->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  const QImage with = form.Picture1->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  label->setText(QString());
  const QImage without = form.Picture1->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  label->setText(text);
  for (int y = 0; y < with.height() && faults.empty(); ++y)
    for (int x = 0; x < with.width() && faults.empty(); ++x) {
      if (with.pixel(x, y) == without.pixel(x, y)) continue;
      bool touches = false;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) touches = touches || Border(balloon, x + dx, y + dy);
      if (touches) faults += "ink at (" + std::to_string(x) + ", " + std::to_string(y) + ") touches the border";
    }
  return faults;
}

class BalloonFormTest : public ::testing::Test {
 protected:
  BalloonFormTest() { main.show(); }
  GameState& g() { return state.g(); }

  // The conversation window on its first line; the test ticks it.
  Form21* Talk(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) AddTalkLine(line);
    auto* talk = platform::Forms().Load<Form21>(form::kConversation);
    if (talk) talk->Timer1->stop();
    return talk;
  }
  // The tutorial's guide on the first of `lines`; the test ticks it.
  Form36* Guide(const std::vector<std::string>& lines) {
    g().TutorialStageLoaded = 1;
    g().TutorialLineCount = 0;
    g().TutorialLineIndex = 0;
    for (const std::string& line : lines) AddTutorialLine(line);
    ui::Show(form::kTutorialGuide, ui::Modeless);
    auto* guide = platform::Forms().Find<Form36>(form::kTutorialGuide);
    if (guide) guide->Timer1->stop();
    return guide;
  }
  // The line shown whole.
  static void Complete(BalloonForm& form) {
    form.Command1_Click();
    form.Timer1_Timer();
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(BalloonFormTest, TheLongestLinesStayInsideBothBalloonsClearOfTheBorder) {
  std::vector<std::string> lines = kLongTalk;
  for (const std::string& line : TutorialTalk()) lines.push_back(line);
  auto shownWhole = [](BalloonForm* form, int number, const std::string& line) {
    ASSERT_NE(form, nullptr);
    Complete(*form);
    EXPECT_EQ(testing::Said(form->Label1[0]).toStdString(), line);
    EXPECT_EQ(Misplaced(*form), "") << form->windowTitle().toStdString() << ": " << line;
    EXPECT_GE(QFontInfo(form->Label1[0]->font()).pixelSize(), kSmallestSize) << line;
    platform::Forms().Unload(number);
  };
  for (const std::string& line : lines) {
    shownWhole(Talk({line}), form::kConversation, line);
    shownWhole(Guide({line}), form::kTutorialGuide, line);
  }
}

TEST_F(BalloonFormTest, ALongLineKeepsOneSizeAndItsPlaceWhileItTypesAndTheNextLineHasTheBalloonsOwnSizeAgain) {
  const std::vector<std::string> lines = {kLongTalk[0], "はい。"};
  auto check = [&lines](BalloonForm& form, const char* which) {
    const QFont standard = form.Label1[0]->font();
    std::vector<QFont> fonts;
    std::vector<QString> typed;
    std::vector<std::string> faults;
    for (long long tick = 0; tick <= LineLength(lines[0]); ++tick) {
      form.Timer1_Timer();
      fonts.push_back(form.Label1[0]->font());
      typed.push_back(form.Label1[0]->text());
      if (std::string fault = Misplaced(form); !fault.empty()) faults.push_back(fault);
    }
    ASSERT_EQ(testing::Said(form.Label1[0]).toStdString(), lines[0]) << which;
    EXPECT_EQ(faults, std::vector<std::string>()) << which;
    EXPECT_NE(fonts.back(), standard) << which << ": the whole line does not fit at the balloon's own size";
    EXPECT_EQ(fonts, std::vector<QFont>(fonts.size(), fonts.back())) << which << ": the size changed while typing";
    for (const QString& part : typed)
      EXPECT_TRUE(typed.back().startsWith(part)) << which << ": laid out otherwise while typing: " << part.toStdString();
    form.Command1_Click();  // the next line
    form.Timer1_Timer();
    EXPECT_EQ(form.Label1[0]->text(), QStringLiteral("は")) << which;
    EXPECT_EQ(form.Label1[0]->font(), standard) << which;
  };
  Form21* talk = Talk(lines);
  ASSERT_NE(talk, nullptr);
  check(*talk, "conversation");
  platform::Forms().Unload(form::kConversation);
  Form36* guide = Guide(lines);
  ASSERT_NE(guide, nullptr);
  check(*guide, "guide");
}

// Talks with a run of dots, and the titles they may name at their longest
// and shortest, Latin and Japanese.
std::vector<std::string> DottedTalk() {
  std::vector<std::string> lines = {
      "そうですね・・・・・・・・・・・・・・・・",
      "ふむふむなるほど、小説が原作ですか・・・・・・・・",
      "ん！・・・この小説もしかして許可とっていませんね！",
  };
  for (const std::string& title :
       {kTitle, Repeat("W", kWorkTitleLength), Repeat("m", kWorkTitleLength), std::string("Umakko"),
        std::string("空飛ぶお金持ち大作戦"), std::string("漫"), std::string("A")})
    lines.push_back(Join("「", title, "」・・・・・・・・・・・・"));
  return lines;
}

TEST_F(BalloonFormTest, ARunOfDotsBreaksWithinItselfSoTheTalkKeepsTheBalloonsOwnSize) {
  for (const std::string& line : DottedTalk()) {
    for (int number : {form::kConversation, form::kTutorialGuide}) {
      BalloonForm* form = number == form::kConversation ? static_cast<BalloonForm*>(Talk({line})) : Guide({line});
      ASSERT_NE(form, nullptr);
      const QFont standard = form->Label1[0]->font();
      Complete(*form);
      const std::string where = form->windowTitle().toStdString() + ": " + line;
      EXPECT_EQ(testing::Said(form->Label1[0]).toStdString(), line);
      EXPECT_EQ(form->Label1[0]->font(), standard) << where;
      EXPECT_EQ(Misplaced(*form), "") << where;
      // Every line a run of dots goes on from is full: one more character
      // would not fit on it.
      const QFontMetrics metrics(form->Label1[0]->font(), form->Label1[0]);
      const QStringList laid = form->Label1[0]->text().split(u'\n');
      for (qsizetype i = 0; i + 1 < laid.size(); ++i) {
        if (!laid[i + 1].startsWith(u'・')) continue;
        EXPECT_GT(metrics.horizontalAdvance(laid[i] + laid[i + 1][0]), form->Label1[0]->width())
            << where << ": line " << i << " \"" << laid[i].toStdString() << "\" has room left";
      }
      platform::Forms().Unload(number);
    }
  }
}

TEST_F(BalloonFormTest, LinesThatFitAreShownInTheBalloonsOwnFont) {
  for (const char* line : {"はじめまして。", "  体力が非常に少なくなっていて危険です。気をつけてください。",
                           "  新しくゲームを始めます。ゲームの中で使われる名前を決めてください。"}) {
    Form21* talk = Talk({line});
    ASSERT_NE(talk, nullptr);
    const QFont standard = talk->Label1[0]->font();
    Complete(*talk);
    EXPECT_EQ(talk->Label1[0]->font(), standard) << line;
    platform::Forms().Unload(form::kConversation);
  }
}

}  // namespace
}  // namespace koratsu
