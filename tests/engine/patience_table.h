// A patience table for tests: the game chosen, the table laid out for the
// smallest window, the grid empty, and the mouse played through the mid
// end's routing exactly as the window plays it.
#pragma once

#include <gtest/gtest.h>

#include "core/new_game.h"
#include "patience/patience_framework.h"
#include "play/new_game.h"
#include "play/pointer_routing.h"
#include "play/table_points.h"
#include "table/layout.h"
#include "test_game.h"

struct PatienceTable : TestGame {
  explicit PatienceTable(int vidg) {
    Select(vidg, 0);
    g.t.Options.Animation = 0;
    LayoutTable(g, WindowGeometry{});
    Clear();
  }
  void Clear() {
    for (auto& row : g.t.CardGrid)
      for (TCard& c : row) c.Present = 0;
    for (auto& row : g.t.Opened) row.fill(0);
    g.t.PatienceResult = 0;
    g.t.Picked = 0;
    RecountPiles(g);
  }
  // The cards into the row from slot 0; `up` marks them all face up.
  void Row(int row, std::initializer_list<TCard> cards, bool up = false) {
    SetRow(row, cards);
    g.t.Opened[row].fill(0);
    for (int s = 0; s < static_cast<int>(cards.size()); ++s) g.t.Opened[row][s] = up ? 1 : 0;
    RecountPiles(g);
  }
  void Up(int row, int slot) { g.t.Opened[row][slot] = 1; }

  TablePoint PointAt(int row, int slot) {
    const auto p = FindPointNaming(g, row, slot, true);
    EXPECT_TRUE(p.has_value()) << "nothing names " << row << ":" << slot;
    return p.value_or(TablePoint{0, 0});
  }
  void Click(int row, int slot) {
    const TablePoint p = PointAt(row, slot);
    FormMouseMove(g, p.x, p.y);
    FormMouseDown(g, PointerButton::Left, p.x, p.y);
    FormMouseUp(g, PointerButton::Left, p.x, p.y);
  }
  void DoubleClick(int row, int slot) {
    const TablePoint p = PointAt(row, slot);
    Click(row, slot);
    FormMouseDown(g, PointerButton::Left, p.x, p.y);
    FormDblClick(g);
    FormMouseUp(g, PointerButton::Left, p.x, p.y);
  }
  // Drags the card (row, slot) and what lies on it onto the place of the
  // row `toRow` (its top card, or its empty place).
  void Drag(int row, int slot, int toRow) {
    const TablePoint from = PointAt(row, slot);
    const int top = TopSlot(g.t, toRow);
    TablePoint to{g.t.CardX[toRow][0] + 35, g.t.CardY[toRow][0] + 48};
    if (top >= 0) to = PointAt(toRow, top);
    FormMouseMove(g, from.x, from.y);
    FormMouseDown(g, PointerButton::Left, from.x, from.y);
    FormMouseMove(g, to.x, to.y);
    FormMouseUp(g, PointerButton::Left, to.x, to.y);
  }
  bool Has(int row, int slot, const TCard& c) const {
    return g.t.IsPresent(row, slot) && SameCard(g.t.CardGrid[row][slot], c);
  }
  int Count(int row) const { return TopSlot(g.t, row) + 1; }
  int UndoPoints() const {
    int n = 0;
    for (const auto& call : out.calls) n += call == "undo point";
    return n;
  }
};
