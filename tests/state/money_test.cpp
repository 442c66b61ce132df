#include <gtest/gtest.h>

#include <string>

#include "state/game_state.h"
#include "state/money.h"
#include "support/fresh_state.h"

namespace koratsu {
namespace {

class MoneyTest : public ::testing::Test {
 protected:
  GameState& g() { return fresh_.g(); }
  testing::FreshState fresh_;
};

struct MoneyCase {
  double amount;
  const char* fourDigit;
  const char* threeDigit;
};

TEST_F(MoneyTest, FormatsEveryAmountInBothStyles) {
  const MoneyCase cases[] = {
      {0, "0", "0"},
      {5, "5", "5"},
      {980, "980", "980"},
      {5000, "5000", "5,000"},
      {9999, "9999", "9,999"},
      {10000, "1万0000", "10,000"},
      {10005, "1万0005", "10,005"},
      {12000, "1万2000", "12,000"},
      {200000, "20万0000", "200,000"},
      {2000000, "200万0000", "2,000,000"},
      {50000000, "5000万0000", "50,000,000"},
      {100000000, "1億0000万0000", "100,000,000"},
      {1524100000, "15億2410万0000", "1,524,100,000"},
      {1e12, "1兆0000億0000万0000", "1,000,000,000,000"},
      {1e15 - 1, "999兆9999億9999万9999", "999,999,999,999,999"},
      {-5, "-5", "-5"},
      {-999, "-999", "-999"},
      {-10000, "-1万0000", "-10,000"},
      {-12000, "-1万2000", "-12,000"},
  };
  for (const MoneyCase& c : cases) {
    g().KingakuComma = Value();
    EXPECT_EQ(FormatKingaku(c.amount), c.fourDigit) << c.amount << " with the style never chosen";
    g().KingakuComma = 0;
    EXPECT_EQ(FormatKingaku(c.amount), c.fourDigit) << c.amount;
    g().KingakuComma = 1;
    EXPECT_EQ(FormatKingaku(c.amount), c.threeDigit) << c.amount;
  }
}

TEST_F(MoneyTest, EmptyAndNonNumbersGiveNoText) {
  for (int style : {0, 1}) {
    g().KingakuComma = style;
    EXPECT_EQ(FormatKingaku(Value()), "");
    EXPECT_EQ(FormatKingaku(Value::Text("abc")), "");
    EXPECT_EQ(FormatKingaku(Value::Text("12000")), style == 0 ? "1万2000" : "12,000");
  }
}

TEST_F(MoneyTest, FractionsAndHugeAmountsStayReadable) {
  EXPECT_EQ(FormatKingaku(12000.4), "1万2000");
  EXPECT_EQ(FormatKingaku(9999.5), "1万0000");
  EXPECT_EQ(FormatKingaku(-0.2), "0");
  EXPECT_EQ(FormatKingaku(Money::FromNumber(410.5)), "411");
  // Beyond the trillions the leading group just grows.
  EXPECT_EQ(FormatKingaku(1e16), "10000兆0000億0000万0000");
  g().KingakuComma = 1;
  EXPECT_EQ(FormatKingaku(1e16), "10,000,000,000,000,000");
}

}  // namespace
}  // namespace koratsu
