#pragma once
// The walk over the schema that the writer and the reader share: it visits
// the file's lines in order, resolving each item to the value it stands for
// under the loops around it, and takes each loop's rows from the count the
// walk has just passed (written, or read a moment before).

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "save/result.h"
#include "save/schema.h"
#include "state/game_state.h"

namespace koratsu::save {

// One item of a line, resolved to the value it stands for.
struct Slot {
  Value* value = nullptr;
  Money* money = nullptr;  // the volume prices
  const char* name = "";
  bool number = false;  // only ever written as a number
};

// Visitor: `static constexpr bool kWriting`; `bool Line(int kind,
// std::span<const Slot>, long long i, long long j)` for each line;
// `bool Fail(std::string problem)`; and for the reader `bool
// AtVolumeExtension()`, whether the volumes past column 200 follow.
template <class Visitor>
class Walk {
 public:
  Walk(GameState& g, Visitor& visitor) : g_(g), visitor_(visitor) {}

  bool Nodes(const std::vector<Node>& nodes, int depth) {
    for (const Node& node : nodes) {
      bool going = true;
      switch (node.kind) {
        case NodeKind::kLine:
          going = LineNode(node);
          break;
        case NodeKind::kLoop:
          going = Loop(node, depth);
          break;
        case NodeKind::kVolumeExtension:
          going = VolumeExtension(node);
          break;
      }
      if (!going) return false;
    }
    return true;
  }

 private:
  bool LineNode(const Node& line) {
    std::size_t count = line.items.size();
    const Item* items = line.items.data();
    for (std::size_t k = 0; k < count; ++k) {
      Slot& slot = slots_[k];
      slot.name = items[k].name;
      slot.number = items[k].number;
      slot.value = items[k].money ? nullptr : &items[k].value(g_, index_[0], index_[1]);
      slot.money = items[k].money ? &items[k].money(g_, index_[0], index_[1]) : nullptr;
    }
    return visitor_.Line(line.line, std::span<const Slot>(slots_.data(), count), index_[0], index_[1]);
  }

  bool Loop(const Node& loop, int depth) {
    long long first = loop.first;
    long long last = loop.last;
    if (loop.count) {
      std::string problem;
      auto rows = LoopRows(loop, loop.count(g_, index_[0], index_[1]), problem);
      if (!rows) return visitor_.Fail(problem);
      first = 0;
      last = *rows - 1;
    }
    for (long long row = first; row <= last; ++row) {
      index_[depth] = row;
      if (!Nodes(loop.body, depth + 1)) return false;
    }
    index_[depth] = 0;
    return true;
  }

  // After the last kind of line: for each work whose episodes or volumes go
  // past column 200, its row and last column, then one line per column.
  bool VolumeExtension(const Node& extension) {
    std::vector<std::pair<long long, long long>> plan;  // work, last column
    Value tag, works;
    if constexpr (Visitor::kWriting) {
      plan = ColumnsInUse(extension);
      if (plan.empty()) return true;
      tag = Value(kVolumeExtensionTag);
      works = Value(static_cast<long long>(plan.size()));
    } else {
      if (!visitor_.AtVolumeExtension()) return true;
    }
    Slot header[] = {{&tag, nullptr, "tag", false}, {&works, nullptr, "works", true}};
    if (!visitor_.Line(0, header, 0, 0)) return false;
    long long workRows = WorkRows();
    if (!IsWhole(works) || works.Num() < 0 || works.Num() > static_cast<double>(workRows))
      return visitor_.Fail("the volume extension's number of works " + Quoted(works.Str()) + " does not fit");

    long long previous = -1;
    for (long long k = 0; k < works.Index(); ++k) {
      Value work, lastColumn;
      if constexpr (Visitor::kWriting) {
        work = Value(plan[static_cast<std::size_t>(k)].first);
        lastColumn = Value(plan[static_cast<std::size_t>(k)].second);
      }
      Slot row[] = {{&work, nullptr, "work", true}, {&lastColumn, nullptr, "last column", true}};
      if (!visitor_.Line(0, row, 0, 0)) return false;
      if (!IsWhole(work) || work.Index() <= previous || work.Index() >= workRows)
        return visitor_.Fail("the volume extension names work " + Quoted(work.Str()) + " out of order or range");
      if (!IsWhole(lastColumn) || lastColumn.Index() < extension.firstColumn ||
          lastColumn.Index() > extension.lastColumn)
        return visitor_.Fail("the volume extension's last column " + Quoted(lastColumn.Str()) + " is out of range");
      previous = work.Index();
      index_[0] = previous;
      for (long long column = extension.firstColumn; column <= lastColumn.Index(); ++column) {
        index_[1] = column;
        if (!LineNode(extension)) return false;
      }
    }
    index_[0] = index_[1] = 0;
    return true;
  }

  static bool IsWhole(const Value& v) { return v.IsNumber() && v.Num() == std::trunc(v.Num()); }

  // The works the file holds; the loop over them has checked the count already.
  long long WorkRows() const {
    long long capacity = static_cast<long long>(decltype(GameState::MangaWork)::kCapacity);
    return std::clamp<long long>(g_.MangaCount.Index(), 0, capacity);
  }

  std::vector<std::pair<long long, long long>> ColumnsInUse(const Node& extension) {
    std::vector<std::pair<long long, long long>> plan;
    for (long long work = 0; work < WorkRows(); ++work) {
      const auto& episodes = g_.MangaWork[work].EpisodeVolume;
      const auto& volumes = g_.ComicsVolume[work];
      for (long long column = extension.lastColumn; column >= extension.firstColumn; --column) {
        const rec::ComicsVolume& v = volumes[column];
        if (!episodes[column].IsEmpty() || !v.SalesRate.IsEmpty() || !v.MillionFlag.IsEmpty() ||
            !v.Sold.IsEmpty() || v.Price.Scaled() != 0 || !v.Printed.IsEmpty()) {
          plan.emplace_back(work, column);
          break;
        }
      }
    }
    return plan;
  }

  GameState& g_;
  Visitor& visitor_;
  long long index_[2] = {0, 0};
  std::array<Slot, kMostItemsOnALine> slots_;
};

}  // namespace koratsu::save
