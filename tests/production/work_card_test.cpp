#include "production/work_card.h"

#include <gtest/gtest.h>

#include "production/archive_records.h"
#include "support/fresh_state.h"

namespace koratsu::testing {
namespace {

TEST(WorkCardTest, RatingMarks) {
  struct Case {
    Value rating;
    const char* mark;
  } cases[] = {
      {0, "  "}, {3, "  "}, {Value(), "  "}, {4, "△"},  {5, "△"},  {6, "○"},
      {8, "○"},  {9, "◎"},  {12, "◎"},     {-1, ""},   {3.5, ""}, {8.5, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CardRatingMark(c.rating), c.mark) << c.rating.Str();
}

TEST(WorkCardTest, WhatTheCardShowsOfAWork) {
  FreshState fresh;
  GameState& g = fresh.g();
  AddClassLists();
  AddTiItem(1, "警察官", 5, 1);
  AddTiItem(2, "スパイ", 5, 1);
  const long long w = AddWork(g, "空の旅", 1);
  // A copied work: its first setting has no item, yet keeps its points.
  GiveMaking(g, w, {.audience = 2, .genre = 1, .items = {-1, 1, 0}, .points = {7, 0, 120}, .ratings = {3, 4, 8, 9, 0, 6}});

  const WorkCard card = DescribeWorkCard(w);
  EXPECT_EQ(card.header, "== 「空の旅」の情報です  ==");
  EXPECT_EQ(card.audience, g.ClassList[1].Text[2].Str());
  EXPECT_EQ(card.genre, g.ClassList[2].Text[1].Str());
  EXPECT_FALSE(card.audience.empty());
  EXPECT_EQ(card.settingNames[0], "なし");
  EXPECT_EQ(card.settingNames[1], "スパイ");
  EXPECT_EQ(card.settingNames[2], "警察官");
  EXPECT_EQ(card.settingPoints[0], 7);
  EXPECT_EQ(card.settingPoints[2], 120);
  const std::array<std::string, 6> marks = {"  ", "△", "○", "◎", "  ", "○"};
  EXPECT_EQ(card.marks, marks);
}

}  // namespace
}  // namespace koratsu::testing
