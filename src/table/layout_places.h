// Shared by the layout files: integer arithmetic of the layout and a writer
// of CardX/CardY that remembers what it wrote.
#pragma once

#include <cstdint>

#include "table/layout.h"

namespace layout_detail {

// value * scale / divisor with the product formed first, truncated toward
// zero.
inline int32_t Scaled(int32_t value, int32_t scale, int32_t divisor) {
  return static_cast<int32_t>(static_cast<int64_t>(value) * scale / divisor);
}

class CardPlacer {
 public:
  CardPlacer(TTableState& t, LayoutWritten& written) : t_(t), written_(written) {}

  void Place(int row, int slot, int32_t x, int32_t y) {
    t_.CardX[row][slot] = x;
    t_.CardY[row][slot] = y;
    written_.cardPlaces[row].set(slot);
  }
  // Slots first..last (inclusive) of a row, all at one point.
  void PlaceSlots(int row, int first, int last, int32_t x, int32_t y) {
    for (int s = first; s <= last; ++s) Place(row, s, x, y);
  }
  // A pile whose every slot lies at one point.
  void PlaceRow(int row, int32_t x, int32_t y) { PlaceSlots(row, 0, kSlots - 1, x, y); }

  const TTableState& table() const { return t_; }
  int32_t X(int row, int slot) const { return t_.CardX[row][slot]; }
  int32_t Y(int row, int slot) const { return t_.CardY[row][slot]; }
  void RaiseY(int row, int slot, int32_t by) { t_.CardY[row][slot] -= by; }

 private:
  TTableState& t_;
  LayoutWritten& written_;
};

// The patience games, Hearts and Memory; false for any other kind.
bool LayoutSoloGame(CardPlacer& p, Kind kind, const WindowGeometry& w);

}  // namespace layout_detail
