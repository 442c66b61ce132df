// The two ranking windows (Form60, Form61), child windows of the main
// window, offscreen.

#include <QApplication>
#include <QByteArray>
#include <QFontMetrics>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringDecoder>
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/colors.h"
#include "platform/qt_strings.h"
#include "platform/text_box.h"
#include "platform/twips.h"
#include "production/naming.h"
#include "publishing/comics.h"
#include "publishing/rankings.h"
#include "publishing/rival_roster.h"
#include "publishing/windows/asset_ranking_window.h"
#include "publishing/windows/comics_ranking_window.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "shell/windows/new_game_window.h"
#include "state/catalogues.h"
#include "state/game_state.h"
#include "state/money.h"
#include "support/fresh_state.h"
#include "ui/forms.h"
#include "ui/game_ops.h"

namespace koratsu {
namespace {

using testing::ProcessEvents;

// The widest name the new-game window takes: as many of the widest
// full-width character the save file can hold as the box allows.
QString LongestPlayerName(const QFontMetrics& metrics) {
  QStringDecoder decoder("Shift_JIS");
  QString widest;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      QByteArray code;
      code.append(static_cast<char>(lead)).append(static_cast<char>(trail));
      const QString c = decoder.decode(code);
      if (decoder.hasError()) decoder.resetState();
      if (c.size() != 1 || !c[0].isPrint() || c[0].isSpace()) continue;
      if (widest.isEmpty() || metrics.horizontalAdvance(c) > metrics.horizontalAdvance(widest)) {
        if (platform::TakeTypedText(c) == c) widest = c;
      }
    }
  }
  return widest.repeated(Form3::kNameLength);
}

// The room a text takes in a label; a blank at its end (the player's empty
// given name) shows nothing.
int Room(const QLabel* label, QString text) {
  while (text.endsWith(u' ')) text.chop(1);
  return label->fontMetrics().horizontalAdvance(text);
}

// A place's labels, left to right, neither overlap nor leave the list.
void ExpectSideBySide(const RankingList& window, std::initializer_list<const QLabel*> columns) {
  int right = 0;
  for (const QLabel* label : columns) {
    EXPECT_GE(label->x(), right);
    right = label->x() + label->width();
  }
  EXPECT_LE(right, window.Picture1->width());
}

class RankingWindowsTest : public ::testing::Test {
 protected:
  RankingWindowsTest() {
    main.show();
    g().GameActive = 1;
    g().PlayerSei = "漫画";
    g().PlayerMei = "太郎";
  }
  ~RankingWindowsTest() override { main.Timer1->stop(); }
  GameState& g() { return state.g(); }

  template <class Window>
  Window* Open(int form) {
    ui::Show(form, ui::Modeless);
    auto* window = platform::Forms().Find<Window>(form);
    if (window) window->Timer1_Timer();
    return window;
  }
  void Comic(const char* title, const char* author, double copies, double volumes, int ended, double work = -1) {
    rec::ComicEntry* row = Append(g().ComicEntry, g().ComicCount);
    row->Title = title;
    row->Author = author;
    row->Copies = copies;
    row->Volumes = volumes;
    row->Ended = ended;
    row->MangaIndex = work;
  }
  void Person(const char* name, double assets, const char* job) {
    rec::AssetRankEntry* row = Append(g().AssetRankEntry, g().AssetRankCount);
    row->Name = name;
    row->Value = assets;
    row->Job = job;
  }
  static std::string Text(const QLabel* label) { return label->text().toStdString(); }
  static bool Red(const QLabel* label) {
    return label->palette().color(QPalette::WindowText) == platform::VbColor(255);
  }

  testing::FreshState state;
  testing::QtUiScope qt;
  MDIForm1 main;
};

TEST_F(RankingWindowsTest, TheComicsRankingShowsEverySeriesByCopiesWithThePlayersAuthorsInRed) {
  Comic("海の剣", "鈴木", 50000, 12, 1);
  Comic("空の島", "佐藤", 80000, 1, 0);
  Comic("星の島", "漫画 太郎", 50000, 3, 0, 0);
  Comic("森の家", "田中", 900, 0, 0);
  Form60* window = Open<Form60>(form::kComicsRanking);
  ASSERT_NE(window, nullptr);
  ASSERT_NE(window->SubWindow(), nullptr);
  EXPECT_EQ(window->SubWindow()->windowTitle(), QStringLiteral("コミックスの売り上げランキング"));
  EXPECT_EQ(Text(window->Label3), "== コミックスの売り上げランキングです ==");
  EXPECT_EQ(g().FormSlot[form::kComicsRanking].Open, 1);
  EXPECT_EQ(g().FormSlot[form::kComicsRanking].Redraw, 0) << "served by the first timer step";

  ASSERT_EQ(window->Label1.size(), 100u);
  EXPECT_EQ(Text(window->Label1[0]), "1位");
  EXPECT_EQ(Text(window->Label1[99]), "100位");
  EXPECT_EQ(window->Label1[99]->y(), 15 * 99 + 2);
  struct Place {
    const char *title, *volumes, *copies, *author;
    bool red;
  } places[] = {
      {"空の島", "1巻", "8万0000冊", "佐藤", false},
      {"海の剣", "全12巻", "5万0000冊", "鈴木", false},  // level with the player's, and earlier in the table
      {"星の島", "1～3巻", "5万0000冊", "漫画 太郎", true},
      {"森の家", "1巻", "900冊", "田中", false},
  };
  for (size_t k = 0; k < std::size(places); ++k) {
    EXPECT_EQ(Text(window->Label4[k]), places[k].title) << k;
    EXPECT_EQ(Text(window->Label7[k]), places[k].volumes) << k;
    EXPECT_EQ(Text(window->Label5[k]), places[k].copies) << k;
    EXPECT_EQ(Text(window->Label6[k]), places[k].author) << k;
    EXPECT_EQ(Red(window->Label6[k]), places[k].red) << k;
  }
  EXPECT_EQ(Text(window->Label4[4]), "") << "places without a series stay empty";

  // The hour's sales raise the request; the next step re-sorts.
  g().ComicEntry[2].Copies = 90000;
  window->Timer1_Timer();
  EXPECT_EQ(Text(window->Label4[0]), "空の島") << "nothing asked yet";
  g().FormSlot[form::kComicsRanking].Redraw = 1;
  window->Timer1_Timer();
  EXPECT_EQ(Text(window->Label4[0]), "星の島");
  EXPECT_TRUE(Red(window->Label6[0]));
  EXPECT_FALSE(Red(window->Label6[2])) << "the colour follows the entry";

  window->SubWindow()->close();
  ProcessEvents();
  EXPECT_FALSE(ui::IsLoaded(form::kComicsRanking));
  EXPECT_EQ(g().FormSlot[form::kComicsRanking].Open, 0);
}

TEST_F(RankingWindowsTest, EveryRivalTitleVolumeCountAndSalesFigureShowsWholeAndALongAuthorIsShortened) {
  // The whole roster on the market, in its own order.
  double copies = 1e7;
  for (const RivalWork& rival : RivalRoster()) Comic(rival.title, rival.author, copies--, 3, 0);
  Form60* window = Open<Form60>(form::kComicsRanking);
  ASSERT_NE(window, nullptr);
  int shortened = 0;
  for (size_t k = 0; k < RivalRoster().size() && k < window->Label4.size(); ++k) {
    const RivalWork& rival = RivalRoster()[k];
    const QLabel* title = window->Label4[k];
    EXPECT_EQ(Text(title), rival.title) << k;
    EXPECT_LE(Room(title, title->text()), title->width()) << rival.title;
    EXPECT_EQ(title->toolTip(), "") << rival.title;

    const QLabel* author = window->Label6[k];
    const QString whole = platform::Q(rival.author);
    EXPECT_LE(Room(author, author->text()), author->width()) << rival.author;
    if (Room(author, whole) <= author->width()) {
      EXPECT_EQ(author->text(), whole);
      EXPECT_EQ(author->toolTip(), "") << rival.author;
    } else {
      ++shortened;
      EXPECT_TRUE(author->text().endsWith(u'…')) << Text(author);
      EXPECT_TRUE(whole.startsWith(author->text().chopped(1))) << Text(author);
      EXPECT_EQ(author->toolTip(), whole);
    }
  }
  EXPECT_GT(shortened, 0) << "the longest pen names do not fit beside whole titles";

  std::vector<QString> sold;
  for (int comma : {0, 1}) {
    g().KingakuComma = comma;
    sold.push_back(platform::Q(FormatKingaku(99999999) + "冊"));
  }
  const struct {
    const QLabel* label;
    std::vector<QString> texts;
  } columns[] = {
      {window->Label7[0], {platform::Q(ComicsVolumesText(200, 0)), platform::Q(ComicsVolumesText(200, 1))}},
      {window->Label5[0], sold},
  };
  for (const auto& column : columns) {
    for (const QString& text : column.texts) {
      EXPECT_LE(Room(column.label, text), column.label->width()) << text.toStdString();
    }
  }
  ExpectSideBySide(*window, {window->Label1[0], window->Label4[0], window->Label7[0], window->Label5[0],
                             window->Label6[0]});
}

TEST_F(RankingWindowsTest, ThePlayersLongestTitleAndNameEndInAnEllipsisWithTheWholeTextAsTooltip) {
  // A title as long as the title window takes.
  const std::string longTitle = platform::ToStd(QStringLiteral("漫").repeated(kWorkTitleLength));
  Comic(longTitle.c_str(), "漫画 太郎", 5214541, 24, 0, 0);
  Comic("海の剣", "鈴木", 50000, 12, 1);
  Form60* window = Open<Form60>(form::kComicsRanking);
  ASSERT_NE(window, nullptr);
  const QString name = LongestPlayerName(window->Label6[0]->fontMetrics()) + " ";
  g().ComicEntry[0].Author = platform::ToStd(name);
  g().FormSlot[form::kComicsRanking].Redraw = 1;
  window->Timer1_Timer();
  const struct {
    const QLabel* label;
    QString whole;
  } cut[] = {{window->Label4[0], platform::Q(longTitle)}, {window->Label6[0], name}};
  for (const auto& c : cut) {
    const QString shown = c.label->text();
    ASSERT_TRUE(shown.endsWith(u'…')) << shown.toStdString();
    EXPECT_TRUE(c.whole.startsWith(shown.chopped(1))) << shown.toStdString();
    EXPECT_LE(c.label->fontMetrics().horizontalAdvance(shown), c.label->width());
    EXPECT_EQ(c.label->toolTip(), c.whole);
  }
  EXPECT_TRUE(Red(window->Label6[0])) << "shortened, still the player's";
  EXPECT_LE(window->Label4[0]->x() + window->Label4[0]->width(), window->Label7[0]->x());
  EXPECT_EQ(Text(window->Label4[1]), "海の剣");
  EXPECT_EQ(window->Label4[1]->toolTip(), "");
  EXPECT_EQ(window->Label6[1]->toolTip(), "");

  // The short entry moves up and takes no tooltip from the long one.
  g().ComicEntry[1].Copies = 9000000;
  g().FormSlot[form::kComicsRanking].Redraw = 1;
  window->Timer1_Timer();
  EXPECT_EQ(Text(window->Label4[0]), "海の剣");
  EXPECT_EQ(window->Label4[0]->toolTip(), "");
  EXPECT_EQ(window->Label6[0]->toolTip(), "");
  EXPECT_EQ(window->Label4[1]->toolTip(), platform::Q(longTitle));
  EXPECT_EQ(window->Label6[1]->toolTip(), name);
}

TEST_F(RankingWindowsTest, EveryNameFortuneAndOccupationOfTheAssetRankingShowsWhole) {
  AddAssetRanking();
  Form61* window = Open<Form61>(form::kAssetRanking);
  ASSERT_NE(window, nullptr);
  g().PlayerSei = platform::ToStd(LongestPlayerName(window->Label4[0]->fontMetrics()));
  g().PlayerMei = "";
  g().AssetRankEntry[0].Value = 9999999999.0;  // richer than anyone of the world
  for (int comma : {0, 1}) {
    g().KingakuComma = comma;
    g().FormSlot[form::kAssetRanking].Redraw = 1;
    window->Timer1_Timer();
    ASSERT_EQ(Text(window->Label4[0]), g().PlayerSei.Str() + " ");
    for (size_t k = 0; k < window->Label4.size(); ++k) {
      for (const QLabel* label : {window->Label4[k], window->Label5[k], window->Label6[k]}) {
        EXPECT_LE(Room(label, label->text()), label->width()) << k << " " << Text(label);
      }
    }
  }
  ExpectSideBySide(*window, {window->Label1[0], window->Label4[0], window->Label5[0], window->Label6[0]});
}

TEST_F(RankingWindowsTest, TheAssetRankingFollowsAMoneyChangeWithinOneTimerStep) {
  Person("旧名", 12000, "");  // the player's row, named as the window refreshes
  Person("徳大寺 栄作", 412500000, "大手銀行幹部");
  Person("有馬 与志子", 235010, "投資家");
  Form61* window = Open<Form61>(form::kAssetRanking);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->SubWindow()->windowTitle(), QStringLiteral("個人資産ランキング"));
  EXPECT_EQ(Text(window->Label3), "== 個人資産ランキングです ==");
  EXPECT_EQ(Text(window->Label4[2]), "漫画 太郎");
  EXPECT_EQ(Text(window->Label5[2]), "1万2000円");
  EXPECT_TRUE(Red(window->Label4[2]));
  EXPECT_EQ(Text(window->Label6[0]), "大手銀行幹部");
  EXPECT_FALSE(Red(window->Label4[0]));

  // The clock copied his money; a change of money asks for the redraw.
  g().AssetRankEntry[0].Value = 412500000;
  AddKingaku(1);
  window->Timer1_Timer();
  EXPECT_EQ(Text(window->Label4[0]), "漫画 太郎") << "level with the richest, and first";
  EXPECT_TRUE(Red(window->Label4[0]));
  EXPECT_FALSE(Red(window->Label4[1]));
  EXPECT_EQ(Text(window->Label5[0]), "4億1250万0000円");
}

TEST_F(RankingWindowsTest, BothKeepTheirWidthNeverGetLowerThan1301TwipsAndScrollPastTheLastPlace) {
  struct Case {
    int form, width;
  } cases[] = {{form::kComicsRanking, Form60::kWidth}, {form::kAssetRanking, Form61::kWidth}};
  EXPECT_EQ(Form60::kWidth, 400);
  EXPECT_EQ(Form61::kWidth, 385);
  for (const Case& c : cases) {
    ui::Show(c.form, ui::Modeless);
    auto* window = platform::Forms().Find<RankingList>(c.form);
    ASSERT_NE(window, nullptr);
    QMdiSubWindow* frame = window->SubWindow();
    EXPECT_EQ(frame->width(), c.width);
    frame->resize(c.width + 100, 300);
    EXPECT_EQ(frame->width(), c.width) << c.form;
    EXPECT_EQ(frame->height(), 300);
    EXPECT_EQ(window->Picture2->height(), window->height() - 40);
    EXPECT_EQ(window->VScroll1->height(), window->height() - 40);
    EXPECT_EQ(window->Picture1->height(), 1502);
    EXPECT_EQ(window->VScroll1->maximum(), 1502 - window->Picture2->height() + 4);
    EXPECT_EQ(window->VScroll1->pageStep(), 751);
    EXPECT_EQ(window->VScroll1->singleStep(), 15);
    window->VScroll1->setValue(window->VScroll1->maximum());
    EXPECT_EQ(window->Picture1->y(), -window->VScroll1->maximum());
    EXPECT_EQ(window->Label1[99]->geometry().bottom() + window->Picture1->y() + 4 + 1, window->Picture2->height())
        << "scrolled to the end, 4 pixels stay below the last place";
    for (int low : {50, 86}) {
      frame->resize(c.width, low);
      EXPECT_GE(platform::Twips(frame->height()), 1301) << low;
      EXPECT_LE(platform::Twips(frame->height() - 1), 1301) << low;
    }
    ui::Unload(c.form);
  }
}

TEST_F(RankingWindowsTest, TheWheelOverTheListScrollsItByRows) {
  for (int form : {form::kComicsRanking, form::kAssetRanking}) {
    auto* window = Open<RankingList>(form);
    ASSERT_NE(window, nullptr);
    window->SubWindow()->resize(window->SubWindow()->width(), 300);
    const int rows = QApplication::wheelScrollLines();
    EXPECT_TRUE(testing::TurnWheel(window->Picture2, -120));
    EXPECT_EQ(window->VScroll1->value(), rows * RankingList::kRowPitch) << form;
    EXPECT_EQ(window->Picture1->y(), -rows * RankingList::kRowPitch) << form;
    EXPECT_TRUE(testing::TurnWheel(window->Picture2, 120));
    EXPECT_EQ(window->Picture1->y(), 0) << form;
    ui::Unload(form);
  }
}

// Not a test: a started game with a ranking open beside the room, for the
// documentation: the player's serial among the rivals' comics
// (comics-ranking), or his money among the rich (asset-ranking).
TEST_F(RankingWindowsTest, TakesPicturesOnRequest) {
  const testing::Screenshot shot({"comics-ranking", "asset-ranking"});
  if (!shot.Asked()) GTEST_SKIP() << shot.Hint();
  testing::StartSceneGame(main, "漫画家");
  int form = form::kAssetRanking;
  if (shot.Is("comics-ranking")) {
    form = form::kComicsRanking;
    // The serial's fourth volume is out, and it sells among the best.
    std::vector<double> copies;
    for (long long r = 0; r < g().ComicCount.Index(); ++r) copies.push_back(g().ComicEntry[r].Copies.Num());
    std::sort(copies.rbegin(), copies.rend());
    rec::MangaWork& work = g().MangaWork[0];
    work.Title = "月夜の猫";
    work.Volumes = 4;
    work.TotalSold = copies.size() > 2 ? copies[2] + 12345 : 1234567;
    const long long row = AddComicRow(work.Title, "漫画家", 0, work.Volumes, 0, work.TotalSold);
    g().ComicEntry[row].MangaIndex = 0;
    g().MangaCount = 1;
  } else {
    // Years of royalties: among the first ten.
    g().Kingaku = 1150000000;
    g().AssetRankEntry[0].Value = g().Kingaku;
  }
  ui::Show(form, ui::Modeless);
  auto* window = platform::Forms().Find<RankingList>(form);
  ASSERT_NE(window, nullptr);
  window->Timer1_Timer();
  ProcessEvents(200);
  QMdiSubWindow* frame = window->SubWindow();
  frame->resize(frame->width(), 212);  // above the panel's caption
  frame->move(frame->mdiArea()->viewport()->width() - frame->width(), 0);
  ProcessEvents(100);
  shot.Take(main);
}

}  // namespace
}  // namespace koratsu
