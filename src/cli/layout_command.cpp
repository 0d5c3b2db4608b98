// kalvenar-cli layout: deals one game from a seed, lays the table out for a
// window size and prints every position.
#include <iostream>
#include <regex>
#include <sstream>

#include "cli/commands.h"
#include "cli/headless_game.h"
#include "core/new_game.h"
#include "table/layout.h"

namespace {

using Json = nlohmann::ordered_json;

// "a,b,c": three row-0 slots, -1 for none.
std::array<int32_t, 3> ParsePassSlots(const std::string& text) {
  std::array<int32_t, 3> slots{};
  std::stringstream in(text);
  std::string item;
  size_t n = 0;
  while (std::getline(in, item, ',')) {
    const auto v = ParseInteger(item);
    if (n >= slots.size() || !v || *v < -1 || *v >= kSlots)
      FailUsage("--pass-slots needs three slots from -1 to 51, got '" + text + "'");
    slots[n++] = static_cast<int32_t>(*v);
  }
  if (n != slots.size() || text.back() == ',')
    FailUsage("--pass-slots needs three slots from -1 to 51, got '" + text + "'");
  return slots;
}

Json Value(bool written, int32_t v) {
  return written ? Json(v) : Json(nullptr);
}

Json Steps(bool written, const std::array<int32_t, 27>& steps) {
  if (!written) return nullptr;
  return Json(steps);
}

Json HandFans(bool written, const TTableState& t) {
  if (!written) return nullptr;
  auto fans = Json::array();
  for (const THandGeometry& h : t.HandGeometry) fans.push_back({h.x0, h.step});
  return fans;
}

Json CardPlaces(const LayoutWritten& written,
                const std::array<std::array<int32_t, kSlots>, kRows>& places) {
  auto rows = Json::array();
  for (int r = 0; r < kRows; ++r) {
    auto slots = Json::array();
    for (int s = 0; s < kSlots; ++s)
      slots.push_back(Value(written.cardPlaces[r].test(s), places[r][s]));
    rows.push_back(std::move(slots));
  }
  return rows;
}

Json LayoutJson(const TTableState& t, const LayoutWritten& written, const ControlPlaces& controls) {
  const bool card = written.cardGameAnchors;
  const bool nine = written.ninePlaces;
  Json out;
  out["VidG"] = t.VidG;
  out["FormG"] = t.FormG;
  out["HandGeometry"] = HandFans(card, t);
  out["TableStep"] = Steps(card, t.TableStep);
  out["RoadStep"] = Steps(card, t.RoadStep);
  out["TopLineY"] = Value(card, t.TopLineY);
  out["BottomLineY"] = Value(card, t.BottomLineY);
  out["ComputerHandY"] = Value(card, t.ComputerHandY);
  out["PlayerHandY"] = Value(card, t.PlayerHandY);
  out["AttackX"] = Value(card, t.AttackX);
  out["AttackY"] = Value(card, t.AttackY);
  out["DefenceX"] = Value(card, t.DefenceX);
  out["DefenceY"] = Value(card, t.DefenceY);
  out["PackX"] = Value(card, t.PackX);
  out["PackY"] = Value(card, t.PackY);
  out["SidePackX"] = Value(card, t.SidePackX);
  out["TrumpX"] = Value(card, t.TrumpX);
  out["TrumpY"] = Value(card, t.TrumpY);
  out["TrumpIconX"] = Value(card, t.TrumpIconX);
  out["TrumpIconY"] = Value(card, t.TrumpIconY);
  out["NineCenterX"] = Value(nine, t.NineCenterX);
  out["NineLeftX"] = Value(nine, t.NineLeftX);
  out["NineRightX"] = Value(nine, t.NineRightX);
  out["NineRowY"] = Value(nine, t.NineRowY);
  out["NineRowStep"] = Value(nine, t.NineRowStep);
  out["LabelPack"] =
      controls.labelPack ? Json{controls.labelPack->left, controls.labelPack->top} : Json(nullptr);
  const ControlRect& b = controls.moveButton;
  out["MoveButton"] = {b.left, b.top, b.width, b.height};
  out["TrumpPanel"] = {controls.trumpPanel.left, controls.trumpPanel.top};
  out["CardX"] = CardPlaces(written, t.CardX);
  out["CardY"] = CardPlaces(written, t.CardY);
  return out;
}

}  // namespace

int RunLayout(int argc, char** argv) {
  const CliArgs args(
      argc, argv, 2,
      {"vidg", "formg", "seed", "edition", "set", "outer", "client-height", "pass-slots"}, {"set"});
  const Edition& edition = EditionFromArgs(args);
  WindowGeometry window;
  ParseOuterSize("outer", args.Required("outer"), window);
  window.clientHeight = static_cast<int32_t>(args.RequiredInt("client-height"));
  std::array<int32_t, 3> passSlots{-1, -1, -1};
  if (const auto text = args.Get("pass-slots")) passSlots = ParsePassSlots(*text);

  HeadlessGame h(edition, args.OptionalInt("seed").value_or(1));
  Game& g = h.game;
  ApplySetOptions(g, args.All("set"));
  SelectGame(g, args.RequiredInt("vidg"), args.RequiredInt("formg"));
  DealOnly(g);
  g.t.PassSlots = passSlots;

  const LayoutWritten written = LayoutTable(g, window);
  // The points panel is not printed, so its width does not matter here.
  const ControlPlaces controls = PlaceControls(g.t, g.kind(), window, 0);
  std::cout << LayoutJson(g.t, written, controls).dump() << '\n';
  return 0;
}
