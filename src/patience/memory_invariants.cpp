#include "patience/memory_invariants.h"

#include <algorithm>

#include "patience/memory.h"

namespace {

constexpr int kRow = 0;

int CardsOfGame(const Game& g) { return g.kind() == Kind::Memory36 ? 36 : 52; }

int FaceUp(const TTableState& t) {
  int n = 0;
  for (int s = 0; s < kSlots; ++s) n += t.IsPresent(kRow, s) && t.Opened[kRow][s] != 0;
  return n;
}

std::string CheckPack(const Game& g) {
  const TTableState& t = g.t;
  const int cards = CardsOfGame(g);
  std::array<bool, 52> seen{};
  for (int r = 0; r < kRows; ++r) {
    for (int s = 0; s < kSlots; ++s) {
      const TCard& c = t.CardGrid[r][s];
      if (c.Present != 1) {
        if (t.Opened[r][s] != 0 && r == kRow) return "an empty slot is face up";
        continue;
      }
      if (r != kRow || s >= cards) return "a card outside the first " + std::to_string(cards) +
                                          " slots of row 0";
      if (c.Suit < Clubs || c.Suit > Hearts || c.Rank < Two || c.Rank > Ace) return "no card";
      if (cards == 36 && c.Rank < Six) return "a card below the six in Memory 36";
      bool& once = seen[ImageIndex(c)];
      if (once) return "a card lies twice";
      once = true;
    }
  }
  for (int s = 0; s < cards; ++s) {
    if (!t.IsPresent(kRow, s)) return "a place of the row is empty";
  }
  return {};
}

// Apart from the pair being turned, the face-up cards are found pairs: an
// even number of each rank.
std::string CheckFoundPairs(const TTableState& t) {
  std::array<int, 13> perRank{};
  for (int s = 0; s < kSlots; ++s) {
    if (t.IsPresent(kRow, s) && t.Opened[kRow][s] != 0) perRank[t.RankAt(kRow, s)] += 1;
  }
  const bool openPair = t.CoverIndex == 2 && !MemoryPairMatches(t);
  if (t.CoverIndex == 1 || openPair) perRank[t.RankAt(kRow, t.SourceSlot)] -= 1;
  if (openPair) perRank[t.RankAt(kRow, t.SecondSlot)] -= 1;
  for (const int n : perRank) {
    if (n % 2 != 0) return "face-up cards that are no found pairs";
  }
  return {};
}

std::string CheckPhase(const TTableState& t) {
  const auto up = [&t](int s) {
    return s >= 0 && s < kSlots && t.IsPresent(kRow, s) && t.Opened[kRow][s] != 0;
  };
  switch (t.CoverIndex) {
    case 0:
      if (FaceUp(t) != 0 || t.FirstDiscardDone != 0) return "cards up before the first turn";
      return {};
    case 1:
      if (!up(t.SourceSlot)) return "the first card of the pair is not up";
      return CheckFoundPairs(t);
    case 2:
      if (!up(t.SourceSlot) || !up(t.SecondSlot) || t.SourceSlot == t.SecondSlot)
        return "the pair showing is not two face-up cards";
      return CheckFoundPairs(t);
    default:
      return "phase " + std::to_string(t.CoverIndex);
  }
}

}  // namespace

std::string CheckMemoryTable(const Game& g) {
  const TTableState& t = g.t;
  if (std::string p = CheckPack(g); !p.empty()) return p;
  if (std::string p = CheckPhase(t); !p.empty()) return p;
  const TResult& r = t.Stats[t.VidG];
  if (r.Wins < 0 || r.Wins % 2 != 0) return "a score no turns can give";
  if (r.Losses < 0) return "a negative record";
  if (MemoryAllTurned(t)) return "every card is up but the deal goes on";
  return {};
}

void MemoryScoreWatch::Reset(const Game& g) {
  const TTableState& t = g.t;
  score_ = t.Stats[t.VidG].Wins;
  record_ = t.Stats[t.VidG].Losses;
  phase_ = t.CoverIndex;
  faceUp_ = FaceUp(t);
  pairMatched_ = phase_ == 2 && MemoryPairMatches(t);
}

std::string MemoryScoreWatch::Check(const Game& g, bool newDeal) {
  const TTableState& t = g.t;
  const int score = t.Stats[t.VidG].Wins;
  const int record = t.Stats[t.VidG].Losses;
  std::string problem;
  if (newDeal) {
    // Only a turn of a pair's second card that finds the last pair ends a
    // deal, and the record is the better of the old one and the final score.
    const int finalScore = score_ + kMemoryFindPoints;
    if (phase_ != 1 || faceUp_ != CardsOfGame(g) - 1) problem = "the deal ended too early";
    else if (record != std::max(record_, finalScore)) problem = "the record is not the best score";
    else if (score != 0 || t.CoverIndex != 0) problem = "the new deal does not start at 0";
  } else {
    const int wantPhase = phase_ == 2 ? 1 : phase_ + 1;
    int wantScore = score_;
    int wantUp = faceUp_ + 1;
    if (phase_ == 1 && MemoryPairMatches(t)) wantScore += kMemoryFindPoints;
    if (phase_ == 2 && !pairMatched_) {
      wantScore = std::max(0, score_ - kMemoryMissPoints);
      wantUp -= 2;
    }
    if (t.CoverIndex != wantPhase) problem = "the phase did not advance by one turn";
    else if (FaceUp(t) != wantUp) problem = "a turn showed the wrong number of cards";
    else if (score != wantScore) problem = "the score is not 6 a pair and -2 a miss";
    else if (record != record_) problem = "the record changed during a deal";
  }
  Reset(g);
  return problem;
}
