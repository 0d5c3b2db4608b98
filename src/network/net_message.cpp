#include "network/net_message.h"

#include <set>

#include "core/little_endian.h"

namespace {

// The seventeen integers at the head of the record, in wire order.
template <typename Record, typename Visit>
void ForEachHeadField(Record& m, Visit visit) {
  visit(0, m.Value);
  visit(4, m.CoverIndex);
  visit(8, m.LeadInProgress);
  visit(12, m.TrumpSuit);
  visit(16, m.DefendByCover);
  visit(20, m.VidG);
  visit(24, m.FormG);
  visit(28, m.WhoseTurn);
  visit(32, m.Code);
  visit(36, m.PackSize);
  visit(40, m.ChatLength);
  visit(44, m.FirstMove);
  visit(48, m.LastCards);
  visit(52, m.DiscardTransfer1);
  visit(56, m.ChangeTr);
  visit(60, m.ThrowUpMore6Cards);
  visit(64, m.LastCardGame);
}

constexpr std::size_t kCardSize = 12;

bool InRange(int32_t v, int32_t lo, int32_t hi) {
  return v >= lo && v <= hi;
}
bool IsFlag(int32_t v) {
  return v == 0 || v == 1;
}

// The fields every code fills.
NetFault CheckCommon(const NetMessage& m) {
  if (!InRange(m.TrumpSuit, -1, 3) || !InRange(m.WhoseTurn, 0, 2)) return NetFault::BadTurnField;
  if (m.PackSize != 36 && m.PackSize != 52) return NetFault::BadPackSize;
  if (!IsFlag(m.LastCards) || !IsFlag(m.DiscardTransfer1) || !IsFlag(m.ThrowUpMore6Cards) ||
      !IsFlag(m.LastCardGame))
    return NetFault::BadOption;
  return NetFault::None;
}

// The turn fields of a move or a chat line.
NetFault CheckTurn(const NetMessage& m) {
  if (!InRange(m.CoverIndex, 0, 51) || !IsFlag(m.LeadInProgress) || !IsFlag(m.DefendByCover))
    return NetFault::BadTurnField;
  return NetFault::None;
}

bool CardIsSound(const TCard& c) {
  return InRange(c.Suit, 0, 3) && InRange(c.Rank, 0, 12) && c.Present <= 1;
}

NetFault CheckDeal(const NetMessage& m, const Edition& e) {
  // Only the two-player card games travel.
  if (!InRange(m.VidG, 0, static_cast<int>(Kind::Nine)) || !e.HasPair(m.FormG, m.VidG))
    return NetFault::UnknownGame;
  if (!InRange(m.FirstMove, 0, 3) || !InRange(m.ChangeTr, 0, 3)) return NetFault::BadOption;
  std::set<int> seen;
  for (const auto& row : m.Rows) {
    for (const TCard& c : row) {
      if (!CardIsSound(c)) return NetFault::BadCard;
      if (c.Present == 1 && !seen.insert(ImageIndex(c)).second) return NetFault::DuplicateCard;
    }
  }
  return NetFault::None;
}

}  // namespace

NetBytes EncodeNetMessage(const NetMessage& m) {
  NetBytes b{};  // what a message does not fill, and the padding, are zeros
  ForEachHeadField(m, [&](std::size_t at, const int32_t& v) { PutLittleEndian32(&b[at], v); });
  for (int r = 0; r < kNetRows; ++r) {
    for (int s = 0; s < 52; ++s) {
      uint8_t* at = &b[kNetRowsOffset + (r * 52 + s) * kCardSize];
      const TCard& c = m.Rows[r][s];
      PutLittleEndian32(at, c.Suit);
      PutLittleEndian32(at + 4, c.Rank);
      at[8] = c.Present;
    }
  }
  for (int i = 0; i < kNetChatCapacity; ++i) b[kNetChatOffset + i] = m.ChatText[i];
  return b;
}

NetMessage DecodeNetMessage(std::span<const uint8_t> bytes) {
  NetMessage m;
  if (bytes.size() < kNetMessageSize) {
    m.Code = kNetLastMoveCode + 1;  // no record at all
    return m;
  }
  ForEachHeadField(m, [&](std::size_t at, int32_t& v) { v = GetLittleEndian32(&bytes[at]); });
  for (int r = 0; r < kNetRows; ++r) {
    for (int s = 0; s < 52; ++s) {
      const uint8_t* at = &bytes[kNetRowsOffset + (r * 52 + s) * kCardSize];
      TCard& c = m.Rows[r][s];
      c.Suit = GetLittleEndian32(at);
      c.Rank = GetLittleEndian32(at + 4);
      c.Present = at[8];
    }
  }
  for (int i = 0; i < kNetChatCapacity; ++i) m.ChatText[i] = bytes[kNetChatOffset + i];
  return m;
}

NetFault CheckNetMessage(const NetMessage& m, const Edition& e) {
  if (!InRange(m.Code, kNetChat, kNetLastMoveCode)) return NetFault::UnknownCode;
  if (NetFault f = CheckCommon(m); f != NetFault::None) return f;
  if (m.IsDeal()) return CheckDeal(m, e);
  if (NetFault f = CheckTurn(m); f != NetFault::None) return f;
  if (m.IsChat()) {
    return InRange(m.ChatLength, 0, kNetChatCapacity) ? NetFault::None : NetFault::BadChatLength;
  }
  return InRange(m.Value, -1, 51) ? NetFault::None : NetFault::BadCard;
}

std::string NetFaultText(NetFault fault, int lang) {
  struct Texts {
    const char* rus;
    const char* eng;
  };
  auto pick = [&](Texts t) { return std::string(lang == 1 ? t.eng : t.rus); };
  switch (fault) {
    case NetFault::None:
      return {};
    case NetFault::ShortRecord:
      return pick({"Связь прервалась посреди сообщения партнёра.",
                   "The connection broke off in the middle of the partner's message."});
    case NetFault::UnknownCode:
      return pick({"Партнёр прислал сообщение неизвестного вида.",
                   "The partner sent a message of an unknown kind."});
    case NetFault::BadCard:
      return pick(
          {"Партнёр прислал неверную карту.", "The partner sent a card that is not valid."});
    case NetFault::BadTurnField:
      return pick({"Партнёр прислал неверное состояние хода.",
                   "The partner sent a turn state that is not valid."});
    case NetFault::BadOption:
      return pick({"Партнёр прислал неверные правила игры.",
                   "The partner sent game rules that are not valid."});
    case NetFault::BadPackSize:
      return pick({"Партнёр прислал неверный размер колоды.",
                   "The partner sent a pack size that is not valid."});
    case NetFault::UnknownGame:
      return pick({"Партнёр предложил игру, в которую нельзя играть по сети.",
                   "The partner offered a game that cannot be played over the network."});
    case NetFault::DuplicateCard:
      return pick({"В раздаче партнёра одна карта встречается дважды.",
                   "The partner's deal holds the same card twice."});
    case NetFault::BadChatLength:
      return pick({"Партнёр прислал слишком длинную строку чата.",
                   "The partner sent a chat line that is too long."});
    case NetFault::CardNotInHand:
      return pick({"Партнёр сыграл картой, которой у него нет.",
                   "The partner played a card he does not hold."});
    case NetFault::BadPlace:
      return pick(
          {"Ход партнёра не помещается на стол.", "The partner's move does not fit on the table."});
    case NetFault::BadName:
      return pick({"Партнёр не прислал имени.", "The partner did not send a name."});
  }
  return {};
}
