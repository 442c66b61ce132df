#pragma once
// The knowledge list (Form29): every knowledge item the player holds points
// in, with its points against the common cap. The window keeps the list in
// TiList and rebuilds it only when asked (FormRebuild(29)); between rebuilds
// it redraws the values of the items it lists (FormRedraw(29)).

#include <string>

#include "state/list_fit.h"

namespace koratsu {

// Rows are this many pixels apart, the first 2 pixels from the top.
constexpr int kKnowledgeRowPitch = 15;
constexpr int kKnowledgeRowTop = 2;

// TiList becomes every item with points, in item order.
void RebuildKnowledgeList();
// The rows listed, at most the list's 129.
int KnowledgeListCount();

// One row as the window shows it.
struct KnowledgeListRow {
  std::string name;
  std::string points;  // "12/15ﾎﾟｲﾝﾄ"
  double value, cap;   // the bar
};
KnowledgeListRow DescribeKnowledgeListRow(int row);

// The list's height in pixels: its rows and the margin above the first.
int KnowledgeListHeight();

// The list scrolls by the shared list range (state/list_fit.h): half its
// height a page and a quarter a step.

// The window's height after the player resized it, in twips: never 1300 or
// lower.
double KnowledgeListWindowHeight(double twips);

}  // namespace koratsu
