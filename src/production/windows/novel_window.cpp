#include "production/windows/novel_window.h"

#include "platform/qt_strings.h"
#include "production/adaptation.h"
#include "production/story_words.h"
#include "production/windows/story_list_layout.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

using platform::Q;

// The close box is kept and acts as やめる; the window relies on Form46's
// pause of the clock.
Form56::Form56() : Form({}) {
  setWindowTitle(QStringLiteral("小説を漫画化します"));
  StoryListLayout layout = MakeStoryListLayout(
      this, QStringLiteral("== どの小説にしますか？ =="),
      {QStringLiteral("題名"), QStringLiteral("出版社"), QStringLiteral("人気")});
  Shape1[0] = layout.heading.shape;
  Label3[0] = layout.heading.label;
  for (size_t i = 0; i < 3; ++i) {
    Shape1[i + 1] = layout.captions[i].shape;
    Label3[i + 1] = layout.captions[i].label;
    Label1[i] = layout.details[i];
  }
  Label1[3] = layout.comment;
  List1 = layout.list;
  Command1 = layout.confirm;
  Command2 = layout.cancel;
  ConnectStoryList(
      layout, this, [this] { List1_Click(); }, [this] { Command1_Click(); }, [this] { Command2_Click(); });
}

void Form56::Form_Load() {
  platform::FillHeadingBars(Shape1);
  const GameState& g = State();
  for (long long i = 0; i < g.NovelCount.Index(); ++i) List1->addItem(Q(g.Novel[i].Title.Str()));
  if (List1->count() > 0) List1->setCurrentRow(0);
}

void Form56::List1_Click() {
  const GameState& g = State();
  const rec::Novel& novel = g.Novel[List1->currentRow()];
  Label1[0]->setText(Q(novel.Title.Str()));
  Label1[3]->setText(Q(novel.Comment.Str()));
  Label1[1]->setText(Q(PublisherNameOf(novel.Publisher).Str()));
  // A popularity outside 0 to 5 leaves the word shown before.
  if (std::optional<std::string> word = PopularityWord(novel.Popularity)) Label1[2]->setText(Q(*word));
}

void Form56::Command1_Click() { ConfirmNovel(List1->currentRow()); }

void Form56::Command2_Click() { Unload(); }

namespace {
const bool registered = platform::RegisterForm<Form56>(form::kNovelChoice);
}  // namespace

}  // namespace koratsu
