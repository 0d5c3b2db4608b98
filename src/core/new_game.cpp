#include "core/new_game.h"

#include "core/hand_order.h"
#include "core/solo_deals.h"

namespace {

// Every deal starts from the same table: no trick, no swindle, no guessing
// game, no picked card, an empty grid and a freshly shuffled pack.
void ResetTable(Game& g, bool reseed) {
  TTableState& t = g.t;
  t.DefendByCover = 1;
  t.SwindleCount = 0;
  t.GuessMode = 0;
  t.LeadInProgress = 0;
  t.AceOrderPending = 0;
  t.CoverIndex = 0;
  t.FirstDiscardDone = 0;
  t.PassSlots = {-1, -1, -1};
  g.seen = {};
  t.NineRowEnd = 6;  // all four suit rows of Nine are drawn
  t.HitRow = t.HitSlot = t.SourceRow = t.SourceSlot = -1;
  g.program.ModalFlag = 1;
  if (t.GameDecided == 0) t.WhoseTurn = 2;
  // A repeated deal is shuffled again but not reseeded, so it sees a new order.
  if (reseed) ReseedRandom(g);
  ShufflePack(t.Pack, g.random);
  for (TCard& c : t.SwindleCards) c.Present = 0;
  for (auto& row : t.CardGrid) {
    for (TCard& c : row) c.Present = 0;
  }
  for (auto& row : t.Opened) row.fill(0);
}

void StripForCardGame(Game& g) {
  TPack& pack = g.t.Pack;
  switch (g.kind()) {
    case Kind::CzechDurak:
      StripTo36(pack);
      if (g.t.FormG == 5) StripTo32(pack);
      break;
    case Kind::Eights:
    case Kind::Nine:
      StripTo36(pack);
      break;
    default:
      if (g.program.PackSize != 52) StripTo36(pack);
      break;
  }
}

void FillRow(Game& g, int row, int count) {
  for (int s = 0; s < count; ++s) g.t.PutCard(row, s);
}

// The stock, the trump card and the trump suit of each kind.
void LayStockAndTrump(Game& g) {
  TTableState& t = g.t;
  const int packSize = g.program.PackSize;
  switch (g.kind()) {
    case Kind::JapaneseDurak:
      // Diamonds are always trumps; the first diamond of the stock lies
      // under it as the trump card, if the stock has one.
      FillRow(g, 5, packSize - 12);
      for (int s = 0; s < packSize - 12; ++s) {
        if (t.SuitAt(5, s) == Diamonds) {
          t.PutCard(4, 0, *t.TakeCard(5, s));
          break;
        }
      }
      t.TrumpSuit = Diamonds;
      break;
    case Kind::PiledDurak:
    case Kind::RoadDurak:
      t.TrumpSuit = t.SuitAt(0, 0);  // the computer's first card, before sorting
      break;
    case Kind::CzechDurak:
      FillRow(g, 5, CountPresent(t.Pack));
      t.TrumpSuit = Clubs;
      break;
    case Kind::Eights:
      t.TrumpSuit = -1;
      break;
    case Kind::Nine:
      t.TrumpSuit = Clubs;
      break;
    default:  // Simple and Reverse durak
      t.PutCard(4, 0);
      t.TrumpSuit = t.SuitAt(4, 0);
      FillRow(g, 5, packSize - 13);
      break;
  }
}

bool HoldsNineOfDiamonds(const Game& g, int row) {
  for (int s = 0; s < kSlots; ++s) {
    const TCard& c = g.t.CardGrid[row][s];
    if (c.Present == 1 && c.Suit == Diamonds && c.Rank == Nine) return true;
  }
  return false;
}

// Decides who moves first. Returns false when the deal must be repeated.
bool DecideFirstMover(Game& g) {
  TTableState& t = g.t;
  const int firstMove = t.Options.FirstMove;
  const Kind k = g.kind();

  if (k == Kind::Eights) {
    if (firstMove == 2) {
      t.WhoseTurn = 1;
    } else if (firstMove == 3) {
      t.WhoseTurn = 0;
    } else if (t.RankAt(0, 0) > t.RankAt(1, 0)) {
      t.WhoseTurn = 0;
    } else if (t.RankAt(1, 0) > t.RankAt(0, 0)) {
      t.WhoseTurn = 1;
    }
    return true;
  }
  if (k == Kind::Nine) {
    if (HoldsNineOfDiamonds(g, 0)) t.WhoseTurn = 0;
    if (HoldsNineOfDiamonds(g, 1)) t.WhoseTurn = 1;
    return true;
  }

  const int computerTrump = LowestTrumpIndex(g, 0);
  const int playerTrump = LowestTrumpIndex(g, 1);
  if (firstMove == 2) {
    t.WhoseTurn = 1;
    return true;
  }
  if (firstMove == 3) {
    t.WhoseTurn = 0;
    return true;
  }
  if (firstMove == 1) t.WhoseTurn = 2;  // the lower trump decides every game
  const bool checked = k != Kind::PiledDurak && k != Kind::RoadDurak && k != Kind::CzechDurak;
  if (checked && (!DealCheck(g) || (computerTrump < 0 && playerTrump < 0))) return false;

  if (t.WhoseTurn == 2) {
    if (computerTrump < 0 && playerTrump < 0) return false;
    if (playerTrump < 0 ||
        (computerTrump >= 0 && t.RankAt(0, computerTrump) < t.RankAt(1, playerTrump))) {
      t.WhoseTurn = 0;
    } else {
      t.WhoseTurn = 1;
    }
  }
  return true;
}

void DealCardGame(Game& g) {
  bool reseed = true;
  for (;;) {  // a failed deal is simply dealt again
    ResetTable(g, reseed);
    reseed = false;
    g.t.PatienceResult = -1;
    StripForCardGame(g);
    const int n = HandSizeAtDeal(g);
    FillRow(g, 0, n);  // all of the computer's cards first, then the player's
    FillRow(g, 1, n);
    LayStockAndTrump(g);
    CountRows(g);
    if (DecideFirstMover(g)) return;
  }
}

void DealAlone(Game& g) {
  ResetTable(g, true);
  const Kind k = g.kind();
  if (IsMemory(k)) {
    DealMemory(g);
  } else {
    DealSoloLayout(g);
  }
  if (IsPatience(k)) {
    // A patience deal is under way from its first card; nothing is picked.
    g.t.PatienceResult = 0;
    g.t.Picked = 0;
    RecountPiles(g);
  }
}

}  // namespace

int HandSizeAtDeal(const Game& g) {
  switch (g.kind()) {
    case Kind::PiledDurak:
    case Kind::RoadDurak:
      return g.program.PackSize / 2;
    case Kind::CzechDurak:
      if (g.t.FormG == 6) return 6;
      if (g.t.FormG == 8) return 4;
      return 5;
    case Kind::Eights:
    case Kind::Nine:
      return 18;
    default:
      return 6;
  }
}

bool DealCheck(const Game& g) {
  for (int row : {0, 1}) {
    int perSuit[4] = {0, 0, 0, 0};
    for (int s = 0; s < 6; ++s) {
      const TCard& c = g.t.CardGrid[row][s];
      if (c.Present == 1 && c.Suit >= 0 && c.Suit < 4 && ++perSuit[c.Suit] > 3) return false;
    }
  }
  return true;
}

void RecountPiles(Game& g) {
  for (int r = 0; r < kRows; ++r) {
    int n = 0;
    for (const TCard& c : g.t.CardGrid[r]) n += c.Present == 1;
    g.t.PileCount[r] = n;
  }
}

void DealOnly(Game& g) {
  if (IsCardGame(g.kind())) {
    DealCardGame(g);
  } else {
    DealAlone(g);
  }
}

void ScheduleNewGame(Game& g) { g.newGameDue = true; }
