#include "state/value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

namespace koratsu {
namespace {

// The rules of the dynamic values, one row each: an expression and the text
// and kind it must give.
struct Case {
  const char* name;
  std::function<Value()> expression;
  std::string text;
  bool number;
};

TEST(ValueTest, RulesOfTheDynamicValues) {
  const Case cases[] = {
      {"empty + 1 = 1", [] { return Value() + 1; }, "1", true},
      {"empty joined to a", [] { return Value() + Value("a"); }, "a", false},
      {"a joined to empty", [] { return Value("a") + Value(); }, "a", false},
      {"Int(2.7)", [] { return Value(Int(2.7)); }, "2", true},
      {"Int(-2.5)", [] { return Value(Int(Value(-2.5))); }, "-3", true},
      {"2147483647 + 1", [] { return Value(2147483647) + 1; }, "2147483648", true},
      {"1 / 4", [] { return Value(1) / 4; }, "0.25", true},
      {"number text 0.1", [] { return Value(0.1); }, "0.1", true},
      {"number text 12000", [] { return Value(12000); }, "12000", true},
      {"number text 26.4", [] { return Value(26.4); }, "26.4", true},
      {"0.1 + 0.2", [] { return Value(0.1) + Value(0.2); }, "0.3", true},
      {"stamina hundredths", [] { return Value(25) - 0.08 * 7; }, "24.44", true},
      {"negative", [] { return Value(0) - 12000; }, "-12000", true},
      {"texts join", [] { return Value("1万") + Value("2000"); }, "1万2000", false},
      {"digits text + number adds", [] { return Value("12") + 1; }, "13", true},
      {"Join writes numbers", [] { return Value(Join("第", 3, "巻 ", 0.5)); }, "第3巻 0.5", false},
      {"large number", [] { return Value(1e15); }, "1E+15", true},
      {"division by zero gives 0", [] { return Value(5) / Value(); }, "0", true},
      {"negative infinity", [] { return Value(-std::numeric_limits<double>::infinity()); }, "-Infinity", true},
      {"negative NaN", [] { return Value(-std::numeric_limits<double>::quiet_NaN()); }, "NaN", true},
  };
  for (const Case& c : cases) {
    Value v = c.expression();
    EXPECT_EQ(v.Str(), c.text) << c.name;
    EXPECT_EQ(v.IsNumber(), c.number) << c.name;
  }
}

TEST(ValueTest, EmptyEqualsZeroAndEmptyText) {
  Value empty;
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_TRUE(empty == 0);
  EXPECT_TRUE(empty == "");
  EXPECT_TRUE(empty == Value());
  EXPECT_EQ(empty.Num(), 0);
  EXPECT_EQ(empty.Str(), "");
  EXPECT_EQ(empty.Index(), 0);
  EXPECT_FALSE(empty == 1);
  EXPECT_FALSE(empty == "a");
  // An empty counter counts from 0.
  Value counter;
  counter += 1;
  EXPECT_TRUE(counter == 1);
}

TEST(ValueTest, ComparesNumbersNumericallyAndTextsByCharacters) {
  EXPECT_TRUE(Value(5) < Value(12));
  EXPECT_TRUE(Value(-1) < Value());
  EXPECT_TRUE(Value("abc") == Value("abc"));
  EXPECT_TRUE(Value("abc") != Value("abd"));
  EXPECT_TRUE(Value("12") == Value(12));  // a text that reads as the number
  EXPECT_FALSE(Value("x") == Value(0));
  EXPECT_FALSE(Value("") == Value(0));  // an empty text is a text, not the empty value
}

TEST(ValueTest, TextsAreSharedAndSurviveCopiesAndMoves) {
  Value a("ﾎﾟｲﾝﾄ");
  Value b = a;
  Value c = std::move(a);
  EXPECT_TRUE(a.IsEmpty());
  EXPECT_EQ(b.Str(), "ﾎﾟｲﾝﾄ");
  EXPECT_EQ(c.Str(), "ﾎﾟｲﾝﾄ");
  b = Value(3);
  EXPECT_EQ(c.Str(), "ﾎﾟｲﾝﾄ");
  c = c;
  EXPECT_EQ(c.Str(), "ﾎﾟｲﾝﾄ");
  EXPECT_TRUE(Value("").IsText());
  EXPECT_FALSE(Value("").IsEmpty());
}

// Each way of making, sharing, replacing and joining texts, with how many
// blocks its values hold at its end; none may be left once they are gone.
TEST(ValueTest, ATextBlockLivesExactlyAsLongAsAValueHoldsIt) {
  std::size_t before = 0;
  auto held = [&] { return LiveTextBlocks() - before; };
  const struct {
    const char* name;
    std::function<std::size_t()> play;
    std::size_t blocks;
  } cases[] = {
      {"copies share one block", [&] { Value a("原稿"); Value b = a; Value c(b); b = c; return held(); }, 1},
      {"a copy outlives the first holder",
       [&] {
         Value b;
         {
           Value a("原稿");
           b = a;
         }
         return held();
       },
       1},
      {"moves hand the block over",
       [&] { Value a("原稿"); Value b = std::move(a); Value c; c = std::move(b); c = std::move(c); return held(); }, 1},
      {"assigning over a text frees it", [&] { Value a("原稿"); a = Value("締切"); a = a; a = 3; return held(); }, 0},
      {"moving over a text frees it", [&] { Value a("原稿"); Value b("締切"); a = std::move(b); return held(); }, 1},
      {"each join makes a block", [&] { Value a("第"); a += Value("3巻"); Value b = a + Value(); return held(); }, 2},
      {"a text read as a number", [&] { Value a("12"); a = a + 1; a += Value("3"); return held(); }, 0},
      {"Join's parts", [&] { std::string joined = Join(Value("第"), 3, "巻"); return held(); }, 0},
  };
  for (const auto& c : cases) {
    before = LiveTextBlocks();
    EXPECT_EQ(c.play(), c.blocks) << c.name;
    EXPECT_EQ(held(), 0u) << c.name << ": blocks left behind";
  }
}

TEST(ValueTest, IntIsFloorEverywhere) {
  const double big = 4503599627370496.0;  // 2^52: every double beyond is whole
  for (double x : {0.0, 0.5, 0.999, 1.0, 2.7, -0.5, -1.0, -1.5, -2.5, 1e9 + 0.25, -1e9 - 0.25, big - 0.5,
                   -(big - 0.5), big, -big, 1e300, -1e300, std::numeric_limits<double>::infinity(),
                   -std::numeric_limits<double>::infinity()})
    EXPECT_EQ(Int(x), std::floor(x)) << x;
  EXPECT_TRUE(std::isnan(Int(std::numeric_limits<double>::quiet_NaN())));
  EXPECT_EQ(Int(Value("-3.25")), -4);
}

TEST(ValueTest, IndexRoundsLikeAWholeNumberAndNaNStaysANumber) {
  EXPECT_EQ(Value(2.5).Index(), 2);  // to even
  EXPECT_EQ(Value(3.5).Index(), 4);
  EXPECT_EQ(Value("7").Index(), 7);
  Value nan = Value(0.0) * Value(1e308) * Value(1e308);  // 0 × inf is NaN
  EXPECT_TRUE(nan.IsNumber());
  EXPECT_FALSE(nan.IsEmpty());
}

TEST(ValueTest, ParsesTheNumberFormsOfSaveFiles) {
  struct {
    const char* text;
    bool ok;
    double value;
  } cases[] = {{"12", true, 12},     {"-3.5", true, -3.5},    {".5", true, 0.5},
               {"-.25", true, -0.25}, {"1E+15", true, 1e15},   {"1.5E-05", true, 1.5e-5},
               {" 7 ", true, 7},      {"", false, 0},          {"abc", false, 0},
               {"1,5", false, 0},     {"--1", false, 0},       {"inf", false, 0}};
  for (const auto& c : cases) {
    double out = 0;
    EXPECT_EQ(ParseNumber(c.text, out), c.ok) << c.text;
    if (c.ok) {
      EXPECT_DOUBLE_EQ(out, c.value) << c.text;
    }
  }
}

TEST(ValueTest, MoneyKeepsFourDecimals) {
  EXPECT_EQ(Money::FromNumber(390).Scaled(), 3900000);
  EXPECT_DOUBLE_EQ(Money::FromNumber(412.34567).Num(), 412.3457);
  EXPECT_EQ(Money().Num(), 0);
}

}  // namespace
}  // namespace koratsu
