// Not a test: a running game that opens the windows KORATSU_PLAY names, one
// after the other, for a player (or a program sending real keys and clicks
// under a window manager) to play. Each opening is described on stdout:
//   PLAY shown Form49 {"title":..., "frame":[x,y,w,h], ...}
//   PLAY closed Form49 clock=1 ...
// A window that is played again (a reading window closed, its notice back
// in front) is described again. Skips unless KORATSU_PLAY is set, e.g.
//   KORATSU_PLAY="fee accident-ink poll" QT_QPA_PLATFORM=xcb koratsu_window_tests --gtest_filter='PlayedWindows.*'

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/form.h"
#include "publishing/notices.h"
#include "publishing/windows/magazine_text_window.h"
#include "qtsupport/screenshot.h"
#include "qtsupport/window_testing.h"
#include "shell/windows/main_window.h"
#include "state/game_state.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {
namespace {

using platform::Form;

constexpr int kWork = 0;
// The longest texts a player can give: a title of 11, a name of 9 characters.
constexpr const char* kLongTitle = "魔法少女戦記ドラゴン嵐";
constexpr const char* kLongName = "長谷川原田山本太郎";

void Say(const std::string& line) {
  std::printf("PLAY %s\n", line.c_str());
  std::fflush(stdout);
}

std::string Json(const QString& text) {
  std::string out = "\"";
  for (char c : text.toStdString()) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '\n' || c == '\r') {
      out += "\\n";
      continue;
    }
    out += c;
  }
  return out + "\"";
}

std::string Rect(const QRect& r) {
  std::ostringstream out;
  out << "[" << r.x() << "," << r.y() << "," << r.width() << "," << r.height() << "]";
  return out.str();
}

std::string Name(const QWidget* w) {
  if (!w) return "null";
  if (auto* button = qobject_cast<const QPushButton*>(w)) return Json(button->text());
  return Json(QString::fromLatin1(w->metaObject()->className()) + ":" + w->objectName());
}

// Texts that do not fit their label: wider than it on one line, or taller
// than it once wrapped.
std::vector<std::string> CutTexts(const QWidget& window) {
  std::vector<std::string> cut;
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (!label->isVisibleTo(&window) || label->text().isEmpty() || !label->pixmap().isNull()) continue;
    const QRect inside = label->contentsRect();
    const QFontMetrics metrics(label->font());
    bool fits = true;
    if (label->wordWrap()) {
      fits = label->heightForWidth(label->width()) <= label->height();
    } else {
      for (const QString& line : label->text().split(QLatin1Char('\n')))
        fits = fits && metrics.horizontalAdvance(line) <= inside.width() && metrics.height() <= inside.height() + 2;
    }
    if (!fits) cut.push_back(Json(label->text()));
  }
  return cut;
}

void Describe(Form& form, MDIForm1& main) {
  QWidget* frame = form.Frame();
  std::ostringstream out;
  out << "shown " << form::Name(form.Number()) << " {\"title\":" << Json(form.windowTitle())
      << ",\"frame\":"
      << Rect(form.SubWindow() ? QRect(frame->mapToGlobal(QPoint()), frame->size()) : frame->frameGeometry()) << ",\"client\":" << Rect(QRect(form.mapToGlobal(QPoint()), form.size()))
      << ",\"main\":" << Rect(main.frameGeometry()) << ",\"closeHint\":"
      << ((frame->windowFlags() & Qt::WindowCloseButtonHint) ? 1 : 0) << ",\"focus\":" << Name(QApplication::focusWidget())
      << ",\"clock\":" << (main.Timer1->isActive() ? 1 : 0) << ",\"buttons\":[";
  bool first = true;
  for (const QPushButton* button : form.findChildren<QPushButton*>()) {
    if (!button->isVisibleTo(&form)) continue;
    const QPoint centre = button->mapToGlobal(button->rect().center());
    out << (first ? "" : ",") << "{\"text\":" << Json(button->text()) << ",\"at\":[" << centre.x() << "," << centre.y()
        << "],\"default\":" << (button->isDefault() ? 1 : 0) << "}";
    first = false;
  }
  out << "],\"cut\":[";
  first = true;
  for (const std::string& text : CutTexts(form)) {
    out << (first ? "" : ",") << text;
    first = false;
  }
  out << "]";
  if (auto* list = form.findChild<QListWidget*>()) {
    const QPoint at = list->mapToGlobal(list->visualItemRect(list->item(1)).center());
    out << ",\"listRow1\":[" << at.x() << "," << at.y() << "],\"cutInRows\":[";
    // What every row would show.
    const int shown = list->currentRow();
    first = true;
    for (int row = 0; row < list->count(); ++row) {
      list->setCurrentRow(row);
      for (const std::string& text : CutTexts(form)) {
        out << (first ? "" : ",") << text;
        first = false;
      }
    }
    list->setCurrentRow(shown);
    out << "]";
  }
  out << "}";
  Say(out.str());
}

// Describes whatever window of the game comes to the front, each time it does.
class Watcher {
 public:
  explicit Watcher(MDIForm1& main) : main_(main) {
    timer_.setInterval(150);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }

 private:
  void Poll() {
    Form* front = dynamic_cast<Form*>(QApplication::activeModalWidget());
    if (!front) front = platform::Forms().Find(form::kFriendship);
    if (front && front->Frame()->isVisible() && front->isVisible()) {
      if (front != last_) {
        last_ = front;
        // Once the desktop has placed it.
        QTimer::singleShot(600, front, [this, front] { Describe(*front, main_); });
      }
    } else if (!front) {
      last_ = nullptr;
    }
  }

  MDIForm1& main_;
  QTimer timer_;
  QPointer<Form> last_;
};

struct Step {
  int form;
  bool runClock;  // the clock runs as the window opens, as the game's openers leave it
  std::function<void(GameState&)> open;
};

void ShowModal(int form) { ui::Show(form, ui::Modal); }

std::map<std::string, Step> Steps() {
  std::map<std::string, Step> steps;
  steps["fee"] = {form::kFeeNotice, true, [](GameState& g) {
                    long long longest = 0;
                    for (long long i = 0; i < g.MagazineCount.Index(); ++i)
                      if (g.Magazine[i].Name.Str().size() > g.Magazine[longest].Name.Str().size()) longest = i;
                    ui::SetControlText(form::kFeeNotice, "Label2(1)", FeePurpose(longest, true));
                    ui::SetControlText(form::kFeeNotice, "Label2(0)", FeeAmount(123456789012.0));
                    ShowModal(form::kFeeNotice);
                  }};
  steps["popular"] = {form::kVeryPopular, true, [](GameState&) {
                        ui::SetControlText(form::kVeryPopular, "Label3(0)", VeryPopularHeading(kLongTitle));
                        ui::SetControlText(form::kVeryPopular, "Label1(0)",
                                           VeryPopularText(kLongTitle, PopularityNews::NewsProgramme));
                        ShowModal(form::kVeryPopular);
                      }};
  for (int mode : {0, 1}) {
    steps[mode == 0 ? "accident-ink" : "accident-fire"] = {form::kAccident, true, [mode](GameState& g) {
                                                             g.FormSlot[form::kAccident].Mode = mode;
                                                             ShowModal(form::kAccident);
                                                           }};
  }
  steps["milestone"] = {form::kSerialMilestone, true, [](GameState& g) {
                          g.FormSlot[form::kSerialMilestone].Param = 100;
                          ui::SetControlText(form::kSerialMilestone, "Label1(0)", SerialMilestoneText(kLongTitle, 100));
                          ShowModal(form::kSerialMilestone);
                        }};
  steps["million"] = {form::kComicsMilestone, true, [](GameState& g) {
                        g.MillionRecord[0] = kWork;
                        g.MillionRecord[1] = 499;
                        g.FormSlot[form::kComicsMilestone].Param = 0;
                        ShowModal(form::kComicsMilestone);
                      }};
  steps["returns"] = {form::kReturnsNotice, true, [](GameState&) {
                        ui::SetControlText(form::kReturnsNotice, "Label1(0)", ReturnsText(kLongTitle));
                        ShowModal(form::kReturnsNotice);
                      }};
  steps["congratulation"] = {form::kCongratulation, true, [](GameState&) {
                               ui::SetControlText(form::kCongratulation, "Label1", CongratulationText(6, kLongTitle));
                               ShowModal(form::kCongratulation);
                             }};
  steps["big-gain"] = {form::kBigGain, true, [](GameState& g) {
                         long long longest = 0;
                         for (long long i = 0; i < g.TiItemCount.Index(); ++i)
                           if (g.KnowledgeItem[i].Name.Str().size() > g.KnowledgeItem[longest].Name.Str().size())
                             longest = i;
                         ui::SetControlText(form::kBigGain, "Label1(1)",
                                            g.KnowledgeItem[longest].Name.Str() + "のﾎﾟｲﾝﾄが大幅上昇");
                         ShowModal(form::kBigGain);
                       }};
  for (int result = 1; result <= 3; ++result) {
    steps["contest-" + std::to_string(result)] = {form::kContestArticle, true, [result](GameState& g) {
                                                    g.MangaWork[kWork].ContestResult = result;
                                                    g.FormSlot[form::kContestArticle].Param = kWork;
                                                    ShowModal(form::kContestArticle);
                                                  }};
  }
  for (int variant = 0; variant <= 3; ++variant) {
    steps["feature-" + std::to_string(variant)] = {form::kFeaturedArticle, true, [variant](GameState& g) {
                                                     g.FormSlot[form::kFeaturedArticle].Mode = kWork;
                                                     g.FormSlot[form::kFeaturedArticle].Param = variant;
                                                     ShowModal(form::kFeaturedArticle);
                                                   }};
  }
  steps["fan-letter"] = {form::kFanLetter, true, [](GameState& g) {
                           g.FormSlot[form::kFanLetter].Param = kWork;
                           ShowModal(form::kFanLetter);
                         }};
  steps["reader"] = {form::kMagazineText, false, [](GameState&) { Form54::Read(CongratulationText(1, "")); }};
  steps["poll"] = {form::kPoll, true, [](GameState&) { ShowModal(form::kPoll); }};
  steps["new-manga"] = {form::kNewMangaChoice, true, [](GameState& g) {
                          g.FormSlot[form::kSettingsEditor].Mode = 0;
                          ShowModal(form::kNewMangaChoice);
                        }};
  steps["novel"] = {form::kNovelChoice, false, [](GameState&) { ShowModal(form::kNovelChoice); }};
  steps["copy"] = {form::kCopyManga, false, [](GameState&) { ShowModal(form::kCopyManga); }};
  steps["refused"] = {form::kNovelRefused, false, [](GameState& g) {
                        g.ChosenNovel = 0;
                        ShowModal(form::kNovelRefused);
                      }};
  steps["friendship"] = {form::kFriendship, true, [](GameState&) {
                           ui::Show(form::kFriendship, ui::Modeless);
                           while (platform::Forms().IsLoaded(form::kFriendship)) testing::ProcessEvents(50);
                         }};
  return steps;
}

TEST(PlayedWindows, OpensTheWindowsKoratsuPlayNames) {
  const char* asked = std::getenv("KORATSU_PLAY");
  if (!asked || !*asked) GTEST_SKIP() << "set KORATSU_PLAY to the steps to play";
  testing::SceneGame scene(kLongName);
  GameState& g = State();
  g.MangaWork[kWork].Title = kLongTitle;
  g.MangaWork[kWork].Magazine = 0;
  g.MangaClass[0][kWork] = 1;
  g.MangaClass[1][kWork] = 1;
  Watcher watcher(scene.main);

  const std::map<std::string, Step> steps = Steps();
  std::istringstream names(asked);
  for (std::string name; names >> name;) {
    auto step = steps.find(name);
    ASSERT_NE(step, steps.end()) << name;
    const int popularity = static_cast<int>(g.PlayerPopularity.Num() * 2);
    scene.main.SetClockRunning(step->second.runClock);
    g.ResumeRequest = 0;
    Say("open " + name);
    step->second.open(g);
    std::ostringstream out;
    out << "closed " << form::Name(step->second.form) << " clock=" << (scene.main.Timer1->isActive() ? 1 : 0)
        << " resumeRequest=" << g.ResumeRequest.Num() << " popularityHalves+="
        << static_cast<int>(g.PlayerPopularity.Num() * 2) - popularity << " slotsInUse=" << g.SlotsInUse.Num();
    scene.main.SetClockRunning(false);
    Say(out.str());
    testing::ProcessEvents(300);
  }
  Say("done");
}

}  // namespace
}  // namespace koratsu
