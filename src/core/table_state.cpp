#include "core/table_state.h"

#include <utility>

void TTableState::PutCard(int row, int slot, const TCard& card) {
  CardGrid[row][slot] = card;
  CardGrid[row][slot].Present = 1;
}

std::optional<TCard> TTableState::TakeCard(int row, int slot) {
  TCard& c = CardGrid[row][slot];
  if (c.Present != 1) return std::nullopt;
  c.Present = 0;
  return c;
}

void TTableState::SwapSlots(int row, int a, int b) {
  std::swap(CardGrid[row][a], CardGrid[row][b]);
}
