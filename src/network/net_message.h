// The one record two copies exchange after the names: 4536 bytes, every
// integer signed 32-bit little-endian, sent back to back over the stream.
//
//   offset  size  field               new deal   move      chat
//        0     4  Value                  -       card      -1
//        4     4  CoverIndex             -       sender's  sender's
//        8     4  LeadInProgress         -       sender's  sender's
//       12     4  TrumpSuit           sender's   sender's  sender's
//       16     4  DefendByCover          -       sender's  sender's
//       20     4  VidG                sender's      -         -
//       24     4  FormG               sender's      -         -
//       28     4  WhoseTurn           sender's   sender's  sender's
//       32     4  Code                -1, -2      0..8       -3
//       36     4  PackSize            sender's   sender's  sender's
//       40     4  ChatLength             -          -      0..100
//       44     4  FirstMove           "1_Move"      -         -
//       48     4  LastCards           sender's   sender's  sender's
//       52     4  DiscardTransfer1    sender's   sender's  sender's
//       56     4  ChangeTr            sender's      -         -
//       60     4  ThrowUpMore6Cards   sender's   sender's  sender's
//       64     4  LastCardGame        sender's   sender's  sender's
//       68  4368  Rows 0..6, 7 x 52 cards of 12 bytes (Suit, Rank, Present,
//                 3 padding), row by row                   (new deal only)
//     4436   100  ChatText, ChatLength bytes of Windows-1251 text (chat only)
//
// A field a message does not fill ("-") is written as zeros; a receiver
// ignores it. A received record is checked whole before anything of it
// reaches the table: the partner's copy is not trusted to be sound.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "core/card.h"
#include "core/edition.h"

constexpr std::size_t kNetMessageSize = 4536;
constexpr std::size_t kNetRowsOffset = 68;
constexpr std::size_t kNetChatOffset = 4436;
constexpr int kNetRows = 7;
constexpr int kNetChatCapacity = 100;

// The codes of the record.
constexpr int kNetChat = -3;
constexpr int kNetNewGame = -2;
constexpr int kNetNextDeal = -1;
constexpr int kNetLastMoveCode = 8;

struct NetMessage {
  int32_t Value = 0;
  int32_t CoverIndex = 0;
  int32_t LeadInProgress = 0;
  int32_t TrumpSuit = 0;
  int32_t DefendByCover = 0;
  int32_t VidG = 0;
  int32_t FormG = 0;
  int32_t WhoseTurn = 0;
  int32_t Code = 0;
  int32_t PackSize = 0;
  int32_t ChatLength = 0;
  int32_t FirstMove = 0;
  int32_t LastCards = 0;
  int32_t DiscardTransfer1 = 0;
  int32_t ChangeTr = 0;
  int32_t ThrowUpMore6Cards = 0;
  int32_t LastCardGame = 0;
  std::array<std::array<TCard, 52>, kNetRows> Rows{};
  std::array<uint8_t, kNetChatCapacity> ChatText{};

  bool operator==(const NetMessage&) const = default;

  bool IsDeal() const { return Code == kNetNewGame || Code == kNetNextDeal; }
  bool IsChat() const { return Code == kNetChat; }
  bool IsMove() const { return Code >= 0 && Code <= kNetLastMoveCode; }
};

using NetBytes = std::array<uint8_t, kNetMessageSize>;

NetBytes EncodeNetMessage(const NetMessage& message);
// Reads the fields as they lie, without judging them. The span must hold at
// least kNetMessageSize bytes; a shorter one gives an empty record with Code
// out of range, which the check refuses.
NetMessage DecodeNetMessage(std::span<const uint8_t> bytes);

// Why a received record may not touch the table.
enum class NetFault {
  None,
  ShortRecord,     // the stream ended inside a record
  UnknownCode,     // Code outside -3..8
  BadCard,         // Value is not a card, or a row holds a malformed card
  BadTurnField,    // CoverIndex, LeadInProgress, DefendByCover, WhoseTurn, TrumpSuit
  BadOption,       // an option field outside its values
  BadPackSize,     // PackSize neither 36 nor 52
  UnknownGame,     // (VidG, FormG) not a two-player card game of the catalogue
  DuplicateCard,   // the same card twice in a deal
  BadChatLength,   // ChatLength outside 0..100
  CardNotInHand,   // a move plays a card the partner does not hold
  BadPlace,        // a move would put a card outside the grid
  BadName,         // the first bytes are not a name
};

// Only the fields its code fills are judged.
NetFault CheckNetMessage(const NetMessage& message, const Edition& edition);

// What the player is told, in the interface language (0 Russian, 1 English).
std::string NetFaultText(NetFault fault, int lang);
