#include "persistence/save_record.h"

#include <cstring>

#include "core/game.h"
#include "core/little_endian.h"

namespace {

// The sixteen integers at the head of the record, in file order.
template <typename Record, typename Visit>
void ForEachHeadField(Record& r, Visit visit) {
  visit(0, r.LeadInProgress);
  visit(4, r.CtrlLatch);
  visit(8, r.CoverIndex);
  visit(12, r.HitIndex);
  visit(16, r.FirstDiscardDone);
  visit(20, r.FormG);
  visit(24, r.VidG);
  visit(28, r.TrumpSuit);
  visit(32, r.WhoseTurn);
  visit(36, r.CommentId);
  visit(40, r.ButtonCaptionId);
  visit(44, r.CzechPointsPlayer);
  visit(48, r.CzechPointsComputer);
  visit(52, r.Wins);
  visit(56, r.SourceSlot);
  visit(60, r.SecondSlot);
}

bool InRange(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

std::string CheckHead(const SaveRecord& r, const Edition& e) {
  if (!InRange(r.VidG, 0, e.kindCount - 1)) return "VidG out of range";
  if (!e.HasPair(r.FormG, r.VidG)) return "FormG is not a game of this kind";
  if (!InRange(r.LeadInProgress, 0, 1)) return "LeadInProgress out of range";
  if (!InRange(r.CtrlLatch, 0, 1)) return "CtrlLatch out of range";
  if (!InRange(r.CoverIndex, 0, kSlots - 1)) return "CoverIndex out of range";
  if (!InRange(r.HitIndex, -1, kSlots - 1)) return "HitIndex out of range";
  if (!InRange(r.SourceSlot, -1, kSlots - 1)) return "SourceSlot out of range";
  if (!InRange(r.SecondSlot, -1, kSlots - 1)) return "SecondSlot out of range";
  if (!InRange(r.TrumpSuit, -1, 3)) return "TrumpSuit out of range";
  if (!InRange(r.WhoseTurn, 0, 2)) return "WhoseTurn out of range";
  if (r.FirstDiscardDone < 0) return "FirstDiscardDone out of range";
  return {};
}

}  // namespace

SaveRecord RecordFromTable(const Game& g) {
  const TTableState& t = g.t;
  SaveRecord r;
  r.LeadInProgress = t.LeadInProgress;
  r.CtrlLatch = t.CtrlLatch;
  r.CoverIndex = t.CoverIndex;
  r.HitIndex = t.HitIndex;
  r.FirstDiscardDone = t.FirstDiscardDone;
  r.FormG = t.FormG;
  r.VidG = t.VidG;
  r.TrumpSuit = t.TrumpSuit;
  r.WhoseTurn = t.WhoseTurn;
  r.CommentId = t.CommentId;
  r.ButtonCaptionId = t.ButtonCaptionId;
  r.CzechPointsPlayer = t.CzechPointsPlayer;
  r.CzechPointsComputer = t.CzechPointsComputer;
  r.Wins = (t.VidG >= 0 && t.VidG < 26) ? t.Stats[t.VidG].Wins : 0;
  r.SourceSlot = t.SourceSlot;
  r.SecondSlot = t.SecondSlot;
  r.Opened = t.Opened;
  r.Cards = t.CardGrid;
  return r;
}

SaveBytes EncodeSaveRecord(const SaveRecord& record) {
  SaveBytes b{};  // padding is written as zeros
  ForEachHeadField(record, [&](std::size_t at, const int32_t& v) { PutLittleEndian32(&b[at], v); });
  for (int r = 0; r < kRows; ++r) {
    std::memcpy(&b[kOpenedOffset + r * kSlots], record.Opened[r].data(), kSlots);
    for (int s = 0; s < kSlots; ++s) {
      uint8_t* at = &b[kCardsOffset + (r * kSlots + s) * kStoredCardSize];
      const TCard& c = record.Cards[r][s];
      PutLittleEndian32(at, c.Suit);
      PutLittleEndian32(at + 4, c.Rank);
      at[8] = c.Present;
    }
  }
  return b;
}

DecodedRecord DecodeSaveRecord(std::span<const uint8_t> bytes, const Edition& edition) {
  if (bytes.size() < kSaveRecordSize) return {std::nullopt, "the record is shorter than 9528 bytes"};
  SaveRecord r;
  ForEachHeadField(r, [&](std::size_t at, int32_t& v) { v = GetLittleEndian32(&bytes[at]); });
  if (std::string why = CheckHead(r, edition); !why.empty()) return {std::nullopt, why};

  for (int row = 0; row < kRows; ++row) {
    for (int s = 0; s < kSlots; ++s) {
      const uint8_t opened = bytes[kOpenedOffset + row * kSlots + s];
      if (opened > 1) return {std::nullopt, "an Opened flag is neither 0 nor 1"};
      r.Opened[row][s] = opened;

      const uint8_t* at = &bytes[kCardsOffset + (row * kSlots + s) * kStoredCardSize];
      TCard c;
      c.Suit = GetLittleEndian32(at);
      c.Rank = GetLittleEndian32(at + 4);
      c.Present = at[8];
      if (!InRange(c.Suit, 0, 3)) return {std::nullopt, "a card has a Suit outside 0..3"};
      if (!InRange(c.Rank, 0, 12)) return {std::nullopt, "a card has a Rank outside 0..12"};
      if (c.Present > 1) return {std::nullopt, "a card's Present flag is neither 0 nor 1"};
      r.Cards[row][s] = c;  // padding is ignored on reading
    }
  }
  return {r, {}};
}
