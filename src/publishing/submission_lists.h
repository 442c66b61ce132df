#pragma once
// The two lists of the windows that send a finished work to a publisher, by
// post to a contest (form::kContestPost) or in person (form::kBringIn): the
// own works not sent yet, in record order, and every magazine, in table
// order. Both windows rebuild the works list when they open and remember
// the selected rows in MangaListRow and MagazineListRow.

#include <string>

#include "state/value.h"

namespace koratsu {

// Rows are this many pixels apart in both lists.
constexpr int kSubmissionRowPitch = 15;

// MangaListIndex and MangaListCount: the works in state 1.
void BuildSubmissionWorkList();

// Remember the row whatever it is; true when it names a row of its list,
// which the window then shows as selected.
bool SelectSubmissionWork(const Value& row);
bool SelectSubmissionMagazine(const Value& row);

// The work at a row of the works list: its title, audience and genre.
struct SubmissionWork {
  std::string title, audience, genre;
};
SubmissionWork DescribeSubmissionWork(const Value& row);

// A magazine row as its list and its details show it.
struct SubmissionMagazine {
  std::string publisher, name, text;
  std::string fee;      // the contest's prize, with "円"
  std::string adopted;  // whether it ever adopted or prized a work of the player
};
SubmissionMagazine DescribeSubmissionMagazine(const Value& row);

}  // namespace koratsu
