#include "patience/hit_test.h"

#include <algorithm>

#include "core/game.h"
#include "table/layout.h"

namespace {

constexpr int32_t kHandBoxHeight = 100;  // the hand answers a little below its cards
constexpr int32_t kMemoryBoxHeight = 97;
constexpr int32_t kScarfRunStep = 15;    // a face-up card shows 15 pixels of itself
constexpr int32_t kScarfHiddenStep = 3;  // a face-down card shows 3
constexpr int32_t kScarfWasteStep = 14;  // the shown waste cards fan 14 right, 2 down

const HitResult kMiss{};

bool Inside(int32_t left, int32_t top, int32_t width, int32_t height, int32_t x, int32_t y) {
  return left < x && x < left + width && top < y && y < top + height;
}

bool InsideCard(int32_t left, int32_t top, int32_t x, int32_t y) {
  return Inside(left, top, kCardWidth, kCardHeight, x, y);
}

TRect CardRect(int32_t left, int32_t top, int32_t height = kCardHeight) {
  return {left, top, left + kCardWidth, top + height};
}

PointerShape HandIf(bool takeable) {
  return takeable ? PointerShape::Hand : PointerShape::Unchanged;
}

// A point and the table it is tested against.
struct Probe {
  TTableState& t;
  int32_t x, y;

  // The card-sized box at the layout place of (row, slot).
  bool OnPlace(int row, int slot) const {
    return InsideCard(t.CardX[row][slot], t.CardY[row][slot], x, y);
  }
  // Cards in a pile; the count comes from the last recount of the piles.
  int Size(int row) const { return std::clamp(t.PileCount[row], 0, kSlots); }
  int Top(int row) const { return Size(row) - 1; }
  bool Has(int row, int slot) const { return slot >= 0 && slot < kSlots && t.IsPresent(row, slot); }
  bool FaceUp(int row, int slot) const { return t.Opened[row][slot] != 0; }

  HitResult Mark(int row, int slot, int32_t index, PointerShape pointer) const {
    t.HitRow = row;
    t.HitSlot = slot;
    return {index, pointer};
  }
};

// Card games: the fan of the player's hand (row 1).
HitResult HitHand(const Probe& p) {
  const int n = std::clamp(p.t.RowCount[1], 0, kSlots);
  for (int c = 0; c < n; ++c) {
    const TRect box = HandCardBox(p.t, n, c);
    if (Inside(box.Left, box.Top, box.Width(), box.Height(), p.x, p.y)) {
      return {c, PointerShape::Hand};
    }
  }
  return kMiss;
}

HitResult HitMemory(const Probe& p) {
  for (int s = 0; s < kSlots; ++s) {
    if (!p.Has(0, s)) continue;
    if (Inside(p.t.CardX[0][s], p.t.CardY[0][s], kCardWidth, kMemoryBoxHeight, p.x, p.y)) {
      p.t.HitSlot = s;
      return {s, PointerShape::Hand};
    }
  }
  return kMiss;
}

// --- Scarf ---------------------------------------------------------------

// The stock is drawn deeper the more it holds; once empty it stays a target
// (to turn the waste over) while the waste has cards.
std::optional<int32_t> ScarfStockDepth(const Probe& p) {
  const int n = p.Size(0);
  if (n > 16) return 4;
  if (n > 8) return 2;
  if (n > 0) return 0;
  const bool wasteHolds = p.Size(1) > 0 || p.Size(2) > 0;
  if (wasteHolds) return 0;
  return std::nullopt;
}

std::optional<HitResult> HitScarfStock(const Probe& p) {
  const std::optional<int32_t> d = ScarfStockDepth(p);
  if (!d) return std::nullopt;
  if (!InsideCard(p.t.CardX[0][0] + *d, p.t.CardY[0][0] + *d, p.x, p.y)) return std::nullopt;
  return p.Mark(0, 0, 0, PointerShape::Hand);
}

std::optional<HitResult> HitScarfWaste(const Probe& p) {
  int g = 2;
  while (g >= 0 && !p.Has(1, g)) --g;
  if (g < 0) return std::nullopt;
  const int32_t left = p.t.CardX[1][0] + kScarfWasteStep * g;
  const int32_t top = p.t.CardY[1][0] + 2 * g;
  if (!InsideCard(left, top, p.x, p.y)) return std::nullopt;
  p.t.PickedRect = CardRect(left, top);
  return p.Mark(1, g, 1, PointerShape::Hand);
}

std::optional<HitResult> HitScarfFoundations(const Probe& p) {
  for (int r = 3; r <= 6; ++r) {
    if (!p.OnPlace(r, 0)) continue;
    p.t.PickedRect = CardRect(p.t.CardX[r][0], p.t.CardY[r][0]);
    return p.Mark(r, p.Top(r), r, HandIf(p.Has(r, 0)));
  }
  return std::nullopt;
}

// A column shows its face-down cards 3 pixels apart and its face-up cards 15
// apart; only the top card shows whole.
std::optional<HitResult> HitScarfColumn(const Probe& p, int r) {
  const int n = p.Size(r);
  if (n == 0) return std::nullopt;
  int f = 0;
  while (f < n && !p.FaceUp(r, f)) ++f;
  if (f == n) f = n - 1;
  const int32_t left = p.t.CardX[r][0];
  const int32_t hidden = kScarfHiddenStep * f;
  int32_t y = p.t.CardY[7][0];
  for (int s = 0; s < n; ++s) {
    const bool top = s == n - 1;
    if (top) {
      if (!InsideCard(left, y + hidden, p.x, p.y)) return std::nullopt;
      p.t.PickedRect = CardRect(left, y + hidden);
      return p.Mark(r, s, r, PointerShape::Hand);
    }
    if (!p.FaceUp(r, s)) continue;
    if (Inside(left, y + hidden, kCardWidth, kScarfRunStep, p.x, p.y)) {
      int faceUpFromHere = 0;
      for (int k = s; k < n; ++k) faceUpFromHere += p.FaceUp(r, k) ? 1 : 0;
      const int32_t runHeight = kScarfRunStep * faceUpFromHere + (kCardHeight - kScarfRunStep);
      p.t.PickedRect = CardRect(left, y + hidden, runHeight);
      return p.Mark(r, s, r, PointerShape::Hand);
    }
    if (p.FaceUp(r, s + 1)) y += kScarfRunStep;
  }
  return std::nullopt;
}

HitResult HitScarf(const Probe& p) {
  if (auto hit = HitScarfStock(p)) return *hit;
  if (auto hit = HitScarfWaste(p)) return *hit;
  if (auto hit = HitScarfFoundations(p)) return *hit;
  for (int r = 7; r <= 13; ++r) {
    if (auto hit = HitScarfColumn(p, r)) return *hit;
  }
  return kMiss;
}

// --- The other patience games -------------------------------------------

HitResult HitSolitaire(const Probe& p) {
  for (int k = 0; k < 4; ++k) {
    if (InsideCard(p.t.CardX[0][0] + 72 * k, p.t.CardY[0][k], p.x, p.y)) {
      return p.Mark(0, k, 0, HandIf(p.Has(0, k)));
    }
  }
  // Foundations are targets only: the pointer stays as it is.
  for (int r = 1; r <= 4; ++r) {
    if (p.OnPlace(r, 0)) return p.Mark(r, std::max(p.Top(r), 0), r, PointerShape::Unchanged);
  }
  for (int r = 5; r <= 12; ++r) {
    const int top = std::max(p.Top(r), 0);
    if (InsideCard(p.t.CardX[r][0], p.t.CardY[r][top], p.x, p.y)) {
      return p.Mark(r, p.Top(r), r, HandIf(p.Has(r, top)));
    }
  }
  return kMiss;
}

HitResult HitKerchief(const Probe& p) {
  for (int r = 0; r <= 9; ++r) {
    const int top = p.Top(r);
    if (top < 0) continue;
    if (InsideCard(p.t.CardX[r][0], p.t.CardY[r][top], p.x, p.y)) {
      return p.Mark(r, top, r, PointerShape::Hand);
    }
  }
  return kMiss;
}

HitResult HitPairs(const Probe& p) {
  for (int r = 0; r <= 8; ++r) {
    if (!p.OnPlace(r, 0)) continue;
    if (p.Size(r) > 0) return p.Mark(r, p.Top(r), r, PointerShape::Hand);
    return p.Mark(-1, -1, r, PointerShape::Unchanged);
  }
  return kMiss;
}

// The lines of Bard overlap: a card answers over the line spacing, except
// the cards of the last lines, which nothing covers.
HitResult HitBard(const Probe& p) {
  const int n = p.Size(0);
  const int32_t spacing = p.t.CardY[0][10] - p.t.CardY[0][0];
  for (int s = 0; s < n; ++s) {
    const int32_t height = s > n - 10 ? kCardHeight : spacing;
    if (Inside(p.t.CardX[0][s], p.t.CardY[0][s], kCardWidth, height, p.x, p.y)) {
      return p.Mark(0, s, s, PointerShape::Hand);
    }
  }
  return kMiss;
}

HitResult HitPiramida(const Probe& p) {
  for (int r = 0; r <= 1; ++r) {
    if (p.OnPlace(r, 0)) return p.Mark(r, 0, r, HandIf(p.Has(r, 0)));
  }
  for (int s = kSlots - 1; s >= 0; --s) {
    if (p.FaceUp(3, s) && p.OnPlace(3, s)) return p.Mark(3, s, 3, PointerShape::Hand);
  }
  return kMiss;
}

// Only the prisoners of the key's rank (the top card of row 2) answer.
HitResult HitPrisoner(const Probe& p) {
  if (p.OnPlace(0, 0)) {
    p.t.HitRow = 0;  // the stock is one place: the slot does not matter
    return {0, PointerShape::Hand};
  }
  const int key = p.Top(2);
  if (!p.Has(2, key)) return kMiss;
  for (int r = 4; r <= 12; ++r) {
    if (!p.Has(r, 0) || p.t.RankAt(r, 0) != p.t.RankAt(2, key)) continue;
    if (p.OnPlace(r, 0)) return p.Mark(r, 0, r, PointerShape::Hand);
  }
  return kMiss;
}

// A place counts only while another place shows a card of its suit.
HitResult HitTwoByTwo(const Probe& p) {
  for (int r = 1; r <= 4; ++r) {
    if (!p.OnPlace(r, 0)) continue;
    bool partner = false;
    for (int o = 1; o <= 4; ++o) {
      partner =
          partner || (o != r && p.Has(r, 0) && p.Has(o, 0) && p.t.SuitAt(o, 0) == p.t.SuitAt(r, 0));
    }
    if (!partner) return kMiss;
    return p.Mark(r, p.Top(r), r, PointerShape::Hand);
  }
  return kMiss;
}

// The piles of rows 4 to 7 are drawn two pixels deeper for every card.
HitResult HitOldFriend(const Probe& p) {
  for (int r = 0; r <= 1; ++r) {
    if (p.Has(r, 0) && p.OnPlace(r, 0)) return p.Mark(r, p.Top(r), r, PointerShape::Hand);
  }
  for (int r = 4; r <= 7; ++r) {
    if (!p.Has(r, p.Top(r))) continue;
    const int32_t depth = 2 * p.Size(r);
    const int32_t left = p.t.CardX[r][0] + depth - 2;
    const int32_t top = p.t.CardY[r][0] + depth - 2;
    if (InsideCard(left, top, p.x, p.y)) return p.Mark(r, p.Top(r), r, PointerShape::Hand);
  }
  return kMiss;
}

HitResult HitClock(const Probe& p) {
  for (int r = 0; r <= 12; ++r) {
    for (int s = 0; s <= 4; ++s) {
      if (p.OnPlace(r, s)) return p.Mark(r, p.Top(r), r, HandIf(p.FaceUp(r, s)));
    }
  }
  return kMiss;
}

HitResult HitJoker(const Probe& p) {
  for (int r = 0; r <= 3; ++r) {
    if (p.OnPlace(r, 0)) return p.Mark(r, 0, r, PointerShape::Unchanged);
  }
  for (int r = 4; r <= 11; ++r) {
    const bool emptyColumn = r <= 9 && p.Size(r) == 0;
    for (int s = 13; s >= 0; --s) {
      if (!p.FaceUp(r, s) && !emptyColumn) continue;
      if (p.OnPlace(r, s)) return p.Mark(r, s, r, HandIf(p.Size(r) > 0));
    }
  }
  return kMiss;
}

HitResult HitPaganini(const Probe& p) {
  for (int r = 0; r <= 3; ++r) {
    for (int s = 1; s <= 9; ++s) {
      if (p.OnPlace(r, s)) return p.Mark(r, s, r, HandIf(p.Has(r, s)));
    }
  }
  return kMiss;
}

HitResult HitCrossRoads(const Probe& p) {
  for (int r = 0; r <= 5; ++r) {
    if (p.Has(r, 0) && p.OnPlace(r, 0)) return p.Mark(r, p.Top(r), r, PointerShape::Hand);
  }
  return kMiss;
}

HitResult HitFirTrees(const Probe& p) {
  if (p.Has(0, 0) && p.OnPlace(0, 0)) return p.Mark(0, 0, 0, PointerShape::Hand);
  for (int r = 2; r <= 3; ++r) {
    for (int s = 12; s >= 0; --s) {
      if (p.FaceUp(r, s) && p.OnPlace(r, s)) return p.Mark(r, s, r, PointerShape::Hand);
    }
  }
  return kMiss;
}

HitResult HitStreet(const Probe& p) {
  for (int r = 0; r <= 3; ++r) {
    if (p.OnPlace(r, 0)) return p.Mark(r, 0, 0, PointerShape::Hand);
  }
  for (int r = 4; r <= 11; ++r) {
    const int t = p.Has(r, 0) ? p.Top(r) : 0;
    if (p.OnPlace(r, t)) return p.Mark(r, t, r, PointerShape::Hand);
  }
  return kMiss;
}

// Hearts: the player's thirteen cards overlap 15 pixels apart; a gap left by
// a card taken out uncovers more of the card before it, and the last card of
// the hand, whatever its slot, shows whole.
int32_t HeartsCardWidth(const Probe& p, int s) {
  constexpr int kLast = 12;
  if (s == kLast) return kCardWidth;
  if (p.Has(0, s + 1)) return p.t.CardX[0][s + 1] - p.t.CardX[0][s];
  bool coveredFurtherOn = false;
  for (int k = s + 2; k <= kLast; ++k) coveredFurtherOn = coveredFurtherOn || p.Has(0, k);
  if (!coveredFurtherOn) return kCardWidth;
  // A gap of one to three empty slots before the next card.
  const auto emptyBefore = [&](int k) { return k < kLast && !p.Has(0, k); };
  if (emptyBefore(s + 4)) return kCardWidth;
  if (emptyBefore(s + 3)) return 60;
  if (emptyBefore(s + 2)) return 45;
  return 30;
}

HitResult HitHearts(const Probe& p) {
  for (int s = 0; s <= 12; ++s) {
    if (!p.Has(0, s)) continue;
    const int32_t width = HeartsCardWidth(p, s);
    if (Inside(p.t.CardX[0][s], p.t.CardY[0][s], width, kCardHeight, p.x, p.y)) {
      p.t.HitSlot = s;
      return {s, PointerShape::Hand};
    }
  }
  return kMiss;
}

HitResult HitGame(const Probe& p, Kind kind) {
  switch (kind) {
    case Kind::Scarf:
      return HitScarf(p);
    case Kind::Solitaire:
      return HitSolitaire(p);
    case Kind::Kerchief:
      return HitKerchief(p);
    case Kind::Pairs:
      return HitPairs(p);
    case Kind::Bard:
      return HitBard(p);
    case Kind::Piramida:
      return HitPiramida(p);
    case Kind::Prisoner:
      return HitPrisoner(p);
    case Kind::TwoByTwo:
      return HitTwoByTwo(p);
    case Kind::OldFriend:
      return HitOldFriend(p);
    case Kind::Clock:
      return HitClock(p);
    case Kind::Joker:
      return HitJoker(p);
    case Kind::Paganini:
      return HitPaganini(p);
    case Kind::CrossRoads:
      return HitCrossRoads(p);
    case Kind::FirTrees:
      return HitFirTrees(p);
    case Kind::Street:
      return HitStreet(p);
    case Kind::Hearts:
      return HitHearts(p);
    case Kind::Memory36:
    case Kind::Memory52:
      return HitMemory(p);
    case Kind::None:
      return kMiss;
    default:
      return IsCardGame(kind) ? HitHand(p) : kMiss;
  }
}

}  // namespace

TRect HandCardBox(const TTableState& t, int n, int c) {
  const THandGeometry fan = HandFan(t, n);
  const bool whole = fan.step >= kCardWidth || c == n - 1;
  const int32_t left = fan.x0 + c * fan.step;
  return {left, t.PlayerHandY, left + (whole ? kCardWidth : fan.step),
          t.PlayerHandY + kHandBoxHeight};
}

HitResult HitTest(TTableState& t, Kind kind, int32_t x, int32_t y) {
  t.HitIndex = -1;
  const HitResult hit = HitGame(Probe{t, x, y}, kind);
  if (hit.index == -1) {
    t.HitRow = t.HitSlot = -1;
    return kMiss;
  }
  t.HitIndex = hit.index;
  return hit;
}
