// The snapshot of the table kept in "save.dat": a fixed record of 9528
// bytes, little-endian, with no header. Slot 0 of the file is the undo
// point, slot 1 the saved game.
//
//   offset  size  field
//        0     4  LeadInProgress        40  4  ButtonCaptionId
//        4     4  CtrlLatch             44  4  CzechPointsPlayer
//        8     4  CoverIndex            48  4  CzechPointsComputer
//       12     4  HitIndex              52  4  Wins (Stats[VidG].Wins)
//       16     4  FirstDiscardDone      56  4  SourceSlot
//       20     4  FormG                 60  4  SecondSlot
//       24     4  VidG                  64  728  Opened, 14 rows of 52 bytes
//       28     4  TrumpSuit            792  8736 CardGrid, 14 x 52 cards of 12 bytes:
//       32     4  WhoseTurn                      Suit, Rank, Present, 3 padding
//       36     4  CommentId
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/edition.h"
#include "core/table_state.h"

constexpr std::size_t kSaveRecordSize = 9528;
constexpr std::size_t kOpenedOffset = 64;
constexpr std::size_t kCardsOffset = 792;
constexpr std::size_t kStoredCardSize = 12;

class Game;

struct SaveRecord {
  int32_t LeadInProgress = 0;
  int32_t CtrlLatch = 0;
  int32_t CoverIndex = 0;
  int32_t HitIndex = -1;
  int32_t FirstDiscardDone = 0;
  int32_t FormG = 0;
  int32_t VidG = 0;
  int32_t TrumpSuit = 0;
  int32_t WhoseTurn = 2;
  int32_t CommentId = 0;
  int32_t ButtonCaptionId = 0;
  int32_t CzechPointsPlayer = 0;
  int32_t CzechPointsComputer = 0;
  int32_t Wins = 0;
  int32_t SourceSlot = -1;
  int32_t SecondSlot = -1;
  std::array<std::array<uint8_t, kSlots>, kRows> Opened{};
  std::array<std::array<TCard, kSlots>, kRows> Cards{};

  bool operator==(const SaveRecord&) const = default;
};

using SaveBytes = std::array<uint8_t, kSaveRecordSize>;

SaveRecord RecordFromTable(const Game& g);
SaveBytes EncodeSaveRecord(const SaveRecord& record);

struct DecodedRecord {
  std::optional<SaveRecord> record;  // empty when rejected
  std::string error;                 // why it was rejected
};

// Reads a record and checks every value the table would index with or
// interpret; a short or damaged record is rejected whole.
DecodedRecord DecodeSaveRecord(std::span<const uint8_t> bytes, const Edition& edition);
