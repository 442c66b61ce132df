#pragma once
// The world's catalogues and their row adders.
//
// Each adder copies its values into the row at the table's count and then
// raises the count; a full table refuses the row whole (nothing written, one
// log line). Several adders take their values in another order than the
// record declares its fields. Only the world set-up calls them.

#include <string_view>

#include "state/value.h"

namespace koratsu {

// People.
void AddAsi(const Value& name, const Value& skill, const Value& point, const Value& picture);
void AddPollArtist(const Value& name, const Value& popularity);
// `spare` is not read: AssetRankSpare is always 0. Growth is assets / 200000.
void AddAssetRank(const Value& name, const Value& job, const Value& spare, const Value& assets);

// Works.
void AddPageFormat(const Value& text, const Value& points);
void AddAudience(const Value& text, const Value& points);
void AddGenre(const Value& text, const Value& points);
void AddOtherManga(const Value& title, const Value& fame, const Value& popularity,
                   const Value& comment);
void AddNovel(const Value& title, const Value& publisher, const Value& popularity,
              const Value& comment);

// Magazines and publishers; `publisherIndex` is the publisher number minus 1.
void AddMagazineName(const Value& publisherName, const Value& magazineTitle,
                     const Value& publisherIndex);
// The starting friendship goes to PublisherYukou at the row being added.
void AddMagazine(const Value& publisher, const Value& magazineNo, const Value& frequency,
                 const Value& deadlineDay, const Value& pages, const Value& friendship,
                 const Value& standard, const Value& serialPlaces, const Value& comicsPrice,
                 const Value& text, const Value& prize);

// Activities.
void AddSanpo(const Value& minutes, const Value& cost, const Value& option, const Value& name,
              const Value& shortStatus, const Value& statusText, const Value& statusDetail,
              const Value& id);
void AddArubaito(const Value& minutes, const Value& pay, const Value& stamina, const Value& name,
                 const Value& shortStatus, const Value& statusText, const Value& statusDetail,
                 const Value& id);
// The status detail comes before the status text here.
void AddSyugyou(const Value& minutes, const Value& fee, const Value& stamina, const Value& name,
                const Value& shortStatus, const Value& text, const Value& statusDetail,
                const Value& statusText, const Value& id);

// Knowledge: a row appended with points above 0 is marked known.
void AddTiItem(const Value& id, const Value& name, const Value& points, const Value& valueFactor);

// The set-up's rows of each catalogue, appended in order.
void AddAssistants();
void AddClassLists();
void AddPollArtists();
void AddAssetRanking();  // row 0 is the player's, with the current Kingaku
void AddOtherMangaRows();
void AddNovels();
void AddMagazines();  // both passes, each from MagazineCount 0
void AddSyugyouCourses();
void AddSanpoPlaces();
void AddArubaitoJobs();
void AddKnowledgeItems();
// Up to five items, the first rows that pass a one-in-ten draw, get 4..13 points.
void GiveFirstKnowledgePoints();
void SetEquipment();

// People and titles that recur across the catalogues.
inline constexpr std::string_view kAspiringArtistName = "小豆沢 まさる";  // assistant 1, poll 6, asset 5
inline constexpr std::string_view kKarateAssistantName = "大河原 猛";  // assistant 10, asset 40
inline constexpr std::string_view kSharedEpicTitle = "流星の関ヶ原";  // existing manga 15, novel 9
inline constexpr std::string_view kAdaptedNovelTitle = "笑う閻魔大王";  // existing manga 27, novel 33
// The word in the names of publisher 4 and its magazine, which novel 18's comment mentions
// (the catalogues spell it out; the tests hold them to it).
inline constexpr std::string_view kPublisher4Word = "ミミズク";

}  // namespace koratsu
