// Names and titles the player typed read exactly as typed wherever the game
// shows them, even when they look like markup: the information panel, a
// ranking row and its tooltip, and a question that quotes a work's title.

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <string>

#include "platform/qt_strings.h"
#include "production/work_record.h"
#include "publishing/contest.h"
#include "publishing/submission_lists.h"
#include "publishing/windows/comics_ranking_window.h"
#include "qtsupport/running_game.h"
#include "qtsupport/window_testing.h"
#include "shell/game_flow.h"
#include "shell/windows/info_panel.h"
#include "shell/windows/main_window.h"
#include "shell/windows/message_boxes.h"
#include "state/game_state.h"
#include "ui/forms.h"
#include "ui/game_ops.h"

namespace koratsu {
namespace {

using platform::Q;
using platform::ToStd;

std::string Shown(QLabel* label) { return ToStd(testing::Shown(label)); }
std::string ShownToolTip(QWidget* widget) { return ToStd(testing::ShownToolTip(widget)); }

// Texts Qt would read as markup or as an entity, and one it would not.
const char* const kTyped[] = {"<b>Ab</b>", "a&lt;b", "<i>x", "&amp;", "<img src=x>", "<br>"};

using TypedTextTest = testing::RunningGameTest;

TEST_F(TypedTextTest, ANameOrTitleThatLooksLikeMarkupShowsAsTyped) {
  for (const char* typed : kTyped) {
    SCOPED_TRACE(typed);
    const std::string text = typed;
    // A new game in the player's typed name, the clock held where it starts.
    ASSERT_TRUE(shell::ConfirmNewGame(text, *main));
    main->Timer1->stop();
    GameState& g = State();

    auto* panel = platform::Forms().Find<Form4>(form::kInfoPanel);
    ASSERT_NE(panel, nullptr);
    panel->Timer1_Timer();
    EXPECT_EQ(Shown(panel->NameText), text + " ");

    // His work, first in the comics ranking under a pen name too long for
    // its column: shortened, whole in the tooltip.
    const long long work = AppendMangaWork();
    g.MangaWork[work].Title = text;
    g.MangaWork[work].State = manga_state::kUnsent;
    rec::ComicEntry* entry = Append(g.ComicEntry, g.ComicCount);
    ASSERT_NE(entry, nullptr);
    const std::string author = text + " 漫画太郎漫画";
    entry->Title = text;
    entry->Author = author;
    entry->Copies = 999999999;
    entry->Volumes = 3;
    entry->MangaIndex = work;
    ui::Show(form::kComicsRanking, ui::Modeless);
    auto* ranking = platform::Forms().Find<Form60>(form::kComicsRanking);
    ASSERT_NE(ranking, nullptr);
    ranking->Timer1_Timer();
    EXPECT_EQ(Shown(ranking->Label4[0]), text);
    EXPECT_EQ(ShownToolTip(ranking->Label4[0]), "") << "a title that fits has no tooltip";
    QLabel* name = ranking->Label6[0];
    const QString shortened = name->text();
    EXPECT_EQ(Shown(name), ToStd(shortened));
    EXPECT_TRUE(shortened.endsWith(u'…') && Q(author).startsWith(shortened.chopped(1))) << ToStd(shortened);
    EXPECT_LE(name->fontMetrics().horizontalAdvance(shortened), name->width());
    EXPECT_EQ(ShownToolTip(name), author);

    OpenContestPost();
    SelectSubmissionMagazine(0);
    SelectSubmissionWork(0);
    const std::string question = g.Magazine[0].PublisherName.Str() + "に「" + text + "」を投稿しますか？";
    testing::ModalScript script;
    script.When(form::kYesNo, [&](platform::Form& window) {
      auto& box = static_cast<Form40&>(window);
      EXPECT_EQ(Shown(box.Label1), question);
      EXPECT_LE(box.Label1->heightForWidth(box.Label1->width()), box.Label1->height()) << "the question fits its box";
      box.Command1[1]->click();
    });
    EXPECT_FALSE(PostSelectedWork());
    EXPECT_TRUE(script.Done());
  }
}

}  // namespace
}  // namespace koratsu
