// The two programs built from these sources: Kalvenar (edition 2.85) and
// Kalvenor (edition 2.84). They differ in the catalogue (2.84 has no
// Fir-trees, Street or Hearts and one 36-card Memory as VidG 21), the
// settings key, the number of statistics values and a few window details.
#pragma once

#include <string_view>

enum class EditionId { Kalvenar285, Kalvenor284 };

// What a game is, whatever number the edition gives it. The values are the
// VidG numbers of edition 2.85.
enum class Kind {
  SimpleDurak = 0, JapaneseDurak, ReverseDurak, PiledDurak, RoadDurak,
  CzechDurak, Eights, Nine,
  Scarf, Solitaire, Kerchief, Pairs, Bard, Piramida, Prisoner, TwoByTwo,
  OldFriend, Clock, Joker, Paganini, CrossRoads, FirTrees, Street,
  Hearts, Memory36, Memory52,
  None  // a VidG the edition does not have
};

struct CatalogueEntry;

struct Edition {
  EditionId id;
  int version;                     // 285 or 284
  std::string_view settingsKey;    // "Kalvenor2_85" / "Kalvenor2_84"
  int kindCount;                   // VidG 0 .. kindCount-1
  int statisticsCount;             // 78 or 66
  bool hasMinOnEscape;             // 2.84 has no "MinOnEscape"
  bool hasDropCardsCaption;        // 2.84 has no "Drop cards" caption
  const CatalogueEntry* catalogue;
  int catalogueSize;               // 41 or 37

  Kind KindOf(int vidg) const {
    if (vidg < 0 || vidg >= kindCount) return Kind::None;
    if (id == EditionId::Kalvenor284 && vidg == 21) return Kind::Memory36;
    return static_cast<Kind>(vidg);
  }
  bool HasPair(int formg, int vidg) const;
};

const Edition& Edition285();
const Edition& Edition284();
// Accepts "2.85" or "2.84"; nullptr for anything else.
const Edition* EditionByName(std::string_view name);
