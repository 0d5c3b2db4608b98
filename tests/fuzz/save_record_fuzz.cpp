// Feeds arbitrary bytes as "save.dat" to the record decoder and to the whole
// restore path into a table in play. A file that is refused leaves the table
// exactly as it was; a file that is taken in gives a table that saves and
// restores again. Either way nothing crashes or reads out of bounds.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/edition.h"
#include "core/game.h"
#include "core/random.h"
#include "core/recording_callouts.h"
#include "persistence/save_file.h"
#include "persistence/save_record.h"
#include "persistence/settings_schema.h"
#include "persistence/settings_store.h"
#include "play/new_game.h"
#include "play/save_restore.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// Decoding is a function of the bytes: what it accepts encodes to bytes it
// accepts again, as the same record.
void CheckDecoder(std::span<const uint8_t> bytes, const Edition& edition) {
  const DecodedRecord first = DecodeSaveRecord(bytes, edition);
  if (!first.record) return;
  const SaveBytes encoded = EncodeSaveRecord(*first.record);
  const DecodedRecord second = DecodeSaveRecord(encoded, edition);
  Require(second.record.has_value());
  Require(EncodeSaveRecord(*second.record) == encoded);
}

// A table dealt once per edition; every input starts from a copy of it, so
// the fuzzer spends its time restoring rather than dealing.
struct DealtTable {
  explicit DealtTable(const Edition& edition) : clock(5), g(edition, out, clock) {
    g.store = &store;
    g.saveFile = &file;
    ApplyFirstStartValues(g);
    BuildPack(g.t.Pack);
    g.random.Seed(5);
    NewGame(g);
  }
  DealtTable(const DealtTable& dealt) : clock(dealt.clock), store(dealt.store), g(dealt.g) {
    g.out = &out;
    g.clock = &clock;
    g.store = &store;
    g.saveFile = &file;
  }
  FixedClock clock;
  RecordingCallouts out;
  MemoryStore store;
  MemorySaveFile file;
  Game g;
};

const DealtTable& Dealt(const Edition& edition) {
  static const DealtTable dealt285(Edition285());
  static const DealtTable dealt284(Edition284());
  return &edition == &Edition285() ? dealt285 : dealt284;
}

void CheckRestore(std::span<const uint8_t> bytes, const Edition& edition, int slot) {
  DealtTable table(Dealt(edition));
  table.file.bytes.emplace(bytes.begin(), bytes.end());
  const SaveBytes before = EncodeSaveRecord(RecordFromTable(table.g));
  const RestoreOutcome outcome = RestoreGame(table.g, slot);
  if (!outcome.restored) {
    Require(EncodeSaveRecord(RecordFromTable(table.g)) == before);
    return;
  }
  const SaveBytes taken = EncodeSaveRecord(RecordFromTable(table.g));
  Require(SaveGame(table.g, slot));
  Require(RestoreGame(table.g, slot).restored);
  Require(EncodeSaveRecord(RecordFromTable(table.g)) == taken);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  for (const Edition* edition : {&Edition285(), &Edition284()}) {
    CheckDecoder(bytes, *edition);
    for (int slot : {kUndoSlot, kSavedGameSlot}) CheckRestore(bytes, *edition, slot);
  }
  return 0;
}
