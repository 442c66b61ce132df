#include "state/table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/log.h"

namespace koratsu {
namespace {

struct Pair {
  Value A, B;
};

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLogSink([this](const std::string& line) { log.push_back(line); });
  }
  void TearDown() override { SetLogSink({}); }
  std::vector<std::string> log;
};

TEST_F(TableTest, OutOfRangeReadsEmptyWritesNothingAndLogsOneLine) {
  Table<Pair, 3> t;
  t[2].A = 5;
  t[3].A = 9;   // outside: goes nowhere
  t[-1].B = 4;  // outside
  EXPECT_EQ(log.size(), 2u);
  EXPECT_TRUE(t[3].A.IsEmpty());
  EXPECT_EQ(log.size(), 3u);
  EXPECT_TRUE(t[2].A == 5);
  EXPECT_NE(log[0].find("table_test.cpp"), std::string::npos) << log[0];
  EXPECT_NE(log[0].find("0..2"), std::string::npos) << log[0];
}

TEST_F(TableTest, AnEmptyIndexSelectsRowZero) {
  Table<Value, 4> t;
  t[Value()] = "first";
  EXPECT_EQ(t[0].Str(), "first");
  EXPECT_TRUE(log.empty());
}

TEST_F(TableTest, AppendWritesAtTheCountAndRefusesWhenFull) {
  Table<Pair, 2> t;
  Value count;  // empty counts from 0
  Pair* first = Append(t, count);
  ASSERT_NE(first, nullptr);
  first->A = "a";
  ASSERT_NE(Append(t, count), nullptr);
  EXPECT_TRUE(count == 2);
  EXPECT_EQ(Append(t, count), nullptr);
  EXPECT_TRUE(count == 2);
  EXPECT_EQ(log.size(), 1u);
  EXPECT_EQ(t[0].A.Str(), "a");
}

}  // namespace
}  // namespace koratsu
