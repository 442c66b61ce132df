#include "production/windows/copy_window.h"

#include "platform/qt_strings.h"
#include "production/copying.h"
#include "production/story_words.h"
#include "production/windows/story_list_layout.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

using platform::Q;

// The close box is kept and acts as やめる; the window relies on Form46's
// pause of the clock.
Form50::Form50() : Form({}) {
  setWindowTitle(QStringLiteral("漫画を盗作します"));
  StoryListLayout layout = MakeStoryListLayout(
      this, QStringLiteral("== どの漫画を盗作しますか？ =="),
      {QStringLiteral("題名"), QStringLiteral("知名度"), QStringLiteral("人気")});
  Shape1[0] = layout.heading.shape;
  Label3[0] = layout.heading.label;
  for (size_t i = 0; i < 3; ++i) {
    Shape1[i + 1] = layout.captions[i].shape;
    Label1[i] = layout.captions[i].label;
  }
  Label2[1] = layout.details[0];
  Label2[0] = layout.details[1];
  Label2[2] = layout.details[2];
  Label2[3] = layout.comment;
  List1 = layout.list;
  Command1 = layout.confirm;
  Command2 = layout.cancel;
  ConnectStoryList(
      layout, this, [this] { List1_Click(); }, [this] { Command1_Click(); }, [this] { Command2_Click(); });
}

void Form50::Form_Load() {
  platform::FillHeadingBars(Shape1);
  const GameState& g = State();
  for (long long i = 0; i < g.OtherMangaCount.Index(); ++i) List1->addItem(Q(g.OtherManga[i].Title.Str()));
  if (List1->count() > 0) List1->setCurrentRow(0);
}

void Form50::List1_Click() {
  const rec::OtherManga& manga = State().OtherManga[List1->currentRow()];
  Label2[1]->setText(Q(manga.Title.Str()));
  Label2[3]->setText(Q(manga.Comment.Str()));
  // A word outside 0 to 5 leaves the one shown before.
  if (std::optional<std::string> word = FameWord(manga.Fame)) Label2[0]->setText(Q(*word));
  if (std::optional<std::string> word = PopularityWord(manga.Popularity)) Label2[2]->setText(Q(*word));
}

void Form50::Command1_Click() { ConfirmCopy(List1->currentRow()); }

void Form50::Command2_Click() { Unload(); }

namespace {
const bool registered = platform::RegisterForm<Form50>(form::kCopyManga);
}  // namespace

}  // namespace koratsu
