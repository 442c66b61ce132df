#include "support/window_play.h"

#include <algorithm>
#include <utility>

#include "life/activity_windows.h"
#include "life/arubaito.h"
#include "life/assistants.h"
#include "life/equipment.h"
#include "life/experience.h"
#include "life/knowledge_list.h"
#include "life/outing.h"
#include "life/points_gained.h"
#include "life/training.h"
#include "production/adaptation.h"
#include "production/archive.h"
#include "production/copying.h"
#include "production/delivery.h"
#include "production/naming.h"
#include "production/next_episode.h"
#include "production/point_buttons.h"
#include "production/schedule.h"
#include "production/serial_delivery.h"
#include "production/serial_milestones.h"
#include "production/settings_editor.h"
#include "production/work_card.h"
#include "production/working.h"
#include "publishing/awards.h"
#include "publishing/bring_in.h"
#include "publishing/comics_release.h"
#include "publishing/contest.h"
#include "publishing/end_serial.h"
#include "publishing/game_end.h"
#include "publishing/magazine_texts.h"
#include "publishing/media_offers.h"
#include "publishing/notices.h"
#include "publishing/novel_permission.h"
#include "publishing/poll.h"
#include "publishing/rankings.h"
#include "publishing/requests.h"
#include "publishing/submission_lists.h"
#include "shell/about.h"
#include "shell/game_flow.h"
#include "shell/tutorial.h"
#include "state/game_state.h"
#include "state/log.h"
#include "state/tutorial_stage.h"
#include "support/settings_player.h"
#include "ui/forms.h"
#include "ui/tutorial_stages.h"
#include "ui/ui.h"

namespace koratsu::testing {

namespace {

using Play = std::function<void(WindowContext&)>;

// The largest number of points a setting takes, and of timer steps the
// points-gained window needs for every row to move in.
constexpr int kMostSettingTicks = 15;
constexpr int kPointsGainedSteps = 12;
// Press-and-hold buttons are held for up to this many timer ticks.
constexpr int kMostHeldTicks = 20;

Play Close(int form) {
  return [form](WindowContext&) { ui::Unload(form); };
}

WindowButton Closing(int form, const char* caption = "閉じる", int weight = 1) {
  return {caption, weight, Close(form)};
}

int Rows(const Value& count) { return std::max(1, static_cast<int>(count.Index())); }

// A notice: its one button does what the notice does, then closes it.
WindowPlay Notice(int form, const char* caption, Play pressed = {}) {
  WindowPlay play;
  play.traits.pauseClock = true;
  play.buttons = {{caption, 1, [form, pressed](WindowContext& c) {
                     if (pressed) pressed(c);
                     ui::Unload(form);
                   }}};
  return play;
}

// A window inside the main window that shows what its flags ask for.
WindowPlay Child(Play rebuild = {}) {
  WindowPlay play;
  play.traits.trackOpen = true;
  play.traits.servesRefresh = true;
  play.rebuild = std::move(rebuild);
  return play;
}

// A progress window of a timed activity: it remembers where it was left.
WindowPlay Progress() {
  WindowPlay play;
  play.traits.resumeClockOnClose = true;
  play.load = [](WindowContext&) { ActivityWindowLoaded(); };
  play.close = [](WindowContext& c) { ActivityWindowClosed({c.activityTop, c.activityLeft}); };
  return play;
}

// The dialog of a timed activity: a list of choices, its start button and やめる.
WindowPlay ActivityChoice(int form, const char* start, void (*open)(), void (*choose)(int), bool (*begin)(int),
                          const Value GameState::*count, const char* list) {
  WindowPlay play;
  play.traits = {.pauseClock = true, .resumeRequestOnClose = true};
  play.load = [open, choose](WindowContext&) {
    open();
    choose(0);
  };
  play.buttons = {{start, 4,
                   [form, choose, begin, count, list](WindowContext& c) {
                     const int row = c.Choices().Row(form, list, Rows(State().*count));
                     choose(row);
                     begin(row);
                   }},
                  Closing(form, "やめる")};
  play.closeButton = 1;
  return play;
}

// Reading an article or a letter: the text in the magazine reading window.
Play Read(std::string (*text)()) {
  return [text](WindowContext&) {
    text();
    ui::Show(form::kMagazineText, ui::Modal);
  };
}

// A press-and-hold point button held for the ticks the player chooses.
void Hold(int form, const std::string& list, WindowContext& c, void (*press)(int, int), int row, int repeat,
          bool (*step)(), void (*release)()) {
  press(row, repeat);
  const int ticks = 1 + c.Choices().Row(form, list, kMostHeldTicks);
  for (int t = 0; t < ticks; ++t) step();
  release();
}

// The settings editor's plan: one to three settings from the candidates,
// each holding the points the player pours in, then 作成開始 for the
// audience and genre chosen.
void PlanAndStart(WindowContext& c) {
  GameState& g = State();
  const int candidates = static_cast<int>(g.CandidateCount.Index());
  if (candidates > 0) {
    const int settings = 1 + c.Choices().Row(form::kSettingsEditor, "settings", std::min(kSettingCount, candidates));
    const int first = c.Choices().Row(form::kSettingsEditor, "candidate", candidates);
    for (int k = 0; k < settings; ++k) {
      const Value item = g.SettingCandidate[(first + k) % candidates].Item;
      PlanSetting(k, static_cast<int>(item.Index()),
                  kMostSettingTicks - c.Choices().Row(form::kSettingsEditor, "points", kMostSettingTicks));
    }
  }
  const int audience = c.Choices().Row(form::kSettingsEditor, "audience", Rows(g.ClassList[1].Count));
  const int genre = c.Choices().Row(form::kSettingsEditor, "genre", Rows(g.ClassList[2].Count));
  StartProduction(audience, genre);
}

// A busy slot's row of the schedule window, chosen by the player.
int BusySlotRow(WindowContext& c) {
  std::vector<int> busy;
  for (int s = 0; s < 6; ++s)
    if (State().SlotKanseido[s] > 0) busy.push_back(s);
  if (busy.empty()) return 0;
  return busy[static_cast<std::size_t>(c.Choices().Row(form::kSchedule, "slot", static_cast<int>(busy.size())))];
}

WindowPlay Schedule() {
  WindowPlay play;
  play.traits = {.pauseClock = true, .resumeRequestOnClose = true};
  play.load = [](WindowContext&) { OpenSchedule(); };
  play.buttons = {
      {"決定", 6, [](WindowContext&) { ConfirmSchedule(); }},
      {"キャンセル", 1, [](WindowContext&) { CancelSchedule(); }},
      {"ﾎﾟｲﾝﾄ均等", 1, [](WindowContext&) { SplitSchedulePointsEvenly(); }},
      {"余裕を持って", 1, [](WindowContext&) { ChooseSchedulePace(0); }},
      {"普通に", 1, [](WindowContext&) { ChooseSchedulePace(1); }},
      {"無理をして", 1, [](WindowContext&) { ChooseSchedulePace(2); }},
      {"▲", 1,
       [](WindowContext& c) {
         Hold(form::kSchedule, "ticks", c, PressSchedulePointButton, BusySlotRow(c), kPointRepeatAdd,
              ScheduleTimerStep, ReleaseSchedulePointButton);
       }},
      {"▼", 1,
       [](WindowContext& c) {
         Hold(form::kSchedule, "ticks", c, PressSchedulePointButton, BusySlotRow(c), kPointRepeatTakeBack,
              ScheduleTimerStep, ReleaseSchedulePointButton);
       }},
  };
  play.closeButton = 1;
  play.close = [](WindowContext&) { CloseSchedule(); };
  return play;
}

WindowPlay SettingsEditor() {
  WindowPlay play;
  play.traits.resumeRequestOnClose = true;
  play.load = [](WindowContext&) { OpenSettingsEditor(); };
  play.buttons = {{"作成開始", 4, PlanAndStart}, Closing(form::kSettingsEditor, "やめる"),
                  {"なし", 1, [](WindowContext&) { ClearSelectedSetting(); }}};
  play.closeButton = 1;
  return play;
}

WindowPlay NewMangaChoice() {
  WindowPlay play;
  play.traits = {.pauseClock = true, .resumeRequestOnClose = true};
  auto opens = [](int window) { return [window](WindowContext&) { ui::Show(window, ui::Modal); }; };
  play.buttons = {{"オリジナルストーリー", 12, opens(form::kSettingsEditor)},
                  {"小説を漫画化する", 3, opens(form::kNovelChoice)},
                  {"他の漫画を盗作する", 1, opens(form::kCopyManga)},
                  // Hidden when a magazine's work must be made.
                  {"やめる", 1, [](WindowContext&) {
                     const Value& mode = State().FormSlot[form::kSettingsEditor].Mode;
                     if (mode != 1 && mode != 2) ui::Unload(form::kNewMangaChoice);
                   }}};
  play.closeButton = 3;
  return play;
}

WindowPlay WorkTitle() {
  WindowPlay play;
  play.traits = {.pauseClock = true};
  play.load = [](WindowContext&) { WorkTitleLoaded(); };
  play.buttons = {{"決定", 1, [](WindowContext& c) {
                     const TitleOutcome outcome = NameFinishedWork(c.TitleToType());
                     if (outcome == TitleOutcome::Refused) return;
                     ui::Unload(form::kWorkTitle);
                     if (outcome == TitleOutcome::Recorded) SendNamedWorkOn();
                   }}};
  play.close = [](WindowContext&) { WorkTitleClosed(); };
  return play;
}

WindowPlay FinishedWork() {
  WindowPlay play;
  play.traits = {.pauseClock = true, .resumeRequestOnClose = true};
  play.load = [](WindowContext&) { AdvanceTutorial(tutorial_stage::kFinishedWork); };
  auto sends = [](int button) {
    return [button](WindowContext&) {
      ui::Unload(form::kFinishedWork);
      SendFinishedWork(button);
    };
  };
  play.buttons = {{"出版社に送る", 3, sends(0)}, {"出版社に持込み", 1, sends(1)}, {"今はやめておく", 1, sends(3)}};
  return play;
}

WindowPlay ContestPost() {
  WindowPlay play;
  play.traits = {.pauseClock = true, .resumeRequestOnClose = true};
  play.load = [](WindowContext&) {
    OpenContestPost();
    SelectSubmissionMagazine(0);
    SelectSubmissionWork(0);
  };
  play.buttons = {{"送る", 4,
                   [](WindowContext& c) {
                     const GameState& g = State();
                     SelectSubmissionMagazine(c.Choices().Row(form::kContestPost, "magazine", Rows(g.MagazineCount)));
                     SelectSubmissionWork(c.Choices().Row(form::kContestPost, "work", Rows(g.MangaListCount)));
                     PostSelectedWork();
                   }},
                  Closing(form::kContestPost, "やめる")};
  play.closeButton = 1;
  return play;
}

WindowPlay Envelope() {
  WindowPlay play;
  play.traits.pauseClock = true;
  play.load = [](WindowContext& c) { c.envelopeLeft = kEnvelopeLeft; };
  // It closes itself once it has arrived.
  play.timer = [](WindowContext& c) {
    if (MoveEnvelope(c.envelopeLeft)) ui::Unload(form::kPostingAnimation);
  };
  return play;
}

WindowPlay Equipment() {
  WindowPlay play;
  play.traits = {.pauseClock = true, .resumeRequestOnClose = true};
  play.load = [](WindowContext&) { SelectEquipment(0); };
  play.buttons = {{"購入する", 2,
                   [](WindowContext& c) {
                     SelectEquipment(c.Choices().Row(form::kEquipment, "equipment", 5));
                     if (BuyEquipment()) ui::Unload(form::kEquipment);
                   }},
                  Closing(form::kEquipment, "やめる")};
  play.closeButton = 1;
  return play;
}

WindowPlay Assistants(int form, const char* command, void (*list)(), bool (*act)(const Value&)) {
  WindowPlay play;
  play.traits = {.pauseClock = true, .resumeRequestOnClose = true};
  play.load = [list](WindowContext&) { list(); };
  play.buttons = {{command, 2,
                   [form, act](WindowContext& c) {
                     if (act(c.Choices().Row(form, "page", Rows(State().AsiListCount)))) ui::Unload(form);
                   }},
                  Closing(form, "やめる")};
  play.closeButton = 1;
  return play;
}

WindowPlay PointsGained() {
  WindowPlay play;
  play.traits = {.pauseClock = true, .resumeRequestOnClose = true};
  play.load = [](WindowContext&) { LoadPointsGained(); };
  // The player watches the rows move in for a while before closing it.
  play.buttons = {{"閉じる", 1, [](WindowContext& c) {
                     const int steps =
                         kPointsGainedSteps - c.Choices().Row(form::kPointsGained, "steps", kPointsGainedSteps + 1);
                     for (int step = 0; step < steps; ++step) PointsGainedStep();
                     ui::Unload(form::kPointsGained);
                   }}};
  play.close = [](WindowContext&) { ClosePointsGained(); };
  return play;
}

WindowPlay LevelUp() {
  WindowPlay play;
  play.traits.pauseClock = true;
  play.buttons = {{"次へ >>", 1, [](WindowContext&) {
                     if (!TurnLevelUpLine()) ui::Unload(form::kLevelUp);
                   }}};
  play.close = [](WindowContext&) { CloseLevelUp(); };
  return play;
}

WindowPlay AboutBox() {
  WindowPlay play;
  play.traits.pauseClock = true;
  play.load = [](WindowContext&) { shell::StartAboutSequence(); };
  auto picture = [](bool left) {
    return [left](WindowContext&) {
      if (shell::PressAboutPicture(left)) ui::Show(form::kTricks, ui::Modal);
    };
  };
  play.buttons = {Closing(form::kAbout, "閉じる", 3),
                  {"Vorelliのサイトへ行く", 1, [](WindowContext&) { ui::OpenWebPage("https://koratsu.example.org/"); }},
                  {"Image1 左ボタン", 1, picture(true)},
                  {"Image1 右ボタン", 1, picture(false)}};
  play.closeButton = 0;
  return play;
}

WindowPlay Tricks() {
  WindowPlay play;
  play.buttons = {Closing(form::kTricks, "閉じる", 4),
                  {"エンディングを見る", 1,
                   [](WindowContext&) {
                     ui::Unload(form::kTricks);
                     ui::Unload(form::kAbout);
                     ui::Show(form::kEnding, ui::Modal);
                   }},
                  {"知識ﾎﾟｲﾝﾄをまんたん", 1, [](WindowContext&) { shell::FillKnowledgePoints(); }}};
  play.closeButton = 0;
  return play;
}

// The game over and the ending lead back to the title screen.
WindowPlay GameEnd(int form, const char* caption, bool scrolls) {
  WindowPlay play;
  play.traits.pauseClock = true;
  play.buttons = {{caption, 1, [form, scrolls](WindowContext& c) {
                     // The ending's button waits for the text to have scrolled by.
                     int top = kEndingTextTop;
                     while (scrolls && !ScrollEnding(top, kEndingTextHeight)) {
                     }
                     shell::ReturnToTitle(c.screen, form);
                   }}};
  return play;
}

WindowPlay TutorialStartEnd() {
  WindowPlay play;
  play.traits.pauseClock = true;
  play.load = [](WindowContext& c) { shell::OpenTutorialWindow(c.screen); };
  play.buttons = {{"始める", 1, [](WindowContext& c) { shell::PressTutorialWindowButton(c.screen); }}};
  return play;
}

WindowPlay TutorialGuide() {
  WindowPlay play;
  // The guide takes the lines of a new stage at its next tick.
  play.timer = [](WindowContext&) {
    GameState& g = State();
    if (g.TutorialStageLoaded != 0) return;
    g.TutorialStageLoaded = 1;
    LoadTutorialStageLines();
  };
  return play;
}

WindowPlay NewGame() {
  WindowPlay play;
  play.traits.pauseClock = true;
  play.buttons = {{"決定", 1, [](WindowContext& c) { shell::ConfirmNewGame(c.playerName, c.screen); }},
                  Closing(form::kNewGame, "やめる")};
  play.closeButton = 1;
  return play;
}

// A window whose two buttons change their captions with its mode: each
// caption pressed acts as its button, Command1 or Command2.
std::vector<WindowButton> TwoButtons(std::vector<std::pair<const char*, const char*>> captions, int firstWeight,
                                     Play first, Play second) {
  std::vector<WindowButton> buttons;
  for (const auto& [one, two] : captions) {
    buttons.push_back({one, firstWeight, first});
    buttons.push_back({two, 1, second});
  }
  return buttons;
}

WindowPlay EndSerial() {
  WindowPlay play;
  play.traits = {.pauseClock = true, .resumeRequestOnClose = true};
  play.load = [](WindowContext& c) { c.endableSerials = static_cast<int>(ListEndableSerials().size()); };
  play.buttons = {{"決定", 1,
                   [](WindowContext& c) {
                     if (c.endableSerials == 0) return;  // disabled without a serial
                     const int row = c.Choices().Row(form::kEndSerial, "serial", c.endableSerials);
                     ui::Unload(form::kEndSerial);
                     EndListedSerial(row);
                   }},
                  Closing(form::kEndSerial, "やめる", 3)};
  play.closeButton = 1;
  return play;
}

WindowPlay RequestReply() {
  WindowPlay play;
  play.traits.pauseClock = true;
  play.buttons = TwoButtons({{"引き受ける", "引き受けない"}, {"終了させる", "やめる"}}, 3,
                            [](WindowContext&) { AcceptRequest(); }, [](WindowContext&) { DeclineRequest(); });
  return play;
}

// A delivery: a requested one-shot, or a serial's episode with the next
// episode's points planned on its panel before 送る.
WindowPlay Delivery() {
  WindowPlay play;
  play.traits.pauseClock = true;
  play.load = [](WindowContext& c) {
    OpenDelivery();
    c.planningNextEpisode = false;
    if (State().FormSlot[form::kDelivery].Mode == delivery_mode::kSerial)
      c.planningNextEpisode = DeliverSerialEpisode().outcome == SerialDeliveryOutcome::NextEpisode;
    else
      DeliverRequestedOneShot();
  };
  auto hold = [](int repeat) {
    return [repeat](WindowContext& c) {
      if (!c.planningNextEpisode) return;
      Hold(form::kDelivery, "ticks", c, PressNextEpisodePointButton, c.Choices().Row(form::kDelivery, "row", 3),
           repeat, [] { return NextEpisodeTimerStep() >= 0; }, ReleaseNextEpisodePointButton);
    };
  };
  play.buttons = {{"送る", 3,
                   [](WindowContext& c) {
                     if (c.planningNextEpisode) BookNextEpisode();
                     ui::Unload(form::kDelivery);
                     DeliverySent();
                     CelebrateSerialMilestone();
                   }},
                  {"▲", 1, hold(kPointRepeatAdd)},
                  {"▼", 1, hold(kPointRepeatTakeBack)}};
  return play;
}

WindowPlay SerialTitle() {
  WindowPlay play;
  play.traits.pauseClock = true;
  play.buttons = {{"決定", 1, [](WindowContext& c) { ConfirmSerialTitle(c.TitleToType()); }}};
  return play;
}

WindowPlay BringIn() {
  WindowPlay play;
  play.traits = {.pauseClock = true, .resumeRequestOnClose = true};
  play.load = [](WindowContext&) {
    OpenBringIn();
    SelectSubmissionMagazine(0);
    SelectSubmissionWork(0);
  };
  play.buttons = {{"持込む", 4,
                   [](WindowContext& c) {
                     const GameState& g = State();
                     SelectSubmissionMagazine(c.Choices().Row(form::kBringIn, "magazine", Rows(g.MagazineCount)));
                     SelectSubmissionWork(c.Choices().Row(form::kBringIn, "work", Rows(g.MangaListCount)));
                     BringInSelectedWork();
                   }},
                  Closing(form::kBringIn, "やめる")};
  play.closeButton = 1;
  return play;
}

// An offer to make an anime or a movie: the window is gone before the answer.
WindowPlay MediaOffer() {
  WindowPlay play;
  play.traits.pauseClock = true;
  play.load = [](WindowContext&) { MediaOfferWindowTexts(); };
  play.buttons = TwoButtons({{"アニメ化する", "アニメ化しない"}, {"映画化する", "映画化しない"}}, 3,
                            [](WindowContext&) {
                              ui::Unload(form::kMediaOffer);
                              AcceptMediaOffer();
                            },
                            [](WindowContext&) {
                              ui::Unload(form::kMediaOffer);
                              DeclineMediaOffer();
                            });
  play.close = [](WindowContext&) { State().ResumeRequest = 1; };
  return play;
}

WindowPlay MerchOffer() {
  WindowPlay play;
  play.traits.pauseClock = true;
  play.load = [](WindowContext&) { LoadMerchOffer(); };
  // Command1 declines, Command2 accepts.
  play.buttons = TwoButtons({{"商品化しない", "商品化する"}, {"契約しない", "契約する"}}, 1, Close(form::kMerchOffer),
                            [](WindowContext&) {
                              AcceptMerchOffer();
                              if (ui::IsLoaded(form::kMerchOffer)) ui::Unload(form::kMerchOffer);
                            });
  for (std::size_t b = 1; b < play.buttons.size(); b += 2) play.buttons[b].weight = 3;
  return play;
}

WindowPlay Working() {
  WindowPlay play;
  play.load = [](WindowContext&) { OpenWorking(); };
  play.timer = [](WindowContext&) { WorkingAnimationStep(); };
  play.buttons = {Closing(form::kWorking, "ストップ")};
  play.closeButton = 0;
  play.close = [](WindowContext& c) { CloseWorking({c.activityTop, c.activityLeft}); };
  return play;
}

WindowPlay Archive() {
  WindowPlay play = Child();
  play.traits.servesRefresh = false;
  play.load = [](WindowContext&) { State().FormSlot[form::kArchive].Param = kNoPanel; };
  // Its own timer serves the refresh requests once there are works.
  play.timer = [](WindowContext&) {
    GameState& g = State();
    if (g.MangaCount <= 0) return;
    rec::FormSlot& slot = g.FormSlot[form::kArchive];
    if (slot.Rebuild == 1) slot.Rebuild = 0, slot.Redraw = 1;
    if (slot.Redraw == 1) slot.Redraw = 0;
  };
  play.buttons = {{"ダブルクリック", 1, [](WindowContext& c) {
                     OpenWorkCard(c.Choices().Row(form::kArchive, "work", Rows(State().MangaCount)));
                   }}};
  return play;
}

// A ranking window: it asks for its redraw as it loads, and each redraw
// ranks the table again and describes the places it shows. Its frame's
// close box closes it.
WindowPlay Ranking(int form, void (*refresh)(), int (*places)(), void (*describe)(int)) {
  WindowPlay play = Child();
  play.load = [form](WindowContext&) { State().FormSlot[form].Redraw = 1; };
  play.buttons = {Closing(form, kCloseBox)};
  play.closeButton = 0;
  play.redraw = [refresh, places, describe](WindowContext&) {
    refresh();
    for (int k = 0, shown = places(); k < shown; ++k) describe(k);
  };
  return play;
}

WindowPlay Modeless(WindowTraits traits = {}) {
  WindowPlay play;
  play.traits = traits;
  return play;
}

WindowPlay Closes(int form, WindowTraits traits, Play load = {}, const char* caption = "閉じる") {
  WindowPlay play;
  play.traits = traits;
  play.load = std::move(load);
  play.buttons = {Closing(form, caption)};
  play.closeButton = 0;
  return play;
}

std::map<int, WindowPlay> MakeTable() {
  const WindowTraits paused{.pauseClock = true};
  std::map<int, WindowPlay> t;
  t[form::kRoomView] = Child();
  t[form::kRoomView].traits.servesRefresh = false;
  t[form::kAbout] = AboutBox();
  t[form::kNewGame] = NewGame();
  t[form::kInfoPanel] = Child();
  t[form::kSettingsEditor] = SettingsEditor();
  t[form::kCompletion] = Child();
  t[form::kCompletion].load = [](WindowContext&) { State().FormSlot[form::kCompletion].Rebuild = 1; };
  t[form::kWorkTitle] = WorkTitle();
  t[form::kContestPost] = ContestPost();
  t[form::kPoll] = Closes(form::kPoll, paused, [](WindowContext&) { HoldPoll(); });
  t[form::kArchive] = Archive();
  t[form::kSchedule] = Schedule();
  t[form::kEnding] = GameEnd(form::kEnding, "閉じる", true);
  t[form::kEquipment] = Equipment();
  t[form::kAccident] = Notice(form::kAccident, "閉じる");
  t[form::kConversation] = Modeless({.pauseClock = true, .resumeRequestOnClose = true});
  t[form::kOuting] = ActivityChoice(form::kOuting, "決定", OpenOuting, [](int row) { ChooseOuting(row); },
                                    [](int) { return StartOuting(); }, &GameState::SanpoCount, "outing");
  t[form::kOuting].traits.resumeRequestOnClose = false;
  t[form::kOutingProgress] = Progress();
  t[form::kPointsGained] = PointsGained();
  t[form::kTricks] = Tricks();
  t[form::kKnowledgeList] = Child([](WindowContext&) { RebuildKnowledgeList(); });
  t[form::kKnowledgeList].load = [](WindowContext&) { State().FormSlot[form::kKnowledgeList].Rebuild = 1; };
  t[form::kToolWindow] = Modeless();
  t[form::kWorking] = Working();
  t[form::kArubaito] = ActivityChoice(form::kArubaito, "決定", OpenArubaito, ChooseArubaito, StartArubaito,
                                      &GameState::ArubaitoCount, "job");
  t[form::kArubaitoProgress] = Progress();
  t[form::kArubaitoEnd] = Closes(form::kArubaitoEnd, paused, [](WindowContext&) { PayArubaito(); });
  t[form::kSerialMilestone] = Notice(form::kSerialMilestone, "閉じる");
  t[form::kTutorialGuide] = TutorialGuide();
  t[form::kComicsMilestone] = Notice(form::kComicsMilestone, "閉じる");
  t[form::kTutorialStartEnd] = TutorialStartEnd();
  t[form::kTraining] = ActivityChoice(form::kTraining, "修行する", OpenSyugyou, ChooseSyugyou, StartSyugyou,
                                      &GameState::SyugyouCount, "course");
  t[form::kYesNo] = Modeless();
  t[form::kYesNo].buttons = {{"はい", 1, [](WindowContext&) { State().YesNoAnswer = 0; ui::Unload(form::kYesNo); }},
                             {"いいえ", 1, [](WindowContext&) { State().YesNoAnswer = 1; ui::Unload(form::kYesNo); }}};
  t[form::kLevelUp] = LevelUp();
  t[form::kMessage] = Closes(form::kMessage, {}, {}, "OK");
  t[form::kContestArticle] = Closes(form::kContestArticle, paused);
  t[form::kContestArticle].buttons.push_back({"記事を読む", 1, Read([] {
                                                 return ContestArticle(State().FormSlot[form::kContestArticle].Param);
                                               })});
  t[form::kWorkCard] = Closes(form::kWorkCard, paused,
                              [](WindowContext&) { DescribeWorkCard(State().FormSlot[form::kWorkCard].Param); });
  t[form::kNewMangaChoice] = NewMangaChoice();
  t[form::kFeeNotice] = Notice(form::kFeeNotice, "受け取る", [](WindowContext&) { FeeNoticePressed(); });
  t[form::kCopyManga] = Closes(form::kCopyManga, {}, {}, "やめる");
  t[form::kCopyManga].buttons.insert(t[form::kCopyManga].buttons.begin(),
                                     {"決定", 3, [](WindowContext& c) {
                                        ConfirmCopy(c.Choices().Row(form::kCopyManga, "manga",
                                                                    Rows(State().OtherMangaCount)));
                                      }});
  t[form::kCopyManga].closeButton = 1;
  t[form::kGameOver] = GameEnd(form::kGameOver, "さよなら", false);
  t[form::kHireAssistant] = Assistants(form::kHireAssistant, "雇用する", DrawAssistantOffer, HireAssistant);
  t[form::kDismissAssistant] = Assistants(form::kDismissAssistant, "解雇する", ListHiredAssistants, DismissAssistant);
  t[form::kMagazineText] = Closes(form::kMagazineText, {});
  t[form::kFinishedWork] = FinishedWork();
  t[form::kNovelChoice] = Closes(form::kNovelChoice, {}, {}, "やめる");
  t[form::kNovelChoice].buttons.insert(t[form::kNovelChoice].buttons.begin(),
                                       {"決定", 3, [](WindowContext& c) {
                                          ConfirmNovel(c.Choices().Row(form::kNovelChoice, "novel",
                                                                       Rows(State().NovelCount)));
                                        }});
  t[form::kNovelChoice].closeButton = 1;
  t[form::kNovelRefused] = Modeless({.resumeRequestOnClose = true});
  t[form::kNovelRefused].buttons = {{"無許可で作る", 1, [](WindowContext&) { MakeWithoutPermission(); }},
                                    {"やめておく", 3, [](WindowContext&) { GiveUpAdaptation(); }}};
  t[form::kFriendship] = Child();
  t[form::kFriendship].traits.servesRefresh = false;
  t[form::kVeryPopular] = Notice(form::kVeryPopular, "閉じる", [](WindowContext&) { VeryPopularPressed(); });
  t[form::kCongratulation] = Notice(form::kCongratulation, "閉じる");
  t[form::kFeaturedArticle] = Closes(form::kFeaturedArticle, paused);
  t[form::kFeaturedArticle].buttons.push_back({"記事を読む", 1, Read([] {
                                                  const rec::FormSlot& slot = State().FormSlot[form::kFeaturedArticle];
                                                  return FeatureArticle(slot.Mode, slot.Param);
                                                })});
  t[form::kFanLetter] = Closes(form::kFanLetter, paused);
  t[form::kFanLetter].buttons.push_back({"ﾌｧﾝﾚﾀｰを読む", 1, Read(ChooseFanLetter)});
  t[form::kTrainingProgress] = Progress();
  t[form::kReturnsNotice] = Notice(form::kReturnsNotice, "閉じる");
  t[form::kBigGain] = Notice(form::kBigGain, "閉じる");
  t[form::kPostingAnimation] = Envelope();
  t[form::kTrophies] = Closes(form::kTrophies, paused, [](WindowContext&) { FillTrophyRoom(); });
  t[form::kAward] = Notice(form::kAward, "受け取る", [](WindowContext&) { ReceiveAwardPrize(); });
  t[form::kAward].traits.pauseClock = false;
  t[form::kEndSerial] = EndSerial();
  t[form::kRequestReply] = RequestReply();
  t[form::kDelivery] = Delivery();
  t[form::kSerialTitle] = SerialTitle();
  t[form::kBringIn] = BringIn();
  t[form::kMediaOffer] = MediaOffer();
  t[form::kComicsRelease] = Notice(form::kComicsRelease, "閉じる", [](WindowContext&) { CloseComicsRelease(); });
  t[form::kComicsRelease].close = [](WindowContext&) { State().ResumeRequest = 1; };
  t[form::kMerchOffer] = MerchOffer();
  t[form::kComicsRanking] =
      Ranking(form::kComicsRanking, RefreshComicsRanking, ComicsPlaces, [](int k) { DescribeComicsPlace(k); });
  t[form::kAssetRanking] =
      Ranking(form::kAssetRanking, RefreshAssetRanking, AssetPlaces, [](int k) { DescribeAssetPlace(k); });
  return t;
}

}  // namespace

const std::map<int, WindowPlay>& WindowTable() {
  static const std::map<int, WindowPlay> table = MakeTable();
  return table;
}

std::string WindowContext::TitleToType() {
  if (!title.empty()) return title;
  return "作品" + std::to_string(++titlesGiven);
}

// ---------------------------------------------------------------- choosers

FixedChoices& FixedChoices::Press(int form, std::vector<std::string> captions) {
  presses_[form] = std::deque<std::string>(captions.begin(), captions.end());
  return *this;
}

FixedChoices& FixedChoices::Choose(int form, const std::string& list, int row) {
  rows_[{form, list}] = row;
  return *this;
}

FixedChoices& FixedChoices::AnswerIn(int form, int answer) {
  answers_[form] = answer;
  return *this;
}

FixedChoices& FixedChoices::AnswerAll(int answer) {
  answer_ = answer;
  return *this;
}

std::size_t FixedChoices::Button(int form, const std::vector<WindowButton>& buttons) {
  auto named = presses_.find(form);
  if (named == presses_.end() || named->second.empty()) return 0;
  const std::string caption = named->second.front();
  if (named->second.size() > 1) named->second.pop_front();
  for (std::size_t b = 0; b < buttons.size(); ++b)
    if (buttons[b].caption == caption) return b;
  LogLine(form::Name(form) + " has no button " + caption);
  return 0;
}

int FixedChoices::Row(int form, const std::string& list, int rows) {
  auto row = rows_.find({form, list});
  return row == rows_.end() ? 0 : std::clamp(row->second, 0, rows - 1);
}

int FixedChoices::Answer(int form, const std::string&) {
  auto answer = answers_.find(form);
  return answer == answers_.end() ? answer_ : answer->second;
}

std::size_t RandomChoices::Button(int, const std::vector<WindowButton>& buttons) {
  int total = 0;
  for (const WindowButton& b : buttons) total += b.weight;
  int pick = Draw(std::max(1, total));
  for (std::size_t b = 0; b < buttons.size(); ++b) {
    pick -= buttons[b].weight;
    if (pick < 0) return b;
  }
  return 0;
}

int RandomChoices::Row(int, const std::string&, int rows) { return Draw(std::max(1, rows)); }

int RandomChoices::Answer(int, const std::string&) { return Draw(4) == 0 ? 7 : 6; }

int RandomChoices::Draw(int n) { return static_cast<int>(random_.Next(n) * n); }

// ---------------------------------------------------------------- the player

WindowPlayer::WindowPlayer(ScriptedUi& ui, shell::MainScreen& screen, Chooser& chooser)
    : ui_(ui), context_(screen, ui, chooser) {
  ui.OnAnyWindow([this](int form, int mode) { Shown(form, mode); })
      .OnAnyClose([this](int form) { Closed(form); })
      .AnswerBy([this](const std::string& question) {
        return context_.Choices().Answer(playing_.empty() ? 0 : playing_.back(), question);
      })
      .OnCall(form::kMDIForm1, kNovelPermissionTalkCall, ChosenNovelPermissionTalk);
}

void WindowPlayer::Load(int form) {
  auto entry = WindowTable().find(form);
  if (entry == WindowTable().end()) return;
  const WindowPlay& play = entry->second;
  open_.insert(form);
  if (play.traits.trackOpen) State().FormSlot[form].Open = 1;
  if (play.traits.pauseClock) ui::PauseClock();
  if (play.load) play.load(context_);
}

void WindowPlayer::Shown(int form, int mode) {
  auto entry = WindowTable().find(form);
  if (entry == WindowTable().end()) {
    // Not built: the game shows nothing there, and the player goes on.
    if (std::find(unknown_.begin(), unknown_.end(), form) == unknown_.end())
      LogLine("the player met " + form::Name(form) + ", which it does not know, and closed it");
    unknown_.push_back(form);
    ui::Unload(form);
    return;
  }
  if (open_.count(form)) return;  // shown again: it only comes to the front
  Load(form);
  if (mode == ui::Modal && ui_.IsLoaded(form)) PlayModal(form, entry->second);
}

void WindowPlayer::PlayModal(int form, const WindowPlay& play) {
  // A window that closes itself on its own timer.
  if (play.buttons.empty()) {
    for (int round = 0; round < 1000 && play.timer && ui_.IsLoaded(form); ++round) play.timer(context_);
    return;
  }
  playing_.push_back(form);
  for (int presses = 0; presses < kMostPresses && ui_.IsLoaded(form); ++presses) {
    const std::size_t b = context_.Choices().Button(form, play.buttons);
    play.buttons[std::min(b, play.buttons.size() - 1)].press(context_);
  }
  if (ui_.IsLoaded(form) && play.closeButton >= 0)
    play.buttons[static_cast<std::size_t>(play.closeButton)].press(context_);
  playing_.pop_back();
  if (ui_.IsLoaded(form)) ui::Unload(form);
}

void WindowPlayer::Closed(int form) {
  auto entry = WindowTable().find(form);
  if (entry == WindowTable().end()) return;
  open_.erase(form);
  const WindowPlay& play = entry->second;
  if (play.close) play.close(context_);
  GameState& g = State();
  if (play.traits.trackOpen) g.FormSlot[form].Open = 0;
  if (play.traits.pauseClock || play.traits.resumeClockOnClose) ui::ResumeClock();
  if (play.traits.resumeRequestOnClose) g.ResumeRequest = 1;
}

bool WindowPlayer::Press(int form, const std::string& caption) {
  auto entry = WindowTable().find(form);
  if (entry == WindowTable().end()) return false;
  for (const WindowButton& b : entry->second.buttons) {
    if (b.caption != caption) continue;
    playing_.push_back(form);
    b.press(context_);
    playing_.pop_back();
    return true;
  }
  return false;
}

void WindowPlayer::RunWindowTimers() {
  const std::vector<int> open(open_.begin(), open_.end());
  for (int form : open) {
    if (!open_.count(form)) continue;
    const WindowPlay& play = WindowTable().at(form);
    if (play.timer) play.timer(context_);
    if (!play.traits.servesRefresh) continue;
    rec::FormSlot& slot = State().FormSlot[form];
    if (slot.Rebuild == 1) {
      slot.Rebuild = 0;
      slot.Redraw = 1;
      if (play.rebuild) play.rebuild(context_);
    }
    if (State().FormSlot[form].Redraw == 1) {
      State().FormSlot[form].Redraw = 0;
      if (play.redraw) play.redraw(context_);
    }
  }
}

}  // namespace koratsu::testing
