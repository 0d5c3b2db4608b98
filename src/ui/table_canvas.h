// The drawing operations of the table: a card of an image list, an empty
// place, the marks of an empty stock, Nine's free place and the picked card.
// Each draws on the picture its painter is open on (the repaint gives
// BackBuffer); coordinates are the window's client pixels of a card's
// top-left corner.
#pragma once

#include <QPainter>

#include "core/table_state.h"
#include "ui/artwork/artwork.h"

class TableCanvas {
 public:
  TableCanvas(QPainter& painter, const Artwork& art, const TTableState& t)
      : p_(painter), art_(art), t_(t) {}

  const TTableState& table() const { return t_; }

  void DrawCard(ImageList list, int index, int x, int y);
  // The face of the card lying in (row, slot), at (x, y).
  void DrawFace(int row, int slot, int x, int y);
  // The back in use ("Suit"), upright or lying sideways.
  void DrawBack(int x, int y);
  void DrawSidewaysBack(int x, int y);
  void DrawSuitIcon(int suit, int x, int y);
  void DrawJoker(int x, int y);
  // The dotted outline of an empty place; the table shows through it.
  void DrawEmptyPlace(int x, int y);
  // An empty stock that may be dealt again: a thick green ring on its place.
  void DrawRedealMark(int x, int y);
  // An empty stock that is used up for good: a red cross on the stock place.
  void DrawNoRedealMark();
  // Nine: the free place of a suit row's seven, a dotted outline as high as
  // the rows lie apart (a card's height for the last row or wide rows).
  void DrawNinePlace(int x, int y, int suitRow);
  // The face of (row, slot) at its place, whitened: the picked card.
  void DrawSelected(int row, int slot);
  // Any IList picture whitened the same way (the picked joker).
  void DrawSelectedImage(int image, int x, int y);

  // Card (row, slot) at its own place (CardX, CardY).
  void DrawFaceAtPlace(int row, int slot);
  void DrawBackAtPlace(int row, int slot);
  // The picked card of a patience game, if one is picked.
  void DrawHighlight();
  // A stock seen from the side: one back for 1..a cards, two up to b, three
  // above; each further back two pixels right of and below the one before.
  void DrawStockInDepth(int x, int y, int count, int a, int b);

 private:
  QPainter& p_;
  const Artwork& art_;
  const TTableState& t_;
};

// Whether (row, slot) names a place of the grid.
inline bool InGrid(int row, int slot) {
  return row >= 0 && row < kRows && slot >= 0 && slot < kSlots;
}
