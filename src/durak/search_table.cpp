#include "durak/search_table.h"

#include <bit>

namespace durak_search {
namespace {

constexpr int kFullHand = 6;
constexpr int kMostSteps = 400;  // a play-out this long is two policies circling

bool IsTrumpCard(const SimRules& r, int c) { return SuitOf(c) == r.trumpSuit; }

// Cards of a mask from the lowest rank up, plain suits before trumps: the
// order in which the policies like to spend them.
template <typename F>
int LowestWhere(const SimRules& r, CardMask m, F ok) {
  int bestPlain = -1, bestTrump = -1;
  for (CardMask rest = m; rest != 0; rest &= rest - 1) {
    const int c = std::countr_zero(rest);
    if (!ok(c)) continue;
    int& best = IsTrumpCard(r, c) ? bestTrump : bestPlain;
    if (best < 0 || RankOf(c) < RankOf(best)) best = c;
  }
  return bestPlain >= 0 ? bestPlain : bestTrump;
}

int DrawOne(SimTable& t) {
  const int c = t.stock[t.stockNext++];
  if (t.stockNext == t.stockEnd) t.trumpCardLies = false;
  return c;
}

void DrawToSix(SimTable& t, int seat) {
  while (CountCards(t.hand[seat]) < kFullHand && t.stockLeft() > 0) t.hand[seat] |= Bit(DrawOne(t));
}

void DrawUpBoth(const SimRules& r, SimTable& t) {
  const int a = t.attacker, d = t.defender();
  const int needA = kFullHand - CountCards(t.hand[a]), needD = kFullHand - CountCards(t.hand[d]);
  const int needed = (needA > 0 ? needA : 0) + (needD > 0 ? needD : 0);
  if (needed == 0 || t.stockLeft() == 0) return;
  const int underTrump = t.stockLeft() - (t.trumpCardLies ? 1 : 0);
  if (r.shareLastCards && needed >= underTrump + 1) {
    // The last cards one at a time, the defender first.
    int seat = needD > 0 ? d : a;
    while (t.stockLeft() > 0 && CountCards(t.hand[seat]) < kFullHand) {
      t.hand[seat] |= Bit(DrawOne(t));
      if (CountCards(t.hand[1 - seat]) < kFullHand) seat = 1 - seat;
    }
    return;
  }
  DrawToSix(t, a);
  DrawToSix(t, d);
}

CardMask TrickCards(const SimTable& t) {
  CardMask m = 0;
  for (int i = 0; i < t.attacks; ++i) m |= Bit(t.attack[i]);
  for (int i = 0; i < t.covers; ++i) m |= Bit(t.cover[i]);
  return m;
}

void EndTrick(SimTable& t) {
  t.attacks = t.covers = 0;
  t.taking = t.transferDeclined = false;
}

void Discard(const SimRules& r, SimTable& t) {
  EndTrick(t);
  t.firstDiscardDone = true;
  DrawUpBoth(r, t);
  t.attacker = t.defender();
}

void Take(SimTable& t) {
  t.hand[t.defender()] |= TrickCards(t);
  EndTrick(t);
  DrawToSix(t, t.attacker);
}

bool RankOnTable(const SimRules& r, const SimTable& t, int c) {
  for (int i = 0; i < t.attacks; ++i) {
    if (RankOf(t.attack[i]) == RankOf(c)) return true;
  }
  if (r.form == 0) return false;
  for (int i = 0; i < t.covers; ++i) {
    if (RankOf(t.cover[i]) == RankOf(c)) return true;
  }
  return false;
}

bool BeatsPlainly(const SimRules& r, int x, int a) {
  if (SuitOf(x) == SuitOf(a)) return RankOf(x) > RankOf(a);
  return SuitOf(a) != r.trumpSuit && SuitOf(x) == r.trumpSuit;
}

// Whether c may join the trick: a rank on the table, or on the road a card
// above the last cover.
bool MayJoin(const SimRules& r, const SimTable& t, int c) {
  if (r.road) return t.covers > 0 && BeatsPlainly(r, c, t.cover[t.covers - 1]);
  return RankOnTable(r, t, c);
}

bool TrickHasRoom(const SimRules& r, const SimTable& t) {
  return t.attacks < SimMaxTrick(r, t) && t.attacks - t.covers < CountCards(t.hand[t.defender()]);
}

bool MayPassOn(const SimRules& r, const SimTable& t) {
  return r.form == 2 && t.covers == 0 && t.attacks >= 1 && t.attacks < 5 && !t.transferDeclined &&
         CountCards(t.hand[t.attacker]) > t.attacks &&
         (!r.transferAfterFirstDiscard || t.firstDiscardDone);
}

// --- the fast policies ----------------------------------------------------

int PolicyLead(const SimRules& r, const SimTable& t) {
  return LowestWhere(r, t.hand[t.attacker], [](int) { return true; });
}

// A trump is spent on a plain card only while it is low or the stock thin.
bool WillingToTrump(const SimRules& r, const SimTable& t, int trump) {
  return t.stockLeft() <= 6 || RankOf(trump) < r.packSize / 4 + 5;
}

int PolicyCover(const SimRules& r, const SimTable& t) {
  const int a = t.attack[t.covers];
  const int c = LowestWhere(r, t.hand[t.defender()], [&](int x) { return SimBeats(r, x, a); });
  if (c < 0) return -1;
  if (IsTrumpCard(r, c) && !IsTrumpCard(r, a) && !WillingToTrump(r, t, c)) return -1;
  return c;
}

int PolicyTransfer(const SimRules& r, const SimTable& t) {
  const int rank = RankOf(t.attack[0]);
  const bool trumpsToo = t.stockLeft() == 0;
  return LowestWhere(r, t.hand[t.defender()], [&](int c) {
    return RankOf(c) == rank && (trumpsToo || !IsTrumpCard(r, c));
  });
}

int PolicyAdd(const SimRules& r, const SimTable& t) {
  const bool trumpsToo = t.stockLeft() <= 2;
  return LowestWhere(r, t.hand[t.attacker], [&](int c) {
    return (trumpsToo || !IsTrumpCard(r, c)) && MayJoin(r, t, c);
  });
}

// One action of whichever seat is to act.
void PolicyStep(const SimRules& r, SimTable& t) {
  SimMove m;
  if (t.attacks == 0) {
    m.type = SimMove::Lead;
    m.card = PolicyLead(r, t);
  } else if (t.taking) {
    m.card = r.form != 0 && TrickHasRoom(r, t) ? PolicyAdd(r, t) : -1;
    m.type = m.card >= 0 ? SimMove::Add : SimMove::NoAdd;
  } else if (t.covers < t.attacks) {
    const int pass = MayPassOn(r, t) ? PolicyTransfer(r, t) : -1;
    if (pass >= 0) {
      m.type = SimMove::Transfer;
      m.card = pass;
    } else {
      m.card = PolicyCover(r, t);
      m.type = m.card >= 0 ? SimMove::Cover : SimMove::Take;
    }
  } else {
    m.card = r.form != 0 && TrickHasRoom(r, t) ? PolicyAdd(r, t) : -1;
    m.type = m.card >= 0 ? SimMove::Add : SimMove::NoAdd;
  }
  ApplyMove(r, t, m);
}

}  // namespace

int CountCards(CardMask m) { return std::popcount(m); }

bool SimBeats(const SimRules& r, int x, int a) {
  if (r.japanese && SuitOf(a) == 1 && SuitOf(x) != 1) return false;  // 1: spades
  return BeatsPlainly(r, x, a);
}

int SimMaxTrick(const SimRules& r, const SimTable& t) {
  if (!t.firstDiscardDone) return 5;
  return r.moreThanSix ? r.packSize / 2 : 6;
}

void ApplyMove(const SimRules& r, SimTable& t, const SimMove& m) {
  switch (m.type) {
    case SimMove::Lead:
    case SimMove::Add:
      t.hand[t.attacker] &= ~Bit(m.card);
      t.attack[t.attacks++] = static_cast<uint8_t>(m.card);
      // The simple form: one card, covered or taken, and the trick is over.
      return;
    case SimMove::Cover:
      t.hand[t.defender()] &= ~Bit(m.card);
      t.cover[t.covers++] = static_cast<uint8_t>(m.card);
      if (r.form == 0 && t.covers == t.attacks) Discard(r, t);
      return;
    case SimMove::CoverAll:
      for (int i = t.covers; i < t.attacks; ++i) {
        t.hand[t.defender()] &= ~Bit(m.covers[i]);
        t.cover[i] = m.covers[i];
      }
      t.covers = t.attacks;
      if (r.form == 0) Discard(r, t);
      return;
    case SimMove::Take:
      t.taking = true;
      if (r.form == 0) Take(t);
      return;
    case SimMove::NoAdd:
      if (t.taking) {
        Take(t);
      } else {
        Discard(r, t);
      }
      return;
    case SimMove::Transfer:
      t.hand[t.defender()] &= ~Bit(m.card);
      t.attack[t.attacks++] = static_cast<uint8_t>(m.card);
      t.attacker = t.defender();
      return;
    case SimMove::NoTransfer:
      t.transferDeclined = true;
      return;
  }
}

int Outcome(const SimRules& r, const SimTable& t) {
  if (t.stockLeft() > 0) return kGoingOn;
  const int n0 = CountCards(t.hand[0]), n1 = CountCards(t.hand[1]);
  if (n0 == 0 && n1 == 0) {
    if (!r.noDraws) return 0;
    return t.attacker == 0 ? 1 : -1;
  }
  if (n0 > 0 && n1 > 0) return kGoingOn;
  const int out = n0 == 0 ? 0 : 1;
  // An attacker out of cards may still be matched by a defender whose one
  // card covers the last attack card.
  if (out == t.attacker && t.covers < t.attacks && !t.taking &&
      CountCards(t.hand[t.defender()]) == 1 && t.covers == t.attacks - 1) {
    const int last = std::countr_zero(t.hand[t.defender()]);
    if (SimBeats(r, last, t.attack[t.covers])) return kGoingOn;
  }
  return out == 0 ? 1 : -1;
}

int PlayOut(const SimRules& r, SimTable t) {
  for (int step = 0; step < kMostSteps; ++step) {
    const int o = Outcome(r, t);
    if (o != kGoingOn) return o;
    PolicyStep(r, t);
  }
  return 0;
}

}  // namespace durak_search
