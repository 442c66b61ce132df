#pragma once
// The window index: every window of the game by its number, the one place a
// window number is written. FormN registers under its constant here, and its
// FormSlot row is g.FormSlot[form::kName]. Each line names the file that
// holds the window, or "not built yet".

#include <string>
#include <string_view>

namespace koratsu::form {

// The main window is not numbered: it is MDIForm1, always there, never in
// the registry. Its constant only names it (shell/windows/main_window.cpp).
constexpr int kMDIForm1 = 0;

constexpr int kRoomView = 1;               // roomview/windows/room_view_window.cpp
constexpr int kAbout = 2;                  // shell/windows/about_box.cpp
constexpr int kNewGame = 3;                // shell/windows/new_game_window.cpp
constexpr int kInfoPanel = 4;              // shell/windows/info_panel.cpp
constexpr int kSettingsEditor = 5;         // production/windows/settings_editor_window.cpp
constexpr int kCompletion = 6;             // production/windows/completion_window.cpp
constexpr int kWorkTitle = 7;              // production/windows/title_window.cpp
constexpr int kContestPost = 8;            // publishing/windows/contest_post_window.cpp
constexpr int kPoll = 9;                   // publishing/windows/poll_window.cpp
// There is no window 10.
constexpr int kArchive = 11;               // production/windows/archive_window.cpp
constexpr int kTrophies = 12;              // publishing/windows/trophy_room_window.cpp
constexpr int kAward = 13;                 // publishing/windows/award_window.cpp
constexpr int kEndSerial = 14;             // publishing/windows/end_serial_window.cpp
constexpr int kSchedule = 15;              // production/windows/schedule_window.cpp
constexpr int kRequestReply = 16;          // publishing/windows/request_window.cpp
constexpr int kEnding = 17;                // publishing/windows/ending_window.cpp
constexpr int kDelivery = 18;              // production/windows/delivery_window.cpp
constexpr int kEquipment = 19;             // life/windows/equipment_window.cpp
constexpr int kAccident = 20;              // publishing/windows/notice_windows.cpp
constexpr int kConversation = 21;          // shell/windows/conversation_window.cpp
constexpr int kSerialRequest = 22;         // not built yet
constexpr int kSerialTitle = 23;           // publishing/windows/serial_title_window.cpp
constexpr int kBringIn = 24;               // publishing/windows/bring_in_window.cpp
constexpr int kOuting = 25;                // life/windows/outing_window.cpp
constexpr int kOutingProgress = 26;        // life/windows/activity_progress_window.cpp
constexpr int kPointsGained = 27;          // life/windows/points_gained_window.cpp
constexpr int kTricks = 28;                // shell/windows/about_box.cpp
constexpr int kKnowledgeList = 29;         // life/windows/knowledge_list_window.cpp
constexpr int kToolWindow = 30;            // shell/windows/tool_window.cpp
constexpr int kWorking = 31;               // life/windows/working_window.cpp
constexpr int kArubaito = 32;              // life/windows/arubaito_window.cpp
constexpr int kArubaitoProgress = 33;      // life/windows/activity_progress_window.cpp
constexpr int kArubaitoEnd = 34;           // life/windows/arubaito_end_window.cpp
constexpr int kSerialMilestone = 35;       // publishing/windows/notice_windows.cpp
constexpr int kTutorialGuide = 36;         // shell/windows/tutorial_windows.cpp
constexpr int kComicsMilestone = 37;       // publishing/windows/notice_windows.cpp
constexpr int kTutorialStartEnd = 38;      // shell/windows/tutorial_windows.cpp
constexpr int kTraining = 39;              // life/windows/training_window.cpp
constexpr int kYesNo = 40;                 // shell/windows/message_boxes.cpp
constexpr int kLevelUp = 41;               // life/windows/level_up_window.cpp
constexpr int kMessage = 42;               // shell/windows/message_boxes.cpp
constexpr int kMediaOffer = 43;            // publishing/windows/media_offer_window.cpp
constexpr int kContestArticle = 44;        // publishing/windows/contest_article_window.cpp
constexpr int kWorkCard = 45;              // production/windows/work_card_window.cpp
constexpr int kNewMangaChoice = 46;        // production/windows/new_manga_choice_window.cpp
constexpr int kComicsRelease = 47;         // publishing/windows/comics_release_window.cpp
constexpr int kMerchOffer = 48;            // publishing/windows/merchandise_window.cpp
constexpr int kFeeNotice = 49;             // publishing/windows/notice_windows.cpp
constexpr int kCopyManga = 50;             // production/windows/copy_window.cpp
constexpr int kGameOver = 51;              // publishing/windows/game_over_window.cpp
constexpr int kHireAssistant = 52;         // life/windows/assistant_windows.cpp
constexpr int kDismissAssistant = 53;      // life/windows/assistant_windows.cpp
constexpr int kMagazineText = 54;          // publishing/windows/magazine_text_window.cpp
constexpr int kFinishedWork = 55;          // production/windows/finished_work_window.cpp
constexpr int kNovelChoice = 56;           // production/windows/novel_window.cpp
constexpr int kNovelRefused = 57;          // production/windows/no_permission_window.cpp
constexpr int kFriendship = 58;            // publishing/windows/friendship_window.cpp
constexpr int kVeryPopular = 59;           // publishing/windows/notice_windows.cpp
constexpr int kComicsRanking = 60;         // publishing/windows/comics_ranking_window.cpp
constexpr int kAssetRanking = 61;          // publishing/windows/asset_ranking_window.cpp
constexpr int kCongratulation = 62;        // publishing/windows/notice_windows.cpp
constexpr int kFeaturedArticle = 63;       // publishing/windows/feature_window.cpp
constexpr int kFanLetter = 64;             // publishing/windows/fan_letter_window.cpp
constexpr int kTrainingProgress = 65;      // life/windows/activity_progress_window.cpp
constexpr int kReturnsNotice = 66;         // publishing/windows/notice_windows.cpp
constexpr int kBigGain = 67;               // life/windows/big_gain_window.cpp
constexpr int kPostingAnimation = 68;      // publishing/windows/envelope_window.cpp

constexpr int kFirst = 1;
constexpr int kLast = 68;

// Every numbered window, in number order (for walks over all of them).
constexpr int kAll[] = {
    kRoomView,        kAbout,          kNewGame,          kInfoPanel,         kSettingsEditor,  kCompletion,
    kWorkTitle,       kContestPost,    kPoll,             kArchive,           kTrophies,        kAward,
    kEndSerial,       kSchedule,       kRequestReply,     kEnding,            kDelivery,        kEquipment,
    kAccident,        kConversation,   kSerialRequest,    kSerialTitle,       kBringIn,         kOuting,
    kOutingProgress,  kPointsGained,   kTricks,           kKnowledgeList,     kToolWindow,      kWorking,
    kArubaito,        kArubaitoProgress, kArubaitoEnd,    kSerialMilestone,   kTutorialGuide,   kComicsMilestone,
    kTutorialStartEnd, kTraining,      kYesNo,            kLevelUp,           kMessage,         kMediaOffer,
    kContestArticle,  kWorkCard,       kNewMangaChoice,   kComicsRelease,     kMerchOffer,      kFeeNotice,
    kCopyManga,       kGameOver,       kHireAssistant,    kDismissAssistant,  kMagazineText,    kFinishedWork,
    kNovelChoice,     kNovelRefused,   kFriendship,       kVeryPopular,       kComicsRanking,   kAssetRanking,
    kCongratulation,  kFeaturedArticle, kFanLetter,       kTrainingProgress,  kReturnsNotice,   kBigGain,
    kPostingAnimation,
};

// A window's name, as its class and its stored pictures carry it: "MDIForm1", "Form43".
inline std::string Name(int form) { return form == kMDIForm1 ? "MDIForm1" : "Form" + std::to_string(form); }

// A picture stored with a window's control, relative to the program's folder:
// "Graphic/Forms/Form40.Image1.png". The generator writes it there and the
// window reads it from there.
inline std::string PicturePath(int form, std::string_view control) {
  return "Graphic/Forms/" + Name(form) + "." + std::string(control) + ".png";
}

}  // namespace koratsu::form
