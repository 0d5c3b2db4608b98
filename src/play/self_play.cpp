#include "play/self_play.h"

#include "durak/table_invariants.h"
#include "games/czech_invariants.h"
#include "games/eights_invariants.h"
#include "games/hearts_invariants.h"
#include "games/nine_invariants.h"
#include "patience/memory_invariants.h"
#include "patience/patience_invariants.h"
#include "patience/patience_rules.h"
#include "patience/scarf.h"
#include "persistence/save_record.h"
#include "play/saved_table_checks.h"
#include "play/self_play_czech.h"
#include "play/self_play_durak.h"
#include "play/self_play_eights_nine.h"
#include "play/self_play_hearts.h"
#include "play/self_play_memory.h"
#include "play/self_play_patience.h"

bool SelfPlaySupported(Kind kind) {
  return IsDurak(kind) || kind == Kind::CzechDurak || kind == Kind::Eights ||
         kind == Kind::Nine || kind == Kind::Hearts || PatienceRulesFor(kind) != nullptr ||
         IsMemory(kind);
}

SelfPlayReport RunSelfPlay(Game& g, FixedClock& clock, const SelfPlayConfig& config) {
  const Kind k = g.kind();
  if (IsDurak(k)) return PlayDurakGames(g, clock, config);
  if (k == Kind::CzechDurak) return PlayCzechGames(g, clock, config);
  if (k == Kind::Eights) return PlayEightsGames(g, clock, config);
  if (k == Kind::Nine) return PlayNineGames(g, clock, config);
  if (k == Kind::Hearts) return PlayHeartsGames(g, clock, config);
  if (PatienceRulesFor(k) != nullptr) return PlayPatienceGames(g, clock, config);
  if (IsMemory(k)) return PlayMemoryGames(g, clock, config);
  return {};
}

std::string TableProblem(Game& g) {
  const std::string saved = SavedTableProblem(RecordFromTable(g), *g.edition);
  if (!saved.empty()) return "a save of it would be refused: " + saved;
  const Kind k = g.kind();
  if (IsDurak(k)) return CheckDurakTable(g);
  if (k == Kind::CzechDurak) return CheckCzechTable(g);
  if (k == Kind::Eights) return CheckEightsTable(g);
  if (k == Kind::Nine) return CheckNineTable(g);
  if (k == Kind::Hearts) return CheckHeartsTable(g);
  // Between Scarf's press and release the carried cards are in the player's
  // hand, not on the table: the table is whole again at the release.
  if (ScarfDragInFlight(g)) return {};
  if (PatienceRulesFor(k) != nullptr) return CheckPatienceTable(g);
  if (IsMemory(k)) return CheckMemoryTable(g);
  return {};
}
