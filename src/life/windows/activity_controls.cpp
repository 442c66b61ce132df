#include "life/windows/activity_controls.h"

#include "life/activity_windows.h"
#include "platform/controls.h"
#include "platform/heading_bar.h"
#include "platform/pictures.h"
#include "platform/placement.h"
#include "platform/twips.h"
#include "state/game_state.h"
#include "state/time_text.h"

namespace koratsu {

void PlaceActivityWindow(QWidget* window) {
  if (auto place = RememberedActivityPlace()) {
    window->move(platform::Px(place->left), platform::Px(place->top));
  } else {
    platform::CentreOverMainWindow(window);
  }
}

WindowPlace ActivityWindowPlace(const QWidget* window) {
  return {platform::Twips(window->pos().y()), platform::Twips(window->pos().x())};
}

DialogTop BuildDialogTop(QWidget* dialog, const char* heading, std::array<QLabel*, 2>& captions,
                         platform::Shape*& headingBand, platform::Shape*& promptBand, int pictureForm,
                         const char* pictureControl) {
  const auto top = platform::MakeHeadingBar(dialog, QString::fromUtf8(heading), 120, 120, 5160, 360);
  const auto prompt = platform::MakeHeadingBar(dialog, QStringLiteral("何をしますか？"), 120, 600, 1560, 360);
  headingBand = top.shape;
  captions[0] = top.label;
  promptBand = prompt.shape;
  captions[1] = prompt.label;
  auto* list = new QComboBox(dialog);
  platform::Place(list, 1800, 600, 3480, 360);
  list->setMaxVisibleItems(12);
  platform::MakeDropDown(list);
  auto* picture = new QLabel(dialog);
  platform::Place(picture, 120, 1080, 960, 960);
  picture->setPixmap(platform::FormPicture(pictureForm, QString::fromUtf8(pictureControl)));
  return {list, picture};
}

void StartAndCancelButtons(QWidget* dialog, const char* start, int top, QPushButton*& startButton,
                           QPushButton*& cancelButton) {
  startButton = new QPushButton(QString::fromUtf8(start), dialog);
  platform::Place(startButton, 2760, top, 1200, 390);
  cancelButton = new QPushButton(QStringLiteral("やめる"), dialog);
  platform::Place(cancelButton, 4080, top, 1200, 390);
  platform::DefaultButton(startButton, {cancelButton});
}

void DateClock::Build(QWidget* parent, int left, int top) {
  struct Part {
    QLabel** value;
    QLabel** unit;
    const char* word;
    int left, width;
  };
  const Part parts[] = {{&Label2[4], &Label1[4], "年", 0, 420},   {&Label2[5], &Label1[5], "月", 600, 270},
                        {&Label2[6], &Label1[6], "日", 1050, 270}, {&Label2[8], &Label1[7], "時", 1500, 690},
                        {&Label2[3], &Label1[2], "分", 2370, 270}};
  for (const Part& p : parts) {
    *p.value = new QLabel(parent);
    platform::Place(*p.value, left + p.left, top, p.width, 255);
    (*p.value)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    *p.unit = new QLabel(QString::fromUtf8(p.word), parent);
    platform::Place(*p.unit, left + p.left + p.width, top, 180, 255);
    (*p.unit)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
}

void DateClock::Show() {
  const GameState& g = State();
  Label2[4]->setText(QString::fromStdString(g.GameYear.Str()));
  Label2[5]->setText(QString::fromStdString(g.GameMonth.Str()));
  Label2[6]->setText(QString::fromStdString(g.GameDay.Str()));
  Label2[8]->setText(QString::fromStdString(HalfDayHour(g.GameHour)));
  Label2[3]->setText(QString::fromStdString(g.GameMinute.Str()));
}

}  // namespace koratsu
