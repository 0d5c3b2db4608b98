#include <gtest/gtest.h>

#include <cstring>

#include "core/catalogue.h"
#include "core/new_game.h"
#include "persistence/save_record.h"
#include "test_game.h"

namespace {

int32_t IntAt(const SaveBytes& b, size_t at) {
  return static_cast<int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
                              static_cast<uint32_t>(b[at + 3]) << 24);
}

void SetInt(SaveBytes& b, size_t at, int32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
}

SaveRecord DealtRecord(int vidg, int formg) {
  TestGame tg(31);
  tg.Select(vidg, formg);
  DealOnly(tg.g);
  tg.g.t.Stats[vidg].Wins = 17;
  tg.g.t.CommentId = 4;
  tg.g.t.ButtonCaptionId = 2;
  return RecordFromTable(tg.g);
}

TEST(SaveRecord, EveryFieldLiesAtItsOffset) {
  SaveRecord r;
  const int32_t values[16] = {1, 1, 7, 12, 3, 2, 4, -1, 0, 9, 8, 55, -6, 17, 33, 44};
  int32_t* fields[16] = {&r.LeadInProgress, &r.CtrlLatch, &r.CoverIndex, &r.HitIndex,
                         &r.FirstDiscardDone, &r.FormG, &r.VidG, &r.TrumpSuit,
                         &r.WhoseTurn, &r.CommentId, &r.ButtonCaptionId, &r.CzechPointsPlayer,
                         &r.CzechPointsComputer, &r.Wins, &r.SourceSlot, &r.SecondSlot};
  for (int i = 0; i < 16; ++i) *fields[i] = values[i];
  r.Opened[3][7] = 1;
  r.Cards[13][51] = C(Hearts, Queen);
  r.Cards[0][0] = TCard{Spades, Nine, 0, {9, 9, 9}};  // padding in memory
  const SaveBytes b = EncodeSaveRecord(r);
  ASSERT_EQ(b.size(), 9528u);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(IntAt(b, 4 * i), values[i]) << "field " << i;
  EXPECT_EQ(b[64 + 3 * 52 + 7], 1);
  const size_t last = 792 + (13 * 52 + 51) * 12;
  EXPECT_EQ(IntAt(b, last), Hearts);
  EXPECT_EQ(IntAt(b, last + 4), Queen);
  EXPECT_EQ(b[last + 8], 1);
  EXPECT_EQ(last + 12, 9528u);
  EXPECT_EQ(IntAt(b, 792), Spades);
  EXPECT_EQ(IntAt(b, 796), Nine);
  EXPECT_EQ(b[801] | b[802] | b[803], 0) << "padding is written as zeros";
}

TEST(SaveRecord, RoundTripsADealOfEveryKindInBothEditions) {
  for (const Edition* e : {&Edition285(), &Edition284()}) {
    for (int i = 0; i < e->catalogueSize; ++i) {
      TestGame tg(i, *e);
      tg.Select(e->catalogue[i].VidG, e->catalogue[i].FormG);
      DealOnly(tg.g);
      const SaveRecord r = RecordFromTable(tg.g);
      const SaveBytes b = EncodeSaveRecord(r);
      const DecodedRecord d = DecodeSaveRecord(b, *e);
      ASSERT_TRUE(d.record) << d.error;
      EXPECT_EQ(*d.record, r);
    }
  }
}

TEST(SaveRecord, KeepsTheCountersOfTheGameBeingSaved) {
  const SaveRecord r = DealtRecord(0, 2);
  EXPECT_EQ(r.Wins, 17);
  EXPECT_EQ(r.CommentId, 4);
  EXPECT_EQ(r.ButtonCaptionId, 2);
}

TEST(SaveRecord, DamagedRecordsAreRejected) {
  const SaveBytes good = EncodeSaveRecord(DealtRecord(0, 1));
  ASSERT_TRUE(DecodeSaveRecord(good, Edition285()).record);

  const struct {
    size_t at;
    int32_t value;
    const char* what;
  } ints[] = {
      {24, 26, "VidG beyond the catalogue"},     {24, -1, "negative VidG"},
      {20, 3, "FormG not a form of the kind"},   {8, 52, "CoverIndex outside the grid"},
      {12, 52, "HitIndex outside the grid"},     {12, -2, "HitIndex below -1"},
      {56, 1000, "SourceSlot outside the grid"}, {60, -7, "SecondSlot below -1"},
      {28, 4, "TrumpSuit"},                      {32, 3, "WhoseTurn"},
      {0, 2, "LeadInProgress"},                  {4, -1, "CtrlLatch"},
      {792 + 12 * 100, 4, "a Suit of 4"},        {792 + 12 * 100 + 4, 13, "a Rank of 13"},
      {792 + 12 * 5 + 4, -1, "a negative Rank"},
  };
  for (const auto& c : ints) {
    SaveBytes b = good;
    SetInt(b, c.at, c.value);
    const DecodedRecord d = DecodeSaveRecord(b, Edition285());
    EXPECT_FALSE(d.record) << c.what;
    EXPECT_FALSE(d.error.empty()) << c.what;
  }
  SaveBytes b = good;
  b[64 + 100] = 2;
  EXPECT_FALSE(DecodeSaveRecord(b, Edition285()).record) << "Opened flag of 2";
  b = good;
  b[792 + 12 * 7 + 8] = 5;
  EXPECT_FALSE(DecodeSaveRecord(b, Edition285()).record) << "Present flag of 5";
  EXPECT_FALSE(DecodeSaveRecord(std::span(good.data(), 9527), Edition285()).record)
      << "short record";
}

TEST(SaveRecord, ThePaddingIsIgnoredOnReading) {
  SaveBytes b = EncodeSaveRecord(DealtRecord(2, 0));
  b[792 + 9] = 0xAB;
  EXPECT_TRUE(DecodeSaveRecord(b, Edition285()).record);
}

TEST(SaveRecord, EditionsDifferFromVidG21On) {
  SaveRecord r = DealtRecord(0, 0);
  r.VidG = 25;
  const SaveBytes b = EncodeSaveRecord(r);
  EXPECT_TRUE(DecodeSaveRecord(b, Edition285()).record);
  EXPECT_FALSE(DecodeSaveRecord(b, Edition284()).record) << "2.84 has no Memory 52";
}

}  // namespace
