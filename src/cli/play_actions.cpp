#include "cli/play_actions.h"

#include <optional>
#include <regex>

#include "cli/cli_args.h"
#include "play/buttons.h"
#include "play/pointer_routing.h"
#include "play/save_restore.h"
#include "play/shortcuts.h"
#include "play/table_points.h"
#include "table/layout.h"

namespace {

using Point = TablePoint;

// A drop place need not hold a card (an empty column): the hit test may name
// it, else its place on the layout is taken.
Point DropPoint(Game& g, int row, int slot) {
  if (const auto p = FindPointNaming(g, row, slot, true)) return *p;
  const int32_t x = g.t.CardX[row][slot];
  const int32_t y = g.t.CardY[row][slot];
  if (x <= 0 && y <= 0)
    FailUsage("no place of the table is card " + std::to_string(row) + ":" + std::to_string(slot));
  return {x + kCardWidth / 2, y + kCardHeight / 2};
}

Point CardPoint(Game& g, int row, int slot) {
  auto p = FindPointNaming(g, row, slot, true);
  // An empty column of Solitaire answers with no slot: slot 0 names it.
  if (!p && slot == 0) p = FindPointNaming(g, row, -1, false);
  if (!p)
    FailUsage("no point of the table names card " + std::to_string(row) + ":" +
              std::to_string(slot));
  return *p;
}

void MoveTo(Game& g, Point p, PlayPointer& pointer) {
  FormMouseMove(g, p.x, p.y);
  pointer = {p.x, p.y};
}

void Click(Game& g, Point p, PointerButton button, PlayPointer& pointer) {
  MoveTo(g, p, pointer);
  FormMouseDown(g, button, p.x, p.y);
  FormMouseUp(g, button, p.x, p.y);
}

// A double click as the window receives it: press, release, then the second
// press arriving as a double click, and its release.
void DoubleClick(Game& g, Point p, PlayPointer& pointer) {
  Click(g, p, PointerButton::Left, pointer);
  FormMouseDown(g, PointerButton::Left, p.x, p.y);
  FormDblClick(g);
  FormMouseUp(g, PointerButton::Left, p.x, p.y);
}

void Drag(Game& g, Point from, Point to, PlayPointer& pointer) {
  MoveTo(g, from, pointer);
  FormMouseDown(g, PointerButton::Left, from.x, from.y);
  MoveTo(g, {(from.x + to.x) / 2, (from.y + to.y) / 2}, pointer);
  MoveTo(g, to, pointer);
  FormMouseUp(g, PointerButton::Left, to.x, to.y);
}

std::optional<ShortcutKey> KeyNamed(const std::string& name) {
  static const std::pair<const char*, ShortcutKey> kKeys[] = {
      {"Left", ShortcutKey::Left},  {"Right", ShortcutKey::Right},  {"Up", ShortcutKey::Up},
      {"Down", ShortcutKey::Down},  {"Return", ShortcutKey::Enter}, {"Ctrl", ShortcutKey::Ctrl},
      {"End", ShortcutKey::End},    {"F7", ShortcutKey::F7},        {"Minus", ShortcutKey::Minus},
      {"Equal", ShortcutKey::Plus},
  };
  for (const auto& [n, key] : kKeys)
    if (name == n) return key;
  return std::nullopt;
}

void PressKey(Game& g, ShortcutKey key, PlayPointer& pointer) {
  // The Move button holds the keyboard focus in the card games, so Return
  // presses it there.
  const KeyContext context{pointer.x, IsCardGame(g.kind()) || g.kind() == Kind::Hearts};
  const KeyResponse r = KeyboardShortcut(g, key, context);
  if (r.play.pointer) pointer = {r.play.pointer->x, r.play.pointer->y};
}

int32_t Number(const std::string& text, const std::string& action) {
  const auto v = ParseInteger(text);
  if (!v) FailUsage("bad number in action '" + action + "'");
  return static_cast<int32_t>(*v);
}

int32_t Slot(const std::string& text, int32_t limit, const std::string& action) {
  const int32_t v = Number(text, action);
  if (v < 0 || v >= limit) FailUsage("row or slot out of range in action '" + action + "'");
  return v;
}

}  // namespace

void ApplyPlayAction(Game& g, const std::string& action, PlayPointer& pointer) {
  static const std::regex kPointerEvent(
      "(press|release|moveto|rpress|rrelease|dbl):(-?[0-9]+),(-?[0-9]+)");
  static const std::regex kCardEvent("(click|rclick|dblclick):([0-9]+):([0-9]+)");
  static const std::regex kDrag("drag:([0-9]+):([0-9]+):([0-9]+):([0-9]+)");
  static const std::regex kSuit("suit:([0-9]+)");
  static const std::regex kKey("key:([A-Za-z0-9]+)");
  std::smatch m;
  if (std::regex_match(action, m, kPointerEvent)) {
    const std::string kind = m[1].str();
    const int32_t x = Number(m[2].str(), action);
    const int32_t y = Number(m[3].str(), action);
    pointer = {x, y};
    if (kind == "press") FormMouseDown(g, PointerButton::Left, x, y);
    if (kind == "release") FormMouseUp(g, PointerButton::Left, x, y);
    if (kind == "rpress") FormMouseDown(g, PointerButton::Right, x, y);
    if (kind == "rrelease") FormMouseUp(g, PointerButton::Right, x, y);
    if (kind == "moveto") FormMouseMove(g, x, y);
    if (kind == "dbl") {
      FormMouseDown(g, PointerButton::Left, x, y);
      FormDblClick(g);
    }
    return;
  }
  if (std::regex_match(action, m, kCardEvent)) {
    const Point p = CardPoint(g, Slot(m[2].str(), kRows, action), Slot(m[3].str(), kSlots, action));
    if (m[1] == "click") Click(g, p, PointerButton::Left, pointer);
    if (m[1] == "rclick") Click(g, p, PointerButton::Right, pointer);
    if (m[1] == "dblclick") DoubleClick(g, p, pointer);
    return;
  }
  if (std::regex_match(action, m, kDrag)) {
    const Point from =
        CardPoint(g, Slot(m[1].str(), kRows, action), Slot(m[2].str(), kSlots, action));
    const Point to =
        DropPoint(g, Slot(m[3].str(), kRows, action), Slot(m[4].str(), kSlots, action));
    Drag(g, from, to, pointer);
    return;
  }
  if (action == "button") return PressMoveButton(g);
  if (std::regex_match(action, m, kSuit)) return PressSuitButton(g, Slot(m[1].str(), 4, action));
  if (std::regex_match(action, m, kKey)) {
    const auto key = KeyNamed(m[1].str());
    if (!key) FailUsage("unknown key in action '" + action + "'");
    return PressKey(g, *key, pointer);
  }
  if (action == "save") return SaveGameCommand(g);
  if (action == "undo" || action == "restore") {
    const RestoreOutcome r = action == "undo" ? UndoMove(g) : RestoreGameCommand(g);
    if (r.pointer) pointer = {r.pointer->x, r.pointer->y};
    return;
  }
  FailUsage("unknown action '" + action + "'");
}
