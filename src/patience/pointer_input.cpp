#include "patience/pointer_input.h"

#include <algorithm>

#include "patience/hit_test.h"
#include "table/layout.h"

namespace {

// A step of the drag of up to this far sideways (up or down) leaves nothing
// of the picture behind.
constexpr int32_t kDragReachX = 371;
constexpr int32_t kDragReachY = 396;

TRect Moved(const TRect& r, int32_t dx, int32_t dy) {
  return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

// The strips of the table that the picture, moved to `now`, no longer covers.
std::vector<TRect> UncoveredStrips(const TRect& now, int32_t dx, int32_t dy) {
  std::vector<TRect> strips;
  const int32_t top = now.Top - kDragReachY;
  const int32_t bottom = now.Bottom + kDragReachY;
  if (dx < 0) {
    strips.push_back({now.Right, top, now.Right + kDragReachX, bottom});
  } else if (dx > 0) {
    strips.push_back({now.Left - kDragReachX, top, now.Left, bottom});
  }
  const int32_t left = now.Left - kDragReachX;
  const int32_t right = now.Right + kDragReachX;
  if (dy > 0) {
    strips.push_back({left, top, right, now.Top});
  } else if (dy < 0) {
    strips.push_back({left, now.Bottom, right, bottom});
  }
  return strips;
}

}  // namespace

int32_t HitTest(Game& g, int32_t x, int32_t y) {
  const HitResult hit = HitTest(g.t, g.kind(), x, y);
  if (hit.pointer != PointerShape::Unchanged) {
    g.out->SetHandPointer(hit.pointer == PointerShape::Hand);
  }
  return hit.index;
}

// The hand is not lit while it is being dealt, nor in Reverse durak, where
// the player holds his own cards face down.
void HoverHand(Game& g) {
  const TTableState& t = g.t;
  if (t.Dealing != 0 || g.kind() == Kind::ReverseDurak) return;
  const int n = std::clamp(t.RowCount[1], 0, kSlots);
  HandHoverView view;
  view.top = t.PlayerHandY;
  for (int c = 0; c < n; ++c) {
    const TRect box = HandCardBox(t, n, c);
    view.cards.push_back({box.Left, box.Width(), t.ImageIndexAt(1, c), c == t.HitIndex});
  }
  g.out->ShowHandHover(view);
}

void StartDrag(Game& g, int32_t x, int32_t y) {
  TTableState& t = g.t;
  const int row = t.HitRow;
  const int slot = t.HitSlot;
  if (row < 0 || row >= kRows || slot < 0 || slot >= kSlots) return;

  t.DragRect = t.PickedRect;
  t.DragImageRect = {0, 0, kCardWidth, t.PickedRect.Height()};
  g.out->CaptureDragPicture(t.DragRect, t.DragImageRect);

  // The lifted cards keep their values in the grid, so that a refused drop
  // can put them back.
  const int top = std::max(std::min(t.PileCount[row], kSlots) - 1, slot);
  for (int s = slot; s <= top; ++s) {
    t.CardGrid[row][s].Present = 0;
    t.Opened[row][s] = 0;
  }
  t.SourceRow = row;
  t.SourceSlot = slot;
  t.PickedColour = t.SuitAt(row, slot) >= 2 ? 1 : 0;  // diamonds and hearts are red
  // The table is composed without the lifted cards; the window still shows
  // them in place until the picture moves.
  g.out->RepaintTable(false);
  t.Picked = 1;
  t.DragLastX = x;
  t.DragLastY = y;
}

void DragStep(Game& g, int32_t x, int32_t y) {
  TTableState& t = g.t;
  if (t.Picked != 1) return;
  const int32_t dx = x - t.DragLastX;
  const int32_t dy = y - t.DragLastY;
  t.DragRect = Moved(t.DragRect, dx, dy);
  g.out->ShowDragStep({UncoveredStrips(t.DragRect, dx, dy), t.DragImageRect, t.DragRect});
  t.DragLastX = x;
  t.DragLastY = y;
}
