#pragma once
// Fixed-capacity tables of the game state.
//
// A table never grows. An index outside it reads as an empty row and a write
// through it goes nowhere: the access returns a scratch row that is reset on
// every such access, and one line is logged with the place of the access.
// Appending to a counted table goes through Append, which refuses when full.

#include <array>
#include <cstddef>
#include <memory>
#include <new>
#include <source_location>
#include <string>

#include "state/log.h"
#include "state/value.h"

namespace koratsu {

// A row index as rule code writes it: a whole number or a game value.
// It remembers where it was written, so that an index outside the table can be reported.
struct Row {
  Row(int i, std::source_location where = std::source_location::current()) : index(i), where(where) {}
  Row(long i, std::source_location where = std::source_location::current()) : index(i), where(where) {}
  Row(long long i, std::source_location where = std::source_location::current()) : index(i), where(where) {}
  Row(unsigned i, std::source_location where = std::source_location::current()) : index(i), where(where) {}
  Row(unsigned long i, std::source_location where = std::source_location::current())
      : index(static_cast<long long>(i)), where(where) {}
  Row(double i, std::source_location where = std::source_location::current())
      : index(Value(i).Index()), where(where) {}
  Row(const Value& i, std::source_location where = std::source_location::current())
      : index(i.Index()), where(where) {}
  long long index;
  std::source_location where;
};

void ReportOutOfRange(long long index, std::size_t capacity, const std::source_location& where);
void ReportTableFull(std::size_t capacity, const std::source_location& where);

// Returns a row to its fresh state (every value empty) without building a
// temporary copy of it: rows of the works tables are large.
template <class T>
void ResetRow(T& row) {
  std::destroy_at(&row);
  ::new (static_cast<void*>(&row)) T();
}

template <class T, std::size_t N>
class Table {
 public:
  static constexpr std::size_t kCapacity = N;
  static constexpr std::size_t Capacity() { return N; }

  static bool InRange(long long index) { return index >= 0 && index < static_cast<long long>(N); }

  T& operator[](Row row) {
    if (InRange(row.index)) return rows_[static_cast<std::size_t>(row.index)];
    ReportOutOfRange(row.index, N, row.where);
    ResetRow(scratch_);
    return scratch_;
  }
  const T& operator[](Row row) const { return const_cast<Table&>(*this)[row]; }

  // Unchecked iteration over every row, for clearing and saving whole tables.
  T* begin() { return rows_.data(); }
  T* end() { return rows_.data() + N; }
  const T* begin() const { return rows_.data(); }
  const T* end() const { return rows_.data() + N; }

 private:
  std::array<T, N> rows_{};
  T scratch_{};
};

// Appends a row at `count` and raises the count. Returns the new row, or
// nullptr when the table is full: then nothing is written, the count stays
// and one line is logged.
template <class T, std::size_t N>
T* Append(Table<T, N>& table, Value& count,
          std::source_location where = std::source_location::current()) {
  long long at = count.Index();
  if (!Table<T, N>::InRange(at)) {
    ReportTableFull(N, where);
    return nullptr;
  }
  count = Value(at + 1);
  T& row = table[at];
  return &row;
}

}  // namespace koratsu
