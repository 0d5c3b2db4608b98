#include "play/table_points.h"

#include <algorithm>
#include <vector>

#include "patience/hit_test.h"
#include "table/layout.h"

namespace {

bool Names(const TTableState& t, Kind kind, int row, int slot) {
  if (t.HitIndex == -1) return false;
  if (IsCardGame(kind)) return row == 1 && t.HitIndex == slot;
  if (kind == Kind::Hearts) return row == 0 && t.HitSlot == slot;
  if (IsMemory(kind)) return row == 0 && t.HitSlot == slot;  // Memory names no row
  if (kind == Kind::Prisoner && row == 0) return t.HitRow == 0;  // the stock names no slot
  return t.HitRow == row && t.HitSlot == slot;
}

// Where the layout puts the card: the middle of its face first, then a few
// points towards its top-left corner, which later cards of a fan leave open.
std::vector<TablePoint> LikelyPoints(const Game& g, int row, int slot) {
  const TTableState& t = g.t;
  std::vector<TablePoint> points;
  if (IsCardGame(g.kind()) && row == 1) {
    const int n = std::clamp(t.RowCount[1], 0, kSlots);
    if (slot < n) {
      const TRect box = HandCardBox(t, n, slot);
      points.push_back({(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2});
    }
    return points;
  }
  // An empty place is named with slot -1 in some games; it lies at slot 0.
  const int place = std::clamp(slot, 0, kSlots - 1);
  const int32_t x = t.CardX[row][place];
  const int32_t y = t.CardY[row][place];
  for (const TablePoint d : {TablePoint{35, 48}, TablePoint{8, 8}, TablePoint{35, 8},
                             TablePoint{8, 48}, TablePoint{60, 8}})
    points.push_back({x + d.x, y + d.y});
  return points;
}

WindowGeometry Window(const Game& g) {
  const WindowRect r = g.out->TableWindowRect();
  return EffectiveWindow({r.width, r.height, 0});
}

}  // namespace

bool PointNames(Game& g, int row, int slot, TablePoint p) {
  // The hit test writes its findings into the table; they are put back.
  TTableState& t = g.t;
  const int32_t index = t.HitIndex, hitRow = t.HitRow, hitSlot = t.HitSlot;
  const TRect picked = t.PickedRect;
  HitTest(t, g.kind(), p.x, p.y);
  const bool named = Names(t, g.kind(), row, slot);
  t.HitIndex = index;
  t.HitRow = hitRow;
  t.HitSlot = hitSlot;
  t.PickedRect = picked;
  return named;
}

std::optional<TablePoint> FindPointNaming(Game& g, int row, int slot, bool wholeTable) {
  for (const TablePoint p : LikelyPoints(g, row, slot))
    if (PointNames(g, row, slot, p)) return p;
  const WindowGeometry w = Window(g);
  // Down the column the card's place starts: a fanned pile shows each card
  // lower than its place.
  if (!IsCardGame(g.kind())) {
    for (const int32_t dx : {35, 8, 60}) {
      const int32_t x = g.t.CardX[row][std::clamp(slot, 0, kSlots - 1)] + dx;
      for (int32_t y = 1; y < w.outerHeight; y += 2)
        if (PointNames(g, row, slot, {x, y})) return TablePoint{x, y};
    }
  }
  if (!wholeTable) return std::nullopt;
  for (int32_t y = 1; y < w.outerHeight; y += 2)
    for (int32_t x = 1; x < w.outerWidth; x += 2)
      if (PointNames(g, row, slot, {x, y})) return TablePoint{x, y};
  return std::nullopt;
}
