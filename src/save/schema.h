#pragma once
// The saved game's lines as data.
//
// The file is 97 kinds of line in a fixed order, many of them repeated per
// table row, with two nested blocks (per production slot, per work), and a
// block after the last kind that keeps the episodes and volumes past column
// 200. This header describes all of it once; the writer and the reader walk the
// same description, so they cannot disagree about what stands where.

#include <optional>
#include <string>
#include <vector>

#include "state/game_state.h"

namespace koratsu::save {

// Where an item's value lives, given the indices of the loops around its line
// (i of the outer loop, j of the inner one; 0 where there is none).
using ValueAt = Value& (*)(GameState& g, long long i, long long j);
using MoneyAt = Money& (*)(GameState& g, long long i, long long j);

struct Item {
  const char* name;
  ValueAt value = nullptr;
  MoneyAt money = nullptr;  // the volume prices, instead of `value`
  // A game only ever fills it with a number (or leaves it empty): a text
  // that is not a number is refused on reading and never written.
  bool number = false;
};

enum class NodeKind {
  kLine,             // one line of items
  kLoop,             // its body once per row
  kVolumeExtension,  // the volumes past column 200, after the last kind of line
};

struct Node {
  NodeKind kind = NodeKind::kLine;

  // kLine: the kind of line (1 .. 97) and its items. kVolumeExtension: the
  // items of one volume column, shared with the kind of line that holds
  // columns 0 .. 200.
  int line = 0;
  std::vector<Item> items;

  // kLoop over rows first .. last. With a count, the rows are 0 .. count - 1
  // (0 .. count with `throughCount`), the count taken once as the loop starts;
  // `capacity` is how many rows the tables in the body hold.
  long long first = 0, last = -1;
  ValueAt count = nullptr;
  const char* countName = nullptr;
  bool throughCount = false;
  long long capacity = 0;
  std::vector<Node> body;

  // kVolumeExtension: the columns it may hold.
  long long firstColumn = 0, lastColumn = -1;
};

// No line holds more items than this.
inline constexpr std::size_t kMostItemsOnALine = 12;

// The whole file, in the order written.
const std::vector<Node>& SaveFileLines();

// The columns of a work's episodes and volumes on the per-volume line.
inline constexpr long long kMainColumns = 201;
// The first item of the extension's header line, quoted in the file.
inline constexpr const char* kVolumeExtensionTag = "Volumes201";

// The rows a count-bounded loop runs over, or nothing (with `problem` set)
// when the count cannot bound one: a text that is not a number, or more rows
// than the loop's tables hold. An empty count (or one that is not a number
// after a calculation gone wrong) counts as 0; no count gives fewer than 0 rows.
std::optional<long long> LoopRows(const Node& loop, const Value& count, std::string& problem);

}  // namespace koratsu::save
