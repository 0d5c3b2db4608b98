// The searching professional: determinized play-outs.
//
// At each choice the computer knows its own hand, the table, the trump card,
// the number of cards in the other hand and in the stock, and which cards
// have left play. The cards it cannot see are therefore one known set (the
// pack less everything it has seen), to be split between the other hand and
// the stock. Some of them are certain to be in the other hand: the cards it
// took up from the table or got in a trump exchange and has not played
// since (Game::seen). A refusal to cover proves nothing in durak (a player
// may take with a card that beats), so no suit is ruled out.
//
// A search round deals the unseen cards at random, consistently with that
// knowledge, and plays every candidate move out to the end of the game on
// the same deal with the fast policies of search_table.h for both seats.
// The move with the best mean result (win 1, draw 0, loss -1) is chosen.
// Playing every move on the same deals makes the comparison between moves
// much sharper than independent deals would. We chose this over
// information-set tree search: durak choices have few candidates, the
// play-outs are cheap, and a flat comparison stops early and predictably.
//
// Every so many rounds a move clearly behind the leader (its mean
// difference more than two standard errors) is dropped; the search stops
// when one move is left, at the round or play-out budget, or at the time
// cap. Ties go to the move the plain professional would prefer, which is
// listed first. The deals come from the game's one generator, so a seed
// fixes every choice, and nothing here reads the other hand or the order of
// the stock: only the set of both together, which is what the discards
// tell.
#include "durak/search_player.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>

#include "durak/beats.h"
#include "durak/search_table.h"
#include "durak/trick_moves.h"

using namespace durak_search;

namespace {

// What the computer may know of the table, ready to be dealt out.
struct View {
  SimRules rules;
  SimTable base;          // its hand and the trick; the other hand and the stock empty
  CardMask unseen = 0;    // the other hand and the stock together
  CardMask shown = 0;     // unseen cards known to be in the other hand
  int otherCount = 0;     // cards in the other hand
  int trumpCard = -1;     // the face-up trump card, drawn last
};

struct Candidate {
  SimMove move;
  int slot = -1;            // the answer for the turn flow
  std::vector<int> slots;   // a several-card answer
};

int CardOf(const TCard& c) { return ImageIndex(c); }

CardMask RowMask(const Game& g, int row) {
  CardMask m = 0;
  for (int s = 0; s < std::min(g.t.RowCount[row], kSlots); ++s) {
    if (g.t.IsPresent(row, s)) m |= Bit(CardOf(g.t.CardGrid[row][s]));
  }
  return m;
}

int SlotOfCard(const Game& g, int card) {
  for (int s = 0; s < std::min(g.t.RowCount[0], kSlots); ++s) {
    if (g.t.IsPresent(0, s) && CardOf(g.t.CardGrid[0][s]) == card) return s;
  }
  return -1;
}

SimRules RulesOf(const Game& g) {
  const TTableState& t = g.t;
  SimRules r;
  r.trumpSuit = t.TrumpSuit;
  r.japanese = g.kind() == Kind::JapaneseDurak;
  r.road = g.kind() == Kind::RoadDurak;
  r.form = std::clamp(t.FormG, 0, 2);
  r.packSize = g.program.PackSize;
  r.transferAfterFirstDiscard = t.Options.DiscardTransfer1 == 1;
  r.shareLastCards = t.Options.LastCards == 1;
  r.moreThanSix = t.Options.ThrowUpMore6Cards == 1;
  r.noDraws = t.Options.LastCardGame == 1;
  return r;
}

// The trick as it lies; false when the covers do not follow the attack
// cards in order (no table the turn flow asks about).
bool ReadTrick(const Game& g, SimTable& s) {
  const TTableState& t = g.t;
  s.attacks = std::clamp(t.RowCount[2], 0, kMaxTrickCards);
  for (int i = 0; i < s.attacks; ++i) {
    if (!t.IsPresent(2, i)) return false;
    s.attack[i] = static_cast<uint8_t>(CardOf(t.CardGrid[2][i]));
  }
  s.covers = 0;
  while (s.covers < s.attacks && t.IsPresent(3, s.covers)) {
    s.cover[s.covers] = static_cast<uint8_t>(CardOf(t.CardGrid[3][s.covers]));
    ++s.covers;
  }
  return s.covers == std::min(t.RowCount[3], s.attacks);
}

bool ReadView(const Game& g, View& v) {
  const TTableState& t = g.t;
  v.rules = RulesOf(g);
  v.base.hand[0] = RowMask(g, 0);
  if (!ReadTrick(g, v.base)) return false;
  v.base.attacker = t.WhoseTurn == 1 ? 1 : 0;
  v.base.firstDiscardDone = t.FirstDiscardDone == 1;
  // The set of cards it cannot see: what the discards leave of the pack.
  v.unseen = RowMask(g, 1) | RowMask(g, 5);
  v.otherCount = std::clamp(t.RowCount[1], 0, kSlots);  // the size of a hand is in plain view
  v.shown = g.seen.takenUp[1] & v.unseen;
  while (CountCards(v.shown) > v.otherCount) v.shown &= v.shown - 1;
  v.trumpCard = TrumpCardLies(g) ? CardOf(t.CardGrid[4][0]) : -1;
  return true;
}

// One deal of the unseen cards: the shown ones and a random rest to the
// other hand, the remainder in random order into the stock, the trump card
// under it.
SimTable Deal(const View& v, TRandom& random) {
  SimTable s = v.base;
  std::array<uint8_t, 52> free{};
  int n = 0;
  for (CardMask m = v.unseen & ~v.shown; m != 0; m &= m - 1) {
    free[n++] = static_cast<uint8_t>(std::countr_zero(m));
  }
  for (int i = 0; i + 1 < n; ++i) std::swap(free[i], free[i + random.Below(n - i)]);
  const int toHand = std::clamp(v.otherCount - CountCards(v.shown), 0, n);
  s.hand[1] = v.shown;
  for (int i = 0; i < toHand; ++i) s.hand[1] |= Bit(free[i]);
  s.stockEnd = 0;
  for (int i = toHand; i < n; ++i) s.stock[s.stockEnd++] = free[i];
  if (v.trumpCard >= 0) s.stock[s.stockEnd++] = static_cast<uint8_t>(v.trumpCard);
  s.stockNext = 0;
  s.trumpCardLies = v.trumpCard >= 0;
  return s;
}

struct Tally {
  std::vector<int8_t> results;  // round-major: results[round * moves + move]
  int moves = 0, rounds = 0;
  int At(int round, int move) const { return results[static_cast<size_t>(round * moves + move)]; }
  double Mean(int move) const {
    double sum = 0;
    for (int r = 0; r < rounds; ++r) sum += At(r, move);
    return rounds > 0 ? sum / rounds : 0;
  }
  // Whether `move` is clearly behind `best` on the deals both played.
  bool ClearlyBehind(int best, int move) const {
    double sum = 0, sumSq = 0;
    for (int r = 0; r < rounds; ++r) {
      const double d = At(r, best) - At(r, move);
      sum += d;
      sumSq += d * d;
    }
    const double mean = sum / rounds;
    const double variance = std::max(0.0, sumSq / rounds - mean * mean);
    if (mean <= 0) return false;
    return mean > 2.0 * std::sqrt(variance / rounds);
  }
};

int BestAlive(const Tally& tally, const std::vector<bool>& alive) {
  int best = -1;
  double bestMean = 0;
  for (int m = 0; m < tally.moves; ++m) {
    if (!alive[m]) continue;
    const double mean = tally.Mean(m);
    if (best < 0 || mean > bestMean) {
      best = m;
      bestMean = mean;
    }
  }
  return best;
}

// Drops the moves clearly behind the leader; true when one is left or the
// deals tell the moves apart no longer (every move gave the same result on
// every deal).
bool Prune(const Tally& tally, std::vector<bool>& alive) {
  const int best = BestAlive(tally, alive);
  int left = 0;
  bool allSame = true;
  for (int m = 0; m < tally.moves; ++m) {
    if (!alive[m] || m == best) continue;
    if (tally.ClearlyBehind(best, m)) {
      alive[m] = false;
      continue;
    }
    ++left;
    for (int r = 0; r < tally.rounds && allSame; ++r) allSame = tally.At(r, m) == tally.At(r, best);
  }
  return left == 0 || allSame;
}

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int ChooseAmong(Game& g, const View& v, const std::vector<Candidate>& moves) {
  if (moves.size() <= 1) return 0;
  const SearchBudget budget = SearchBudget::For(g);
  const auto start = Clock::now();
  Tally tally;
  tally.moves = static_cast<int>(moves.size());
  tally.results.reserve(static_cast<size_t>(budget.mostRounds) * moves.size());
  std::vector<bool> alive(moves.size(), true);
  int playOuts = 0;
  for (int round = 0; round < budget.mostRounds; ++round) {
    const SimTable deal = Deal(v, g.random);
    for (int m = 0; m < tally.moves; ++m) {
      int8_t result = 0;
      if (alive[m]) {
        SimTable s = deal;
        ApplyMove(v.rules, s, moves[m].move);
        result = static_cast<int8_t>(PlayOut(v.rules, s));
        ++playOuts;
      }
      tally.results.push_back(result);
    }
    tally.rounds = round + 1;
    if (playOuts >= budget.mostPlayOuts) break;
    if (MillisecondsSince(start) > budget.capMilliseconds) break;
    if (tally.rounds >= budget.fewestRounds && tally.rounds % 8 == 0 && Prune(tally, alive)) break;
  }
  return BestAlive(tally, alive);
}

// The plain professional's preference among cards: plain before trumps, low
// before high (the order the candidates are listed in, so ties go to it).
int Preference(const SimRules& r, int card) {
  return (SuitOf(card) == r.trumpSuit ? 100 : 0) + RankOf(card);
}

std::vector<int> HandCardsByPreference(const View& v) {
  std::vector<int> cards;
  for (CardMask m = v.base.hand[0]; m != 0; m &= m - 1) cards.push_back(std::countr_zero(m));
  std::stable_sort(cards.begin(), cards.end(), [&](int a, int b) {
    return Preference(v.rules, a) < Preference(v.rules, b);
  });
  return cards;
}

Candidate CardMove(const Game& g, SimMove::Type type, int card) {
  Candidate c;
  c.move.type = type;
  c.move.card = card;
  c.slot = SlotOfCard(g, card);
  return c;
}

Candidate NoCardMove(SimMove::Type type) {
  Candidate c;
  c.move.type = type;
  return c;
}

// Times the choice for whoever measures, and answers with the chosen move.
template <typename Answer>
Answer Timed(Game& g, Answer (*choose)(Game&, const View&), const View& v) {
  const auto start = Clock::now();
  Answer a = choose(g, v);
  if (g.searchTimings != nullptr) g.searchTimings->milliseconds.push_back(MillisecondsSince(start));
  return a;
}

int LeadFrom(Game& g, const View& v) {
  std::vector<Candidate> moves;
  for (int card : HandCardsByPreference(v)) moves.push_back(CardMove(g, SimMove::Lead, card));
  if (moves.empty()) return -1;
  return moves[static_cast<size_t>(ChooseAmong(g, v, moves))].slot;
}

int AddFrom(Game& g, const View& v) {
  std::vector<Candidate> moves;
  const bool thickStock = TrumpCardLies(g) && g.t.RowCount[5] >= 3;
  for (int card : HandCardsByPreference(v)) {
    const int slot = SlotOfCard(g, card);
    if (MayAddToTrick(g, 0, slot)) moves.push_back(CardMove(g, SimMove::Add, card));
  }
  // Keeping the cards is listed before adding trumps while the stock is thick.
  auto firstTrump = std::find_if(moves.begin(), moves.end(), [&](const Candidate& c) {
    return thickStock && SuitOf(c.move.card) == v.rules.trumpSuit;
  });
  moves.insert(firstTrump, NoCardMove(SimMove::NoAdd));
  return moves[static_cast<size_t>(ChooseAmong(g, v, moves))].slot;
}

int TransferFrom(Game& g, const View& v) {
  std::vector<Candidate> moves;
  for (int card : HandCardsByPreference(v)) {
    if (MayTransfer(g, 0, SlotOfCard(g, card))) moves.push_back(CardMove(g, SimMove::Transfer, card));
  }
  if (moves.empty()) return -1;
  moves.push_back(NoCardMove(SimMove::NoTransfer));
  return moves[static_cast<size_t>(ChooseAmong(g, v, moves))].slot;
}

std::vector<Candidate> CoverMoves(const Game& g, const View& v, const TCard& attack) {
  std::vector<Candidate> moves;
  for (int card : HandCardsByPreference(v)) {
    const TCard& own = g.t.CardGrid[0][SlotOfCard(g, card)];
    if (Beats(g, own, attack)) moves.push_back(CardMove(g, SimMove::Cover, card));
  }
  moves.push_back(NoCardMove(SimMove::Take));
  return moves;
}

// Every way of covering all attack cards with distinct cards that beat
// them, the cheapest first, at most a handful; the search is bounded so that
// a long lead against a big hand stays quick.
void FindCoverings(const Game& g, const std::vector<int>& hand, int attack,
                   std::vector<int>& chosen, std::vector<std::vector<int>>& found, int& steps) {
  constexpr int kMostCoverings = 6, kMostSteps = 4000;
  if (static_cast<int>(found.size()) >= kMostCoverings || ++steps > kMostSteps) return;
  if (attack == g.t.RowCount[2]) {
    found.push_back(chosen);
    return;
  }
  for (int card : hand) {
    if (std::find(chosen.begin(), chosen.end(), card) != chosen.end()) continue;
    const TCard& own = g.t.CardGrid[0][SlotOfCard(g, card)];
    if (!Beats(g, own, g.t.CardGrid[2][attack])) continue;
    chosen.push_back(card);
    FindCoverings(g, hand, attack + 1, chosen, found, steps);
    chosen.pop_back();
  }
}

std::vector<int> CoverAllFrom(Game& g, const View& v) {
  std::vector<std::vector<int>> coverings;
  std::vector<int> chosen;
  int steps = 0;
  if (g.t.RowCount[2] <= kMaxTrickCards) {
    FindCoverings(g, HandCardsByPreference(v), 0, chosen, coverings, steps);
  }
  if (coverings.empty()) return {};
  std::vector<Candidate> moves;
  for (const std::vector<int>& cards : coverings) {
    Candidate c;
    c.move.type = SimMove::CoverAll;
    for (size_t i = 0; i < cards.size(); ++i) {
      c.move.covers[i] = static_cast<uint8_t>(cards[i]);
      c.slots.push_back(SlotOfCard(g, cards[i]));
    }
    moves.push_back(c);
  }
  moves.push_back(NoCardMove(SimMove::Take));
  return moves[static_cast<size_t>(ChooseAmong(g, v, moves))].slots;
}

}  // namespace

bool SearchPlays(const Game& g) {
  return IsDurak(g.kind()) && g.t.Options.Search == 1 && g.t.Options.Style == 5;
}

int SearchLead(Game& g) {
  View v;
  if (!ReadView(g, v) || v.base.attacks != 0) return kNoSearchAnswer;
  v.base.attacker = 0;
  return Timed<int>(g, LeadFrom, v);
}

int SearchCover(Game& g, int row, int slot) {
  View v;
  if (row != 2 || !ReadView(g, v) || slot != v.base.covers || slot >= v.base.attacks) {
    return kNoSearchAnswer;
  }
  v.base.attacker = 1;
  v.base.transferDeclined = true;
  const auto choose = [](Game& game, const View& view) {
    const TCard attack = game.t.CardGrid[2][view.base.covers];
    std::vector<Candidate> moves = CoverMoves(game, view, attack);
    return moves[static_cast<size_t>(ChooseAmong(game, view, moves))].slot;
  };
  return Timed<int>(g, +choose, v);
}

int SearchAdd(Game& g) {
  View v;
  if (!ReadView(g, v) || v.base.covers != v.base.attacks || v.base.attacks == 0) {
    return kNoSearchAnswer;
  }
  v.base.attacker = 0;
  return Timed<int>(g, AddFrom, v);
}

int SearchTransfer(Game& g) {
  View v;
  if (!ReadView(g, v) || v.base.covers != 0 || v.base.attacks == 0) return kNoSearchAnswer;
  v.base.attacker = 1;
  return Timed<int>(g, TransferFrom, v);
}

std::optional<std::vector<int>> SearchCoverAll(Game& g) {
  View v;
  if (!ReadView(g, v) || v.base.attacks == 0) return std::nullopt;
  v.base.attacker = 1;
  v.base.covers = 0;
  v.base.transferDeclined = true;
  return Timed<std::vector<int>>(g, CoverAllFrom, v);
}

SearchBudget SearchBudget::For(const Game& g) {
  SearchBudget b;
  if (g.searchTimings != nullptr) b.capMilliseconds = g.searchTimings->capMilliseconds;
  return b;
}

double SearchTimings::Median() const { return Percentile(50); }

double SearchTimings::Percentile(double p) const {
  if (milliseconds.empty()) return 0;
  std::vector<double> sorted = milliseconds;
  std::sort(sorted.begin(), sorted.end());
  const double at = std::clamp(p, 0.0, 100.0) / 100.0 * static_cast<double>(sorted.size() - 1);
  return sorted[static_cast<size_t>(std::lround(at))];
}
