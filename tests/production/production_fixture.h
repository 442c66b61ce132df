#pragma once
// A small studio for the production rules: a handful of knowledge items,
// the audience and genre lists, one weekly magazine, 20 work points, a
// scripted player and a scripted generator.

#include <gtest/gtest.h>

#include <initializer_list>

#include "state/catalogues.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"

namespace koratsu::testing {

class ProductionTest : public ::testing::Test {
 protected:
  // Knowledge items in row order: name, points held, value factor.
  struct Item {
    const char* name;
    int points;
    double valueFactor;
  };

  ProductionTest() : g(fresh.g()) {
    SetRandomSource(&random);
    g.GameActive = 1;
    g.SigotoPoint = 20;
    g.TiPointMax = 15;
    g.PlayerPopularity = 3;
    for (const char* audience : {"少年層", "少女層", "青年層", "一般層"}) AddAudience(audience, 20);
    for (const char* genre : {"ギャグ", "恋愛", "冒険"}) AddGenre(genre, 20);
    GiveItems({{"企業戦士", 0, 1}, {"警察官", 7, 2}, {"漫画家", 12, 1.2}, {"小説家", 0, 0.6}, {"スパイ", 5, 1.4}});
  }

  void GiveItems(std::initializer_list<Item> items) {
    g.TiItemCount = 0;
    int id = 1;
    for (const Item& item : items) AddTiItem(id++, item.name, item.points, item.valueFactor);
  }

  // A work already in production in slot s.
  void Busy(int s, double points = 0) {
    g.SlotKanseido[s] = 5;
    g.ProductionSlot[s].SigotoPoint = points;
  }

  FreshState fresh;
  GameState& g;
  ScriptedUi ui;
  ScriptedRandom random;
};

}  // namespace koratsu::testing
