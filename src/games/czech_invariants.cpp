#include "games/czech_invariants.h"

#include <array>

#include "games/czech_durak.h"
#include "games/table_watch.h"

namespace {

constexpr int kPileRow = 2;
constexpr int kStockRow = 5;

int LowestRank(const Game& g) { return g.t.FormG == 5 ? Seven : Six; }
int PackCards(const Game& g) { return g.t.FormG == 5 ? 32 : 36; }

// Every card lies once, in a hand, the pile or the stock; even the card the
// sharper swaps out stays in the game, under the stock.
std::string CheckCards(const Game& g) {
  std::array<int, kPackSlots> seen{};
  int present = 0;
  for (int row = 0; row < kRows; ++row) {
    for (const TCard& c : g.t.CardGrid[row]) {
      if (c.Present != 1) continue;
      const std::string where = " in row " + std::to_string(row);
      if (row != 0 && row != 1 && row != kPileRow && row != kStockRow)
        return "a card lies" + where;
      if (c.Suit < Clubs || c.Suit > Hearts || c.Rank < LowestRank(g) || c.Rank > Ace)
        return "a card outside the pack lies" + where;
      if (++seen[ImageIndex(c)] > 1) return "card " + std::to_string(ImageIndex(c)) + " twice";
      ++present;
    }
  }
  if (present != PackCards(g)) return "cards lost or added";
  return {};
}

std::string CheckClosedRow(const TTableState& t, int row) {
  int n = 0;
  while (n < kSlots && t.IsPresent(row, n)) ++n;
  for (int s = n; s < kSlots; ++s) {
    if (t.IsPresent(row, s)) return "row " + std::to_string(row) + " has a gap";
  }
  if (n != t.RowCount[row]) return "the count of row " + std::to_string(row) + " is wrong";
  return {};
}

std::string CheckPile(const Game& g) {
  const TTableState& t = g.t;
  if (std::string p = CheckClosedRow(t, kPileRow); !p.empty()) return p;
  if (std::string p = CheckClosedRow(t, kStockRow); !p.empty()) return p;
  const int n = t.RowCount[kPileRow];
  if (n == 0) {
    if (t.FirstDiscardDone != 0) return "the pile emptied after its first card";
    return {};
  }
  if (t.FirstDiscardDone == 0) return "the suit in force is not shown";
  if (t.TrumpSuit < Clubs || t.TrumpSuit > Hearts) return "no suit in force";
  const TCard& top = t.CardGrid[kPileRow][n - 1];
  // Only a wild card lets another suit than its own be in force, and in the
  // English form the card that follows the player's ace.
  if (top.Rank != CzechRanksOf(t.FormG).wild && t.FormG != kCzechEnglish && top.Suit != t.TrumpSuit)
    return "the suit in force is not the top's";
  return {};
}

std::string CheckMatchPoints(const Game& g) {
  if (g.t.CzechPointsPlayer >= 100 || g.t.CzechPointsComputer >= 100)
    return "100 points without the end of the match";
  return {};
}

}  // namespace

std::string CheckCzechTable(Game& g) {
  if (g.t.GuessMode == 1) return {};  // the sharper's pack lies out for guessing
  if (std::string p = CheckCards(g); !p.empty()) return p;
  if (std::string p = CheckHands(g); !p.empty()) return p;
  if (std::string p = CheckPile(g); !p.empty()) return p;
  return CheckMatchPoints(g);
}

std::string CheckCzechTurn(const Game& g) {
  if (g.t.GuessMode == 1) return {};  // the sharper's pack lies out for guessing
  if (g.t.WhoseTurn != 1) return "the player does not have the turn";
  return {};
}

namespace {

int MatchesDecided(const Game& g) {
  const TResult& r = g.t.Stats[g.t.VidG];
  return r.Wins + r.Losses + g.t.NetWins + g.t.NetLosses;
}

}  // namespace

void CzechPointsWatch::Reset(const Game& g) {
  player_ = g.t.CzechPointsPlayer;
  computer_ = g.t.CzechPointsComputer;
  matches_ = MatchesDecided(g);
}

std::string CzechPointsWatch::Check(const Game& g) {
  const int player = g.t.CzechPointsPlayer;
  const int computer = g.t.CzechPointsComputer;
  // A match that ended (and maybe the first deal of the next one, when the
  // computer opens it and sheds all its cards at once) starts from nothing.
  const bool matchOver = MatchesDecided(g) != matches_;
  const bool pharaoh = g.t.FormG == kCzechPharaoh;
  // One action may end two deals in Pharaoh (the computer can shed all
  // four cards of the next one at once), so by any multiple of 30.
  auto fine = [&](int was, int is) { return is >= was || (pharaoh && (was - is) % 30 == 0); };
  std::string problem;
  if (!matchOver && (!fine(player_, player) || !fine(computer_, computer)))
    problem = "points went down";
  Reset(g);
  return problem;
}
