// kalvenar-cli play: a game played action by action with no window, from a
// fresh deal or from a save file, through the same mid end the window
// drives; prints the table that results.
#include <iostream>
#include <vector>

#include "cli/commands.h"
#include "cli/headless_game.h"
#include "cli/play_actions.h"
#include "core/game_message.h"
#include "games/hearts_rules.h"
#include "games/hearts_scoring.h"
#include "persistence/save_file.h"
#include "persistence/settings.h"
#include "play/new_game.h"
#include "play/restore.h"
#include "play/save_restore.h"

namespace {

// The client area of the headless window: the outer size less the frame,
// caption and menu bar of the smallest window (475 outer, 429 client).
constexpr int32_t kFrameAndMenuHeight = 46;

WindowGeometry WindowFromArgs(const CliArgs& args) {
  WindowGeometry w;
  if (const auto size = args.Get("size")) ParseOuterSize("size", *size, w);
  w.clientHeight = w.outerHeight - kFrameAndMenuHeight;
  return w;
}

SaveRecord ReadRecord(const std::string& path, int slot, const Edition& edition) {
  const SlotRecord read = ReadSlot(DiskSaveFile(path), slot, edition);
  if (read.message == kMsgCannotOpenFile) FailUsage("cannot open '" + path + "'");
  if (!read.record) FailUsage("'" + path + "' slot " + std::to_string(slot) + ": " + read.error);
  return *read.record;
}

// --set values are kept in the store too, so that the settings re-read by a
// restore or a game switch keep them.
void StoreSetOptions(Game& g, const std::vector<std::string>& sets) {
  ApplySetOptions(g, sets);
  for (const std::string& set : sets) {
    const auto eq = set.find('=');
    WriteSetting(g, set.substr(0, eq), static_cast<int32_t>(*ParseInteger(set.substr(eq + 1))));
  }
}

bool AnswerYes(const CliArgs& args) {
  const auto answer = args.Get("answer");
  if (!answer || *answer == "yes") return true;
  if (*answer == "no") return false;
  FailUsage("--answer must be yes or no");
}

nlohmann::ordered_json ResultJson(const Game& g, const HeadlessCallouts& callouts, int actions) {
  const TTableState& t = g.t;
  nlohmann::ordered_json out = TableJson(g);
  out["CommentId"] = t.CommentId;
  out["ButtonCaptionId"] = t.ButtonCaptionId;
  out["PatienceResult"] = t.PatienceResult;
  out["CzechPoints"] = {t.CzechPointsPlayer, t.CzechPointsComputer};
  const bool known = t.VidG >= 0 && t.VidG < static_cast<int>(t.Stats.size());
  const TResult r = known ? t.Stats[t.VidG] : TResult{};
  out["Stats"] = {r.Wins, r.Losses, r.Draws};
  if (g.kind() == Kind::Hearts) {
    const HeartsScores s = ReadHeartsScores(t);
    out["Hearts"] = {{"totals", s.totals},
                     {"handsDealt", s.handsDealt},
                     {"seatToPlay", SeatToPlay(t)},
                     {"passSlots", t.PassSlots}};
  }
  out["messages"] = callouts.MessagesShown();
  out["actions"] = actions;
  return out;
}

}  // namespace

int RunPlay(int argc, char** argv) {
  const CliArgs args(
      argc, argv, 2,
      {"vidg", "formg", "seed", "state", "slot", "edition", "set", "size", "answer", "do", "save"},
      {"set", "do"});
  const Edition& edition = EditionFromArgs(args);
  const auto state = args.Get("state");
  if (state && (args.Get("vidg") || args.Get("formg")))
    FailUsage("play starts from --state FILE or from --vidg/--formg, not both");
  if (!state && args.Get("slot")) FailUsage("--slot goes with --state");
  const int64_t seed = state ? args.OptionalInt("seed").value_or(0) : args.RequiredInt("seed");
  const bool yes = AnswerYes(args);

  HeadlessGame h(edition, seed);
  Game& g = h.game;
  // The undo point and the menu's save and restore use "save.dat" in the
  // current directory, as the window does.
  DiskSaveFile saveFile(kSaveFileName);
  g.saveFile = &saveFile;
  h.callouts.Attach(g);
  h.callouts.SetWindow(WindowFromArgs(args));
  h.callouts.SetAnswer(yes);
  StoreSetOptions(g, args.All("set"));

  if (state) {
    const int64_t slot = args.OptionalInt("slot").value_or(1);
    if (slot != 0 && slot != 1) FailUsage("--slot must be 0 or 1");
    const SaveRecord record = ReadRecord(*state, static_cast<int>(slot), edition);
    // The window shows the table of its last game before the restore.
    g.t.HitIndex = -1;
    TakeInRecord(g, record);
  } else {
    SelectGame(g, args.RequiredInt("vidg"), args.RequiredInt("formg"));
    g.out->LayoutTable();
    NewGame(g);
  }

  // Every action comes a second after the one before, as a player's would,
  // so a deal that follows a result is shuffled from a new seed.
  int actions = 0;
  PlayPointer pointer;
  for (const std::string& action : args.All("do")) {
    if (h.callouts.Closed()) break;
    h.clock.Set(seed + actions + 1);
    ApplyPlayAction(g, action, pointer);
    ++actions;
  }
  if (const auto path = args.Get("save")) WriteSaveFile(*path, g);
  std::cout << ResultJson(g, h.callouts, actions).dump() << '\n';
  return 0;
}
