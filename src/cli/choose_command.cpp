// kalvenar-cli choose: loads a saved table and asks the computer player one
// question (lead, cover, add, transfer or endgame), printing its card.
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "cli/commands.h"
#include "cli/headless_game.h"
#include "core/hand_order.h"
#include "durak/computer_player.h"
#include "durak/endgame_tables.h"
#include "persistence/save_record.h"

namespace {

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) FailUsage("cannot read '" + path + "'");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The slot-th record of the file, checked field by field.
SaveRecord LoadRecord(const std::string& path, int slot, const Edition& edition) {
  const std::vector<uint8_t> bytes = ReadFile(path);
  const std::size_t offset = static_cast<std::size_t>(slot) * kSaveRecordSize;
  if (bytes.size() < offset + kSaveRecordSize)
    FailUsage("'" + path + "' holds no record in slot " + std::to_string(slot));
  const DecodedRecord decoded =
      DecodeSaveRecord(std::span<const uint8_t>(bytes).subspan(offset, kSaveRecordSize), edition);
  if (!decoded.record) FailUsage("'" + path + "': damaged record: " + decoded.error);
  return *decoded.record;
}

void PutRecordIntoTable(Game& g, const SaveRecord& r) {
  TTableState& t = g.t;
  t.LeadInProgress = r.LeadInProgress;
  t.CtrlLatch = r.CtrlLatch;
  t.CoverIndex = r.CoverIndex;
  t.HitIndex = r.HitIndex;
  t.FirstDiscardDone = r.FirstDiscardDone;
  t.FormG = r.FormG;
  t.VidG = r.VidG;
  t.TrumpSuit = r.TrumpSuit;
  t.WhoseTurn = r.WhoseTurn;
  t.CommentId = r.CommentId;
  t.ButtonCaptionId = r.ButtonCaptionId;
  t.CzechPointsPlayer = r.CzechPointsPlayer;
  t.CzechPointsComputer = r.CzechPointsComputer;
  t.Stats[r.VidG].Wins = r.Wins;
  t.SourceSlot = r.SourceSlot;
  t.SecondSlot = r.SecondSlot;
  t.Opened = r.Opened;
  t.CardGrid = r.Cards;
}

int IntOption(const CliArgs& args, const std::string& name, int64_t fallback, int64_t lowest,
              int64_t highest) {
  const int64_t v = args.OptionalInt(name).value_or(fallback);
  if (v < lowest || v > highest) FailUsage("--" + name + " out of range");
  return static_cast<int>(v);
}

int AttackSlotToCover(const CliArgs& args, const Game& g) {
  const int at = IntOption(args, "at", g.t.CoverIndex, 0, kSlots - 1);
  if (!g.t.IsPresent(2, at))
    FailUsage("no attack card at row 2 slot " + std::to_string(at) + " to cover");
  return at;
}

int Ask(Game& g, const std::string& ask, const CliArgs& args) {
  if (ask == "lead") return LeadChoice(g);
  if (ask == "cover") return CoverChoice(g, 2, AttackSlotToCover(args, g));
  if (ask == "add") return AddChoice(g);
  if (ask == "transfer") return TransferChoice(g);
  return EndgameChoice(g);
}

}  // namespace

int RunChoose(int argc, char** argv) {
  const CliArgs args(argc, argv, 2, {"state", "slot", "ask", "at", "seed", "set", "edition"},
                     {"set"});
  const Edition& edition = EditionFromArgs(args);
  const std::string path = args.Required("state");
  const std::string ask = args.Required("ask");
  if (ask != "lead" && ask != "cover" && ask != "add" && ask != "transfer" && ask != "endgame")
    FailUsage("--ask must be lead, cover, add, transfer or endgame");
  const int slot = IntOption(args, "slot", 1, 0, 1);
  const int64_t seed = args.OptionalInt("seed").value_or(0);
  const SaveRecord record = LoadRecord(path, slot, edition);

  HeadlessGame h(edition, seed);
  Game& g = h.game;
  ApplySetOptions(g, args.All("set"));
  PutRecordIntoTable(g, record);
  CountRows(g);

  const int chosen = Ask(g, ask, args);
  nlohmann::ordered_json out;
  out["ask"] = ask;
  out["slot"] = chosen;
  if (chosen >= 0 && chosen < kSlots) {
    out["suit"] = g.t.SuitAt(0, chosen);
    out["rank"] = g.t.RankAt(0, chosen);
  } else {
    out["suit"] = nullptr;
    out["rank"] = nullptr;
  }
  std::cout << out.dump() << '\n';
  return 0;
}
